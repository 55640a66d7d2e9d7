// The windows' layout and names as the user meets them, checked against
// rules and literal names rather than against the tables themselves.
#include "app/startup.h"
#include "fake_screen.h"
#include "ui/frm_start.h"
#include "ui/keyboard_navigation.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

// Every element lies inside its parent, and no two siblings cover each other
// by more than the one pixel (15 twips) neighbours may share; only the
// panels lie over other elements, and the progress bar over the status bar's
// second part, on purpose.
TEST(Layout, EveryElementLiesInsideItsParentAndBesideItsSiblings) {
    for (Element form : {Element::frmTidewell, Element::frmStart}) {
        const auto elements = elementsOf(form);
        for (const ElementSpec& e : elements) {
            if (e.kind == Kind::CommonDialog) continue;
            SCOPED_TRACE(std::string(e.name));
            const TwipsRect parent = e.parent == form ? formSpec(form).client : specOf(e.parent).rect;
            EXPECT_TRUE(e.rect.left >= 0 && e.rect.top >= 0 && e.rect.right() <= parent.width &&
                        e.rect.bottom() <= parent.height);
            for (const ElementSpec& other : elements) {
                const auto liesUnder = [](Kind k) { return k == Kind::PicturePanel || k == Kind::StatusBar; };
                if (&other <= &e || other.parent != e.parent || liesUnder(e.kind) || liesUnder(other.kind) ||
                    other.kind == Kind::CommonDialog)
                    continue;
                const int across = std::min(e.rect.right(), other.rect.right()) - std::max(e.rect.left, other.rect.left);
                const int down = std::min(e.rect.bottom(), other.rect.bottom()) - std::max(e.rect.top, other.rect.top);
                EXPECT_FALSE(across > 15 && down > 15) << "covers " << other.name;
            }
        }
    }
}

// Alt and a letter (as typed, in lower case) reach the button whose caption
// marks that letter, only among what the open panel leaves in sight.
TEST(Keyboard, EachAccessKeyReachesTheButtonItsCaptionMarks) {
    using E = Element;
    struct Row { std::string panel, letters; std::vector<Element> reached; std::string reachNothing; };
    const Row rows[] = {
        {"none", "tseo", {E::cmdClean, E::cmdLaunchBrowser, E::cmdCleanExit, E::cmdExit}, "finca"},
        {"Manual", "fns", {E::cmdBrowseManual, E::cmdExitManual, E::cmdSaveManualCache}, "teoic"},
        {"NewBrowser", "ins", {E::cmdFindBrowser, E::cmdCancelBrowser, E::cmdSaveBrowser}, "fteo"},
    };
    for (const Row& row : rows) {
        const ElementStateQuery state{
            [&](Element e) { return e == E::Manual || e == E::NewBrowser ? specOf(e).name == row.panel : true; },
            [](Element e) { return e != E::CO; }};
        for (std::size_t k = 0; k < row.letters.size(); ++k)
            EXPECT_EQ(mnemonicTarget(row.letters[k], std::nullopt, state), row.reached[k]) << row.panel << row.letters[k];
        for (const char letter : row.reachNothing)
            EXPECT_EQ(mnemonicTarget(letter, std::nullopt, state), std::nullopt) << row.panel << " Alt+" << letter;
    }
}

// The main window prepares itself behind the start-up window, which leaves
// the screen only once the main window is on it.
TEST(StartUp, ShowsTheMainWindowBeforeHidingTheStartUpWindow) {
    struct Loader final : FormLoader {
        explicit Loader(FakeScreen& s) : screen(s) {}
        void load(Element form) override {
            screen.calls.push_back("load " + FakeScreen::name(form));
            if (form == Element::frmStart) frmStart(screen).Load();
        }
        FakeScreen& screen;
    };
    FakeScreen screen;
    Loader loader(screen);
    RunStartup(loader, screen);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"load frmStart", "visible frmStart 1", "load frmTidewell",
                                                      "visible frmTidewell 1", "visible frmStart 0"}));
}

}  // namespace
}  // namespace tw::test
