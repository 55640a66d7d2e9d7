// What a screen reader learns of each element, read in-process through
// oleacc as a client would: the name and role the program gives it.
#include "platform/win32/controls_win.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tw::test {
namespace {

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

TEST(Accessibility, EveryElementSaysWhatItIs) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    win::Win32Screen screen;
    const win::Fonts fonts(screen.dpi());
    std::vector<std::unique_ptr<win::PanelWindow>> containers;
    for (Element form : {Element::frmTidewell, Element::frmStart})
        win::createElements(form, host, screen, fonts, containers);
    screen.setText(Element::Sbar, "Ready");

    struct Row { Element element; std::wstring name; long role; long states; };
    const Row rows[] = {
        {Element::Manual, L"Manual Configuration", ROLE_SYSTEM_GROUPING, 0},
        {Element::NewBrowser, L"Select a Browser", ROLE_SYSTEM_GROUPING, 0},
        {Element::Frame1, L"Cache Contents", ROLE_SYSTEM_GROUPING, 0},
        {Element::cmdCleanExit, L"Clean and Exit", ROLE_SYSTEM_PUSHBUTTON, 0},
        {Element::Label1, L"Cache Dir:", ROLE_SYSTEM_STATICTEXT, 0},
        {Element::CacheDir, L"Cache Dir", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::ImageCount, L"Images", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::HTMLCount, L"HTML Documents", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::XCount, L"Unknown Types", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::TotalCount, L"Total", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::CacheSize, L"Size", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::CacheUnit, L"Size unit", ROLE_SYSTEM_TEXT, STATE_SYSTEM_READONLY},
        {Element::ManualCache, L"Cache Directory", ROLE_SYSTEM_TEXT, 0},
        {Element::Browser, L"Browser path", ROLE_SYSTEM_TEXT, 0},
        {Element::AO, L"Images: Clean", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED},
        {Element::BO, L"HTML Documents: Clean", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_CHECKED},
        {Element::CO, L"Unknown Types: Preserve", ROLE_SYSTEM_CHECKBUTTON, STATE_SYSTEM_UNAVAILABLE},
        {Element::Dir1, L"Directories", ROLE_SYSTEM_LIST, 0},
        {Element::ProgBar, L"Progress", ROLE_SYSTEM_PROGRESSBAR, 0},
        {Element::ProgBar2, L"Progress", ROLE_SYSTEM_PROGRESSBAR, 0},
        {Element::Sbar, L"Ready", ROLE_SYSTEM_STATUSBAR, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(described(screen.hwnd(row.element)), std::tuple(row.name, row.role, row.states));

    // A switch is flipped as the program does it: value first, then caption.
    HWND images = screen.hwnd(Element::AO);
    SendMessageW(images, BM_SETCHECK, BST_UNCHECKED, 0);
    SetWindowTextW(images, L"Preserve");
    EXPECT_EQ(described(images), std::tuple(std::wstring(L"Images: Preserve"), ROLE_SYSTEM_CHECKBUTTON, 0L));
    SendMessageW(images, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(std::get<2>(described(images)), STATE_SYSTEM_MIXED);

    DestroyWindow(host);
    CoUninitialize();
}

}  // namespace
}  // namespace tw::test
