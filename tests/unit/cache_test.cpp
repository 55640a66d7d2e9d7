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

// The count bounds the work even when the list is longer; a name that leads
// out of the cache directory, or of no kind that is cleaned, is never
// deleted; a directory gone since the inventory stops the cleaning.
TEST(Cleaning, StopsAtTheCountNeverLeavesTheDirectoryAndStopsWhenItIsGone) {
    FakeFileSystem fs;
    for (const char* path : {"C:\\C\\f.jpg", "C:\\C\\g.jpg", "C:\\C\\z.txt", "C:\\OTHER\\o.jpg"}) fs.addFile(path);
    EXPECT_EQ(cleanListed(fs, "C:\\C", {"..\\OTHER\\o.jpg", "z.txt", "f.jpg", "g.jpg"}, 3).deleted, Strings{"f.jpg"});
    EXPECT_TRUE(fs.exists("C:\\OTHER\\o.jpg") && fs.exists("C:\\C\\z.txt") && fs.exists("C:\\C\\g.jpg"));
    EXPECT_EQ(cleanListed(fs, "C:\\GONE", {"g.jpg"}, 1).stoppedAt, "g.jpg");
}

}  // namespace
}  // namespace tw::test
