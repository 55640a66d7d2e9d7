#include "main_form_fixture.h"

#include "app/settings_file.h"
#include "ui/messages.h"

#include <ostream>

namespace tw::test {
namespace {

const Strings kImages = {"a.jpg", "b.gif"};
const Strings kHtml = {"c.htm"};
// Unknown types, some of them close to the kinds that are cleaned.
const Strings kOthers = {"d.txt", "e.html", "f.JPG", "g.jpeg"};

// A window started on the usual settings with unknown types stored as 1,
// which no ending may clean or store.
struct Exiting : MainFormHarness {
    Exiting() {
        addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt", "e.html", "f.JPG", "g.jpeg"});
        fs.addFile(kBrowser, "MZ");
        writeSettings(kBrowser, kCache, "1", "1", "1");
        load();
        forget();
    }
    bool present(const Strings& names, bool all) const {
        const auto here = [&](const std::string& n) { return fs.exists(kCache + "\\" + n); };
        return all ? std::all_of(names.begin(), names.end(), here) : std::none_of(names.begin(), names.end(), here);
    }
    // Every ending writes "tidew.ini" then "user.ini", once or (nested) twice.
    void expectSettingsWrittenInPairs() const {
        const Strings w = writes();
        ASSERT_TRUE(w.size() == 2 || w.size() == 4) << w.size() << " writes";
        for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(w[i], "write " + (i % 2 ? userIniPath() : tidewIniPath()));
    }
};

class LaunchAndExit : public ::testing::Test, public Exiting {};

struct ExitCase {
    Element button;
    int ao, bo;
};
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << FakeScreen::name(c.button) << "_AO" << c.ao << "_BO" << c.bo;
}

std::vector<ExitCase> allExitCases() {
    std::vector<ExitCase> cases;
    for (Element button : {Element::cmdClean, Element::cmdLaunchBrowser, Element::cmdCleanExit, Element::cmdExit})
        for (int ao : {0, 1, 2})
            for (int bo : {0, 1, 2}) cases.push_back({button, ao, bo});
    return cases;
}

class EndingButton : public ::testing::TestWithParam<ExitCase>, public Exiting {};

TEST_P(EndingButton, CleansStartsAndStoresAsTheButtonSays) {
    const auto [button, ao, bo] = GetParam();
    const bool cleans = button == Element::cmdClean || button == Element::cmdCleanExit;
    const bool starts = button == Element::cmdClean || button == Element::cmdLaunchBrowser;
    const bool imagesGo = cleans && ao == 1, htmlGo = cleans && bo == 1;
    form.SetSwitch(Element::AO, ao);
    form.SetSwitch(Element::BO, bo);
    // The window is minimised and the cache cleaned before the browser
    // starts; the settings are stored after it.
    bool readyAtStart = false;
    procs.onStart = [&] {
        readyAtStart = screen.at(Element::frmTidewell).minimised && writes().empty() &&
                       present(kImages, !imagesGo) && present(kHtml, !htmlGo);
    };
    form.Click(button);

    EXPECT_TRUE(present(kImages, !imagesGo));
    EXPECT_TRUE(present(kHtml, !htmlGo));
    EXPECT_TRUE(present(kOthers, true));
    EXPECT_EQ(started(), starts ? Strings{"\"" + kBrowser + "\"|" + kBrowser + "|3"} : Strings{});
    EXPECT_EQ(readyAtStart, starts);
    EXPECT_EQ(screen.at(Element::frmTidewell).minimised, starts);
    const Strings question = {"Job Done|68|Cleaning Done.  OK to Exit?"};
    EXPECT_EQ(boxes(), button == Element::cmdCleanExit ? question : Strings{});
    expectSettingsWrittenInPairs();
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n" + std::to_string(ao == 1 ? 1 : 0) + "\r\n" +
                                           std::to_string(bo == 1 ? 1 : 0) + "\r\n0\r\n");
    EXPECT_EQ(content(userIniPath()), "\"C:\\NS\\netscape.exe\"\r\n");
    EXPECT_TRUE(screen.ended);
}

INSTANTIATE_TEST_SUITE_P(AllSwitchStates, EndingButton, ::testing::ValuesIn(allExitCases()),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST_F(LaunchAndExit, UnloadThatKeepsReenteringStillWritesAtMostTwice) {
    int unloadReactions = 0;
    screen.onUnload = [&](Element) {
        screen.unloading = false;  // a window that raises Unload on every close
        if (++unloadReactions <= 10) form.Unload();
    };
    form.Click(Element::cmdLaunchBrowser);
    EXPECT_LE(unloadReactions, 2);
    expectSettingsWrittenInPairs();
    EXPECT_TRUE(screen.ended);

    // Window events after the end store nothing more.
    const std::size_t written = writes().size();
    form.Deactivate();
    form.Terminate();
    form.Unload();
    form.Click(Element::cmdExit);
    EXPECT_EQ(writes().size(), written);
    EXPECT_EQ(procs.starts.size(), 1u);
}

TEST_F(LaunchAndExit, FindUsesTheFilterAndCancelGivesBackTheLastChoice) {
    form.Click(Element::menuSetBrowser);
    dialogs.fileDialogFails = true;  // the dialog cannot be shown: the field stays
    form.Click(Element::cmdFindBrowser);
    EXPECT_EQ(text(Element::Browser), kBrowser);
    dialogs.fileDialogFails = false;
    dialogs.fileChoices = {std::nullopt, std::string("C:\\A\\netscape.exe"), std::nullopt};
    for (const char* shown : {"", "C:\\A\\netscape.exe", "C:\\A\\netscape.exe"}) {
        form.Click(Element::cmdFindBrowser);
        EXPECT_EQ(text(Element::Browser), shown);
        screen.setText(Element::Browser, "typed over");
    }
    EXPECT_EQ(dialogs.filters, Strings(4, "Netscape Navigator|netscape.exe|Other|*.exe"));
    EXPECT_TRUE(dialogs.boxes.empty() && writes().empty());
}

TEST_F(LaunchAndExit, BrowserPanelRefusesOnlyTheEmptyTextAndSavingNeverChangesWhatIsStarted) {
    for (const std::string typed : {"", "   ", "C:\\NEW\\nav.exe"}) {
        form.Click(Element::menuSetBrowser);
        screen.setText(Element::Browser, typed);
        form.Click(Element::cmdSaveBrowser);
        EXPECT_EQ(visible(Element::NewBrowser), typed.empty()) << "'" << typed << "'";
        EXPECT_EQ(caption(), typed.empty() ? "Tidewell 32 - Select a Browser" : "Tidewell 32");
        EXPECT_EQ(content(userIniPath()), formatUserIni(typed));
    }
    EXPECT_EQ(boxes(), Strings{"No browser selected|48|You must select a browser! Please try again."});
    EXPECT_EQ(writes(), Strings(3, "write " + userIniPath()));
    form.Click(Element::cmdClean);
    EXPECT_EQ(procs.starts.at(0).application, kBrowser);
    EXPECT_EQ(content(userIniPath()), formatUserIni("C:\\NEW\\nav.exe"));  // the end stores the field
}

TEST_F(LaunchAndExit, FailedStartRestoresTellsAndStillStoresTheSettings) {
    procs.fails = true;
    form.SetSwitch(Element::BO, 0);
    bool restoredBeforeStoring = false;
    dialogs.onBox = [&](const FakeDialogs::Box&) {
        restoredBeforeStoring = !screen.at(Element::frmTidewell).minimised && writes().empty();
    };
    form.Click(Element::cmdClean);

    const std::string why = "The system cannot find the file specified.";
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|48|" + messageText(Message::BrowserNotStarted, {kBrowser, why})});
    EXPECT_TRUE(restoredBeforeStoring);
    expectSettingsWrittenInPairs();
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n1\r\n0\r\n0\r\n");
    EXPECT_TRUE(present(kImages, false));
    EXPECT_TRUE(screen.ended);
}

}  // namespace
}  // namespace tw::test
