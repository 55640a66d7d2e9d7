// The main window as the user first meets it: every element where the layout
// puts it with its caption, the fixed size, the switches and the panels.
#include "session.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

namespace tw::e2e {
namespace {

constexpr COLORREF kGreen = RGB(0, 192, 0);
constexpr COLORREF kDarkRed = RGB(128, 0, 0);

bool inMainView(const ElementSpec& layout) {
    for (const ElementSpec* s = &layout;; s = &specOf(s->parent)) {
        if (s->has(style::Hidden)) return false;
        if (s->parent == Element::frmTidewell) return true;
    }
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        folder.addCacheFile(L"a.jpg");
        folder.addCacheFile(L"b.htm");
        folder.writeSettings(folder.cacheUtf8(), 1, 0, 0);
        folder.writeBrowser(narrow(folder.browser()));
        session = std::make_unique<Session>(folder);
        ASSERT_TRUE(session->waitReady()) << "the main window did not come up";
    }
    void TearDown() override {
        if (session && session->program().running()) session->program().kill();
    }

    ProgramFolder folder;
    std::unique_ptr<Session> session;
};

TEST_F(MainWindow, ShowsEveryElementOfTheMainViewWhereTheLayoutPutsItWithItsCaption) {
    for (const ElementSpec& layout : elementsOf(Element::frmTidewell)) {
        if (!inMainView(layout) || layout.kind == Kind::FileList || layout.kind == Kind::CommonDialog) continue;
        SCOPED_TRACE(std::string(layout.name));
        HWND control = nullptr;
        ASSERT_NO_THROW(control = session->find(layout.id));
        EXPECT_TRUE(IsWindowVisible(control));
        const bool captioned = layout.kind == Kind::PushButton || layout.kind == Kind::Label ||
                               layout.kind == Kind::GroupFrame || layout.id == Element::CO;
        if (captioned) {
            EXPECT_EQ(windowText(control), layout.caption);
        }
    }
}

TEST_F(MainWindow, HasTheClientAreaOfTheLayout) {
    HDC screen = GetDC(nullptr);
    const int dx = GetDeviceCaps(screen, LOGPIXELSX), dy = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const RECT client = clientRect(session->main());
    EXPECT_EQ(client.right, MulDiv(6825, dx, 1440));
    EXPECT_EQ(client.bottom, MulDiv(3690, dy, 1440));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32");
    EXPECT_NE(GetMenu(session->main()), nullptr);
}

TEST_F(MainWindow, SnapsBackToItsFixedSizeAndSurvivesMinimising) {
    const RECT before = windowRect(session->main());
    SetWindowPos(session->main(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto size = [&] {
        const RECT r = windowRect(session->main());
        return std::pair(r.right - r.left, r.bottom - r.top);
    };
    const auto fixed = std::pair(before.right - before.left, before.bottom - before.top);
    EXPECT_TRUE(waitFor([&] { return size() == fixed; })) << "size stayed " << size().first << "x" << size().second;

    ShowWindow(session->main(), SW_MINIMIZE);
    ShowWindow(session->main(), SW_RESTORE);
    EXPECT_TRUE(waitFor([&] { return size() == fixed && !IsIconic(session->main()); }));
    EXPECT_EQ(session->program().messageBox(), nullptr) << "minimising raised a message";
    EXPECT_TRUE(session->program().running());
}

TEST_F(MainWindow, SwitchesShowTheirStateInCaptionAndColour) {
    EXPECT_EQ(session->checkValue(Element::AO), BST_CHECKED);
    EXPECT_EQ(session->text(Element::AO), "Clean");
    EXPECT_EQ(session->checkValue(Element::BO), BST_UNCHECKED);
    EXPECT_EQ(session->text(Element::BO), "Preserve");
    EXPECT_FALSE(IsWindowEnabled(session->find(Element::CO)));
    EXPECT_TRUE(session->showsColour(Element::AO, kGreen));
    EXPECT_TRUE(session->showsColour(Element::BO, kDarkRed));

    session->click(Element::AO);
    session->click(Element::BO);
    EXPECT_TRUE(waitFor([&] { return session->text(Element::BO) == "Clean"; }));
    EXPECT_EQ(session->text(Element::AO), "Preserve");
    EXPECT_EQ(session->checkValue(Element::AO), BST_UNCHECKED);
    EXPECT_TRUE(waitFor([&] { return session->showsColour(Element::AO, kDarkRed); }));
    EXPECT_TRUE(session->showsColour(Element::BO, kGreen));
    EXPECT_FALSE(session->showsColour(Element::AO, kGreen));
}

TEST_F(MainWindow, PanelsOpenAndCloseWithTheirCaptions) {
    session->click(Element::cmdChange);
    EXPECT_TRUE(waitFor([&] { return session->visible(Element::Manual); }));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32 - Manual Configuration");
    EXPECT_FALSE(session->visible(Element::Dir1));
    session->click(Element::cmdBrowseManual);
    EXPECT_TRUE(waitFor([&] { return session->visible(Element::Dir1); }));
    session->click(Element::cmdExitManual);
    EXPECT_TRUE(waitFor([&] { return !session->visible(Element::Manual); }));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32");

    session->menu(Element::menuSetBrowser);
    EXPECT_TRUE(waitFor([&] { return session->visible(Element::NewBrowser); }));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32 - Select a Browser");
    EXPECT_EQ(session->text(Element::Browser), narrow(folder.browser()));
    session->click(Element::cmdCancelBrowser);
    EXPECT_TRUE(waitFor([&] { return !session->visible(Element::NewBrowser); }));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32");

    session->menu(Element::menuSetCache);
    EXPECT_TRUE(waitFor([&] { return session->visible(Element::Manual); }));
    EXPECT_EQ(windowText(session->main()), "Tidewell 32 - Manual Configuration");
}

TEST_F(MainWindow, StartWindowStaysLoadedButHidden) {
    HWND start = session->start();
    ASSERT_NE(start, nullptr);
    EXPECT_FALSE(IsWindowVisible(start));
    EXPECT_EQ(windowText(start), "Form1");
    Sleep(300);
    EXPECT_TRUE(IsWindow(start));
}

TEST_F(MainWindow, AccessKeysOfCoveredButtonsDoNothing) {
    session->click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session->visible(Element::Manual); }));
    // Alt+T would be "&Tidewell", which lies under the panel.
    PostMessageW(session->main(), WM_SYSCHAR, 't', 1 << 29);
    // Alt+F is "&Find" on the panel itself.
    PostMessageW(session->main(), WM_SYSCHAR, 'f', 1 << 29);
    EXPECT_TRUE(waitFor([&] { return session->visible(Element::Dir1); }));
    EXPECT_TRUE(session->program().running());
    EXPECT_TRUE(folder.cacheHas(L"a.jpg"));
    EXPECT_FALSE(folder.read(L"browser_started.txt").has_value());
}

TEST_F(MainWindow, StatusBarHintsFollowThePointer) {
    const auto pointAt = [&](HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
    };
    const auto status = [&] { return windowText(session->find(Element::Sbar)); };
    const auto pointAtElement = [&](Element e) { pointAt(session->find(e), 3, 3); };

    session->click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session->visible(Element::Manual); }));
    pointAtElement(Element::cmdBrowseManual);
    EXPECT_TRUE(waitFor([&] { return status() == "Manualy Find Directory"; })) << status();
    // The field carries no hint of its own.
    pointAtElement(Element::ManualCache);
    Sleep(200);
    EXPECT_EQ(status(), "Manualy Find Directory");
    pointAtElement(Element::cmdExitManual);
    EXPECT_TRUE(waitFor([&] { return status() == "Quit Manual Configuration"; })) << status();
    pointAtElement(Element::cmdSaveManualCache);
    EXPECT_TRUE(waitFor([&] { return status() == "Save selected directory as default"; })) << status();
    pointAt(session->find(Element::Manual), 150, 200);
    EXPECT_TRUE(waitFor([&] { return status() == "Ready"; })) << status();
    // The window's own left margin empties the status text.
    pointAt(session->main(), 2, 100);
    EXPECT_TRUE(waitFor([&] { return status().empty(); })) << status();
}

TEST_F(MainWindow, TabFollowsTheTabIndexesAndSkipsWhatCannotTakeTheFocus) {
    const DWORD thread = GetWindowThreadProcessId(session->main(), nullptr);
    const auto focused = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    const auto pressTab = [&] {
        const HWND before = focused();
        PostMessageW(before ? before : session->main(), WM_KEYDOWN, VK_TAB, 0);
        waitFor([&] { return focused() != before; }, 2s);
    };
    const auto cycle = [&](std::vector<Element> expected) {
        pressTab();
        // Find where in the cycle the focus is, then follow it once round.
        std::size_t at = 0;
        while (at < expected.size() && session->find(expected[at]) != focused()) ++at;
        ASSERT_LT(at, expected.size()) << "the focus is on an element outside the tab cycle";
        for (std::size_t step = 1; step <= expected.size(); ++step) {
            pressTab();
            const Element want = expected[(at + step) % expected.size()];
            EXPECT_EQ(focused(), session->find(want)) << "after tab " << step << " expected " << specOf(want).name;
        }
    };
    cycle({Element::CacheDir, Element::cmdChange, Element::ImageCount, Element::HTMLCount, Element::XCount,
           Element::TotalCount, Element::CacheSize, Element::BO, Element::AO, Element::cmdLaunchBrowser,
           Element::cmdExit, Element::cmdCleanExit, Element::CacheUnit, Element::cmdClean});

    session->click(Element::cmdChange);
    ASSERT_TRUE(waitFor([&] { return session->visible(Element::Manual); }));
    cycle({Element::ManualCache, Element::cmdSaveManualCache, Element::cmdBrowseManual, Element::cmdExitManual});
}

TEST_F(MainWindow, ClosingFromTheTitleBarStoresTheSettingsAndEnds) {
    session->click(Element::BO);
    ASSERT_TRUE(waitFor([&] { return session->text(Element::BO) == "Clean"; }));
    PostMessageW(session->main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(session->program().waitForExit().has_value());
    const std::string upper = [&] {
        std::string s = folder.cacheUtf8();
        for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return s;
    }();
    EXPECT_EQ(folder.read(L"tidew.ini"), "\"" + upper + "\"\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(folder.read(L"user.ini"), "\"" + narrow(folder.browser()) + "\"\r\n");
}

}  // namespace
}  // namespace tw::e2e
