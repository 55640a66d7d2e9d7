#include "ui/keyboard_navigation.h"

#include "fake_screen.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tw::test {
namespace {

class KeyboardNavigation : public ::testing::Test {
protected:
    FakeScreen screen;
    std::set<Element> disabled;
    ElementStateQuery state{[this](Element e) { return screen.visible(e); },
                            [this](Element e) {
                                return !disabled.count(e) && !(specOf(e).has(style::Disabled));
                            }};

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
    void show(Element panel) { screen.setVisible(panel, true); }
};

const std::vector<Element> kMainViewCycle = {
    Element::CacheDir,         Element::cmdChange, Element::ImageCount,   Element::HTMLCount, Element::XCount,
    Element::TotalCount,       Element::CacheSize, Element::BO,           Element::AO,        Element::cmdLaunchBrowser,
    Element::cmdExit,          Element::cmdCleanExit, Element::CacheUnit, Element::cmdClean,
};

TEST_F(KeyboardNavigation, MainViewTabsByTabIndexSkippingLabelsHiddenAndDisabled) {
    EXPECT_EQ(tabCycle(), kMainViewCycle);

    std::vector<Element> reversed(kMainViewCycle.rbegin(), kMainViewCycle.rend());
    EXPECT_EQ(tabCycle(true), reversed);
}

TEST_F(KeyboardNavigation, WrapsAroundBothWays) {
    EXPECT_EQ(nextTabStop(Element::cmdClean, false, state), Element::CacheDir);
    EXPECT_EQ(nextTabStop(Element::CacheDir, true, state), Element::cmdClean);
    EXPECT_EQ(nextTabStop(Element::AO, true, state), Element::BO);
    // From an element that takes no focus the order still goes on from its place.
    EXPECT_EQ(nextTabStop(Element::Label2, false, state), Element::ImageCount);
}

TEST_F(KeyboardNavigation, ADisabledElementIsSkipped) {
    disabled.insert(Element::cmdExit);
    EXPECT_EQ(nextTabStop(Element::cmdLaunchBrowser, false, state), Element::cmdCleanExit);
    EXPECT_FALSE(isReachable(Element::cmdExit, state));
}

TEST_F(KeyboardNavigation, ShownPanelsTakeTheKeyboardFromWhatTheyCover) {
    struct View {
        const char* name;
        std::vector<Element> shown;
        std::vector<Element> cycle;
    };
    const View views[] = {
        {"Manual",
         {Element::Manual},
         {Element::ManualCache, Element::cmdSaveManualCache, Element::cmdBrowseManual, Element::cmdExitManual}},
        {"ManualWithDir1",
         {Element::Manual, Element::Dir1},
         {Element::ManualCache, Element::cmdSaveManualCache, Element::cmdBrowseManual, Element::cmdExitManual,
          Element::Dir1}},
        {"Browser",
         {Element::NewBrowser},
         {Element::cmdSaveBrowser, Element::Browser, Element::cmdCancelBrowser, Element::cmdFindBrowser}},
        {"BothPanels",
         {Element::NewBrowser, Element::Manual},
         {Element::ManualCache, Element::cmdSaveManualCache, Element::cmdBrowseManual, Element::cmdExitManual}},
    };
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        FakeScreen fresh;
        screen = fresh;
        for (Element e : view.shown) show(e);
        EXPECT_EQ(tabCycle(), view.cycle);
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
        {{}, 'T', Element::cmdClean},
        {{}, 't', Element::cmdClean},
        {{}, 'S', Element::cmdLaunchBrowser},
        {{}, 'E', Element::cmdCleanExit},
        {{}, 'O', Element::cmdExit},
        {{}, 'F', std::nullopt},
        {{}, 'N', std::nullopt},
        {{Element::Manual}, 'T', std::nullopt},
        {{Element::Manual}, 'S', Element::cmdSaveManualCache},
        {{Element::Manual}, 'F', Element::cmdBrowseManual},
        {{Element::Manual}, 'N', Element::cmdExitManual},
        {{Element::Manual}, 'E', std::nullopt},
        {{Element::NewBrowser}, 'S', Element::cmdSaveBrowser},
        {{Element::NewBrowser}, 'I', Element::cmdFindBrowser},
        {{Element::NewBrowser}, 'N', Element::cmdCancelBrowser},
        {{Element::NewBrowser}, 'O', std::nullopt},
        {{Element::NewBrowser, Element::Manual}, 'N', Element::cmdExitManual},
        {{Element::NewBrowser, Element::Manual}, 'I', std::nullopt},
        {{Element::NewBrowser, Element::Manual}, 'S', Element::cmdSaveManualCache},
    };
    for (const Case& c : cases) {
        FakeScreen fresh;
        screen = fresh;
        for (Element e : c.shown) show(e);
        std::string trace(1, c.letter);
        for (Element e : c.shown) trace += " " + FakeScreen::name(e);
        SCOPED_TRACE(trace);
        for (std::optional<Element> from : {std::optional<Element>{}, std::optional<Element>{Element::cmdClean},
                                            std::optional<Element>{Element::ManualCache}}) {
            EXPECT_EQ(mnemonicTarget(c.letter, from, state), c.target);
        }
    }
}

TEST_F(KeyboardNavigation, MnemonicLetterOfACaption) {
    EXPECT_EQ(mnemonicOf("Cl&ean and Exit"), 'E');
    EXPECT_EQ(mnemonicOf("F&ind"), 'I');
    EXPECT_EQ(mnemonicOf("Fish && &chips"), 'C');
    EXPECT_EQ(mnemonicOf("Change"), 0);
    EXPECT_EQ(mnemonicOf("trailing&"), 0);
}

}  // namespace
}  // namespace tw::test
