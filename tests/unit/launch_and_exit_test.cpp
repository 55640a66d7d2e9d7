#include "main_form_fixture.h"

#include "app/settings_file.h"

#include <ostream>

namespace tw::test {
namespace {

constexpr const char* kBrowser = "C:\\NS\\netscape.exe";
constexpr const char* kCache = "C:\\NETSCAPE\\CACHE";
constexpr const char* kFilter = "Netscape Navigator|netscape.exe|Other|*.exe";
const std::vector<std::string> kImages = {"a.jpg", "b.gif"};
const std::vector<std::string> kHtml = {"c.htm"};
// Unknown types, some of them close to the kinds that are cleaned.
const std::vector<std::string> kOthers = {"d.txt", "e.html", "f.JPG", "g.jpeg"};

struct Exiting : MainFormHarness {
    Exiting() {
        addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt", "e.html", "f.JPG", "g.jpeg"});
        fs.addFile(kBrowser, "MZ");
        writeSettings(kBrowser, kCache);
        load();
        dialogs.boxes.clear();
        fs.log.clear();
        screen.calls.clear();
    }
    std::string cached(const std::string& name) const { return std::string(kCache) + "\\" + name; }
    bool allPresent(const std::vector<std::string>& names) const {
        return std::all_of(names.begin(), names.end(), [&](const auto& n) { return fs.exists(cached(n)); });
    }
    bool nonePresent(const std::vector<std::string>& names) const {
        return std::none_of(names.begin(), names.end(), [&](const auto& n) { return fs.exists(cached(n)); });
    }
    // Every ending writes "tidew.ini" then "user.ini", once or (nested) twice.
    void expectSettingsWrittenInPairs() const {
        const std::vector<std::string> w = writes();
        const std::vector<std::string> pair = {"write " + tidewIniPath(), "write " + userIniPath()};
        ASSERT_TRUE(w.size() == 2 || w.size() == 4) << w.size() << " writes";
        for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(w[i], pair[i % 2]);
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
    form.SetSwitch(Element::AO, ao);
    form.SetSwitch(Element::BO, bo);

    bool minimisedAtStart = false, cleanedAtStart = false;
    std::size_t writesAtStart = 99;
    procs.onStart = [&, cleans = cleans, ao = ao, bo = bo] {
        minimisedAtStart = screen.at(Element::frmTidewell).minimised;
        writesAtStart = writes().size();
        cleanedAtStart = (cleans && ao == 1) == nonePresent(kImages) && (cleans && bo == 1) == nonePresent(kHtml);
    };
    form.Click(button);

    EXPECT_EQ(nonePresent(kImages), cleans && ao == 1);
    EXPECT_EQ(allPresent(kImages), !(cleans && ao == 1));
    EXPECT_EQ(nonePresent(kHtml), cleans && bo == 1);
    EXPECT_EQ(allPresent(kHtml), !(cleans && bo == 1));
    EXPECT_TRUE(allPresent(kOthers));

    if (starts) {
        ASSERT_EQ(procs.starts.size(), 1u);
        EXPECT_EQ(procs.starts[0].commandLine, kBrowser);
        EXPECT_EQ(procs.starts[0].application, kBrowser);
        EXPECT_EQ(procs.starts[0].showStyle, 3);
        EXPECT_TRUE(minimisedAtStart);
        EXPECT_EQ(writesAtStart, 0u);
        EXPECT_TRUE(cleanedAtStart);
    } else {
        EXPECT_TRUE(procs.starts.empty());
        EXPECT_FALSE(screen.at(Element::frmTidewell).minimised);
    }

    if (button == Element::cmdCleanExit) {
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].caption, "Job Done");
        EXPECT_EQ(dialogs.boxes[0].text, "Cleaning Done.  OK to Exit?");
        EXPECT_EQ(dialogs.boxes[0].flags, 68);
    } else {
        EXPECT_TRUE(dialogs.boxes.empty());
    }

    expectSettingsWrittenInPairs();
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n" + std::to_string(ao == 1 ? 1 : 0) + "\r\n" +
                                           std::to_string(bo == 1 ? 1 : 0) + "\r\n0\r\n");
    EXPECT_EQ(content(userIniPath()), "\"C:\\NS\\netscape.exe\"\r\n");
    EXPECT_TRUE(screen.ended);
}

INSTANTIATE_TEST_SUITE_P(AllSwitchStates, EndingButton, ::testing::ValuesIn(allExitCases()),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

struct PathCase {
    const char* name;
    const char* browserPath;
    bool fileExists;
    const char* application;
};
void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class BrowserCommandLine : public ::testing::TestWithParam<PathCase>, public MainFormHarness {};

TEST_P(BrowserCommandLine, IsThePathWholeAndNamesTheFileOnlyWhenItExists) {
    const PathCase& c = GetParam();
    fs.addDirectory(kCache);
    if (c.fileExists) fs.addFile(c.browserPath, "MZ");
    writeUserIni(std::string(c.browserPath) + "\r\n");
    writeTidewIni(std::string(kCache) + "\r\n1\r\n1\r\n0\r\n");
    load();
    ASSERT_EQ(form.BrowserPath, c.browserPath);
    form.Click(Element::cmdLaunchBrowser);

    ASSERT_EQ(procs.starts.size(), 1u);
    EXPECT_EQ(procs.starts[0].commandLine, c.browserPath);
    EXPECT_EQ(procs.starts[0].application, c.application);
    EXPECT_EQ(procs.starts[0].showStyle, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BrowserCommandLine,
    ::testing::Values(
        PathCase{"SpacesExisting", "C:\\Program Files\\Netscape\\netscape.exe", true,
                 "C:\\Program Files\\Netscape\\netscape.exe"},
        PathCase{"SpacesMissing", "C:\\Program Files\\Netscape\\netscape.exe", false, ""},
        PathCase{"WithArguments", "C:\\NS\\netscape.exe -home", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchAndExit, UnloadThatKeepsReenteringStillWritesAtMostTwice) {
    int unloadReactions = 0;
    screen.onUnload = [&](Element) {
        screen.unloading = false;  // a window that raises Unload on every close
        if (++unloadReactions > 10) return;
        form.Unload();
    };
    form.Click(Element::cmdLaunchBrowser);

    EXPECT_LE(unloadReactions, 2);
    expectSettingsWrittenInPairs();
    EXPECT_TRUE(screen.ended);
}

TEST_F(LaunchAndExit, WindowEventsAfterTheEndStoreNothingMore) {
    form.Click(Element::cmdLaunchBrowser);
    const std::size_t written = writes().size();
    form.Deactivate();
    form.Terminate();
    form.Unload();
    form.Click(Element::cmdExit);
    EXPECT_EQ(writes().size(), written);
    EXPECT_EQ(procs.starts.size(), 1u);
}

TEST_F(LaunchAndExit, JobDoneAnsweredNoKeepsRunningAndSkipCleaningThenCleansNothing) {
    dialogs.answers = {mb::AnswerNo};
    form.Click(Element::cmdCleanExit);

    EXPECT_TRUE(nonePresent(kImages));
    EXPECT_TRUE(nonePresent(kHtml));
    EXPECT_FALSE(screen.ended);
    EXPECT_TRUE(writes().empty());
    EXPECT_TRUE(procs.starts.empty());
    // The counts still show the inventory taken at start.
    EXPECT_EQ(text(Element::ImageCount), "2");

    fs.addFile(cached("a.jpg"), "new");
    fs.addFile(cached("c.htm"), "new");
    form.Click(Element::cmdLaunchBrowser);
    EXPECT_TRUE(fs.exists(cached("a.jpg")));
    EXPECT_TRUE(fs.exists(cached("c.htm")));
    EXPECT_EQ(procs.starts.size(), 1u);
    EXPECT_TRUE(screen.ended);
}

TEST_F(LaunchAndExit, CloseStoresExactlyWhatQuitTWStores) {
    Exiting viaQuit;
    for (Exiting* h : {static_cast<Exiting*>(this), &viaQuit}) {
        h->form.SetSwitch(Element::AO, 0);
        h->form.Click(Element::menuSetBrowser);
        h->screen.setText(Element::Browser, "C:\\Typed\\nav.exe");  // typed, never saved
    }
    form.Click(Element::cmdExit);
    viaQuit.form.QuitTW();

    EXPECT_EQ(content(tidewIniPath()), viaQuit.content(tidewIniPath()));
    EXPECT_EQ(content(userIniPath()), viaQuit.content(userIniPath()));
    EXPECT_EQ(content(userIniPath()), "\"C:\\Typed\\nav.exe\"\r\n");
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n0\r\n1\r\n0\r\n");
    EXPECT_TRUE(screen.ended);
    EXPECT_TRUE(viaQuit.screen.ended);
    EXPECT_TRUE(procs.starts.empty());
}

TEST_F(LaunchAndExit, UnknownTypesAreStoredAsPreserveEvenAfterAStoredOne) {
    MainFormHarness h;
    h.addCache(kCache, {"a.jpg"});
    h.writeSettings(kBrowser, kCache, "1", "0", "1");
    h.load();
    ASSERT_EQ(h.screen.checkValue(Element::CO), 1);
    h.form.Click(Element::cmdExit);
    EXPECT_EQ(h.content(h.tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n1\r\n0\r\n0\r\n");
}

TEST_F(LaunchAndExit, WhatTheEndStoresIsWhatTheNextStartReads) {
    form.Click(Element::menuSetCache);
    screen.setText(Element::ManualCache, "c:\\netscape\\cache\\");
    form.Click(Element::cmdSaveManualCache);
    form.Click(Element::AO);
    form.Click(Element::menuSetBrowser);
    screen.setText(Element::Browser, "");
    form.Click(Element::cmdExit);

    MainFormHarness next;  // the next start, on the files this run left
    next.fs = fs;
    next.load();
    EXPECT_EQ(next.text(Element::CacheDir), "C:\\NETSCAPE\\CACHE");
    EXPECT_EQ(next.screen.checkValue(Element::AO), 0);
    EXPECT_EQ(next.screen.checkValue(Element::BO), 1);
    EXPECT_TRUE(next.screen.visible(Element::NewBrowser));
    EXPECT_FALSE(next.screen.visible(Element::Manual));
    EXPECT_EQ(next.form.BrowserPath, "");
}

TEST_F(LaunchAndExit, FindUsesTheFilterAndCancelGivesBackTheLastChoice) {
    form.Click(Element::menuSetBrowser);
    dialogs.fileChoices = {std::nullopt, std::string("C:\\A\\netscape.exe"), std::nullopt};

    form.Click(Element::cmdFindBrowser);  // cancelled before any choice
    EXPECT_EQ(text(Element::Browser), "");
    form.Click(Element::cmdFindBrowser);
    EXPECT_EQ(text(Element::Browser), "C:\\A\\netscape.exe");
    screen.setText(Element::Browser, "typed over");
    form.Click(Element::cmdFindBrowser);  // cancelled after a choice
    EXPECT_EQ(text(Element::Browser), "C:\\A\\netscape.exe");

    EXPECT_EQ(dialogs.filters, std::vector<std::string>(3, kFilter));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(writes().empty());
}

TEST_F(LaunchAndExit, FindThatCannotShowTheDialogKeepsTheField) {
    form.Click(Element::menuSetBrowser);
    dialogs.fileDialogFails = true;
    form.Click(Element::cmdFindBrowser);
    EXPECT_EQ(text(Element::Browser), kBrowser);
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LaunchAndExit, SaveWithAnEmptyFieldWritesOneEmptyLineAndStaysOpen) {
    form.Click(Element::menuSetBrowser);
    screen.setText(Element::Browser, "");
    form.Click(Element::cmdSaveBrowser);

    EXPECT_EQ(writes(), std::vector<std::string>{"write " + userIniPath()});
    const std::string stored = content(userIniPath());
    EXPECT_EQ(stored.find("\r\n"), stored.size() - 2) << "one line";
    EXPECT_EQ(FieldReader(stored).readText(), "");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "No browser selected");
    EXPECT_EQ(dialogs.boxes[0].text, "You must select a browser! Please try again.");
    EXPECT_EQ(dialogs.boxes[0].flags, 48);
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser");

    dialogs.boxes.clear();
    form.Click(Element::cmdCancelBrowser);
    EXPECT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
}

TEST_F(LaunchAndExit, APathOfSpacesPassesCancelAndSave) {
    for (Element button : {Element::cmdCancelBrowser, Element::cmdSaveBrowser}) {
        form.Click(Element::menuSetBrowser);
        screen.setText(Element::Browser, "   ");
        form.Click(button);
        EXPECT_FALSE(screen.visible(Element::NewBrowser)) << FakeScreen::name(button);
        EXPECT_EQ(caption(), "Tidewell 32");
    }
    EXPECT_TRUE(dialogs.boxes.empty());
    const std::string stored = content(userIniPath());
    EXPECT_EQ(FieldReader(stored).readText(), "   ");
}

TEST_F(LaunchAndExit, SavingABrowserNeverChangesWhatIsStarted) {
    form.Click(Element::menuSetBrowser);
    screen.setText(Element::Browser, "C:\\NEW\\nav.exe");
    form.Click(Element::cmdSaveBrowser);
    EXPECT_EQ(content(userIniPath()), "\"C:\\NEW\\nav.exe\"\r\n");
    EXPECT_EQ(form.BrowserPath, kBrowser);

    form.Click(Element::cmdClean);
    ASSERT_EQ(procs.starts.size(), 1u);
    EXPECT_EQ(procs.starts[0].commandLine, kBrowser);
    EXPECT_EQ(content(userIniPath()), "\"C:\\NEW\\nav.exe\"\r\n");
}

TEST_F(LaunchAndExit, FailedStartRestoresTellsAndStillStoresTheSettings) {
    procs.fails = true;
    form.SetSwitch(Element::BO, 0);
    bool minimisedAtBox = true;
    std::size_t writesAtBox = 99;
    dialogs.onBox = [&](const FakeDialogs::Box&) {
        minimisedAtBox = screen.at(Element::frmTidewell).minimised;
        writesAtBox = writes().size();
    };
    form.Click(Element::cmdClean);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Tidewell 32");
    EXPECT_EQ(dialogs.boxes[0].flags, 48);
    EXPECT_NE(dialogs.boxes[0].text.find(kBrowser), std::string::npos);
    EXPECT_NE(dialogs.boxes[0].text.find("The system cannot find the file specified."), std::string::npos);
    EXPECT_FALSE(minimisedAtBox);
    EXPECT_EQ(writesAtBox, 0u);

    const auto minimised = std::find(screen.calls.begin(), screen.calls.end(), "minimize frmTidewell");
    const auto restored = std::find(screen.calls.begin(), screen.calls.end(), "restore frmTidewell");
    EXPECT_LT(minimised, restored);
    EXPECT_NE(restored, screen.calls.end());

    expectSettingsWrittenInPairs();
    EXPECT_EQ(content(tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n1\r\n0\r\n0\r\n");
    EXPECT_TRUE(screen.ended);
}

TEST_F(LaunchAndExit, BrowserOnlySavedInThisRunIsNotStartedButKept) {
    MainFormHarness h;
    h.addCache(kCache, {"a.jpg"});
    h.writeSettings("", kCache);
    h.load();
    h.screen.setText(Element::Browser, "C:\\NS\\netscape.exe");
    h.form.Click(Element::cmdSaveBrowser);
    ASSERT_FALSE(h.screen.visible(Element::NewBrowser));
    h.form.Click(Element::cmdLaunchBrowser);

    EXPECT_TRUE(h.procs.starts.empty());
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].caption, "Tidewell 32");
    EXPECT_EQ(h.dialogs.boxes[0].flags, 48);
    EXPECT_FALSE(h.screen.at(Element::frmTidewell).minimised);
    EXPECT_EQ(h.content(h.userIniPath()), "\"C:\\NS\\netscape.exe\"\r\n");
    EXPECT_TRUE(h.screen.ended);
}

TEST_F(LaunchAndExit, SettingsThatCannotBeWrittenAreNamedOnceAndKeepTheirOldContent) {
    const std::string oldTidew = content(tidewIniPath());
    const std::string oldUser = content(userIniPath());
    fs.failures["write"] = 75;
    form.Click(Element::cmdLaunchBrowser);

    EXPECT_EQ(content(tidewIniPath()), oldTidew);
    EXPECT_EQ(content(userIniPath()), oldUser);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    const std::string files[] = {tidewIniPath(), userIniPath()};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(dialogs.boxes[i].caption, "Tidewell 32");
        EXPECT_EQ(dialogs.boxes[i].flags, 48);
        EXPECT_NE(dialogs.boxes[i].text.find(files[i]), std::string::npos) << dialogs.boxes[i].text;
        EXPECT_NE(dialogs.boxes[i].text.find("simulated failure"), std::string::npos);
    }
    EXPECT_EQ(procs.starts.size(), 1u);
    EXPECT_TRUE(screen.ended);
}

}  // namespace
}  // namespace tw::test
