// Both windows built at the usual screen DPIs in this process (a font for
// another DPI is only a font of another pixel height): every caption fits
// its element in the font the element draws with, the start-up window and
// the panels show their pictures scaled, with no pixel left unpainted,
// every element tells a screen reader what it is, and after a change of DPI
// both windows are laid out as a fresh start at the new DPI lays them out.
#include "app/prepared_main_form.h"
#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "ui/layout.h"
#include "win32/controls_win.h"
#include "win32/main_window_win.h"
#include "win32/owner_draw_win.h"
#include "win32/picture_detail.h"
#include "win32/start_window_win.h"
#include "win32/wide.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace tw::test {
namespace {

using namespace win;

// Colours as 32-bit pixels (0xRRGGBB).
constexpr std::uint32_t kArt = 0x0080FF, kPanelBack = 0x808080;

// The program's pictures are 300 x 100 (start-up) and 450 x 220 pixels (panels).
GdiBitmap flatPicture(Picture picture) {
    const SIZE size = picture == Picture::Start ? SIZE{300, 100} : SIZE{450, 220};
    const std::vector<std::uint32_t> bits(std::size_t(size.cx * size.cy), kArt);
    return GdiBitmap(CreateBitmap(size.cx, size.cy, 1, 32, bits.data()));
}

// The client area as `paint` paints it (by default the window itself) over
// a colour of its own; row by row.
template <class Paint>
std::vector<std::uint32_t> rendering(HWND window, RECT& client, Paint paint) {
    GetClientRect(window, &client);
    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    std::uint32_t* bits = nullptr;
    GdiBitmap target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
    MemoryDc dc(nullptr);
    Selected selected(dc.get(), target.get());
    FillRect(dc.get(), &client, GdiBrush(CreateSolidBrush(RGB(255, 0, 255))).get());  // a colour the program never paints
    paint(dc.get());
    GdiFlush();
    return {bits, bits + client.right * client.bottom};
}
std::vector<std::uint32_t> rendering(HWND window, RECT& client) {
    return rendering(window, client,
                     [&](HDC dc) { SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT); });
}

// Whether `text` drawn in `font` the `format` way needs no more than `box`.
bool fits(HFONT font, const std::wstring& text, SIZE box, UINT format) {
    MemoryDc dc(nullptr);
    Selected selected(dc.get(), font);
    RECT needed{0, 0, box.cx, 0};
    DrawTextW(dc.get(), text.c_str(), -1, &needed, format | DT_CALCRECT);
    return needed.right <= box.cx && needed.bottom <= box.cy;
}

int height(HFONT font) { LOGFONTW f{}; GetObjectW(font, sizeof f, &f); return std::abs(f.lfHeight); }

// Whether the text fits, or else the font is the smallest a caption may take.
bool fitsOrSmallest(HFONT font, const std::wstring& text, SIZE box, UINT format, const Fonts& nominal) {
    return fits(font, text, box, format) || height(font) == height(nominal.regular()) * 2 / 3;
}

constexpr long kStates = STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_READONLY;

std::tuple<std::wstring, long, long> described(HWND hwnd) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_PPV_ARGS(&object)))) return {};
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->Release();
    std::tuple<std::wstring, long, long> result{name != nullptr ? name : L"", role.lVal, state.lVal & kStates};
    SysFreeString(name);
    return result;
}

// Both windows as the program makes them, in this process, at one DPI; with
// the hidden panels made too unless told to leave them waiting.
struct Program {
    explicit Program(int dpi, bool panelsWait = false) : screen({dpi, dpi}) {
        start.create(), main.create();
        if (!panelsWait) screen.ensureWindow(Element::Manual), screen.ensureWindow(Element::NewBrowser);
    }
    ~Program() {
        DestroyWindow(main.hwnd()), DestroyWindow(start.hwnd());
        MSG quit;  // the main window's end also ends the message loop
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    Win32Screen screen;
    FakeFileSystem fs;
    FakeDialogs dialogs;
    FakeProcessStarter processes;
    PreparedMainForm form{screen, fs, dialogs, processes};
    StartWindow start{screen};
    MainWindow main{screen, form};
};

class Look : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { detail::takePicturesFrom(flatPicture); }

    const Dpi dpi{GetParam(), GetParam()};
    Program program{GetParam()};
    Win32Screen& screen = program.screen;
};

// Every caption fits its element in the font the element draws with; one
// that overflows its label at the nominal size (a longer text, a wider face)
// is drawn smaller: whole, or a third smaller at most.
TEST_P(Look, EveryCaptionFitsItsElementAndOneTooWideIsDrawnSmaller) {
    for (const ElementSpec& layout : elementsOf(Element::frmTidewell)) {
        if (layout.caption.empty()) continue;
        HWND control = screen.hwnd(layout.id);
        RECT client;
        GetClientRect(control, &client);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << layout.name;
        const UINT format = layout.has(style::CentredWrapped) ? DT_WORDBREAK : DT_SINGLELINE;
        EXPECT_TRUE(fits(font, windowText(control), {client.right, client.bottom}, format)) << layout.name;
    }
    const Fonts fonts(dpi);
    // In the box of Label3, a text longer than its own.
    const std::wstring text = L"HTML Documents kept on disk:";
    const RECT pixels = toPixels({0, 0, 1455, 255}, dpi);
    const SIZE box{pixels.right, pixels.bottom};
    ASSERT_FALSE(fits(fonts.regular(), text, box, DT_SINGLELINE)) << "the case must overflow";
    const HFONT fitted = fonts.fitting(text, box, DT_SINGLELINE);
    EXPECT_LT(height(fitted), height(fonts.regular()));
    EXPECT_TRUE(fitsOrSmallest(fitted, text, box, DT_SINGLELINE, fonts));
}

TEST_P(Look, PicturesAreScaledAndEveryPixelIsPainted) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t startBack = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    // The start-up window, made larger than its picture, shows its
    // background beyond it, as a panel a little taller than its own does.
    const std::tuple<HWND, SIZE, std::uint32_t, SIZE> cases[] = {
        {program.start.hwnd(), {300, 100}, startBack, {400, 150}}, {screen.hwnd(Element::Manual), {450, 220}, kPanelBack, {}}};
    for (const auto& [window, art, background, enlarged] : cases) {
        if (enlarged.cx != 0)
            SetWindowPos(window, nullptr, 0, 0, MulDiv(enlarged.cx, dpi.x, 96), MulDiv(enlarged.cy, dpi.y, 96),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client;
        const std::vector<std::uint32_t> pixels = rendering(window, client);
        const LONG width = MulDiv(art.cx, dpi.x, 96), height = MulDiv(art.cy, dpi.y, 96);
        long wrong = 0;
        for (LONG y = 0; y < client.bottom; ++y)
            for (LONG x = 0; x < client.right; ++x)
                wrong += pixels[std::size_t(y * client.right + x)] != (x < width && y < height ? kArt : background);
        EXPECT_EQ(wrong, 0) << "pixels unpainted, or neither the picture nor, beyond it, the background";
    }
}

// Labels read bold, in their colour: the regular face struck twice, a pixel
// apart, more ink than one stroke; blue for the sums, the system's text
// colour for the rest. The status bar alone is regular.
TEST_P(Look, LabelsAreDrawnBoldInTheirColourAndOnlyTheStatusBarIsRegular) {
    const COLORREF system = GetSysColor(COLOR_BTNTEXT), blue = RGB(0, 0, 255);
    for (const auto& [element, colour] : {std::pair{Element::Label1, system}, {Element::Label2, system},
                                          {Element::Label3, system}, {Element::Label5, system},
                                          {Element::Label6, blue}, {Element::Label7, blue}}) {
        HWND label = screen.hwnd(element);
        const auto ink = [&](bool twice) {
            RECT client;
            const std::vector<std::uint32_t> pixels = rendering(label, client, [&](HDC dc) {
                if (twice) return drawOwnerDrawn({ODT_STATIC, 0, 0, ODA_DRAWENTIRE, 0, label, dc, client, 0});
                Selected font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
                SetTextColor(dc, colour), SetBkMode(dc, TRANSPARENT);
                const auto format = static_cast<UINT>(GetWindowLongPtrW(label, GWLP_USERDATA));
                DrawTextW(dc, windowText(label).c_str(), -1, &client, format | DT_NOCLIP);
            });
            const std::uint32_t pixel = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
            return std::count(pixels.begin(), pixels.end(), pixel);
        };
        const auto once = ink(false);
        EXPECT_TRUE(once > 0 && ink(true) > once) << int(element) << ": not in its colour, or struck once";
    }
    const auto weight = [](HWND h) { LOGFONTW f{}; GetObjectW(GetWindowFont(h), sizeof f, &f); return f.lfWeight; };
    EXPECT_EQ(std::pair(weight(screen.hwnd(Element::Sbar)), weight(screen.hwnd(Element::cmdClean))),
              std::pair(LONG(FW_NORMAL), LONG(FW_BOLD)));
}

// The menus in their order, the status text's part 3000 twips wide, and the
// buttons and the start-up window's bar in their places, at every DPI.
TEST_P(Look, MenusStatusPartAndTheStartBarAreWhereTheyBelong) {
    const auto items = [](HMENU menu) {
        std::vector<std::wstring> texts(static_cast<std::size_t>(GetMenuItemCount(menu)), std::wstring(64, L'\0'));
        for (UINT at = 0; at < texts.size(); ++at)
            texts[at].resize(static_cast<std::size_t>(GetMenuStringW(menu, at, texts[at].data(), 64, MF_BYPOSITION)));
        return texts;
    };
    HMENU bar = GetMenu(screen.hwnd(Element::frmTidewell));
    EXPECT_EQ(items(bar), (std::vector<std::wstring>{L"&Settings", L"&About"}));
    EXPECT_EQ(items(GetSubMenu(bar, 0)), (std::vector<std::wstring>{L"Set Browser", L"Set Cache Directory"}));
    int parts[2] = {};
    SendMessageW(screen.hwnd(Element::Sbar), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    EXPECT_EQ(parts[0], MulDiv(3000, dpi.x, 1440));
    const auto px = [](int twips, int perInch) { return MulDiv(twips, perInch, 1440); };
    using E = Element;
    for (const auto& [e, l, t, w, h] : {std::tuple{E::ProgBar2, 240, 960, 4020, 315}, {E::Frame1, 1920, 600, 4815, 2655},
                                        {E::cmdClean, 120, 720, 1575, 375}, {E::cmdLaunchBrowser, 120, 1920, 1575, 375},
                                        {E::cmdCleanExit, 120, 2400, 1575, 375}, {E::cmdExit, 120, 2880, 1575, 375},
                                        {E::cmdChange, 5760, 120, 975, 255}}) {
        RECT r;
        GetWindowRect(screen.hwnd(e), &r);
        MapWindowPoints(nullptr, GetParent(screen.hwnd(e)), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(std::vector<int>({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  std::vector<int>({px(l, dpi.x), px(t, dpi.y), px(w, dpi.x), px(h, dpi.y)})) << int(e);
    }
}

// The bars follow a long inventory at most every 30 ms, but a new start
// shows at once, and the last value reaches them once messages flow again.
TEST(Progress, ANewStartShowsAtOnceAndTheLastValueArrives) {
    Program program(96);
    const auto shownAfter = [&](Element bar, int value, bool messagesFlow) {
        program.screen.setProgressValue(bar, value);
        for (MSG m; messagesFlow && PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
        return SendMessageW(program.screen.hwnd(bar), PBM_GETPOS, 0, 0);
    };
    for (Element bar : {Element::ProgBar, Element::ProgBar2}) {
        program.screen.setProgressMax(bar, 100);
        EXPECT_EQ(shownAfter(bar, 100, true), 100) << int(bar);
        // Within 30 ms of the value before: a new start is not held back.
        EXPECT_EQ(shownAfter(bar, 0, false), 0) << int(bar);
        EXPECT_EQ(shownAfter(bar, 64, true), 64) << int(bar);
    }
}

// What a screen reader learns of each element through oleacc, as a client
// would: the name and role the program gives it, in-process.
TEST_P(Look, EveryElementTellsAScreenReaderWhatItIs) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    screen.setText(Element::Sbar, "Ready");
    struct Row { Element element; std::wstring name; long role; long states; };
    // One element of each role and state; the names are the portable table's.
    const Row rows[] = {
        {Element::Manual, L"Manual Configuration", ROLE_SYSTEM_GROUPING, 0},
        {Element::cmdCleanExit, L"Clean and Exit", ROLE_SYSTEM_PUSHBUTTON, 0},
        {Element::Label1, L"Cache Dir:", ROLE_SYSTEM_STATICTEXT, 0},
        {Element::CacheDir, L"Cache Dir", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::ManualCache, L"Cache Directory", ROLE_SYSTEM_TEXT, 0}, {Element::Sbar, L"Ready", ROLE_SYSTEM_STATUSBAR, 0},
        {Element::CO, L"Unknown Types: Preserve", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_UNAVAILABLE},
        {Element::Dir1, L"Directories", ROLE_SYSTEM_LIST, 0}, {Element::ProgBar2, L"Progress", ROLE_SYSTEM_PROGRESSBAR, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(described(screen.hwnd(row.element)), std::tuple(row.name, row.role, row.states));
    // Fields and switches are named by the label beside them.
    for (const auto& [element, name] :
         {std::pair{Element::ImageCount, L"Images"}, {Element::HTMLCount, L"HTML Documents"}, {Element::XCount, L"Unknown Types"},
          {Element::TotalCount, L"Total"}, {Element::CacheSize, L"Size"}, {Element::CacheUnit, L"Size unit"},
          {Element::BO, L"HTML Documents: Clean"}, {Element::Frame1, L"Cache Contents"}})
        EXPECT_EQ(std::get<0>(described(screen.hwnd(element))), name);

    // A switch is flipped as the program does it: value first, then caption.
    HWND images = screen.hwnd(Element::AO);
    SendMessageW(images, BM_SETCHECK, BST_UNCHECKED, 0);
    SetWindowTextW(images, L"Preserve");
    EXPECT_EQ(described(images), std::tuple(std::wstring(L"Images: Preserve"), ROLE_SYSTEM_CHECKBUTTON, 0L));
    SendMessageW(images, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(std::get<2>(described(images)), STATE_SYSTEM_MIXED);

    CoUninitialize();
}

// Each element's place in its form's client area, its font, what else
// follows the DPI (the status text's part, the directory list's rows), and
// what the user sees and has done: texts, panels shown, switches, progress.
auto stateOf(const Program& program) {
    std::vector<std::tuple<std::string_view, LONG, LONG, LONG, LONG, LONG, LONG, LRESULT, std::string, bool, LRESULT>>
        state;
    for (Element form : {Element::frmTidewell, Element::frmStart})
        for (const ElementSpec& e : elementsOf(form)) {
            HWND h = program.screen.hwnd(e.id);
            if (h == nullptr) continue;
            RECT r;
            GetWindowRect(h, &r);
            MapWindowPoints(nullptr, program.screen.hwnd(form), reinterpret_cast<POINT*>(&r), 2);
            LOGFONTW f{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof f, &f);
            int parts[2] = {};
            const LRESULT rows = e.kind == Kind::DirList ? SendMessageW(h, LB_GETITEMHEIGHT, 0, 0) : 0;
            if (e.kind == Kind::StatusBar) SendMessageW(h, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
            const UINT value = e.kind == Kind::CheckBox ? BM_GETCHECK : e.kind == Kind::ProgressBar ? PBM_GETPOS : 0;
            state.emplace_back(e.name, r.left, r.top, r.right, r.bottom, f.lfHeight, f.lfWeight, rows + parts[0],
                               program.screen.text(e.id), program.screen.visible(e.id),
                               value != 0 ? SendMessageW(h, value, 0, 0) : 0);
        }
    return state;
}

// Wine has one DPI for all monitors and never sends WM_DPICHANGED: it is
// sent here, with the rectangle the system would suggest a little moved.
TEST_P(Look, AfterADpiChangeBothWindowsAreLaidOutAsAFreshStartThere) {
    // What the user has done stays through the change.
    const auto use = [](Win32Screen& used) {
        used.setVisible(Element::Manual, true);
        used.setCheckValue(Element::AO, 0);
        used.setText(Element::AO, "Preserve");
        used.setProgressValue(Element::ProgBar2, 40);
    };
    use(screen);
    int from = dpi.x;
    for (const int to : {144, 120, 96}) {
        if (to == from) continue;
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        for (Element form : {Element::frmTidewell, Element::frmStart}) {
            HWND window = screen.hwnd(form);
            RECT now;
            GetWindowRect(window, &now);
            const RECT suggested{now.left + 7, now.top + 5, now.left + 7 + MulDiv(now.right - now.left, to, from),
                                 now.top + 5 + MulDiv(now.bottom - now.top, to, from)};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
            GetWindowRect(window, &now);
            EXPECT_EQ(std::pair(now.left, now.top), std::pair(suggested.left, suggested.top));
        }
        from = to;
        Program fresh(to);
        use(fresh.screen);
        EXPECT_EQ(stateOf(program), stateOf(fresh));
        RECT client, again;
        // The client areas in twips: 6825 x 3690 and 4500 x 1485.
        for (const auto& [form, width, height] :
             {std::tuple{Element::frmTidewell, 6825, 3690}, {Element::frmStart, 4500, 1485}}) {
            GetClientRect(screen.hwnd(form), &client);
            EXPECT_EQ(std::pair(int(client.right), int(client.bottom)),
                      std::pair(MulDiv(width, to, 1440), MulDiv(height, to, 1440)));
        }
        for (Element e : {Element::Manual, Element::Frame1, Element::frmStart})
            EXPECT_TRUE(rendering(screen.hwnd(e), client) == rendering(fresh.screen.hwnd(e), again)) << int(e);
    }
}

// A start that shows no panel makes none. The first need makes one at the DPI of that moment, with what was
// set on it meanwhile (a label fitted to its new text), over what it covers, the manual panel over the other.
TEST(HiddenPanels, AreMadeWhenFirstNeededWithWhatWasSetMeanwhileInTheirPlace) {
    Program program(96, true);
    Win32Screen& screen = program.screen;
    ASSERT_EQ(std::pair(screen.hwnd(Element::Manual), screen.hwnd(Element::NewBrowser)), std::pair(HWND{}, HWND{}));
    const RECT outer{0, 0, 1000, 600};
    SendMessageW(program.main.hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&outer));
    std::wstring longer;
    for (int i = 0; i < 8; ++i) longer += L"Set your browsers path in the box below. ";
    const RECT label = toPixels(specOf(Element::Label8).rect, {192, 192});
    const SIZE box{label.right - label.left, label.bottom - label.top};
    const Fonts nominal({192, 192});
    ASSERT_FALSE(fits(nominal.regular(), longer, box, DT_WORDBREAK)) << "the case must overflow";
    screen.setText(Element::Label8, narrow(longer));
    const std::string path = "C:\\Prog ram\\br\xc3\xb6wser.exe";
    screen.setText(Element::Browser, path);
    screen.showDirectories(Element::Dir1, {{"C:\\", 0, true}, {"Prog ram", 1, true}, {"Sub", 2, false}});
    EXPECT_EQ(std::pair(screen.text(Element::Browser), screen.visible(Element::Manual)), std::pair(path, false));
    screen.setVisible(Element::NewBrowser, true);
    screen.setVisible(Element::Manual, true);
    EXPECT_EQ(windowText(screen.hwnd(Element::Browser)), L"C:\\Prog ram\\br\u00f6wser.exe");
    RECT placed;
    GetWindowRect(screen.hwnd(Element::Label8), &placed);
    MapWindowPoints(nullptr, screen.hwnd(Element::NewBrowser), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&placed, &label));
    EXPECT_TRUE(fitsOrSmallest(GetWindowFont(screen.hwnd(Element::Label8)), longer, box, DT_WORDBREAK, nominal));
    const auto list = [&](UINT ask) { return SendMessageW(screen.hwnd(Element::Dir1), ask, 0, 0); };
    EXPECT_EQ(std::pair(list(LB_GETCOUNT), list(LB_GETCURSEL)), std::pair(LRESULT{3}, LRESULT{1}));
    const RECT button = toPixels(specOf(Element::cmdCleanExit).rect, {192, 192});
    const auto onTop = [&] {
        return ChildWindowFromPointEx(program.main.hwnd(), {button.left + 2, button.top + 2}, CWP_SKIPINVISIBLE);
    };
    EXPECT_EQ(onTop(), screen.hwnd(Element::Manual));
    screen.setVisible(Element::Manual, false);
    EXPECT_EQ(onTop(), screen.hwnd(Element::NewBrowser));
}

INSTANTIATE_TEST_SUITE_P(Dpi, Look, ::testing::Values(96, 120, 144, 192));

}  // namespace
}  // namespace tw::test
