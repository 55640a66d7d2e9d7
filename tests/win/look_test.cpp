// Both windows built at the usual screen DPIs in this process (a font for
// another DPI is only a font of another pixel height): every caption fits
// its element in the font the element draws with, and the start-up window
// and the panels show their pictures scaled, with no pixel left unpainted.
#include "platform/win32/controls_win.h"
#include "platform/win32/start_window_win.h"
#include "ui/layout.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using namespace win;

constexpr COLORREF kSentinel = RGB(255, 0, 255);
constexpr COLORREF kArt = RGB(0, 128, 255);

GdiBitmap flatPicture(SIZE size) {
    HDC screen = GetDC(nullptr);
    GdiBitmap picture(CreateCompatibleBitmap(screen, size.cx, size.cy));
    ReleaseDC(nullptr, screen);
    MemoryDc dc(nullptr);
    Selected selected(dc.get(), picture.get());
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc.get(), &all, GdiBrush(CreateSolidBrush(kArt)).get());
    return picture;
}

// The client area as the window paints it over a sentinel colour; row by row.
std::vector<COLORREF> rendering(HWND window, RECT& client) {
    GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const GdiBitmap target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc dc(nullptr);
    Selected selected(dc.get(), target.get());
    FillRect(dc.get(), &client, GdiBrush(CreateSolidBrush(kSentinel)).get());
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (const auto* p = static_cast<const std::uint32_t*>(bits); pixels.size() < std::size_t(client.right * client.bottom); ++p)
        pixels.push_back(RGB((*p >> 16) & 255, (*p >> 8) & 255, *p & 255));
    return pixels;
}

class Look : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        const RECT client = toPixels(formSpec(Element::frmTidewell).client, dpi);
        main = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, client.right - client.left,
                               client.bottom - client.top, nullptr, nullptr, nullptr, nullptr);
        screen.attach(Element::frmTidewell, main);
        createElements(Element::frmTidewell, main, screen, fonts, containers);
        start.create();
    }
    void TearDown() override {
        DestroyWindow(main);
        DestroyWindow(start.hwnd());
    }
    PanelWindow& panel(Element element) {
        return **std::find_if(containers.begin(), containers.end(),
                              [&](const auto& c) { return c->hwnd() == screen.hwnd(element); });
    }

    const Dpi dpi{GetParam(), GetParam()};
    Win32Screen screen{dpi};
    Fonts fonts{dpi};
    std::vector<std::unique_ptr<PanelWindow>> containers;
    StartWindow start{screen, fonts};
    HWND main = nullptr;
};

TEST_P(Look, EveryCaptionFitsItsElementInTheFontItDrawsWith) {
    MemoryDc dc(nullptr);
    for (const ElementSpec& layout : elementsOf(Element::frmTidewell)) {
        if (layout.kind != Kind::Label && layout.kind != Kind::CheckBox && layout.kind != Kind::PushButton &&
            layout.kind != Kind::GroupFrame)
            continue;
        SCOPED_TRACE(std::string(layout.name));
        HWND control = screen.hwnd(layout.id);
        RECT client;
        GetClientRect(control, &client);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        Selected selected(dc.get(), font);
        wchar_t caption[256];
        GetWindowTextW(control, caption, 256);
        RECT needed{0, 0, client.right, 0};
        DrawTextW(dc.get(), caption, -1, &needed,
                  DT_CALCRECT | (layout.has(style::CentredWrapped) ? DT_WORDBREAK : DT_SINGLELINE));
        EXPECT_LE(needed.right, client.right) << "wide";
        EXPECT_LE(needed.bottom, client.bottom) << "high";
    }
}

TEST_P(Look, PicturesAreScaledAndEveryPixelIsPainted) {
    struct Case {
        HWND window;
        SIZE art;
        COLORREF background;
    };
    start.setPicture(flatPicture({300, 100}));
    panel(Element::Manual).setPicture(flatPicture({450, 220}));
    panel(Element::NewBrowser).setPicture(flatPicture({450, 220}));
    const COLORREF panelBack = RGB(128, 128, 128);
    for (const Case& c : {Case{start.hwnd(), {300, 100}, GetSysColor(COLOR_BTNFACE)},
                          Case{screen.hwnd(Element::Manual), {450, 220}, panelBack},
                          Case{screen.hwnd(Element::NewBrowser), {450, 220}, panelBack}}) {
        RECT client;
        const std::vector<COLORREF> pixels = rendering(c.window, client);
        const auto at = [&](LONG x, LONG y) { return pixels[std::size_t(y * client.right + x)]; };
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kSentinel), 0) << "unpainted pixels";
        const LONG width = MulDiv(c.art.cx, dpi.x, 96), height = MulDiv(c.art.cy, dpi.y, 96);
        EXPECT_EQ(at(std::min(width, client.right) - 1, std::min(height, client.bottom) - 1), kArt);
        EXPECT_TRUE(width >= client.right || at(width, 0) == c.background) << "right of the picture";
        EXPECT_TRUE(height >= client.bottom || at(0, height) == c.background) << "below the picture";
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, Look, ::testing::Values(96, 120, 144, 192));

}  // namespace
}  // namespace tw::test
