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
    }
    FakeScreen& screen;
    frmStart start;
};

// The main window prepares itself hidden, while only frmStart is on screen.
TEST(Startup, ShowsStartWindowFirstAndHidesItOnceTheMainWindowIsVisible) {
    FakeScreen screen;
    RecordingLoader loader(screen);
    RunStartup(loader, screen);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"load frmStart", "visible frmStart 1", "top frmStart",
                                                      "left frmStart", "load frmTidewell", "visible frmTidewell 1",
                                                      "visible frmStart 0"}));
}

}  // namespace
}  // namespace tw::test
