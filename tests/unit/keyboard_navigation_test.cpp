#include "ui/keyboard_navigation.h"

#include "fake_screen.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

using enum Element;

// The tab order of each view, from the start of the order until it repeats,
// and the access keys that reach something there. A control covered by a
// shown panel is out of reach: Alt+T behind the manual panel must not clean.
TEST(KeyboardNavigation, EachViewTabsByTabIndexAndAnswersOnlyItsOwnAccessKeys) {
    struct View {
        std::vector<Element> shown, cycle;
        std::vector<std::pair<char, std::optional<Element>>> keys;
    };
    const View views[] = {
        {{}, {CacheDir, cmdChange, ImageCount, HTMLCount, XCount, TotalCount, CacheSize, BO, AO, cmdLaunchBrowser,
              cmdExit, cmdCleanExit, CacheUnit, cmdClean},
         {{'t', cmdClean}, {'S', cmdLaunchBrowser}, {'E', cmdCleanExit}, {'F', std::nullopt}}},
        {{NewBrowser}, {cmdSaveBrowser, Browser, cmdCancelBrowser, cmdFindBrowser},
         {{'I', cmdFindBrowser}, {'T', std::nullopt}}},
        {{NewBrowser, Manual, Dir1}, {ManualCache, cmdSaveManualCache, cmdBrowseManual, cmdExitManual, Dir1},
         {{'N', cmdExitManual}, {'S', cmdSaveManualCache}, {'I', std::nullopt}}},
    };
    for (const View& view : views) {
        FakeScreen screen;
        for (Element e : view.shown) screen.setVisible(e, true);
        // The unknown-types switch is the one element that is never enabled.
        const ElementStateQuery state{[&](Element e) { return screen.visible(e); }, [](Element e) { return e != CO; }};
        std::vector<Element> cycle;
        for (auto at = nextTabStop(std::nullopt, false, state); at && (cycle.empty() || *at != cycle.front());
             at = nextTabStop(at, false, state))
            cycle.push_back(*at);
        EXPECT_EQ(cycle, view.cycle);
        EXPECT_EQ(nextTabStop(cycle.front(), true, state), cycle.back());
        for (const auto& [key, target] : view.keys) EXPECT_EQ(mnemonicTarget(key, cycle.back(), state), target) << key;
    }
}

}  // namespace
}  // namespace tw::test
