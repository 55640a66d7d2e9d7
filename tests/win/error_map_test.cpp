#include "platform/win32/error_map.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tw::test {
namespace {

TEST(ErrorMap, Win32CodesBecomeClassicNumbers) {
    const std::pair<DWORD, int> cases[] = {
        {ERROR_FILE_NOT_FOUND, 53},      {ERROR_PATH_NOT_FOUND, 76}, {ERROR_ACCESS_DENIED, 75},
        {ERROR_SHARING_VIOLATION, 75},   {ERROR_LOCK_VIOLATION, 75}, {ERROR_NOT_READY, 71},
        {ERROR_INVALID_NAME, 52},        {ERROR_HANDLE_DISK_FULL, 61}, {ERROR_DISK_FULL, 61},
        {ERROR_FILE_EXISTS, 58},         {ERROR_TOO_MANY_OPEN_FILES, 67}, {ERROR_INVALID_DRIVE, 68},
        {ERROR_WRITE_PROTECT, 70},
        // Anything unknown is an access error, which cleaning skips.
        {ERROR_INVALID_FUNCTION, 75}, {ERROR_NOT_SUPPORTED, 75}, {0xDEADBEEF, 75},
    };
    for (const auto& [win32, classic] : cases) EXPECT_EQ(win::classicErrorNumber(win32), classic) << win32;
}

TEST(ErrorMap, ThrownErrorsCarryTheNumberAndTheSystemWording) {
    const DWORD codes[] = {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_DISK_FULL, 0xDEADBEEF};
    for (const DWORD code : codes) {
        const std::string message = win::systemMessage(code);
        EXPECT_TRUE(!message.empty() && message.back() != '\n') << code;
        try {
            win::throwError(code);
            ADD_FAILURE() << "no throw";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), win::classicErrorNumber(code)) << code;
            EXPECT_EQ(e.detail(), message) << code;
        }
    }
}

}  // namespace
}  // namespace tw::test
