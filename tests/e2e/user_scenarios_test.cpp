// The program as a user meets it and uses it from start to end, on a screen
// of 144 DPI: the start-up window before the main window, both in pixels of
// that DPI, the main window's fixed size and what Windows shows of the
// program file; then, by the keyboard where it can, Tab round the main view,
// the panels and the boxes each step raises, a clean, and the browser
// started as the program ends.
#include "session.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace tw::e2e {
namespace {

std::pair<int, int> sizeOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(FullRun, FromTheStartWindowThroughTheKeysPanelsAndBoxesToACleanTheBrowserAndBothSettingsFiles) {
    HKEY desktop = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_SET_VALUE, &desktop), ERROR_SUCCESS);
    const DWORD dpi = 144;  // read by each program of this prefix at its start
    RegSetValueExW(desktop, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    // Other programs of the prefix run at 96: the value goes again on every way out.
    const auto restore = [](HKEY key) { RegDeleteValueW(key, L"LogPixels"), RegCloseKey(key); };
    const std::unique_ptr<HKEY__, decltype(restore)> restored(desktop, restore);
    ProgramFolder folder;
    struct CacheFile { const wchar_t* name; bool deleted; };
    const CacheFile files[] = {{L"photo.jpg", true}, {L"page.htm", false}, {L"SHOUT.JPG", false}, {L"doc.html", false}};
    for (const CacheFile& file : files) folder.addCacheFile(file.name);
    // Unknown types stored as 1: the box about them holds the start-up still.
    folder.writeSettings(1, 0, 1);
    // What a write of the settings killed part-way left goes at the start; a
    // user's file of a like name stays.
    folder.write(L"tidew.ini.4000001234-0.tmp", "\"C:\\half");
    folder.write(L"mytidew.ini.1-0.tmp", "mine");
    Session session(folder);
    const HWND box = session.waitForMessageBox();
    const HWND start = session.topLevel(L"frmStart"), hidden = session.topLevel(L"frmTidewell");
    EXPECT_TRUE(start != nullptr && IsWindowVisible(start) && GetWindow(box, GW_OWNER) == start);
    EXPECT_TRUE(hidden != nullptr && !IsWindowVisible(hidden)) << "the main window showed before its preparation";
    // Rounded as the system rounds: at 144 DPI half a pixel is one pixel.
    const auto pixels = [](int x, int y) { return std::pair<LONG, LONG>(MulDiv(x, 144, 1440), MulDiv(y, 144, 1440)); };
    RECT place;
    GetWindowRect(start, &place);
    EXPECT_EQ(std::pair(place.left, place.top), pixels(2550, 1875));
    EXPECT_EQ(session.answerBox(IDOK), "Unknown File Types");
    ASSERT_TRUE(session.waitReady()) << "the main window did not come up";
    EXPECT_EQ(folder.read(L"tidew.ini.4000001234-0.tmp"), std::nullopt);
    EXPECT_EQ(folder.read(L"mytidew.ini.1-0.tmp"), "mine");
    HWND main = session.main();
    EXPECT_EQ(GetForegroundWindow(), main) << "the main window came up inactive";
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), pixels(6825, 3690));
    EXPECT_GT(ExtractIconExW(folder.exe().c_str(), -1, nullptr, nullptr, 0), 0u) << "no icon";
    // Windows refuses to start a program whose manifest names another processor.
    const HMODULE image = LoadLibraryExW(folder.exe().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                               SizeofResource(image, found));
    FreeLibrary(image);
    const auto names = [&](const std::string& cpu) {
        return manifest.find("processorArchitecture=\"" + cpu + "\"") != std::string::npos;
    };
    EXPECT_TRUE(names("*") || names(sizeof(void*) == 8 ? "amd64" : "x86")) << "a manifest for another processor";
    const auto fixed = sizeOf(main);
    SetWindowPos(main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(waitFor([&] { return sizeOf(main) == fixed; })) << "the size was not restored";
    ShowWindowAsync(main, SW_MINIMIZE);
    ShowWindowAsync(main, SW_RESTORE);
    // Any box from minimising would come before the About box asked for after it.
    session.press('a');
    EXPECT_EQ(GetWindow(session.waitForMessageBox(), GW_OWNER), main) << "a box not owned by the window in sight";
    EXPECT_EQ(session.answerBox(IDOK), "About Tidewell");
    EXPECT_EQ(session.topLevel(L"#32770"), nullptr) << "minimising raised a box";
    EXPECT_TRUE(sizeOf(main) == fixed && !IsIconic(main));

    // Tab goes round the main view in its order, wherever the focus starts.
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
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
        PostMessageW(before ? before : main, WM_KEYDOWN, VK_TAB, 0);
        ASSERT_TRUE(waitFor([&] { return focused() != before; }, 2s)) << "Tab did not move the focus";
        seen.push_back(focused());
    }
    std::rotate(order.begin(), std::find(order.begin(), order.end(), seen.front()), order.end());
    order.push_back(order.front());
    EXPECT_EQ(seen, order);

    // Alt+T is "&Tidewell", under the manual panel; Alt+F is "&Find" on it.
    session.click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session.visible(Element::Manual); }));
    for (const char letter : {'t', 'f'}) session.press(letter);
    EXPECT_TRUE(waitFor([&] { return session.visible(Element::Dir1); })) << "Alt+F did not reach \"&Find\"";
    EXPECT_TRUE(folder.cacheHas(L"photo.jpg")) << "the covered \"&Tidewell\" cleaned the cache";
    // Saving the directory again sets the switches as a first start does and counts anew.
    session.type(Element::ManualCache, folder.cacheUtf8() + "\\Gone");
    session.click(Element::cmdSaveManualCache);
    EXPECT_EQ(session.answerBox(IDOK), "Invalid Path Specified");
    folder.addCacheFile(L"late.htm");
    session.type(Element::ManualCache, folder.cacheUtf8());
    session.press('s');  // "&Save" of the manual panel, which also sets the unknown types' switch back
    EXPECT_EQ(session.answerBox(IDOK), "Unknown File Types");
    EXPECT_EQ(session.answerBox(IDOK), "New Settings Accepted");
    EXPECT_TRUE(waitFor([&] { return !session.visible(Element::Manual) && session.text(Element::HTMLCount) == "2"; }))
        << "the inventory was not redone";

    // Menus cannot be read across processes under Wine: the item is chosen by its identifier.
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(win::controlId(Element::menuSetBrowser), 0), 0);
    ASSERT_TRUE(waitFor([&] { return session.visible(Element::NewBrowser); }));
    session.press('i');  // "F&ind": no file was chosen in this run, so cancelling empties the field
    const HWND types = GetDlgItem(session.waitForMessageBox(), 0x470);  // cmb1, the file types
    EXPECT_TRUE(waitFor([&] { return windowText(types) == "Netscape Navigator"; })) << windowText(types);
    session.answerBox(IDCANCEL);
    session.press('s');  // "&Save" of the browser panel
    EXPECT_EQ(session.answerBox(IDOK), "No browser selected");
    session.type(Element::Browser, "C:\\elsewhere\\browser.exe");
    session.press('n');  // "Ca&ncel"
    ASSERT_TRUE(waitFor([&] { return !session.visible(Element::NewBrowser); }));

    session.click(Element::BO);
    ASSERT_TRUE(waitFor([&] { return SendMessageW(session.find(Element::BO), BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    session.press('e');  // "Cl&ean and Exit", answered No: the program goes on
    EXPECT_EQ(session.answerBox(IDNO), "Job Done");
    session.press('t');  // "&Tidewell"
    ASSERT_TRUE(session.waitForExit()) << "the program did not end";
    for (const CacheFile& file : files) EXPECT_EQ(folder.cacheHas(file.name), !file.deleted) << narrow(file.name);
    // The browser stored at start-up, not the one typed, and maximised; its
    // path has a blank ("Program Folder"): it must arrive whole.
    const std::string browser = narrow(folder.browser());
    const std::string started = "command line: \"" + browser + "\"\r\nshow style: 3\r\nargument: " + browser + "\r\n";
    EXPECT_TRUE(waitFor([&] { return folder.read(L"browser_started.txt") == started; }))
        << "the browser recorded " << folder.read(L"browser_started.txt").value_or("nothing");
    std::wstring cache = widen(folder.cacheUtf8());  // upper-cased by the system, not by the program's own rule
    EXPECT_EQ(folder.read(L"tidew.ini"), '"' + narrow(CharUpperW(cache.data())) + "\"\r\n1\r\n0\r\n0\r\n");
    EXPECT_EQ(folder.read(L"user.ini"), "\"C:\\elsewhere\\browser.exe\"\r\n");
}

}  // namespace
}  // namespace tw::e2e
