#include "platform/win32/dialogs_win.h"

#include <gtest/gtest.h>

#include <string>

namespace tw::test {
namespace {

TEST(Dialogs, FilterBecomesDoubleNulTerminatedList) {
    using namespace std::string_literals;
    EXPECT_EQ(win::dialogFilter("Netscape Navigator|netscape.exe|Other|*.exe"),
              L"Netscape Navigator\0netscape.exe\0Other\0*.exe\0\0"s);
}

}  // namespace
}  // namespace tw::test
