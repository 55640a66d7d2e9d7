#include "main_form_fixture.h"

#include "common/text.h"

#include <map>
#include <random>

namespace tw::test {
namespace {

// A main window prepared over an in-memory cache the way the program
// prepares itself, both kinds switched to Clean.
class CacheCleaning : public MainFormTest {
protected:
    void prepare(const Strings& names, const std::string& directory = kCache) {
        writeSettings(kBrowser, directory);
        addCache(directory, names);
        load();
        forget();
    }
};

TEST_F(CacheCleaning, TheCountFieldSaysHowManyEntriesAreProcessed) {
    const std::pair<const char*, Names> cases[] = {
        {"", {"a.jpg", "b.jpg", "c.jpg"}},   {"0", {"a.jpg", "b.jpg", "c.jpg"}}, {"abc", {"a.jpg", "b.jpg", "c.jpg"}},
        {"-2", {"a.jpg", "b.jpg", "c.jpg"}}, {"1", {"b.jpg", "c.jpg"}},          {" 2", {"c.jpg"}},
        {"2 files", {"c.jpg"}},              {"3", {}},
        // Beyond the list's last index: everything listed goes, then it stops quietly.
        {"5000", {}},
    };
    for (const auto& [count, left] : cases) {
        SCOPED_TRACE(std::string("'") + count + "'");
        MainFormHarness h;
        h.writeSettings(kBrowser, kCache);
        h.addCache(kCache, {"a.jpg", "b.jpg", "c.jpg"});
        h.load();
        h.screen.setText(Element::ImageCount, count);
        h.form.CleanImages();
        EXPECT_EQ(h.filesIn(kCache), left);
    }
}

TEST_F(CacheCleaning, ProtectedFilesAreSkippedAndAMissingOneEndsOnlyItsKind) {
    prepare({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "x.htm", "y.htm"});
    fs.file(kCache + "\\b.jpg").readOnly = true;
    fs.file(kCache + "\\c.jpg").locked = true;
    fs.deleteFile(kCache + "\\e.jpg");
    dialogs.answers = {mb::AnswerNo};  // the clean step as the user reaches it, declining to exit
    form.Click(Element::cmdCleanExit);
    EXPECT_EQ(filesIn(kCache), (Names{"b.jpg", "c.jpg", "f.jpg"}));
    EXPECT_EQ(boxCaptions(), Strings{"Job Done"});
}

TEST_F(CacheCleaning, ADriveRootDirectoryIsJoinedWithOneBackslash) {
    prepare({"a.jpg", "z.txt"}, "C:");
    ASSERT_EQ(text(Element::CacheDir), "C:");
    EXPECT_EQ(form.File1().path(), "C:\\");  // "C:" alone would be the drive's current directory
    form.CleanImages();
    EXPECT_EQ(logged("delete "), Strings{"delete C:\\a.jpg"});
    EXPECT_EQ(filesIn("C:"), Names{"z.txt"});
}

TEST_F(CacheCleaning, EmptyAndForeignEntriesAreSkippedWithoutEndingTheLoop) {
    prepare({"a.jpg", "b.jpg", "x.txt", "Y.JPG"});
    fs.addFile("C:\\NETSCAPE\\OTHER\\o.jpg", "keep");
    const Strings entries = {"a.jpg", "", "x.txt", "Y.JPG", "..\\OTHER\\o.jpg", "b.jpg"};
    std::copy(entries.begin(), entries.end(), form.ImageList.begin() + 1);
    screen.setText(Element::ImageCount, "6");
    form.CleanImages();
    EXPECT_EQ(logged("delete "), (Strings{"delete " + kCache + "\\a.jpg", "delete " + kCache + "\\b.jpg"}));
    EXPECT_TRUE(fs.exists("C:\\NETSCAPE\\OTHER\\o.jpg"));
}

// Random directories, switches and interference between the inventory and
// the clean step; the outcome must be exactly what the rules allow.
TEST(CacheCleaningProperty, DeletesExactlyTheAllowedFilesWhateverHappensBetweenInventoryAndCleaning) {
    const Strings extensions = {".jpg", ".gif", ".htm", ".JPG", ".html", ".txt", ".dat", ""};
    const std::string letters = "abcxyzABCXYZ019_";
    const auto kindOf = [](const std::string& name) {  // 1 image, 2 HTML document, 0 unknown
        const std::string tail = name.size() < 4 ? "" : name.substr(name.size() - 4);
        return tail == ".htm" ? 2 : tail == ".jpg" || tail == ".gif" ? 1 : 0;
    };
    const auto path = [](const std::string& name) { return kCache + "\\" + name; };
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
        const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
        MainFormHarness b;
        b.writeSettings(kBrowser, kCache);
        b.fs.addDirectory(kCache);
        Names folded;  // the file system ignores case
        for (const std::size_t files = below(16); folded.size() < files;) {
            std::string name;
            for (std::size_t n = 1 + below(5); n > 0; --n) name += letters[below(letters.size())];
            name += extensions[below(extensions.size())];
            if (!folded.insert(upperCase(name)).second) continue;
            b.fs.addFile(path(name), "content of " + name);
            FakeFileSystem::File& f = b.fs.file(path(name));
            f.readOnly = chance(0.15);
            f.locked = chance(0.1);
            f.hidden = chance(0.1);
        }
        b.load();
        const int switches[] = {0, static_cast<int>(below(3)), static_cast<int>(below(3))};  // by kind
        b.form.SetSwitch(Element::AO, switches[1]);
        b.form.SetSwitch(Element::BO, switches[2]);
        Strings listed;
        for (std::size_t i = 0; i < b.form.File1().count(); ++i) listed.push_back(b.form.File1().item(i));

        // Another program at work between the inventory and the clean step.
        Names vanished;
        for (const std::string& name : listed) {
            if (chance(0.1)) {
                b.fs.file(path(name)) = {};  // read-only or locked, it goes all the same
                b.fs.deleteFile(path(name));
                vanished.insert(name);
            } else if (chance(0.1)) {
                b.fs.file(path(name)).readOnly = true;
            }
        }
        if (chance(0.3)) b.fs.addFile(path("late" + std::to_string(seed) + ".jpg"), "late");
        const auto contents = [&] {
            std::map<std::string, std::string> found;
            for (const std::string& name : b.fs.filesIn(kCache)) found[name] = b.fs.file(path(name)).content;
            return found;
        };
        // Per kind, in list order: a vanished entry ends that kind's cleaning.
        auto expected = contents();
        for (int kind : {1, 2}) {
            for (const std::string& name : switches[kind] == 1 ? listed : Strings{}) {
                if (kindOf(name) != kind) continue;
                if (vanished.count(name)) break;
                const FakeFileSystem::File& f = b.fs.file(path(name));
                if (!f.readOnly && !f.locked) expected.erase(name);
            }
        }
        b.dialogs.answers = {mb::AnswerNo};
        b.form.Click(Element::cmdCleanExit);
        EXPECT_EQ(contents(), expected);
        EXPECT_EQ(b.boxCaptions(), Strings{"Job Done"});
        EXPECT_TRUE(b.writes().empty());
        EXPECT_FALSE(b.screen.ended);
    }
}

}  // namespace
}  // namespace tw::test
