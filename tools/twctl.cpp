// A small remote control for the demo run: waits until Tidewell 32 shows its
// main window, or closes it the way the user's close box would.
//   twctl wait-ready [seconds]   exit 0 once the main window is up, printing
//                                its place as WIDTHxHEIGHT+LEFT+TOP
//   twctl close [seconds]        close it and wait until the program has ended
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>

namespace {

HWND findMain() { return FindWindowW(L"frmTidewell", nullptr); }

bool ready() {
    HWND main = findMain();
    HWND start = FindWindowW(L"frmStart", nullptr);
    return main != nullptr && IsWindowVisible(main) && (start == nullptr || !IsWindowVisible(start));
}

template <class Condition>
bool waitFor(Condition condition, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: twctl wait-ready|close [seconds]\n", stderr);
        return 2;
    }
    const std::wstring command = argv[1];
    const auto limit = std::chrono::seconds(argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 60);
    if (command == L"wait-ready") {
        if (waitFor(ready, limit)) {
            RECT r;
            GetWindowRect(findMain(), &r);
            std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
            return 0;
        }
        std::fputs("twctl: the main window of Tidewell 32 did not come up in time\n", stderr);
        return 1;
    }
    if (command == L"close") {
        if (HWND main = findMain()) PostMessageW(main, WM_CLOSE, 0, 0);
        if (waitFor([] { return findMain() == nullptr; }, limit)) return 0;
        std::fputs("twctl: Tidewell 32 did not end in time\n", stderr);
        return 1;
    }
    std::fputs("twctl: unknown command\n", stderr);
    return 2;
}
