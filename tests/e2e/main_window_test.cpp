// The program's windows as the user first meets them: the start-up window
// before the main window, the main window's fixed size at 96 and 144 DPI,
// what Windows shows of the program file, and the keyboard.
#include "session.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace tw::e2e {
namespace {

std::pair<int, int> sizeOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(MainWindow, ComesUpAfterTheStartWindowAndKeepsItsFixedSize) {
    ProgramFolder folder;
    // Unknown types stored as 1: the box about them holds the start-up still.
    folder.writeSettings(folder.cacheUtf8(), 1, 0, 1);
    folder.writeBrowser(narrow(folder.browser()));
    Session session(folder);
    const HWND box = session.program().waitForMessageBox();
    ASSERT_NE(box, nullptr) << "no box during the start-up";
    const HWND start = session.start(), hidden = session.program().topLevel(L"frmTidewell");
    EXPECT_TRUE(start != nullptr && IsWindowVisible(start) && GetWindow(box, GW_OWNER) == start);
    EXPECT_TRUE(hidden != nullptr && !IsWindowVisible(hidden)) << "the main window showed before its preparation";
    // The test prefix is at 96 DPI: 15 twips a pixel.
    const auto pixels = [](int x, int y) { return std::pair<LONG, LONG>(x / 15, y / 15); };
    RECT place;
    GetWindowRect(start, &place);
    EXPECT_EQ(std::pair(place.left, place.top), pixels(2550, 1875));
    answerMessageBox(box, IDOK);
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";
    HWND main = session.main();
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), pixels(6825, 3690));
    EXPECT_GT(ExtractIconExW(folder.exe().c_str(), -1, nullptr, nullptr, 0), 0u) << "no icon";
    const auto fixed = sizeOf(main);
    SetWindowPos(main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(waitFor([&] { return sizeOf(main) == fixed; })) << "the size was not restored";
    ShowWindowAsync(main, SW_MINIMIZE);
    ShowWindowAsync(main, SW_RESTORE);
    // Any box from minimising would come before the About box asked for after it.
    session.press('a');
    EXPECT_EQ(session.answerBox(IDOK).caption, "About Tidewell");
    EXPECT_EQ(session.program().messageBox(), nullptr) << "minimising raised a box";
    EXPECT_TRUE(sizeOf(main) == fixed && !IsIconic(main));
    EXPECT_TRUE(IsWindow(start) && !IsWindowVisible(start)) << "frmStart must stay loaded and hidden";
    session.press('o');
    EXPECT_TRUE(session.program().waitForExit()) << "Alt+O did not reach \"Cl&ose\"";
}

TEST(MainWindow, TabFollowsTheTabOrderAndACoveredButtonsAccessKeyDoesNothing) {
    ProgramFolder folder;
    folder.addCacheFile(L"a.jpg");
    folder.writeSettings(folder.cacheUtf8(), 1, 0);
    folder.writeBrowser(narrow(folder.browser()));
    Session session(folder);
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";
    const DWORD thread = GetWindowThreadProcessId(session.main(), nullptr);
    const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    std::vector<HWND> order, seen;
    for (Element e : {Element::CacheDir, Element::cmdChange, Element::ImageCount, Element::HTMLCount,
                      Element::XCount, Element::TotalCount, Element::CacheSize, Element::BO, Element::AO,
                      Element::cmdLaunchBrowser, Element::cmdExit, Element::cmdCleanExit, Element::CacheUnit,
                      Element::cmdClean})
        order.push_back(session.find(e));
    while (seen.size() <= order.size()) {
        const HWND before = focused();
        PostMessageW(before ? before : session.main(), WM_KEYDOWN, VK_TAB, 0);
        ASSERT_TRUE(waitFor([&] { return focused() != before; }, 2s)) << "Tab did not move the focus";
        seen.push_back(focused());
    }
    const auto first = std::find(order.begin(), order.end(), seen.front());
    ASSERT_NE(first, order.end()) << "the focus went outside the tab order";
    std::rotate(order.begin(), first, order.end());
    order.push_back(order.front());
    EXPECT_EQ(seen, order);

    // Alt+T is "&Tidewell", under the manual panel; Alt+F is "&Find" on it, Alt+N "Ca&ncel".
    session.click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session.visible(Element::Manual); }));
    for (const char letter : {'t', 'f'}) session.press(letter);
    EXPECT_TRUE(waitFor([&] { return session.visible(Element::Dir1); })) << "Alt+F did not reach \"&Find\"";
    EXPECT_TRUE(folder.cacheHas(L"a.jpg")) << "the covered \"&Tidewell\" cleaned the cache";
    session.press('n');
    EXPECT_TRUE(waitFor([&] { return !session.visible(Element::Manual); })) << "Alt+N did not reach \"Ca&ncel\"";
    session.press('e');
    EXPECT_EQ(session.answerBox(IDNO).caption, "Job Done");
}

// At 144 DPI the real program lays out its main window in pixels of that DPI.
TEST(MainWindow, IsLaidOutInPixelsAt144Dpi) {
    HKEY desktop = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &desktop), ERROR_SUCCESS);
    const DWORD dpi = 144;  // read by each program of this prefix at its start
    RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    // The other scenarios run at 96: the value goes again on every way out.
    const auto restore = [](HKEY key) { RegDeleteValueW(key, L"LogPixels"), RegCloseKey(key); };
    const std::unique_ptr<HKEY__, decltype(restore)> restored(desktop, restore);
    ProgramFolder folder;
    folder.writeSettings(folder.cacheUtf8(), 1, 1);
    folder.writeBrowser(narrow(folder.browser()));
    Session session(folder);
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";
    RECT client, frame;
    GetClientRect(session.main(), &client);
    EXPECT_EQ(std::tuple(client.right, client.bottom), std::tuple(MulDiv(6825, 144, 1440), MulDiv(3690, 144, 1440)));
    // Frame1: Left 1920, Top 600, 4815 x 2655 twips.
    GetWindowRect(session.find(Element::Frame1), &frame);
    MapWindowPoints(nullptr, session.main(), reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(std::tuple(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top),
              std::tuple(192L, 60L, LONG(MulDiv(4815, 144, 1440)), LONG(MulDiv(2655, 144, 1440))));
}

}  // namespace
}  // namespace tw::e2e
