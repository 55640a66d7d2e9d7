#include "main_form_fixture.h"

namespace tw::test {
namespace {

class CacheInventory : public MainFormTest {
protected:
    CacheInventory() {
        writeSettings(kBrowser, kCache);
        fs.addDirectory(kCache);
    }
    void add(const std::string& name, std::uint64_t length = 1) {
        fs.addFile(kCache + "\\" + name, "x");
        fs.file(kCache + "\\" + name).length = length;
    }
    void removeAll() {
        for (const std::string& name : fs.filesIn(kCache)) fs.deleteFile(kCache + "\\" + name);
    }
    int progressMax(Element bar) { return screen.at(bar).progressMax; }
    Strings counts() const {
        return {text(Element::TotalCount), text(Element::ImageCount), text(Element::HTMLCount), text(Element::XCount)};
    }
};

TEST_F(CacheInventory, CountsClassifiesMeasuresAndReportsInOrder) {
    // Sizes beyond 32 bits add up, every kind's length counts, and the
    // decimal separator is the user's.
    add("a.jpg", 4294967296ull);
    add("b.gif", 600);
    add("c.htm", 1000);
    add("d.html", 36);
    add("E.JPG", 500);
    add("f.b", 0);
    screen.separator = ",";
    load();

    const auto start = std::find(screen.calls.begin(), screen.calls.end(), "text Sbar Gathering information");
    EXPECT_EQ(Strings(start, screen.calls.end()),
              (Strings{"text Sbar Gathering information", "max ProgBar 6", "max ProgBar2 6", "text TotalCount 6",
                       "text ImageCount 2", "text HTMLCount 1", "text XCount 3", "text CacheSize 4294,969432",
                       "text CacheUnit MB", "text Sbar Ready"}));
    for (const auto& values : screen.progressValues) EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    EXPECT_EQ(Strings(form.ImageList.begin(), form.ImageList.begin() + 4), (Strings{"", "a.jpg", "b.gif", ""}));
    EXPECT_EQ(Strings(form.HTMLList.begin(), form.HTMLList.begin() + 3), (Strings{"", "c.htm", ""}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(CacheInventory, ListsNamesWithoutRegardToCaseAndALaterRunOverwritesFromIndexOne) {
    for (const char* name : {"banana.jpg", "Apple.jpg", "cherry.gif", "Date.gif", "eel.htm", "Fig.htm", "zz.jpg"})
        add(name);
    fs.file(kCache + "\\zz.jpg").hidden = true;
    load();
    EXPECT_EQ(counts(), (Strings{"6", "4", "2", "0"}));
    EXPECT_EQ(Strings(form.ImageList.begin() + 1, form.ImageList.begin() + 6),
              (Strings{"Apple.jpg", "banana.jpg", "cherry.gif", "Date.gif", ""}));
    EXPECT_EQ(Strings(form.HTMLList.begin() + 1, form.HTMLList.begin() + 3), (Strings{"eel.htm", "Fig.htm"}));
    // The lists are never cleared: the next run writes over them from index one.
    removeAll();
    add("z.gif");
    add("h.htm");
    load();
    EXPECT_EQ(counts(), (Strings{"2", "1", "1", "0"}));
    EXPECT_EQ(Strings(form.ImageList.begin() + 1, form.ImageList.begin() + 5),
              (Strings{"z.gif", "banana.jpg", "cherry.gif", "Date.gif"}));
    EXPECT_EQ(Strings(form.HTMLList.begin() + 1, form.HTMLList.begin() + 3), (Strings{"h.htm", "Fig.htm"}));
    EXPECT_EQ(progressMax(Element::ProgBar) + progressMax(Element::ProgBar2), 4);
}

TEST_F(CacheInventory, NothingToCountOrMeasureLeavesMaximaAndSizeFieldsAsTheyWere) {
    load();
    EXPECT_EQ(progressMax(Element::ProgBar) + progressMax(Element::ProgBar2), 200);
    add("a.jpg", 2000);
    add("b.dat", 0);
    load();
    removeAll();
    screen.progressValues[0].clear();
    load();
    EXPECT_EQ(counts(), (Strings{"0", "0", "0", "0"}));
    EXPECT_EQ(progressMax(Element::ProgBar) + progressMax(Element::ProgBar2), 4);
    EXPECT_EQ(screen.progressValues[0], std::vector<int>{0});
    EXPECT_EQ(text(Element::Sbar), "Ready");
    // Files that all have length zero: the size fields keep what they show.
    add("z.jpg", 0);
    load();
    screen.setText(Element::CacheSize, "7");
    screen.setText(Element::CacheUnit, "KB");
    form.CacheInformation(kCache + "\\");
    EXPECT_EQ(counts(), (Strings{"1", "1", "0", "0"}));
    EXPECT_EQ(text(Element::CacheSize) + " " + text(Element::CacheUnit), "7 KB");
}

TEST_F(CacheInventory, AThousandFilesOfAKindFitAndOneMoreAbandonsTheRun) {
    const std::pair<const char*, int> cases[] = {{".jpg", 1000}, {".gif", 1001}, {".htm", 1000}, {".htm", 1001}};
    for (const auto& [extension, files] : cases) {
        SCOPED_TRACE(extension + std::string(" x") + std::to_string(files));
        removeAll();
        for (int i = 0; i < files; ++i) add("f" + std::to_string(10000 + i) + extension);
        add("zz.txt");
        load();
        const bool images = std::string(extension) != ".htm", completes = files == 1000;
        const auto& list = images ? form.ImageList : form.HTMLList;
        EXPECT_EQ(list[1000], "f10999" + std::string(extension));
        const std::string n = completes ? "1000" : "", none = completes ? "0" : "";
        const std::string total = completes ? "1001" : "", unknown = completes ? "1" : "";
        EXPECT_EQ(counts(), (Strings{total, images ? n : none, images ? none : n, unknown}));
        EXPECT_EQ(text(Element::Sbar), completes ? "Ready" : "Gathering information");
        EXPECT_EQ(screen.at(Element::ProgBar).progressValue, completes ? 0 : 1000);
        EXPECT_EQ(screen.at(Element::ProgBar2).progressValue, completes ? 0 : 1000);
    }
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(CacheInventory, AFileThatVanishesBeforeItIsMeasuredAbandonsTheRunAndIsReported) {
    for (const char* name : {"a.jpg", "b.jpg", "c.htm"}) add(name, 10);
    fs.beforeLength = [this](const std::string& path) {
        if (path == kCache + "\\a.jpg") fs.deleteFile(kCache + "\\b.jpg");
    };
    load();
    EXPECT_EQ(form.ImageList[2], "b.jpg");
    EXPECT_EQ(form.ImageFiles * 10 + form.HTMLFiles, 20);
    EXPECT_EQ(counts(), (Strings{"", "", "", ""}));
    EXPECT_EQ(text(Element::CacheSize) + "|" + text(Element::Sbar), "|Gathering information");
    for (const auto& values : screen.progressValues) EXPECT_EQ(values, std::vector<int>{1});
    EXPECT_EQ(boxes(), Strings{"Tidewell 32|48|Err:53"});
    EXPECT_FALSE(visible(Element::Manual));
}

}  // namespace
}  // namespace tw::test
