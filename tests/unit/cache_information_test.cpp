#include "fake_dialogs.h"
#include "fake_file_system.h"
#include "fake_screen.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tw::test {
namespace {

// Reports a directory's names in reverse order, so that the order of the
// inventory can only come from the file list's own sorting.
class ReversingFileSystem : public FakeFileSystem {
public:
    std::vector<std::string> listFiles(std::string_view directory) override {
        std::vector<std::string> names = FakeFileSystem::listFiles(directory);
        std::reverse(names.begin(), names.end());
        return names;
    }
};

const std::string kCache = "C:\\NETSCAPE\\CACHE";

class CacheInventory : public ::testing::Test {
protected:
    void SetUp() override {
        fs.addFile(fs.programDir + "\\user.ini", "\"C:\\NETSCAPE\\NETSCAPE.EXE\"\r\n");
        fs.addFile(fs.programDir + "\\tidew.ini", kCache + "\r\n1\r\n1\r\n0\r\n");
        fs.addDirectory(kCache);
    }

    void add(const std::string& name, std::uint64_t length = 1) {
        fs.addFile(kCache + "\\" + name, "x");
        fs.file(kCache + "\\" + name).length = length;
    }
    void remove(const std::string& name) { fs.deleteFile(kCache + "\\" + name); }

    std::string text(Element e) const { return screen.text(e); }

    // What the inventory wrote to the screen, from its first status text on.
    std::vector<std::string> callsFromGathering() const {
        const auto start = std::find(screen.calls.begin(), screen.calls.end(), "text Sbar Gathering information");
        return {start, screen.calls.end()};
    }

    FakeScreen screen;
    ReversingFileSystem fs;
    FakeDialogs dialogs;
    FakeProcessStarter processes;
    frmTidewell form{screen, fs, dialogs, processes};
};

TEST_F(CacheInventory, CountsClassifiesMeasuresAndReportsInOrder) {
    add("a.jpg", 400);
    add("b.gif", 600);
    add("c.htm", 1000);
    add("d.html", 36);
    add("E.JPG", 500);
    add("f.b", 0);
    form.Load();

    const std::vector<std::string> expected = {
        "text Sbar Gathering information",
        "max ProgBar 6",
        "max ProgBar2 6",
        "text TotalCount 6",
        "text ImageCount 2",
        "text HTMLCount 1",
        "text XCount 3",
        "text CacheSize 2.536",
        "text CacheUnit KB",
        "text Sbar Ready",
    };
    EXPECT_EQ(callsFromGathering(), expected);
    const std::vector<int> progress = {1, 2, 3, 4, 5, 6, 0};
    EXPECT_EQ(screen.progressValues[0], progress);
    EXPECT_EQ(screen.progressValues[1], progress);
    EXPECT_EQ(screen.at(Element::ProgBar).progressMax, 6);
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 6);

    EXPECT_EQ(form.TotalFiles, 6);
    EXPECT_EQ(form.ImageFiles, 2);
    EXPECT_EQ(form.HTMLFiles, 1);
    EXPECT_EQ(form.ImageList[0], "");
    EXPECT_EQ(form.ImageList[1], "a.jpg");
    EXPECT_EQ(form.ImageList[2], "b.gif");
    EXPECT_EQ(form.ImageList[3], "");
    EXPECT_EQ(form.HTMLList[1], "c.htm");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(CacheInventory, ListsNamesSortedWithoutRegardToCaseAndLeavesHiddenFilesOut) {
    for (const char* name : {"banana.jpg", "Apple.jpg", "cherry.gif", "Date.gif", "eel.htm", "Fig.htm", "zz.jpg"})
        add(name);
    fs.file(kCache + "\\zz.jpg").hidden = true;
    form.Load();

    EXPECT_EQ(text(Element::TotalCount), "6");
    EXPECT_EQ(text(Element::ImageCount), "4");
    const std::vector<std::string> images(form.ImageList.begin() + 1, form.ImageList.begin() + 5);
    EXPECT_EQ(images, (std::vector<std::string>{"Apple.jpg", "banana.jpg", "cherry.gif", "Date.gif"}));
    EXPECT_EQ(form.HTMLList[1], "eel.htm");
    EXPECT_EQ(form.HTMLList[2], "Fig.htm");
    EXPECT_EQ(form.ImageList[5], "");
}

TEST_F(CacheInventory, ALaterRunOverwritesFromIndexOneAndKeepsHigherEntries) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "h1.htm", "h2.htm"}) add(name);
    form.Load();
    ASSERT_EQ(text(Element::ImageCount), "3");

    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "h1.htm"}) remove(name);
    add("z.gif");
    form.Load();

    EXPECT_EQ(text(Element::TotalCount), "2");
    EXPECT_EQ(text(Element::ImageCount), "1");
    EXPECT_EQ(text(Element::HTMLCount), "1");
    EXPECT_EQ(form.ImageList[1], "z.gif");
    EXPECT_EQ(form.ImageList[2], "b.jpg");
    EXPECT_EQ(form.ImageList[3], "c.jpg");
    EXPECT_EQ(form.HTMLList[1], "h2.htm");
    EXPECT_EQ(form.HTMLList[2], "h2.htm");
    EXPECT_EQ(screen.at(Element::ProgBar).progressMax, 2);
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 2);
}

TEST_F(CacheInventory, EmptyDirectoryShowsZeroCountsAndLeavesSizeAndMaximaAlone) {
    // First with nothing before it, then after a run that set the maxima.
    form.Load();
    EXPECT_EQ(screen.at(Element::ProgBar).progressMax, 100);
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 100);

    add("a.jpg", 2000);
    add("b.dat", 0);
    form.Load();
    ASSERT_EQ(text(Element::CacheSize), "2");
    remove("a.jpg");
    remove("b.dat");
    screen.progressValues[0].clear();
    screen.progressValues[1].clear();
    form.Load();

    for (Element count : {Element::TotalCount, Element::ImageCount, Element::HTMLCount, Element::XCount})
        EXPECT_EQ(text(count), "0");
    // The load reaction empties the size fields; the inventory writes nothing there.
    EXPECT_EQ(text(Element::CacheSize), "");
    EXPECT_EQ(text(Element::CacheUnit), "");
    EXPECT_EQ(screen.at(Element::ProgBar).progressMax, 2);
    EXPECT_EQ(screen.at(Element::ProgBar2).progressMax, 2);
    EXPECT_EQ(screen.progressValues[0], std::vector<int>{0});
    EXPECT_EQ(screen.progressValues[1], std::vector<int>{0});
    EXPECT_EQ(text(Element::Sbar), "Ready");
}

TEST_F(CacheInventory, ShowsTheTotalSizeOfAllFilesInDecimalUnits) {
    struct Case {
        std::vector<std::uint64_t> lengths;
        const char* separator;
        const char* size;
        const char* unit;
    };
    const Case cases[] = {
        {{400, 600}, ".", "1", "KB"},
        {{400, 599}, ".", "999", "Bytes"},
        {{0, 0}, ".", "", ""},
        {{1536}, ",", "1,536", "KB"},
        {{123456789}, ".", "123.456789", "MB"},
        {{5ull << 30, 3ull << 30}, ".", "8589.934592", "MB"},
        {{1ull << 62, 1ull << 62}, ".", "9223372036854.78", "MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.unit);
        for (const std::string& name : fs.filesIn(kCache)) remove(name);
        // One file of each kind, so that every kind's length is counted.
        const char* names[] = {"a.jpg", "b.htm", "c.txt"};
        for (std::size_t i = 0; i < c.lengths.size(); ++i) add(names[i], c.lengths[i]);
        screen.separator = c.separator;
        form.Load();
        EXPECT_EQ(text(Element::CacheSize), c.size);
        EXPECT_EQ(text(Element::CacheUnit), c.unit);
    }
}

TEST_F(CacheInventory, ARunOverFilesOfLengthZeroLeavesTheSizeFieldsAsTheyWere) {
    add("a.jpg", 0);
    form.Load();
    screen.setText(Element::CacheSize, "7");
    screen.setText(Element::CacheUnit, "KB");
    form.CacheInformation(kCache + "\\");
    EXPECT_EQ(text(Element::TotalCount), "1");
    EXPECT_EQ(text(Element::CacheSize), "7");
    EXPECT_EQ(text(Element::CacheUnit), "KB");
}

TEST_F(CacheInventory, AThousandFilesOfAKindFitAndOneMoreAbandonsTheRun) {
    struct Case {
        const char* extension;
        int files;
        bool completes;
    };
    const Case cases[] = {{".jpg", 1000, true}, {".gif", 1001, false}, {".htm", 1000, true}, {".htm", 1001, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.extension) + " x" + std::to_string(c.files));
        for (const std::string& name : fs.filesIn(kCache)) remove(name);
        screen.progressValues[0].clear();
        for (int i = 0; i < c.files; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "f%04d", i);
            add(name + std::string(c.extension));
        }
        add("zz.txt");
        form.Load();

        const bool images = std::string(c.extension) != ".htm";
        const auto& list = images ? form.ImageList : form.HTMLList;
        EXPECT_EQ(list[1], "f0000" + std::string(c.extension));
        EXPECT_EQ(list[1000], "f0999" + std::string(c.extension));
        if (c.completes) {
            EXPECT_EQ(text(Element::TotalCount), std::to_string(c.files + 1));
            EXPECT_EQ(text(images ? Element::ImageCount : Element::HTMLCount), "1000");
            EXPECT_EQ(text(Element::Sbar), "Ready");
            EXPECT_EQ(screen.progressValues[0].back(), 0);
        } else {
            EXPECT_EQ(text(Element::TotalCount), "");
            EXPECT_EQ(text(Element::ImageCount), "");
            EXPECT_EQ(text(Element::HTMLCount), "");
            EXPECT_EQ(text(Element::Sbar), "Gathering information");
            EXPECT_EQ(screen.progressValues[0].back(), 1000);
            EXPECT_EQ(screen.at(Element::ProgBar2).progressValue, 1000);
        }
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(CacheInventory, AFileThatVanishesBeforeItIsMeasuredAbandonsTheRun) {
    add("a.jpg", 10);
    add("b.jpg", 10);
    add("c.htm", 10);
    fs.beforeLength = [this](const std::string& path) {
        if (path == kCache + "\\a.jpg") remove("b.jpg");
    };
    form.Load();

    EXPECT_EQ(form.ImageFiles, 2);
    EXPECT_EQ(form.ImageList[2], "b.jpg");
    EXPECT_EQ(form.HTMLFiles, 0);
    EXPECT_EQ(text(Element::TotalCount), "");
    EXPECT_EQ(text(Element::ImageCount), "");
    EXPECT_EQ(text(Element::CacheSize), "");
    EXPECT_EQ(text(Element::Sbar), "Gathering information");
    EXPECT_EQ(screen.progressValues[0], std::vector<int>{1});
    EXPECT_EQ(screen.progressValues[1], std::vector<int>{1});
    // The failure reaches the caller, which names its number.
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("53"), std::string::npos);
}

}  // namespace
}  // namespace tw::test
