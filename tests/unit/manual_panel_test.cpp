#include "main_form_fixture.h"

#include "common/text.h"

namespace tw::test {
namespace {

constexpr const char* kBrowser = "C:\\NS\\netscape.exe";
constexpr const char* kOldCache = "C:\\OLD";
constexpr const char* kCache = "C:\\NETSCAPE\\CACHE";
constexpr const char* kNewSettingsText =
    "Tidewell has been updated!\r\nYour next session will configure automaticaly. "
    "Please wait while Tidewell gathers new information.";

class ManualPanel : public MainFormTest {
protected:
    ManualPanel() {
        addCache(kOldCache, {"old.jpg"});
        addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt"});
        fs.addDirectory("C:\\PROGRAM\\SUB");
    }
    void loadAndClear() {
        load();
        dialogs.boxes.clear();
        fs.log.clear();
    }
    std::vector<std::string> entriesStartingWith(std::string_view prefix) const {
        std::vector<std::string> found;
        for (const auto& e : fs.log)
            if (e.rfind(prefix, 0) == 0) found.push_back(e);
        return found;
    }
    std::size_t dir1Index(std::string_view label) const {
        const auto& entries = form.Dir1().entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].label == label) return i;
        ADD_FAILURE() << "no entry " << label;
        return 0;
    }
};

struct Normalisation {
    const char* name;
    const char* given;
    const char* normalised;
    std::int16_t ok;
};
void PrintTo(const Normalisation& c, std::ostream* os) { *os << c.name; }

class CheckCacheDirNormalisation : public MainFormTestWithParam<Normalisation> {};

TEST_P(CheckCacheDirNormalisation, ReplacesTheArgumentInPlace) {
    const Normalisation& n = GetParam();
    addCache(kCache, {"a.jpg"});
    std::string path = n.given;
    form.CacheDirOK = n.ok == 1 ? 0 : 1;
    form.CheckCacheDir(path);

    EXPECT_EQ(path, n.normalised);
    EXPECT_EQ(form.CacheDirOK, n.ok);
    if (n.ok == 1) {
        const std::string probe = std::string(n.normalised) + "\\test.xxx";
        const std::vector<std::string> expected = {"create " + probe, "delete " + probe};
        EXPECT_EQ(fs.log, expected);
        EXPECT_FALSE(fs.exists(probe));
        EXPECT_TRUE(dialogs.boxes.empty());
    } else {
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].text, "The Path: " + std::string(n.normalised) +
                                             " is not valid!\r\nEnter a proper path or click Find to search "
                                             "File System.");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckCacheDirNormalisation,
    ::testing::Values(Normalisation{"LowerWithBackslash", "c:\\netscape\\cache\\", "C:\\NETSCAPE\\CACHE", 1},
                      Normalisation{"MixedCase", "C:\\Netscape\\Cache", "C:\\NETSCAPE\\CACHE", 1},
                      Normalisation{"OnlyOneBackslashRemoved", "c:\\netscape\\cache\\\\", "C:\\NETSCAPE\\CACHE\\", 1},
                      Normalisation{"DriveRoot", "c:\\", "C:", 1},
                      Normalisation{"Missing", "c:\\nowhere\\", "C:\\NOWHERE", 0},
                      Normalisation{"MissingBelowExisting", "c:\\netscape\\cache\\sub", "C:\\NETSCAPE\\CACHE\\SUB", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ManualPanel, AnExistingTestFileKeepsItsContentAndNothingIsLeftBehind) {
    fs.addFile("C:\\NETSCAPE\\CACHE\\test.xxx", "the user's own");
    fs.addFile("C:\\NETSCAPE\\CACHE\\TEST1.XXX", "also the user's");
    const std::vector<std::string> before = fs.filesIn(kCache);

    std::string path = "c:\\netscape\\cache";
    form.CheckCacheDir(path);

    EXPECT_EQ(form.CacheDirOK, 1);
    EXPECT_EQ(content("C:\\NETSCAPE\\CACHE\\test.xxx"), "the user's own");
    EXPECT_EQ(content("C:\\NETSCAPE\\CACHE\\TEST1.XXX"), "also the user's");
    EXPECT_EQ(fs.filesIn(kCache), before);
    const auto created = entriesStartingWith("create ");
    const auto deleted = entriesStartingWith("delete ");
    ASSERT_EQ(created.size(), 1u);
    ASSERT_EQ(deleted.size(), 1u);
    const std::string probe = created[0].substr(7);
    EXPECT_EQ(deleted[0], "delete " + probe);
    EXPECT_EQ(probe.rfind("C:\\NETSCAPE\\CACHE\\", 0), 0u);
    EXPECT_NE(upperCase(probe), "C:\\NETSCAPE\\CACHE\\TEST.XXX");
    EXPECT_NE(upperCase(probe), "C:\\NETSCAPE\\CACHE\\TEST1.XXX");
}

TEST_F(ManualPanel, OtherProbeFailuresShowProgramErrAndKeepCacheDirOK) {
    for (const char* operation : {"create", "delete"}) {
        for (int number : {75, 70, 71, 61}) {
            for (std::int16_t previous : {std::int16_t{0}, std::int16_t{1}}) {
                SCOPED_TRACE(std::string(operation) + " " + std::to_string(number));
                MainFormHarness h;
                h.addCache(kCache, {"a.jpg"});
                h.fs.failures[operation] = number;
                h.form.CacheDirOK = previous;
                h.screen.setText(Element::ManualCache, "typed");
                std::string path = "c:\\netscape\\cache\\";
                h.form.CheckCacheDir(path);

                ASSERT_EQ(h.dialogs.boxes.size(), 1u);
                EXPECT_EQ(h.dialogs.boxes[0].text, "PROGRAM ERR: " + std::to_string(number));
                EXPECT_EQ(h.dialogs.boxes[0].flags, 0);
                EXPECT_EQ(h.dialogs.boxes[0].caption, "Tidewell 32");
                EXPECT_EQ(h.form.CacheDirOK, previous);
                EXPECT_EQ(h.text(Element::ManualCache), "typed");
                EXPECT_EQ(path, "C:\\NETSCAPE\\CACHE");
            }
        }
    }
}

TEST_F(ManualPanel, SaveWithAnEmptyFieldRunsNoCheck) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    form.Click(Element::cmdChange);
    screen.setText(Element::ManualCache, "");
    form.Click(Element::cmdSaveManualCache);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Invalid Directory");
    EXPECT_EQ(dialogs.boxes[0].text, "You must enter a Cache Directory");
    EXPECT_EQ(dialogs.boxes[0].flags, 48);
    EXPECT_TRUE(fs.log.empty());
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
}

TEST_F(ManualPanel, SaveWithAMissingDirectoryEmptiesTheFieldAndStaysOpen) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    form.Click(Element::cmdChange);
    form.Click(Element::cmdBrowseManual);
    screen.setText(Element::ManualCache, "c:\\nowhere\\");
    form.Click(Element::cmdSaveManualCache);

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Invalid Path Specified");
    EXPECT_EQ(dialogs.boxes[0].text,
              "The Path: C:\\NOWHERE is not valid!\r\nEnter a proper path or click Find to search File System.");
    EXPECT_EQ(text(Element::ManualCache), "");
    EXPECT_EQ(form.CacheDirOK, 0);
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_TRUE(screen.visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_EQ(text(Element::CacheDir), kOldCache);
    EXPECT_TRUE(writes().empty());
}

TEST_F(ManualPanel, SaveOfAValidDirectoryStoresItAndPreparesTheWindowAgain) {
    writeSettings(kBrowser, kOldCache, "0", "0", "1");
    loadAndClear();
    form.Click(Element::cmdChange);
    form.Click(Element::cmdBrowseManual);
    form.Dir1DoubleClick(dir1Index("SUB"));
    ASSERT_EQ(form.Dir1().path(), "C:\\PROGRAM\\SUB");
    screen.setText(Element::ManualCache, "c:\\netscape\\cache\\");

    const std::string stored = "\"c:\\netscape\\cache\\\"\r\n1\r\n1\r\n0\r\n";
    bool storedBeforeNotice = false, switchesCleanAtNotice = false;
    std::string captionAtNotice;
    dialogs.onBox = [&](const FakeDialogs::Box& box) {
        if (box.caption != "New Settings Accepted") return;
        storedBeforeNotice = content(tidewIniPath()) == stored;
        captionAtNotice = caption();
        switchesCleanAtNotice = text(Element::AO) == "Clean" && text(Element::BO) == "Clean" &&
                                screen.checkValue(Element::CO) == 0;
    };
    form.Click(Element::cmdSaveManualCache);

    EXPECT_EQ(content(tidewIniPath()), stored);
    EXPECT_EQ(writes(), std::vector<std::string>{"write " + tidewIniPath()});
    EXPECT_EQ(entriesStartingWith("create ").at(0), "create C:\\NETSCAPE\\CACHE\\test.xxx");

    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Unknown File Types");  // CO back to 0
    EXPECT_EQ(dialogs.boxes[1].text, kNewSettingsText);
    EXPECT_EQ(dialogs.boxes[1].flags, 64);
    EXPECT_TRUE(storedBeforeNotice);
    EXPECT_TRUE(switchesCleanAtNotice);
    EXPECT_EQ(captionAtNotice, "Tidewell 32 - Manual Configuration");

    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_FALSE(screen.visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32");
    for (Element box : {Element::AO, Element::BO}) {
        EXPECT_EQ(screen.checkValue(box), 1);
        EXPECT_EQ(text(box), "Clean");
        EXPECT_EQ(screen.at(box).colour, colour::Clean);
    }
    EXPECT_EQ(screen.checkValue(Element::CO), 0);

    // The load reaction ran again: the new directory's inventory, Dir1 home.
    EXPECT_EQ(text(Element::CacheDir), "C:\\NETSCAPE\\CACHE");
    EXPECT_EQ(text(Element::TotalCount), "4");
    EXPECT_EQ(text(Element::ImageCount), "2");
    EXPECT_EQ(text(Element::HTMLCount), "1");
    EXPECT_EQ(form.ImageList[1], "a.jpg");
    EXPECT_EQ(form.Dir1().path(), "C:\\PROGRAM");
    EXPECT_EQ(text(Element::ManualCache), "C:\\PROGRAM");
    EXPECT_FALSE(touched(userIniPath()));
}

TEST_F(ManualPanel, SaveRestoresTheCaptionOfTheLastOpening) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    form.Click(Element::cmdChange);
    form.Click(Element::menuSetCache);
    screen.setText(Element::ManualCache, kCache);
    form.Click(Element::cmdSaveManualCache);

    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_FALSE(screen.visible(Element::Manual));
}

TEST_F(ManualPanel, SaveRereadsTheBrowserPath) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    writeUserIni("C:\\OTHER\\nav.exe\r\n");
    form.Click(Element::cmdChange);
    screen.setText(Element::ManualCache, kCache);
    form.Click(Element::cmdSaveManualCache);
    EXPECT_EQ(form.BrowserPath, "C:\\OTHER\\nav.exe");
    EXPECT_EQ(text(Element::Browser), "C:\\OTHER\\nav.exe");
}

TEST_F(ManualPanel, ProgramErrStopsTheSaveOnlyWhenNoCheckHasPassed) {
    // At the first start no directory has been accepted yet.
    writeUserIni(std::string(kBrowser) + "\r\n");
    loadAndClear();
    fs.failures["create"] = 75;
    screen.setText(Element::ManualCache, kCache);
    form.Click(Element::cmdSaveManualCache);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "PROGRAM ERR: 75");
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(text(Element::ManualCache), kCache);
    EXPECT_FALSE(fs.exists(tidewIniPath()));

    // After an accepted directory the same failure lets the Save go on.
    MainFormHarness h;
    h.addCache(kOldCache, {"old.jpg"});
    h.addCache(kCache, {"a.jpg", "b.htm"});
    h.writeSettings(kBrowser, kOldCache);
    h.load();
    h.form.Click(Element::cmdChange);
    h.fs.failures["create"] = 75;
    h.screen.setText(Element::ManualCache, kCache);
    h.form.Click(Element::cmdSaveManualCache);
    EXPECT_EQ(h.content(h.tidewIniPath()), "\"C:\\NETSCAPE\\CACHE\"\r\n1\r\n1\r\n0\r\n");
    EXPECT_FALSE(h.screen.visible(Element::Manual));
    EXPECT_EQ(h.text(Element::TotalCount), "2");
    EXPECT_EQ(h.boxesCaptioned("New Settings Accepted").size(), 1u);
}

TEST_F(ManualPanel, CancelStoresNothingAndRestoresTheTitle) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    form.Click(Element::menuSetBrowser);
    form.Click(Element::cmdChange);
    form.Click(Element::cmdBrowseManual);
    screen.setText(Element::ManualCache, kCache);
    form.Click(Element::cmdExitManual);

    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_FALSE(screen.visible(Element::Dir1));
    EXPECT_EQ(caption(), "Tidewell 32");
    EXPECT_EQ(text(Element::CacheDir), kOldCache);
    EXPECT_EQ(text(Element::ManualCache), kCache);
    EXPECT_EQ(text(Element::TotalCount), "1");
    EXPECT_TRUE(fs.log.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(ManualPanel, FindShowsTheDirectoryListAndDoubleClicksFillTheField) {
    writeSettings(kBrowser, kOldCache);
    loadAndClear();
    form.Click(Element::cmdChange);
    EXPECT_FALSE(screen.visible(Element::Dir1));
    form.Click(Element::cmdBrowseManual);
    EXPECT_TRUE(screen.visible(Element::Dir1));

    form.Dir1DoubleClick(dir1Index("SUB"));
    EXPECT_EQ(text(Element::ManualCache), "C:\\PROGRAM\\SUB");

    // Opening the directory that is already current changes nothing.
    screen.setText(Element::ManualCache, "typed");
    form.Dir1DoubleClick(dir1Index("SUB"));
    EXPECT_EQ(text(Element::ManualCache), "typed");

    form.Dir1DoubleClick(0);
    EXPECT_EQ(text(Element::ManualCache), "C:\\");
    EXPECT_EQ(screen.dirEntries.size(), form.Dir1().entries().size());
    EXPECT_TRUE(writes().empty());
}

}  // namespace
}  // namespace tw::test
