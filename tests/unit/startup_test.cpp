#include "app/startup.h"
#include "fake_screen.h"
#include "ui/frm_start.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

struct RecordingLoader : FormLoader {
    explicit RecordingLoader(FakeScreen& s) : screen(s), start(s) {}
    void load(Element form) override {
        screen.calls.push_back("load " + FakeScreen::name(form));
        if (form == Element::frmStart) start.Load();
        // The main window must still be hidden while it prepares itself.
        if (form == Element::frmTidewell) mainVisibleDuringLoad = screen.visible(Element::frmTidewell);
    }
    FakeScreen& screen;
    frmStart start;
    bool mainVisibleDuringLoad = true;
};

TEST(Startup, ShowsStartWindowFirstAndHidesItOnceTheMainWindowIsVisible) {
    FakeScreen screen;
    RecordingLoader loader(screen);
    RunStartup(loader, screen);

    const std::vector<std::string> expected = {
        "load frmStart",     "visible frmStart 1",    "top frmStart",        "left frmStart",
        "load frmTidewell",  "visible frmTidewell 1", "visible frmStart 0",
    };
    EXPECT_EQ(screen.calls, expected);
    EXPECT_FALSE(loader.mainVisibleDuringLoad);
}

}  // namespace
}  // namespace tw::test
