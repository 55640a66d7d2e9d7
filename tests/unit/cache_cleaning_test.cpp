#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_screen.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tw::test {
namespace {

const std::string kCache = "C:\\NETSCAPE\\CACHE";

// A main window over an in-memory cache directory, prepared the way the
// program prepares itself: settings files in its own directory, then Load.
struct Bench {
    explicit Bench(const std::string& cacheDir = kCache) : dir(cacheDir) {
        fs.addFile(fs.programDir + "\\user.ini", "\"C:\\NETSCAPE\\NETSCAPE.EXE\"\r\n");
        fs.addFile(fs.programDir + "\\tidew.ini", dir + "\r\n1\r\n1\r\n0\r\n");
        fs.addDirectory(dir);
    }

    std::string path(const std::string& name) const { return dir + "\\" + name; }
    void add(const std::string& name) { fs.addFile(path(name), "content of " + name); }
    bool has(const std::string& name) const { return fs.exists(path(name)); }

    // The files of the directory that are left, in no particular order.
    std::set<std::string> left() const {
        std::set<std::string> names;
        for (const std::string& n : fs.filesIn(dir)) names.insert(n);
        return names;
    }

    // The clean step as the user reaches it, declining to exit afterwards.
    void cleanAndStay() {
        dialogs.answers = {mb::AnswerNo};
        form.Click(Element::cmdCleanExit);
    }

    std::string dir;
    FakeScreen screen;
    FakeFileSystem fs;
    FakeDialogs dialogs;
    FakeProcessStarter processes;
    frmTidewell form{screen, fs, dialogs, processes};
};

const std::vector<std::string> kMixed = {"a.jpg", "b.gif", "c.htm", "d.html", "E.JPG", "f.Gif", "g.txt", "noext"};

TEST(CacheCleaning, TheSwitchesDecideWhichKindsGoAndUnknownTypesAlwaysStay) {
    struct Case {
        int images;
        int html;
        std::set<std::string> gone;
    };
    const Case cases[] = {
        {1, 1, {"a.jpg", "b.gif", "c.htm"}},
        {1, 0, {"a.jpg", "b.gif"}},
        {0, 1, {"c.htm"}},
        {0, 0, {}},
        {2, 1, {"c.htm"}},
        {1, 2, {"a.jpg", "b.gif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("AO " + std::to_string(c.images) + ", BO " + std::to_string(c.html));
        Bench b;
        for (const std::string& name : kMixed) b.add(name);
        b.form.Load();
        b.form.SetSwitch(Element::AO, c.images);
        b.form.SetSwitch(Element::BO, c.html);
        b.cleanAndStay();

        for (const std::string& name : kMixed) EXPECT_EQ(b.has(name), c.gone.count(name) == 0) << name;
        // The inventory's numbers stay on show after cleaning.
        EXPECT_EQ(b.screen.text(Element::TotalCount), "8");
        EXPECT_EQ(b.screen.text(Element::ImageCount), "2");
        ASSERT_EQ(b.dialogs.boxes.size(), 1u);
        EXPECT_EQ(b.dialogs.boxes[0].text, "Cleaning Done.  OK to Exit?");
        EXPECT_FALSE(b.screen.ended);
    }
}

TEST(CacheCleaning, TheCountFieldSaysHowManyEntriesAreProcessed) {
    struct Case {
        const char* count;
        std::set<std::string> left;
    };
    const Case cases[] = {
        {"", {"a.jpg", "b.jpg", "c.jpg"}},
        {"0", {"a.jpg", "b.jpg", "c.jpg"}},
        {"abc", {"a.jpg", "b.jpg", "c.jpg"}},
        {"-2", {"a.jpg", "b.jpg", "c.jpg"}},
        {"1", {"b.jpg", "c.jpg"}},
        {" 2", {"c.jpg"}},
        {"2 files", {"c.jpg"}},
        {"3", {}},
        // Beyond the list's last index: everything listed goes, then it stops quietly.
        {"5000", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.count + "'");
        Bench b;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) b.add(name);
        b.form.Load();
        b.screen.setText(Element::ImageCount, c.count);
        b.form.CleanImages();
        EXPECT_EQ(b.left(), c.left);
    }
}

TEST(CacheCleaning, ReadOnlyAndLockedFilesStayAndTheRestAreStillDeleted) {
    Bench b;
    for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm"}) b.add(name);
    b.form.Load();
    b.fs.file(b.path("b.htm")).readOnly = true;
    b.fs.file(b.path("c.htm")).locked = true;
    b.form.CleanHTML();
    EXPECT_EQ(b.left(), (std::set<std::string>{"b.htm", "c.htm"}));
}

TEST(CacheCleaning, AMissingFileEndsThatKindButTheOtherKindIsStillCleaned) {
    Bench b;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "x.htm", "y.htm"}) b.add(name);
    b.form.Load();
    b.fs.deleteFile(b.path("b.jpg"));
    b.cleanAndStay();

    EXPECT_EQ(b.left(), std::set<std::string>{"c.jpg"});
    ASSERT_EQ(b.dialogs.boxes.size(), 1u);  // no word about the missing file
    EXPECT_EQ(b.dialogs.boxes[0].text, "Cleaning Done.  OK to Exit?");
}

TEST(CacheCleaning, ASecondRunStopsAtItsFirstEntry) {
    Bench b;
    for (const char* name : {"a.gif", "b.gif"}) b.add(name);
    b.form.Load();
    b.form.CleanImages();
    ASSERT_TRUE(b.left().empty());
    // Back under a listed name, but after an entry that is now missing.
    b.add("b.gif");
    b.form.CleanImages();
    EXPECT_TRUE(b.has("b.gif"));
}

TEST(CacheCleaning, ADriveRootDirectoryIsJoinedWithOneBackslash) {
    Bench b("C:");
    b.add("a.jpg");
    b.add("z.txt");
    b.form.Load();
    ASSERT_EQ(b.screen.text(Element::CacheDir), "C:");
    b.form.CleanImages();
    EXPECT_FALSE(b.fs.exists("C:\\a.jpg"));
    EXPECT_TRUE(b.fs.exists("C:\\z.txt"));
    EXPECT_NE(std::find(b.fs.log.begin(), b.fs.log.end(), "delete C:\\a.jpg"), b.fs.log.end());
}

TEST(CacheCleaning, EmptyAndForeignEntriesAreSkippedWithoutEndingTheLoop) {
    Bench b;
    for (const char* name : {"a.jpg", "b.jpg", "x.txt", "Y.JPG"}) b.add(name);
    b.fs.addFile("C:\\NETSCAPE\\OTHER\\o.jpg", "keep");
    b.form.Load();
    b.form.ImageList[1] = "a.jpg";
    b.form.ImageList[2] = "";
    b.form.ImageList[3] = "x.txt";
    b.form.ImageList[4] = "Y.JPG";
    b.form.ImageList[5] = "..\\OTHER\\o.jpg";
    b.form.ImageList[6] = "b.jpg";
    b.screen.setText(Element::ImageCount, "6");
    const std::size_t logged = b.fs.log.size();
    b.form.CleanImages();

    EXPECT_EQ(b.left(), (std::set<std::string>{"x.txt", "Y.JPG"}));
    EXPECT_TRUE(b.fs.exists("C:\\NETSCAPE\\OTHER\\o.jpg"));
    const std::vector<std::string> deletions(b.fs.log.begin() + static_cast<std::ptrdiff_t>(logged), b.fs.log.end());
    EXPECT_EQ(deletions, (std::vector<std::string>{"delete " + b.path("a.jpg"), "delete " + b.path("b.jpg")}));
}

// Random directories, switches and interference between the inventory and
// the clean step; the outcome must be exactly what the rules allow.
TEST(CacheCleaning, DeletesExactlyTheAllowedFilesWhateverHappensBetweenInventoryAndCleaning) {
    const std::vector<std::string> extensions = {".jpg", ".gif", ".htm", ".JPG", ".html", ".txt", ".dat", ""};
    const std::string letters = "abcxyzABCXYZ019_";

    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; };
        const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };

        Bench b;
        std::set<std::string> folded;  // the file system ignores case
        const std::size_t files = below(16);
        while (folded.size() < files) {
            std::string name;
            for (std::size_t n = 1 + below(5); n > 0; --n) name += letters[below(letters.size())];
            name += extensions[below(extensions.size())];
            std::string key = name;
            std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
            if (!folded.insert(key).second) continue;
            b.add(name);
            FakeFileSystem::File& f = b.fs.file(b.path(name));
            f.readOnly = chance(0.15);
            f.locked = chance(0.1);
            f.hidden = chance(0.1);
        }
        b.form.Load();
        const int images = static_cast<int>(below(3)), html = static_cast<int>(below(3));
        b.form.SetSwitch(Element::AO, images);
        b.form.SetSwitch(Element::BO, html);

        std::vector<std::string> listed;
        for (std::size_t i = 0; i < b.form.File1().count(); ++i) listed.push_back(b.form.File1().item(i));

        // Another program at work between the inventory and the clean step.
        std::set<std::string> vanished;
        for (const std::string& name : listed) {
            if (chance(0.1)) {
                b.fs.file(b.path(name)) = {};
                b.fs.deleteFile(b.path(name));
                vanished.insert(name);
            } else if (chance(0.1)) {
                b.fs.file(b.path(name)).readOnly = true;
            }
        }
        if (chance(0.3)) b.add("late" + std::to_string(seed) + ".jpg");

        std::map<std::string, std::string> before;
        for (const std::string& name : b.fs.filesIn(b.dir)) before[name] = b.fs.file(b.path(name)).content;

        std::set<std::string> expectedGone;
        const auto expectKind = [&](int switchValue, auto isKind) {
            if (switchValue != 1) return;
            for (const std::string& name : listed) {
                if (!isKind(name)) continue;
                if (vanished.count(name)) return;
                const FakeFileSystem::File& f = b.fs.file(b.path(name));
                if (!f.readOnly && !f.locked) expectedGone.insert(name);
            }
        };
        const auto endsIn = [](const std::string& name, const char* tail) {
            return name.size() >= 4 && name.compare(name.size() - 4, 4, tail) == 0;
        };
        expectKind(images, [&](const std::string& n) { return endsIn(n, ".jpg") || endsIn(n, ".gif"); });
        expectKind(html, [&](const std::string& n) { return endsIn(n, ".htm"); });

        b.cleanAndStay();

        for (const auto& [name, content] : before) {
            SCOPED_TRACE(name);
            if (expectedGone.count(name)) {
                EXPECT_FALSE(b.has(name));
            } else {
                ASSERT_TRUE(b.has(name));
                EXPECT_EQ(b.fs.file(b.path(name)).content, content);
            }
        }
        EXPECT_EQ(b.left().size(), before.size() - expectedGone.size());
        EXPECT_EQ(b.dialogs.boxes.size(), 1u);
        EXPECT_FALSE(b.screen.ended);
    }
}

}  // namespace
}  // namespace tw::test
