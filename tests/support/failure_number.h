// The classic error number a call fails with, or 0 when it returns.
#pragma once

#include "common/runtime_error.h"

namespace tw::test {

template <typename Call>
int failureNumber(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace tw::test
