// The window-procedure trampoline: each window object is stored with its
// HWND at WM_NCCREATE and receives its messages through handleMessage.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tw::win {

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND hwnd() const { return hwnd_; }

protected:
    static void registerClass(const wchar_t* className, HICON icon, UINT style = CS_DBLCLKS);
    // Creates the window with `this` as its object.
    HWND create(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style, const RECT& rect,
                HWND parent, HMENU menuOrId);

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // For a window that paints its whole client area in paint(): the answer
    // to a painting message (WM_ERASEBKGND, WM_PAINT, WM_PRINTCLIENT), or
    // nothing for any other message.
    std::optional<LRESULT> paintMessage(UINT message, WPARAM wParam);
    virtual void paint(HDC) {}
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

HINSTANCE moduleInstance();

std::wstring windowText(HWND hwnd);

// The last barrier for a failure of the Win32 layer itself: an exception
// must not unwind into the system's code, which would end the process
// without a word and without the settings stored.
void reportUnexpectedFailure(const char* why) noexcept;

}  // namespace tw::win
