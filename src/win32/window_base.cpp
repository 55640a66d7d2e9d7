#include "win32/window_base.h"

#include "ui/messages.h"
#include "version.h"
#include "win32/wide.h"

#include <exception>

namespace tw::win {

void reportUnexpectedFailure(const char* why) noexcept {
    try {
        const MessageSpec& box = messageSpec(Message::ActionFailed);
        MessageBoxW(nullptr, widen(messageText(Message::ActionFailed, {TW_APP_TITLE, why})).c_str(),
                    widen(box.caption).c_str(), static_cast<UINT>(box.flags) | MB_TASKMODAL);
    } catch (...) {
        MessageBoxW(nullptr, L"" TW_APP_TITLE " could not complete an action.", L"" TW_APP_TITLE,
                    MB_ICONEXCLAMATION | MB_TASKMODAL);
    }
}

HINSTANCE moduleInstance() { return GetModuleHandleW(nullptr); }

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void WindowBase::registerClass(const wchar_t* className, HICON icon, UINT style) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(moduleInstance(), className, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &WindowBase::windowProc;
    wc.hInstance = moduleInstance();
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

HWND WindowBase::create(DWORD exStyle, const wchar_t* className, const wchar_t* caption, DWORD style,
                        const RECT& rect, HWND parent, HMENU menuOrId) {
    return CreateWindowExW(exStyle, className, caption, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, menuOrId, moduleInstance(), this);
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultProc(message, wParam, lParam);
}

std::optional<LRESULT> WindowBase::paintMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        paint(BeginPaint(hwnd_, &ps));
        EndPaint(hwnd_, &ps);
        return 0;
    }
    default:
        return std::nullopt;
    }
}

LRESULT CALLBACK WindowBase::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& e) {
        reportUnexpectedFailure(e.what());
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace tw::win
