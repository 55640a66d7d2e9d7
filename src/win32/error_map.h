#pragma once

#include "common/runtime_error.h"

#include <string>

namespace tw::win {

// The one place where Win32 error codes become the classic error numbers.
int classicErrorNumber(unsigned long win32Error);

// The system's own wording of a Win32 error, for messages to the user.
std::string systemMessage(unsigned long win32Error);

// A RuntimeError for GetLastError(), carrying the system's wording.
[[noreturn]] void throwLastError();
[[noreturn]] void throwError(unsigned long win32Error);

}  // namespace tw::win
