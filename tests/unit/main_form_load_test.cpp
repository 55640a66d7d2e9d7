#include "main_form_fixture.h"

#include "ui/messages.h"

namespace tw::test {
namespace {

class MainFormLoad : public MainFormTest {
protected:
    MainFormLoad() { addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt"}); }
};

const std::string kBrowserLine = kBrowser + "\r\nextra line\r\n";
const std::string kTidew = kCache + "\r\n1\r\n1\r\n0\r\nextra line\r\n";
const std::string kGone = "C:\\GONE\r\n1\r\n1\r\n0\r\n";
const std::string kErr62 = "Tidewell 32|48|Err:62";
const std::string kGoneBox = "Invalid Path Specified|48|" + messageText(Message::InvalidPathSpecified, {"C:\\GONE"});

// What the settings files (nullptr: none) make of the window. Load never
// writes a settings file, and creates only a missing "user.ini".
TEST(MainFormStartUp, OpensThePanelsAndShowsTheBoxesTheSettingsCallFor) {
    const std::string select = "Tidewell 32 - Select a Browser", manual = "Tidewell 32 - Manual Configuration";
    struct Case {
        const char* what;
        const char* userIni;
        const char* tidewIni;
        bool manualShown, browserShown;
        std::string caption, savedCaption;
        Strings boxes;
        bool counted;
        bool probeFails = false;  // a directory that cannot be written
    };
    const Case cases[] = {
        {"usual", kBrowserLine.c_str(), kTidew.c_str(), false, false, "Tidewell 32", "", {}, true},
        {"user.ini missing", nullptr, kTidew.c_str(), false, true, select, "", {}, true},
        {"user.ini empty", "", kTidew.c_str(), false, true, select, "", {}, true},
        {"user.ini of quotes", "\"\"\r\n", kTidew.c_str(), false, true, select, "", {}, true},
        {"user.ini of blanks", "   \r\n\r\n", kTidew.c_str(), false, true, select, "", {}, true},
        {"tidew.ini missing", kBrowserLine.c_str(), nullptr, true, false, manual, "Tidewell 32", {}, false},
        {"tidew.ini empty", kBrowserLine.c_str(), "", false, false, "Tidewell 32", "", {kErr62}, false},
        {"three lines", kBrowserLine.c_str(), "C:\\NETSCAPE\\CACHE\r\n1\r\n1\r\n", false, false, "Tidewell 32", "",
         {kErr62}, false},
        {"directory missing", kBrowserLine.c_str(), kGone.c_str(), true, false, manual, "Tidewell 32", {kGoneBox},
         false},
        {"directory not writable", kBrowserLine.c_str(), kTidew.c_str(), true, false, manual, "Tidewell 32",
         {"Tidewell 32|0|PROGRAM ERR: 75"}, true, true},
        {"neither accepted", "", kGone.c_str(), true, true, select + " - Manual Configuration", select, {kGoneBox},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt"});
        if (c.userIni) h.writeUserIni(c.userIni);
        if (c.tidewIni) h.writeTidewIni(c.tidewIni);
        if (c.probeFails) h.fs.failures["create"] = 75;
        h.load();
        EXPECT_EQ(h.visible(Element::Manual), c.manualShown);
        EXPECT_EQ(h.visible(Element::NewBrowser), c.browserShown);
        EXPECT_EQ(h.caption(), c.caption);
        EXPECT_EQ(h.form.SavedCaption, c.savedCaption);
        EXPECT_EQ(h.boxes(), c.boxes);
        EXPECT_EQ(h.text(Element::TotalCount), c.counted ? "4" : "");
        EXPECT_EQ(h.form.BrowserPath, c.browserShown ? "" : kBrowser);
        EXPECT_EQ(h.content(h.userIniPath()), c.userIni ? c.userIni : "");
        EXPECT_EQ(h.writes(), Strings{});
        EXPECT_EQ(h.logged("create " + h.fs.programDir), c.userIni ? Strings{} : Strings{"create " + h.userIniPath()});
        EXPECT_EQ(h.fs.exists(h.tidewIniPath()) ? h.content(h.tidewIniPath()) : "none",
                  c.tidewIni ? c.tidewIni : "none");
        EXPECT_TRUE(c.boxes != Strings{kErr62} || h.text(Element::CacheDir).empty());
    }
}

// A switch value that is no number or no valid box value stops the
// preparation there: earlier switches are applied, the rest and the
// inventory are not.
TEST_F(MainFormLoad, StoredSwitchesAreAppliedUntilABadValueEndsThePreparationQuietly) {
    struct Case {
        Strings stored;
        std::vector<int> values;  // of AO, BO, CO
        Strings boxes;
    };
    std::vector<Case> cases = {{{"0", "1", "0"}, {0, 1, 0}, {}}, {{"2", "1", "1"}, {2, 1, 1}, {"Unknown File Types"}}};
    for (int position = 0; position < 3; ++position) {
        for (const char* bad : {"7", "-1", "A", "70000", "1.5.2"}) {
            Strings stored = {"0", "0", "1"};
            stored[static_cast<std::size_t>(position)] = bad;
            cases.push_back({stored, {position > 0 ? 0 : 1, position > 1 ? 0 : 1, 0}, {}});
        }
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.stored[0] + "," + c.stored[1] + "," + c.stored[2]);
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.writeSettings(kBrowser, kCache, c.stored[0], c.stored[1], c.stored[2]);
        h.load();
        EXPECT_EQ(h.boxCaptions(), c.boxes);
        EXPECT_EQ(std::vector<int>({h.screen.checkValue(Element::AO), h.screen.checkValue(Element::BO),
                                    h.screen.checkValue(Element::CO)}),
                  c.values);
        EXPECT_EQ(h.text(Element::TotalCount), i < 2 ? "1" : "");  // only valid values reach the inventory
        EXPECT_EQ(h.caption(), "Tidewell 32");
    }
}

TEST_F(MainFormLoad, ListingFailuresOpenThePanelOnlyForAMissingPath) {
    for (const auto& [number, opens] : {std::pair{76, true}, std::pair{75, false}, std::pair{71, false}}) {
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.writeSettings(kBrowser, kCache, "0", "1", "0");
        h.fs.failures["list"] = number;
        h.load();
        EXPECT_EQ(h.caption(), opens ? "Tidewell 32 - Manual Configuration" : "Tidewell 32") << number;
        EXPECT_EQ(h.visible(Element::Manual), opens) << number;
        EXPECT_EQ(Strings({h.text(Element::CacheDir), h.text(Element::AO), h.text(Element::TotalCount)}),
                  Strings({kCache, "Clean", ""}));
        EXPECT_TRUE(h.dialogs.boxes.empty());
    }
}

TEST_F(MainFormLoad, AProgramFolderThatCannotBeWrittenStillShowsTheCacheAndTellsAtTheEnd) {
    writeTidewIni(kTidew);
    fs.failures["create " + fs.programDir] = 75;
    fs.failures["write " + fs.programDir] = 75;
    load();
    EXPECT_TRUE(visible(Element::NewBrowser));
    EXPECT_EQ(text(Element::TotalCount), "4");
    EXPECT_TRUE(dialogs.boxes.empty());

    form.Click(Element::cmdExit);
    Strings expected;  // one per settings file, not repeated by the nested end
    for (const std::string& file : {tidewIniPath(), userIniPath()})
        expected.push_back("Tidewell 32|48|" + messageText(Message::SettingsNotSaved, {file, "simulated failure"}));
    EXPECT_EQ(boxes(), expected);
    EXPECT_TRUE(screen.ended);
    EXPECT_EQ(filesIn(kCache), (Names{"a.jpg", "b.gif", "c.htm", "d.txt"}));
}

}  // namespace
}  // namespace tw::test
