// How text is converted into a code page, apart so that the Win32 layer's
// tests can pin it: Wine accepts what Windows refuses here.
#pragma once

namespace tw::win::detail {

struct CodePageFlags {
    unsigned long flags;  // dwFlags of WideCharToMultiByte
    bool reportsLoss;     // whether lpUsedDefaultChar is passed
};

CodePageFlags codePageFlags(unsigned codePage);

}  // namespace tw::win::detail
