#include "cache/cleaning.h"
#include "cache/file_kind.h"
#include "cache/size_text.h"
#include "fake_file_system.h"
#include "ui/progress_units.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

using Strings = std::vector<std::string>;
const std::string kDir = "C:\\CACHE";

TEST(FileKind, OnlyTheExactLowerCaseEndingsAreImagesOrHtml) {
    const std::pair<const char*, FileKind> cases[] = {
        {"a.jpg", FileKind::Image}, {"b.gif", FileKind::Image},   {"c.htm", FileKind::HtmlDocument},
        {"d.html", FileKind::Unknown}, {"E.JPG", FileKind::Unknown}, {".gif", FileKind::Image},
        {"x.Gif", FileKind::Unknown}, {"jpg", FileKind::Unknown},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(classify(kDir + "\\", name), kind) << name;
    // A short name's tail reaches into the directory, which ends in a backslash.
    EXPECT_EQ(classify("C:\\X.jpg\\", "a"), FileKind::Unknown);
    for (const char* name : {"..\\a.jpg", "C:a.gif", "*.jpg", "", "x.txt"}) EXPECT_FALSE(isCleanableName(name)) << name;
}

TEST(SizeText, UsesDecimalUnitsAndShowsTheFraction) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {999, "999 Bytes"},         {1000, "1 KB"},     {1536, "1,536 KB"},       {999'999, "999,999 KB"},
        {1'000'000, "1 MB"},        {123'456'789, "123,456789 MB"}, {4'294'969'432, "4294,969432 MB"},
        {999'999'999'999'999, "999999999,999999 MB"},
    };
    for (const auto& [bytes, shown] : cases) {
        const auto text = sizeText(bytes, ",");
        ASSERT_TRUE(text) << bytes;
        EXPECT_EQ(text->number + " " + text->unit, shown);
    }
    EXPECT_FALSE(sizeText(0, "."));
}

// Beyond an int a bar counts in scaled units, never wrapped ones.
TEST(Progress, ScalesCountsBeyondTheBarsRange) {
    const std::size_t huge = 3'000'000'000u;
    EXPECT_GT(progressUnits(huge, huge), progressUnits(huge / 2, huge));
    EXPECT_GT(progressUnits(huge / 2, huge), 0);
}

TEST(Cleaning, KeepsProtectedFilesStopsAtAMissingOneAndNeverLeavesTheList) {
    FakeFileSystem fs;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "f.jpg", "g.jpg", "z.txt"}) fs.addFile(kDir + "\\" + name);
    fs.file(kDir + "\\b.jpg").readOnly = true;
    fs.file(kDir + "\\c.jpg").locked = true;
    fs.addFile("C:\\OTHER\\o.jpg");
    const Strings listed = {"a.jpg", "", "b.jpg", "z.txt", "..\\OTHER\\o.jpg", "c.jpg", "e.jpg", "f.jpg", "g.jpg"};
    const CleaningReport report = cleanListed(fs, kDir, listed, 100);
    EXPECT_EQ(report.deleted, Strings{"a.jpg"});
    EXPECT_EQ(report.kept, (Strings{"b.jpg", "c.jpg"}));
    EXPECT_EQ(report.stoppedAt, "e.jpg");
    EXPECT_TRUE(fs.exists("C:\\OTHER\\o.jpg") && fs.exists(kDir + "\\f.jpg"));
    // The count bounds the work even when the list is longer.
    EXPECT_EQ(cleanListed(fs, kDir, {"f.jpg", "g.jpg"}, 1).deleted, Strings{"f.jpg"});
}

}  // namespace
}  // namespace tw::test
