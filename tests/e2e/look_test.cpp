// At 144 DPI the real program lays out its main window in pixels of that DPI.
#include "session.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tw::e2e {
namespace {

TEST(Look, MainWindowIsLaidOutAt144Dpi) {
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
