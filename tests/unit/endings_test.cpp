#include "main_form_fixture.h"

#include <random>
#include <tuple>

namespace tw::test {
namespace {

// The other kinds are close to the cleaned ones, and never cleaned.
const Strings kImages = {"a.jpg", "b.gif"}, kHtml = {"c.htm"}, kOthers = {"d.txt", "e.html", "f.JPG"};

TEST_F(MainForm, EachEndingCleansStartsAndStoresAsItsButtonSays) {
    // switches: AO, BO as read; stored: as written at the end; started: command line|program|show style of each start.
    struct Case { Element button; std::string switches; int answer; bool imagesGo, htmlGo; std::string started, stored;
                  std::string browser = kBrowser; };
    // The quoted path as the whole command line, the path as the program, maximised; a text that names no
    // file, such as a path with arguments, is handed to the system whole, as the command line the user wrote.
    const std::string quoted = "\"" + kBrowser + "\"|" + kBrowser + "|3", withArguments = "C:\\NS\\nav.exe -home";
    const Case cases[] = {
        {Element::cmdClean, "1\r\n0", 0, true, false, quoted, "1\r\n0"},
        {Element::cmdClean, "2\r\n2", 0, false, false, quoted, "0\r\n0"},  // grayed is neither Clean nor Preserve
        {Element::cmdLaunchBrowser, "1\r\n1", 0, false, false, withArguments + "||3", "1\r\n1", withArguments},
        {Element::cmdCleanExit, "1\r\n1", mb::AnswerYes, true, true, "", "1\r\n1"},
        {Element::cmdCleanExit, "1\r\n0", mb::AnswerNo, true, false, "", ""},  // still running: nothing stored
        {Element::cmdExit, "1\r\n1", 0, false, false, "", "1\r\n1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FakeScreen::name(c.button) + " " + c.switches);
        MainFormHarness h;
        h.start({"a.jpg", "b.gif", "c.htm", "d.txt", "e.html", "f.JPG"}, c.switches + "\r\n1");  // unknown types: 1
        if (c.answer) h.dialogs.answers = {c.answer};
        if (c.browser != kBrowser) h.fs.addFile(kUserIniPath, c.browser), h.form.Load();
        // The cache is cleaned and the window minimised before the browser starts; the settings are stored after.
        bool readyAtStart = false;
        h.procs.onStart = [&] {
            readyAtStart = h.screen.at(Element::frmTidewell).minimised && h.logged("write ").empty();
        };
        h.form.Click(c.button);
        for (const auto& [names, gone] : {std::pair{kImages, c.imagesGo}, {kHtml, c.htmlGo}, {kOthers, false}})
            for (const std::string& name : names) EXPECT_EQ(h.fs.exists(kCache + "\\" + name), !gone) << name;
        std::string started;
        for (const auto& p : h.procs.starts) started += p.commandLine + "|" + p.application + "|" + std::to_string(p.showStyle);
        EXPECT_EQ(started, c.started);
        EXPECT_EQ(readyAtStart, !c.started.empty());
        EXPECT_EQ(h.screen.ended, !c.stored.empty());
        // QuitTW stores, closes the window, and its nested run stores once more.
        const Strings pair = {"write " + kTidewIniPath, "write " + kUserIniPath};
        EXPECT_EQ(h.logged("write "), c.stored.empty() ? Strings{} : (Strings{pair[0], pair[1], pair[0], pair[1]}));
        if (c.stored.empty()) continue;
        EXPECT_EQ(h.fs.file(kTidewIniPath).content, storedTidewIni(kCache, c.stored));
        EXPECT_EQ(h.fs.file(kUserIniPath).content, "\"" + c.browser + "\"\r\n");
    }
}

TEST_F(MainForm, AFailedStartOrAnUnwritableFileIsToldOnceAndTheSettingsAreStillStored) {
    start({"a.jpg"});
    procs.fails = true;
    fs.before = [](std::string_view op, const std::string& path) {
        if (op == "write" && path == kTidewIniPath) throw RuntimeError(err::PathFileAccessError, "Access is denied.");
    };
    bool restoredBeforeTheBox = false;
    dialogs.onBox = [&] { restoredBeforeTheBox = !screen.at(Element::frmTidewell).minimised; };
    form.Click(Element::cmdClean);
    EXPECT_TRUE(restoredBeforeTheBox);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_NE(dialogs.boxes[0].text.find("Program: " + kBrowser + "\r\nReason: The system cannot find"), std::string::npos);
    EXPECT_NE(dialogs.boxes[1].text.find("saved in " + kTidewIniPath + ".\r\nReason: Access is denied."), std::string::npos);
    EXPECT_EQ(logged("write "), Strings(2, "write " + kUserIniPath));
    EXPECT_TRUE(screen.ended);
    // Events after the end change nothing.
    form.Terminate();
    form.Unload();
    EXPECT_EQ(logged("write ").size(), 2u);
}

TEST_F(MainForm, AnUnexpectedFailureEndsOnlyTheReactionItHappenedIn) {
    start({"a.jpg", "b.jpg"});
    fs.before = [](std::string_view op, const std::string&) {
        if (op == "delete") throw std::runtime_error("the disk went away");
    };
    form.Click(Element::cmdClean);
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|48|\"Tidewell\" could not be completed.\r\nReason: the disk went away"
                               "\r\n\r\nTidewell 32 stopped that action and goes on running."});
    EXPECT_TRUE(procs.starts.empty() && !screen.ended);
    fs.before = nullptr;
    form.Click(Element::cmdExit);
    EXPECT_TRUE(screen.ended);
}

// Ordinary caches hold thousands of files of a kind, and more than 32,767 in all.
TEST_F(MainForm, EveryListedFileOfACleanedKindGoesHoweverManyThereAre) {
    Strings names;
    for (const auto& [count, suffix] : {std::pair{27000, ".dat"}, {5000, ".htm"}, {1001, ".jpg"}})
        for (int i = 0; i < count; ++i) names.push_back(suffix[1] + std::to_string(i) + suffix);
    start(names, "1\r\n1\r\n0");
    EXPECT_EQ(counts(), (Strings{"33001", "1001", "5000", "27000"}));
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 33001);
    dialogs.answers = {mb::AnswerNo};
    form.Click(Element::cmdCleanExit);
    EXPECT_EQ(fs.namesIn(kCache).size(), 27000u);
}

// The files a cache may hold, in the order the file list shows them (case
// ignored; ".", digits and "_" before letters), each with its kind: 1 image,
// 2 HTML document, 0 anything else.
const std::pair<std::string, int> kPossibleFiles[] = {
    {".jpg", 1},  {"1.htm", 2}, {"_A.jpg", 1}, {"_b.GIF", 0}, {"a.gif", 1},  {"a_.htm", 2}, {"aB.html", 0},
    {"Ab.jpg", 1}, {"B.htm", 2}, {"b.JPG", 0},  {"b1.jpg", 1}, {"b_.txt", 0}, {"ba.htm", 2}, {"c", 0},
    {"c.gif", 1}, {"jpg", 0},   {"x.htm", 2},
};

// Random caches, switches and interference between the inventory and the
// clean step; the outcome must be exactly what the rules allow.
TEST(CleaningProperty, DeletesExactlyTheAllowedFilesWhateverHappensBetweenInventoryAndCleaning) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
        MainFormHarness b;
        b.fs.addDirectory(kCache);
        std::vector<std::pair<std::string, int>> listed;  // by the table, without hidden files
        for (const auto& [name, kind] : kPossibleFiles) {
            if (!chance(0.6)) continue;
            FakeFileSystem::File& f = b.fs.addFile(kCache + "\\" + name);
            std::tie(f.readOnly, f.locked, f.hidden) = std::tuple(chance(0.15), chance(0.1), chance(0.1));
            if (!f.hidden) listed.emplace_back(name, kind);
        }
        const int switches[] = {0, static_cast<int>(random() % 3), static_cast<int>(random() % 3)};  // by kind
        b.writeSettings(kBrowser, kCache, std::to_string(switches[1]) + "\r\n" + std::to_string(switches[2]) + "\r\n0");
        b.form.Load();
        // Another program at work between the inventory and the clean step.
        Names vanished;
        for (const auto& [name, kind] : listed) {
            FakeFileSystem::File& f = b.fs.file(kCache + "\\" + name);
            if (chance(0.1)) vanished.insert(name), f.readOnly = f.locked = false, b.fs.deleteFile(kCache + "\\" + name);
            else if (chance(0.1)) f.readOnly = true;
        }
        if (chance(0.3)) b.fs.addFile(kCache + "\\late.jpg");
        // Per kind, in list order: a vanished entry ends that kind's cleaning.
        Names expected = b.fs.namesIn(kCache);
        for (int cleaned : {1, 2}) {
            for (const auto& [name, kind] : switches[cleaned] == 1 ? listed : decltype(listed){}) {
                if (kind != cleaned) continue;
                if (vanished.count(name)) break;
                const FakeFileSystem::File& f = b.fs.file(kCache + "\\" + name);
                if (!f.readOnly && !f.locked) expected.erase(name);
            }
        }
        b.dialogs.answers = {mb::AnswerNo};
        b.form.Click(Element::cmdCleanExit);
        EXPECT_EQ(b.fs.namesIn(kCache), expected);
    }
}

}  // namespace
}  // namespace tw::test
