#include "win32/main_window_win.h"

#include "ui/layout.h"
#include "win32/resource_ids.h"
#include "win32/wide.h"

#include <commctrl.h>

namespace tw::win {
namespace {

constexpr wchar_t kMainClass[] = L"frmTidewell";
// No sizing border: the window keeps one size.
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void drawFolder(HDC dc, int x, int y, int size, bool open) {
    const GdiBrush fill(CreateSolidBrush(open ? RGB(255, 230, 120) : RGB(230, 190, 60)));
    const Selected brush(dc, fill.get()), pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, x, y + size / 4, x + size, y + size);
    Rectangle(dc, x, y + size / 8, x + size / 2, y + size / 4 + 1);
}

}  // namespace

void MainWindow::create() {
    HICON icon = LoadIconW(moduleInstance(), MAKEINTRESOURCEW(IDI_TIDEWELL));
    registerClass(kMainClass, icon);
    const FormSpec& layout = formSpec(Element::frmTidewell);
    const Dpi dpi = screen_.dpi();
    RECT rect = toPixels(layout.client, dpi);
    HMENU menu = createMainMenu();
    AdjustWindowRectEx(&rect, kMainStyle, TRUE, 0);
    WindowBase::create(0, kMainClass, widen(layout.caption).c_str(), kMainStyle, rect, nullptr, menu);
    screen_.attach(Element::frmTidewell, hwnd());
    createElements(Element::frmTidewell, hwnd(), screen_, fonts_, containers_);
    form_.Resize();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) return TRUE;
        return reinterpret_cast<HWND>(wParam) == hwnd() ? defaultProc(message, wParam, lParam) : FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = screen_.controlColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        return defaultProc(message, wParam, lParam);
    case WM_MEASUREITEM:
        onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam); item.CtlType == ODT_STATIC)
            drawLabel(item);
        else
            onDrawItem(item);
        return TRUE;
    case WM_SIZE:
        if (HWND bar = screen_.hwnd(Element::Sbar)) SendMessageW(bar, WM_SIZE, 0, 0);
        form_.Resize();
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_ENDSESSION:
        // Windows is shutting down: end as the close box would, settings stored.
        if (wParam) onClose();
        return 0;
    case kFlushProgressMessage:
        screen_.flushProgress();
        return 0;
    case WM_DESTROY:
        form_.Terminate();
        return 0;
    default:
        return defaultProc(message, wParam, lParam);
    }
}

void MainWindow::onCommand(int id, int code) {
    const std::optional<Element> element = elementOfId(id);
    if (!element) return;
    if (*element == Element::Dir1) {
        if (code == LBN_DBLCLK) {
            const auto selected = SendMessageW(screen_.hwnd(Element::Dir1), LB_GETCURSEL, 0, 0);
            if (selected != LB_ERR) form_.Dir1DoubleClick(static_cast<std::size_t>(selected));
        }
        return;
    }
    if (code != BN_CLICKED) return;  // menu items arrive as 0, which is BN_CLICKED too
    form_.Click(*element);
    keepFocusReachable();
}

BOOL MainWindow::onSetCursor(HWND over, int hitTest, int mouseMessage) {
    if (mouseMessage != WM_MOUSEMOVE) return FALSE;
    if (over == hwnd()) {
        if (hitTest == HTCLIENT) form_.MouseMove(Element::frmTidewell);
    } else if (const auto element = screen_.elementOf(over)) {
        form_.MouseMove(*element);
    }
    return FALSE;
}

void MainWindow::onActivate(int state) {
    if (state == WA_INACTIVE) {
        if (HWND focused = GetFocus(); focused != nullptr && IsChild(hwnd(), focused)) lastFocus_ = focused;
        return;
    }
    if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
    keepFocusReachable();
}

void MainWindow::onClose() { form_.Unload(); }

void MainWindow::onMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(twipsToPixels(240, screen_.dpi().y));
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const auto data = static_cast<int>(SendMessageW(item.hwndItem, LB_GETITEMDATA, item.itemID, 0));
    const int indent = data & 0xFFFF;
    const bool open = (data & 0x10000) != 0;
    const int height = item.rcItem.bottom - item.rcItem.top;
    const int step = height * 3 / 4;
    const int x = item.rcItem.left + 2 + indent * step;
    drawFolder(dc, x, item.rcItem.top + 2, height - 4, open);

    const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    RECT textRect = item.rcItem;
    textRect.left = x + height;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

void MainWindow::focus(Element element) { SetFocus(screen_.hwnd(element)); }

void MainWindow::keepFocusReachable() {
    if (hwnd() == nullptr || !IsWindowVisible(hwnd())) return;
    const std::optional<Element> current = screen_.elementOf(GetFocus());
    const ElementStateQuery state = screen_.stateQuery();
    if (current && isReachable(*current, state)) return;
    if (const auto next = nextTabStop(current, false, state)) focus(*next);
}

bool MainWindow::preTranslate(const MSG& msg) {
    if (hwnd() == nullptr || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
    const ElementStateQuery state = screen_.stateQuery();
    const std::optional<Element> current = screen_.elementOf(GetFocus());
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        if (const auto next = nextTabStop(current, backwards, state)) focus(*next);
        return true;
    }
    if (msg.message == WM_CHAR && msg.wParam == L'\t') return true;
    if (msg.message == WM_SYSCHAR && msg.wParam < 0x80) {
        const auto target = mnemonicTarget(static_cast<char>(msg.wParam), current, state);
        if (!target) return false;  // the menu bar may have the letter
        focus(*target);
        if (specOf(*target).kind == Kind::PushButton) {
            form_.Click(*target);
            keepFocusReachable();
        }
        return true;
    }
    return false;
}

}  // namespace tw::win
