#include "ui/keyboard_navigation.h"

#include "fake_screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw::test {
namespace {

using enum Element;

class KeyboardNavigation : public ::testing::Test {
protected:
    FakeScreen screen;
    // The unknown-types switch is the one element that is never enabled.
    ElementStateQuery state{[this](Element e) { return screen.visible(e); }, [](Element e) { return e != CO; }};

    // Tab stops from the start of the order until the first repeats.
    std::vector<Element> tabCycle(bool backwards = false) {
        std::vector<Element> cycle;
        std::optional<Element> at;
        for (int guard = 0; guard < 100; ++guard) {
            at = nextTabStop(at, backwards, state);
            if (!at || (!cycle.empty() && *at == cycle.front())) break;
            cycle.push_back(*at);
        }
        return cycle;
    }
    void showOnly(const std::vector<Element>& panels) {
        screen = FakeScreen{};
        for (Element e : panels) screen.setVisible(e, true);
    }
};

const std::vector<Element> kMainViewCycle = {CacheDir, cmdChange, ImageCount, HTMLCount,        XCount,
                                             TotalCount, CacheSize, BO,       AO,         cmdLaunchBrowser, cmdExit,
                                             cmdCleanExit, CacheUnit, cmdClean};

// The disabled unknown-types switch has a tab index of its own.
TEST_F(KeyboardNavigation, MainViewTabsByTabIndexBothWaysSkippingLabelsHiddenAndDisabled) {
    EXPECT_EQ(tabCycle(), kMainViewCycle);
    EXPECT_EQ(tabCycle(true), std::vector<Element>(kMainViewCycle.rbegin(), kMainViewCycle.rend()));
    // From an element that takes no focus the order still goes on from its place.
    EXPECT_EQ(nextTabStop(Label2, false, state), ImageCount);
}

TEST_F(KeyboardNavigation, ShownPanelsTakeTheKeyboardFromWhatTheyCover) {
    const std::vector<Element> manual = {ManualCache, cmdSaveManualCache, cmdBrowseManual, cmdExitManual};
    const std::pair<std::vector<Element>, std::vector<Element>> views[] = {
        {{Manual}, manual},
        {{Manual, Dir1}, {ManualCache, cmdSaveManualCache, cmdBrowseManual, cmdExitManual, Dir1}},
        {{NewBrowser}, {cmdSaveBrowser, Browser, cmdCancelBrowser, cmdFindBrowser}},
        {{NewBrowser, Manual}, manual},
    };
    for (const auto& [shown, cycle] : views) {
        showOnly(shown);
        SCOPED_TRACE(FakeScreen::name(shown.back()));
        EXPECT_EQ(tabCycle(), cycle);
        for (Element e : kMainViewCycle) EXPECT_FALSE(isReachable(e, state)) << FakeScreen::name(e);
    }
}

TEST_F(KeyboardNavigation, MnemonicsReachOnlyVisibleControls) {
    struct Case {
        std::vector<Element> shown;
        char letter;
        std::optional<Element> target;
    };
    const Case cases[] = {
        {{}, 'T', cmdClean},        {{}, 't', cmdClean},       {{}, 'S', cmdLaunchBrowser},
        {{}, 'E', cmdCleanExit},    {{}, 'O', cmdExit},        {{}, 'F', std::nullopt},
        {{}, 'N', std::nullopt},    {{Manual}, 'T', std::nullopt}, {{Manual}, 'S', cmdSaveManualCache},
        {{Manual}, 'F', cmdBrowseManual}, {{Manual}, 'N', cmdExitManual}, {{Manual}, 'E', std::nullopt},
        {{NewBrowser}, 'S', cmdSaveBrowser}, {{NewBrowser}, 'I', cmdFindBrowser},
        {{NewBrowser}, 'N', cmdCancelBrowser}, {{NewBrowser}, 'O', std::nullopt},
        {{NewBrowser, Manual}, 'N', cmdExitManual}, {{NewBrowser, Manual}, 'I', std::nullopt},
        {{NewBrowser, Manual}, 'S', cmdSaveManualCache},
    };
    for (const Case& c : cases) {
        showOnly(c.shown);
        SCOPED_TRACE(std::string(1, c.letter) + (c.shown.empty() ? "" : " over " + FakeScreen::name(c.shown.back())));
        for (auto from : {std::optional<Element>{}, std::optional{cmdClean}, std::optional{ManualCache}})
            EXPECT_EQ(mnemonicTarget(c.letter, from, state), c.target);
    }
    EXPECT_EQ(mnemonicOf("Fish && &chips"), 'C');
    EXPECT_EQ(mnemonicOf("Change"), 0);
    EXPECT_EQ(mnemonicOf("trailing&"), 0);
}

}  // namespace
}  // namespace tw::test
