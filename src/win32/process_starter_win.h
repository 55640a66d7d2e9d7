#pragma once

#include "platform/process_starter.h"

namespace tw::win {

class Win32ProcessStarter final : public ProcessStarter {
public:
    void start(std::string_view commandLine, std::string_view applicationName, int showStyle) override;
};

}  // namespace tw::win
