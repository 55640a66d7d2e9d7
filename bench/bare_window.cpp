// The yardstick for the start-up: the plainest one-window program. It
// registers a class, creates and shows one window and runs its message loop.
#include "plain_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    registerPlainClass(instance, L"twBareWindow");
    HWND hwnd = CreateWindowExW(0, L"twBareWindow", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400,
                                300, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    return runMessageLoop();
}
