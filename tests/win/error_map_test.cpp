#include "platform/win32/error_map.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tw::test {
namespace {

TEST(ErrorMap, Win32CodesBecomeClassicNumbers) {
    struct Case {
        DWORD win32;
        int classic;
    };
    const Case cases[] = {
        {2, 53}, {3, 76}, {5, 75}, {32, 75}, {33, 75}, {21, 71}, {123, 52}, {112, 61}, {39, 61},
        {80, 58}, {4, 67}, {15, 68}, {19, 70},
        // Anything unknown is an access error, which cleaning skips.
        {1, 75}, {50, 75}, {0xDEADBEEF, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.win32);
        EXPECT_EQ(win::classicErrorNumber(c.win32), c.classic);
    }
}

TEST(ErrorMap, ThrownErrorsCarryTheNumberAndTheSystemWording) {
    for (const DWORD code : {DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_DISK_FULL}}) {
        SCOPED_TRACE(code);
        const std::string message = win::systemMessage(code);
        EXPECT_FALSE(message.empty());
        EXPECT_NE(message.back(), '\n');
        try {
            win::throwError(code);
            ADD_FAILURE() << "no throw";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), win::classicErrorNumber(code));
            EXPECT_EQ(e.detail(), message);
        }
    }
    SetLastError(ERROR_PATH_NOT_FOUND);
    try {
        win::throwLastError();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 76);
    }
    EXPECT_FALSE(win::systemMessage(0xDEADBEEF).empty());
}

}  // namespace
}  // namespace tw::test
