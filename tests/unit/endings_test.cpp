#include "main_form_fixture.h"

#include "common/text.h"

#include <random>
#include <tuple>

namespace tw::test {
namespace {

// The other kinds are close to the cleaned ones, and never cleaned.
const Strings kImages = {"a.jpg", "b.gif"}, kHtml = {"c.htm"}, kOthers = {"d.txt", "e.html", "f.JPG"};

TEST_F(MainForm, EachEndingCleansStartsAndStoresAsItsButtonSays) {
    struct Case {
        Element button;
        std::string switches;  // AO, BO as stored
        int answer;
        bool imagesGo, htmlGo, starts, ends;
    };
    const Case cases[] = {
        {Element::cmdClean, "1\r\n0", 0, true, false, true, true},
        {Element::cmdClean, "0\r\n1", 0, false, true, true, true},
        {Element::cmdClean, "2\r\n2", 0, false, false, true, true},  // grayed is neither Clean nor Preserve
        {Element::cmdLaunchBrowser, "1\r\n1", 0, false, false, true, true},
        {Element::cmdCleanExit, "1\r\n1", mb::AnswerYes, true, true, false, true},
        {Element::cmdCleanExit, "1\r\n0", mb::AnswerNo, true, false, false, false},
        {Element::cmdExit, "1\r\n1", 0, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FakeScreen::name(c.button) + " " + c.switches);
        MainFormHarness h;
        h.start({"a.jpg", "b.gif", "c.htm", "d.txt", "e.html", "f.JPG"}, c.switches + "\r\n1");  // unknown types: 1
        if (c.answer) h.dialogs.answers = {c.answer};
        // The cache is cleaned and the window minimised before the browser starts; the settings are stored after.
        bool readyAtStart = false;
        h.procs.onStart = [&] {
            readyAtStart = h.screen.at(Element::frmTidewell).minimised && h.fs.log.size() == h.logged("delete ").size();
        };
        h.form.Click(c.button);
        for (const auto& [names, gone] : {std::pair{kImages, c.imagesGo}, {kHtml, c.htmlGo}, {kOthers, false}})
            for (const std::string& name : names) EXPECT_EQ(h.fs.exists(kCache + "\\" + name), !gone) << name;
        std::string started;  // the quoted path as the whole command line, the path as the program, maximised
        for (const auto& p : h.procs.starts) started += p.commandLine + "|" + p.application + "|" + std::to_string(p.showStyle);
        EXPECT_EQ(started, c.starts ? "\"" + kBrowser + "\"|" + kBrowser + "|3" : "");
        EXPECT_EQ(readyAtStart, c.starts);
        EXPECT_EQ(h.screen.ended, c.ends);
        // QuitTW stores, closes the window, and its nested run stores once more.
        const std::string pair = "write " + kTidewIni + "|write " + kUserIni + "|";
        std::string written;
        for (const std::string& w : h.logged("write ")) written += w + "|";
        EXPECT_EQ(written, c.ends ? pair + pair : "");
        if (!c.ends) continue;
        EXPECT_EQ(h.fs.file(kTidewIni).content, "\"" + kCache + "\"\r\n" + (c.switches[0] == '1' ? "1" : "0") + "\r\n" +
                                            (c.switches[3] == '1' ? "1" : "0") + "\r\n0\r\n");
        EXPECT_EQ(h.fs.file(kUserIni).content, "\"" + kBrowser + "\"\r\n");
    }
}

// A text that names no file, such as a path with arguments, is handed to the
// system whole, as the command line the user wrote.
TEST_F(MainForm, ATextThatNamesNoFileIsStartedAsTheWholeCommandLine) {
    addCache(kCache, {});
    writeSettings("C:\\NS\\nav.exe -home", kCache);
    form.Load();
    form.Click(Element::cmdLaunchBrowser);
    ASSERT_EQ(procs.starts.size(), 1u);
    EXPECT_EQ(procs.starts[0].commandLine + "|" + procs.starts[0].application, "C:\\NS\\nav.exe -home|");
}

TEST_F(MainForm, AFailedStartOrAnUnwritableFileIsToldOnceAndTheSettingsAreStillStored) {
    start({"a.jpg"});
    procs.fails = true;
    fs.before = [](std::string_view op, const std::string& path) {
        if (op == "write" && path == kTidewIni) throw RuntimeError(err::PathFileAccessError, "Access is denied.");
    };
    bool restoredBeforeTheBox = false;
    dialogs.onBox = [&] { restoredBeforeTheBox = !screen.at(Element::frmTidewell).minimised; };
    form.Click(Element::cmdClean);
    EXPECT_TRUE(restoredBeforeTheBox);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_NE(dialogs.boxes[0].text.find("Program: " + kBrowser + "\r\nReason: The system cannot find"), std::string::npos);
    EXPECT_NE(dialogs.boxes[1].text.find("saved in " + kTidewIni + ".\r\nReason: Access is denied."), std::string::npos);
    EXPECT_EQ(logged("write "), Strings(2, "write " + kUserIni));
    EXPECT_FALSE(fs.exists(kCache + "\\a.jpg"));
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
    EXPECT_EQ(logged("write ").size(), 4u);
}

// Ordinary caches hold thousands of files of a kind, and more than 32,767 in all.
TEST_F(MainForm, EveryListedFileOfACleanedKindGoesHoweverManyThereAre) {
    Strings names;
    for (int i = 0; i < 27000; ++i) names.push_back("o" + std::to_string(i) + ".dat");
    for (int i = 0; i < 5000; ++i) names.push_back("h" + std::to_string(i) + ".htm");
    for (int i = 0; i < 1001; ++i) names.push_back("i" + std::to_string(i) + ".jpg");
    start(names, "1\r\n1\r\n0");
    EXPECT_EQ(counts(), (Strings{"33001", "1001", "5000", "27000"}));
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 33001);
    dialogs.answers = {mb::AnswerNo};
    form.Click(Element::cmdCleanExit);
    EXPECT_EQ(fs.namesIn(kCache).size(), 27000u);
    EXPECT_EQ(fs.namesIn(kCache).count("o0.dat"), 1u);
}

// Random caches, switches and interference between the inventory and the
// clean step; the outcome must be exactly what the rules allow.
TEST(CleaningProperty, DeletesExactlyTheAllowedFilesWhateverHappensBetweenInventoryAndCleaning) {
    const Strings extensions = {".jpg", ".gif", ".htm", ".JPG", ".html", ".txt", ""};
    const auto kindOf = [](const std::string& name) {  // 1 image, 2 HTML document, 0 unknown
        const std::string tail = name.size() < 4 ? "" : name.substr(name.size() - 4);
        return tail == ".htm" ? 2 : tail == ".jpg" || tail == ".gif" ? 1 : 0;
    };
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
        const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
        MainFormHarness b;
        b.fs.addDirectory(kCache);
        for (std::size_t files = below(16); files > 0; --files) {  // names that differ in case are one file
            const std::string name = std::string(1 + below(3), "abAB_1"[below(6)]) + extensions[below(extensions.size())];
            FakeFileSystem::File& f = b.fs.addFile(kCache + "\\" + name);
            std::tie(f.readOnly, f.locked, f.hidden) = std::tuple(chance(0.15), chance(0.1), chance(0.1));
        }
        const int switches[] = {0, static_cast<int>(below(3)), static_cast<int>(below(3))};  // by kind
        b.writeSettings(kBrowser, kCache, std::to_string(switches[1]) + "\r\n" + std::to_string(switches[2]) + "\r\n0");
        b.form.Load();
        Strings listed;
        for (const ListedFile& f : b.fs.listFiles(kCache)) listed.push_back(f.name);
        std::sort(listed.begin(), listed.end(), [](const auto& x, const auto& y) { return lessIgnoringCase(x, y); });
        // Another program at work between the inventory and the clean step.
        Names vanished;
        for (const std::string& name : listed) {
            FakeFileSystem::File& f = b.fs.file(kCache + "\\" + name);
            if (chance(0.1)) vanished.insert(name), f.readOnly = f.locked = false, b.fs.deleteFile(kCache + "\\" + name);
            else if (chance(0.1)) f.readOnly = true;
        }
        if (chance(0.3)) b.fs.addFile(kCache + "\\late.jpg");
        // Per kind, in list order: a vanished entry ends that kind's cleaning.
        Names expected = b.fs.namesIn(kCache);
        for (int kind : {1, 2}) {
            for (const std::string& name : switches[kind] == 1 ? listed : Strings{}) {
                if (kindOf(name) != kind) continue;
                if (vanished.count(name)) break;
                const FakeFileSystem::File& f = b.fs.file(kCache + "\\" + name);
                if (!f.readOnly && !f.locked) expected.erase(name);
            }
        }
        b.dialogs.answers = {mb::AnswerNo};
        b.form.Click(Element::cmdCleanExit);
        EXPECT_EQ(b.fs.namesIn(kCache), expected);
        EXPECT_TRUE(b.logged("write ").empty());
    }
}

}  // namespace
}  // namespace tw::test
