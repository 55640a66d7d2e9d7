#include "main_form_fixture.h"

#include <tuple>

namespace tw::test {
namespace {

constexpr const char* kBrowser = "C:\\NS\\netscape.exe";
constexpr const char* kCache = "C:\\NETSCAPE\\CACHE";

const Element kCountFields[] = {Element::TotalCount, Element::CacheSize, Element::CacheUnit,
                                Element::ImageCount, Element::HTMLCount, Element::XCount};

class MainFormLoad : public MainFormTest {
protected:
    MainFormLoad() { addCache(kCache, {"a.jpg", "b.gif", "c.htm", "d.txt"}); }

    void expectCountsEmpty() {
        for (Element field : kCountFields) EXPECT_EQ(text(field), "") << FakeScreen::name(field);
    }
    void expectInventoryOf(const char* total, const char* images, const char* html, const char* unknown) {
        EXPECT_EQ(text(Element::TotalCount), total);
        EXPECT_EQ(text(Element::ImageCount), images);
        EXPECT_EQ(text(Element::HTMLCount), html);
        EXPECT_EQ(text(Element::XCount), unknown);
    }
};

struct Situation {
    const char* name;
    bool browserStored;
    bool directoryExists;
    bool manualShown;
    bool browserShown;
    const char* caption;
    const char* savedCaption;
};
void PrintTo(const Situation& c, std::ostream* os) { *os << c.name; }

class StartUpSituation : public MainFormTestWithParam<Situation> {};

TEST_P(StartUpSituation, OpensThePanelsWithTheirCaption) {
    const Situation& s = GetParam();
    addCache(kCache, {"a.jpg"});
    writeSettings(s.browserStored ? kBrowser : "", s.directoryExists ? kCache : "C:\\MISSING");
    load();

    EXPECT_EQ(screen.visible(Element::Manual), s.manualShown);
    EXPECT_EQ(screen.visible(Element::NewBrowser), s.browserShown);
    EXPECT_EQ(caption(), s.caption);
    EXPECT_EQ(form.SavedCaption, s.savedCaption);
    EXPECT_EQ(form.BrowserPath, s.browserStored ? kBrowser : "");
    EXPECT_EQ(text(Element::Browser), s.browserStored ? kBrowser : "");
    EXPECT_EQ(form.CacheDirOK, s.directoryExists ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartUpSituation,
    ::testing::Values(
        Situation{"BrowserAndDirectory", true, true, false, false, "Tidewell 32", ""},
        Situation{"NoBrowser", false, true, false, true, "Tidewell 32 - Select a Browser", ""},
        Situation{"DirectoryRejected", true, false, true, false, "Tidewell 32 - Manual Configuration", "Tidewell 32"},
        Situation{"NeitherAccepted", false, false, true, true,
                  "Tidewell 32 - Select a Browser - Manual Configuration", "Tidewell 32 - Select a Browser"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormLoad, MissingUserIniIsCreatedEmptyAndTheBrowserPanelOpens) {
    writeTidewIni(std::string(kCache) + "\r\n1\r\n1\r\n0\r\n");
    load();

    ASSERT_TRUE(fs.exists(userIniPath()));
    EXPECT_EQ(content(userIniPath()), "");
    EXPECT_TRUE(screen.visible(Element::NewBrowser));
    EXPECT_EQ(caption(), "Tidewell 32 - Select a Browser");
    EXPECT_TRUE(dialogs.boxes.empty());
    // The preparation goes on to the inventory.
    expectInventoryOf("4", "2", "1", "1");
}

TEST_F(MainFormLoad, EmptyUserIniIsLeftAsItIs) {
    for (const char* empty : {"", "\r\n", "\"\"\r\n", "   \r\n\r\n"}) {
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.writeSettings("", kCache);
        h.writeUserIni(empty);
        h.load();
        EXPECT_EQ(h.content(h.userIniPath()), empty);
        EXPECT_FALSE(h.touched(h.userIniPath()));
        EXPECT_TRUE(h.screen.visible(Element::NewBrowser));
        EXPECT_EQ(h.caption(), "Tidewell 32 - Select a Browser");
    }
}

struct TidewFailure {
    const char* name;
    std::function<void(MainFormHarness&)> arrange;
};
void PrintTo(const TidewFailure& c, std::ostream* os) { *os << c.name; }

class UserIniSurvives : public MainFormTestWithParam<TidewFailure> {};

TEST_P(UserIniSurvives, FailuresOfTheProgramSettingsOrTheCache) {
    const std::string stored = std::string(kBrowser) + "\r\nextra line\r\n";
    writeUserIni(stored);
    addCache(kCache, {"a.jpg", "b.htm"});
    GetParam().arrange(*this);
    load();

    EXPECT_EQ(content(userIniPath()), stored);
    EXPECT_FALSE(touched(userIniPath()));
    EXPECT_EQ(form.BrowserPath, kBrowser);
    EXPECT_FALSE(screen.visible(Element::NewBrowser));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserIniSurvives,
    ::testing::Values(TidewFailure{"TidewIniMissing", [](MainFormHarness&) {}},
                      TidewFailure{"TooFewValues", [](MainFormHarness& h) { h.writeTidewIni("C:\\X\r\n1\r\n"); }},
                      TidewFailure{"EmptyTidewIni", [](MainFormHarness& h) { h.writeTidewIni(""); }},
                      TidewFailure{"DirectoryMissing",
                                   [](MainFormHarness& h) { h.writeTidewIni("C:\\GONE\r\n1\r\n1\r\n0\r\n"); }},
                      TidewFailure{"SwitchValueBad",
                                   [](MainFormHarness& h) {
                                       h.writeTidewIni(std::string(kCache) + "\r\nQ\r\n1\r\n0\r\n");
                                   }},
                      TidewFailure{"CacheFileVanishes",
                                   [](MainFormHarness& h) {
                                       h.writeTidewIni(std::string(kCache) + "\r\n1\r\n1\r\n0\r\n");
                                       h.fs.beforeLength = [&h](const std::string& p) { h.fs.deleteFile(p); };
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormLoad, LowerCaseDirectoryWithTrailingBackslash) {
    std::vector<std::string> measured;
    fs.beforeLength = [&](const std::string& p) { measured.push_back(p); };
    writeSettings(kBrowser, "c:\\netscape\\cache\\");
    load();

    EXPECT_EQ(text(Element::CacheDir), "C:\\NETSCAPE\\CACHE");
    EXPECT_EQ(form.File1().path(), "C:\\NETSCAPE\\CACHE");
    const std::vector<std::string> expected = {"C:\\NETSCAPE\\CACHE\\a.jpg", "C:\\NETSCAPE\\CACHE\\b.gif",
                                               "C:\\NETSCAPE\\CACHE\\c.htm", "C:\\NETSCAPE\\CACHE\\d.txt"};
    EXPECT_EQ(measured, expected);
    expectInventoryOf("4", "2", "1", "1");
    EXPECT_EQ(text(Element::CacheSize), "40");
    EXPECT_EQ(text(Element::CacheUnit), "Bytes");
    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(MainFormLoad, DriveRootIsShownBareAndListedWithItsBackslash) {
    fs.addFile("C:\\root.gif", "12345");
    std::vector<std::string> measured;
    fs.beforeLength = [&](const std::string& p) { measured.push_back(p); };
    writeSettings(kBrowser, "c:\\");
    load();

    EXPECT_EQ(text(Element::CacheDir), "C:");
    EXPECT_EQ(form.File1().path(), "C:\\");
    EXPECT_EQ(measured, std::vector<std::string>{"C:\\root.gif"});
    expectInventoryOf("1", "1", "0", "0");
    EXPECT_FALSE(fs.exists("C:\\test.xxx"));
}

TEST_F(MainFormLoad, DirectoryThatDoesNotExist) {
    writeSettings(kBrowser, "c:\\nowhere\\cache\\", "0", "0", "1");
    load();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Invalid Path Specified");
    EXPECT_EQ(dialogs.boxes[0].text,
              "The Path: C:\\NOWHERE\\CACHE is not valid!\r\nEnter a proper path or click Find to search File System.");
    EXPECT_EQ(dialogs.boxes[0].flags, 48);

    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_EQ(text(Element::CacheDir), "C:\\NOWHERE\\CACHE");
    EXPECT_EQ(text(Element::ManualCache), "");
    expectCountsEmpty();
    // The stored switches are never applied.
    EXPECT_EQ(screen.checkValue(Element::AO), 1);
    EXPECT_EQ(text(Element::AO), "Clean");
    EXPECT_EQ(screen.checkValue(Element::BO), 1);
    EXPECT_EQ(text(Element::BO), "Clean");
    EXPECT_EQ(screen.checkValue(Element::CO), 0);
}

TEST_F(MainFormLoad, StoredSwitchesZeroOneZero) {
    writeSettings(kBrowser, kCache, "0", "1", "0");
    load();

    EXPECT_EQ(screen.checkValue(Element::AO), 0);
    EXPECT_EQ(text(Element::AO), "Preserve");
    EXPECT_EQ(screen.at(Element::AO).colour, colour::Preserve);
    EXPECT_EQ(screen.checkValue(Element::BO), 1);
    EXPECT_EQ(text(Element::BO), "Clean");
    EXPECT_EQ(screen.at(Element::BO).colour, colour::Clean);
    EXPECT_TRUE(dialogs.boxes.empty());
    expectInventoryOf("4", "2", "1", "1");
}

TEST_F(MainFormLoad, StoredUnknownTypesOneShowsTheMessageOnce) {
    writeSettings(kBrowser, kCache, "1", "1", "1");
    load();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Unknown File Types");
    EXPECT_EQ(screen.checkValue(Element::CO), 1);
    EXPECT_EQ(text(Element::CO), "Preserve");
    expectInventoryOf("4", "2", "1", "1");
}

TEST_F(MainFormLoad, StoredGrayedSwitchShowsPreserve) {
    writeSettings(kBrowser, kCache, "2", "1", "0");
    load();
    EXPECT_EQ(screen.checkValue(Element::AO), 2);
    EXPECT_EQ(text(Element::AO), "Preserve");
    EXPECT_EQ(screen.at(Element::AO).colour, colour::Preserve);
    expectInventoryOf("4", "2", "1", "1");
}

// A switch value that is no number or no valid box value stops the
// preparation there: earlier switches are applied, the rest and the
// inventory are not.
class BadSwitchValue : public MainFormTestWithParam<std::tuple<int, const char*>> {};

TEST_P(BadSwitchValue, EndsThePreparationQuietlyAtThatSwitch) {
    const auto [position, bad] = GetParam();
    std::string values[] = {"0", "0", "1"};
    values[position] = bad;
    addCache(kCache, {"a.jpg"});
    writeSettings(kBrowser, kCache, values[0], values[1], values[2]);
    load();

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(screen.checkValue(Element::AO), position > 0 ? 0 : 1);
    EXPECT_EQ(text(Element::AO), position > 0 ? "Preserve" : "Clean");
    EXPECT_EQ(screen.checkValue(Element::BO), position > 1 ? 0 : 1);
    EXPECT_EQ(screen.checkValue(Element::CO), 0);
    for (Element field : kCountFields) EXPECT_EQ(text(field), "") << FakeScreen::name(field);
    EXPECT_FALSE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32");
}

INSTANTIATE_TEST_SUITE_P(Values, BadSwitchValue,
                         ::testing::Combine(::testing::Values(0, 1, 2),
                                            ::testing::Values("7", "-1", "A", "70000", "1.5.2")));

TEST_F(MainFormLoad, ADirectoryThatCannotBeWrittenOpensThePanelAndStillTakesTheInventory) {
    writeSettings(kBrowser, kCache, "0", "1", "0");
    fs.failures["create"] = 75;
    load();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "PROGRAM ERR: 75");
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_EQ(text(Element::CacheDir), kCache);
    EXPECT_EQ(screen.checkValue(Element::AO), 0);
    expectInventoryOf("4", "2", "1", "1");
}

TEST_F(MainFormLoad, FewerThanFourValuesShowsErr62) {
    for (const char* stored : {"C:\\NETSCAPE\\CACHE\r\n1\r\n1\r\n", "C:\\NETSCAPE\\CACHE,1,1", ""}) {
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.writeSettings(kBrowser, kCache);
        h.writeTidewIni(stored);
        h.load();

        ASSERT_EQ(h.dialogs.boxes.size(), 1u) << stored;
        EXPECT_EQ(h.dialogs.boxes[0].caption, "Tidewell 32");
        EXPECT_EQ(h.dialogs.boxes[0].text, "Err:62");
        EXPECT_EQ(h.dialogs.boxes[0].flags, 48);
        EXPECT_EQ(h.text(Element::CacheDir), "");
        EXPECT_FALSE(h.screen.visible(Element::Manual));
        EXPECT_EQ(h.content(h.tidewIniPath()), stored);
    }
}

TEST_F(MainFormLoad, CacheFileVanishingWhileMeasuredShowsErr53) {
    writeSettings(kBrowser, kCache);
    fs.beforeLength = [this](const std::string& p) {
        if (p.ends_with("c.htm")) fs.deleteFile(p);
    };
    load();

    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].caption, "Tidewell 32");
    EXPECT_EQ(dialogs.boxes[0].text, "Err:53");
    EXPECT_EQ(dialogs.boxes[0].flags, 48);
    expectCountsEmpty();
    EXPECT_FALSE(screen.visible(Element::Manual));
}

TEST_F(MainFormLoad, ListingFailuresOpenThePanelOnlyForAMissingPath) {
    for (const auto& [number, opens] : {std::pair{76, true}, std::pair{75, false}, std::pair{71, false}}) {
        MainFormHarness h;
        h.addCache(kCache, {"a.jpg"});
        h.writeSettings(kBrowser, kCache, "0", "1", "0");
        h.fs.failures["list"] = number;
        h.load();

        SCOPED_TRACE(number);
        EXPECT_TRUE(h.dialogs.boxes.empty());
        EXPECT_EQ(h.screen.visible(Element::Manual), opens);
        EXPECT_EQ(h.caption(), opens ? "Tidewell 32 - Manual Configuration" : "Tidewell 32");
        EXPECT_EQ(h.text(Element::CacheDir), kCache);
        EXPECT_EQ(h.screen.checkValue(Element::AO), 1);
        EXPECT_EQ(h.text(Element::TotalCount), "");
    }
}

TEST_F(MainFormLoad, MissingTidewIniOpensTheManualPanelWithoutABox) {
    writeUserIni(std::string(kBrowser) + "\r\n");
    load();

    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(screen.visible(Element::Manual));
    EXPECT_EQ(caption(), "Tidewell 32 - Manual Configuration");
    EXPECT_EQ(text(Element::CacheDir), "");
    EXPECT_FALSE(fs.exists(tidewIniPath()));
    expectCountsEmpty();
}

TEST_F(MainFormLoad, SettingsComeFromTheProgramDirectory) {
    writeSettings(kBrowser, kCache);
    load();
    EXPECT_EQ(form.AppDir, "C:\\PROGRAM\\");
    EXPECT_EQ(form.LineBreak, "\r\n");
    EXPECT_EQ(form.Dir1().path(), "C:\\PROGRAM");
    EXPECT_EQ(text(Element::ManualCache), "C:\\PROGRAM");
}

}  // namespace
}  // namespace tw::test
