#include "cache/cleaning.h"
#include "cache/size_text.h"
#include "main_form_fixture.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(SizeText, UsesDecimalUnitsAndShowsTheFraction) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {999, "999 Bytes"}, {1000, "1 KB"}, {1536, "1,536 KB"}, {999'999, "999,999 KB"}, {1'000'000, "1 MB"},
        {123'456'789, "123,456789 MB"}, {999'999'999'999'999, "999999999,999999 MB"},
    };
    for (const auto& [bytes, shown] : cases) {
        const auto text = sizeText(bytes, ",");
        EXPECT_EQ(text ? text->number + " " + text->unit : "nothing", shown);
    }
}

// The inventory counts what the listing showed: a file deleted since then
// counts with the length it was listed with.
TEST(Inventory, CountsAFileGoneSinceTheListingAsItWasListed) {
    MainFormHarness h;
    h.start({"a.jpg", "b.gif", "c.htm"});
    h.fs.deleteFile(kCache + "\\b.gif");
    h.screen.setText(Element::CacheSize, "");
    h.form.CacheInformation(kCache + "\\");
    EXPECT_EQ(h.counts(), (Strings{"3", "2", "1", "0"}));
    EXPECT_EQ(h.text(Element::CacheSize), "30");
}

// Whatever the list holds, nothing outside the cache directory and nothing
// of unknown type is deleted; a protected file stays, a missing one stops.
TEST(Cleaning, KeepsProtectedFilesStopsAtAMissingOneAndNeverLeavesTheList) {
    FakeFileSystem fs;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "f.jpg", "g.jpg", "z.txt", "Y.JPG"}) fs.addFile("C:\\C\\" + std::string(name));
    fs.file("C:\\C\\b.jpg").readOnly = true;
    fs.file("C:\\C\\c.jpg").locked = true;
    fs.addFile("C:\\OTHER\\o.jpg");
    const Strings listed = {"a.jpg", "", "b.jpg", "z.txt", "Y.JPG", "..\\OTHER\\o.jpg", "C:o.jpg", "c.jpg", "e.jpg", "f.jpg"};
    const CleaningReport report = cleanListed(fs, "C:\\C", listed, 100);
    EXPECT_EQ(report.deleted, Strings{"a.jpg"});
    EXPECT_EQ(report.kept, (Strings{"b.jpg", "c.jpg"}));
    EXPECT_EQ(report.stoppedAt, "e.jpg");
    EXPECT_EQ(fs.namesIn("C:\\C").size(), 6u);
    EXPECT_TRUE(fs.exists("C:\\OTHER\\o.jpg"));
    // The count bounds the work even when the list is longer.
    EXPECT_EQ(cleanListed(fs, "C:\\C", {"f.jpg", "g.jpg"}, 1).deleted, Strings{"f.jpg"});
    // Any failure but an access error stops, a directory gone since the inventory too.
    EXPECT_EQ(cleanListed(fs, "C:\\GONE", {"f.jpg", "g.jpg"}, 2).stoppedAt, "f.jpg");
}

}  // namespace
}  // namespace tw::test
