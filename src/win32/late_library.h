// A system library the first screen does not need, loaded when one of its
// functions is first called and kept until the program ends: the program
// starts in place of the browser, and every library loaded at start is paid
// for on every start.
#pragma once

#include <windows.h>

namespace tw::win {

namespace detail {
// The function of that name in the system library (from the system folder,
// never from beside the program); null when either is missing.
FARPROC lateFunction(const wchar_t* library, const char* name);
}  // namespace detail

// The function, typed as its declaration `Declared` (for example
// decltype(GetOpenFileNameW)); null when the system lacks it.
template <class Declared>
Declared* lateFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Declared*>(reinterpret_cast<void*>(detail::lateFunction(library, name)));
}

}  // namespace tw::win
