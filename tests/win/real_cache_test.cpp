#include "cache/cleaning.h"
#include "cache/file_list.h"
#include "cache/inventory.h"
#include "platform/win32/file_system_win.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace tw::test {
namespace {

struct Quiet : InventoryProgress {
    void begin(std::size_t) override {}
    void advance(std::size_t) override {}
    void end() override {}
};

// A cache of today, which the test run lays down natively (under Wine making
// it would take minutes): more files than a 16-bit counter holds, and more
// than a thousand of each kind that is cleaned.
TEST(RealCache, CountsAndCleansTensOfThousandsOfFiles) {
    const char* unixPath = std::getenv("TW_BIG_CACHE");
    ASSERT_NE(unixPath, nullptr) << "TW_BIG_CACHE names the folder the run made";
    std::string directory = std::string("Z:") + unixPath;
    std::replace(directory.begin(), directory.end(), '/', '\\');
    win::Win32FileSystem fs;
    FileList file1(fs);
    file1.setPath(directory);
    Quiet quiet;
    const Inventory found = takeInventory(fs, directory + "\\", file1.items(), quiet);
    EXPECT_EQ(found.total, 33002u);
    EXPECT_EQ(found.images.size(), 1001u);
    EXPECT_EQ(found.html.size(), 1001u);
    EXPECT_EQ(found.bytes, 2u * found.total);
    EXPECT_EQ(cleanListed(fs, directory, found.images, found.images.size()).deleted.size(), found.images.size());
    EXPECT_EQ(cleanListed(fs, directory, found.html, found.html.size()).deleted.size(), found.html.size());
    EXPECT_EQ(fs.listFiles(directory).size(), 31000u);
}

// An open search holds its directory: it could not be removed.
TEST(RealCache, ASearchIsClosedWhenItsVisitorFails) {
    TempFolder folder;
    folder.makeDirectory("cache");
    writeFile(folder.at("cache\\a.jpg"), "");
    EXPECT_THROW(win::forEachEntry(folder.at("cache"), [](const WIN32_FIND_DATAW&) { throw std::bad_alloc(); }),
                 std::bad_alloc);
    DeleteFileW(unlimited(folder.at("cache\\a.jpg")).c_str());
    EXPECT_TRUE(RemoveDirectoryW(unlimited(folder.at("cache")).c_str())) << GetLastError();
}

}  // namespace
}  // namespace tw::test
