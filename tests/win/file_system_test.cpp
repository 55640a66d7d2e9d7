// The Win32 file layer on real files: the classic failure numbers, what is
// listed, and settings files replaced whole in the ANSI code page. Names and
// sizes at the edges are exercised through the program in cache_on_disk_test.
#include "platform/runtime_error.h"
#include "platform/win32/file_system_win.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using Names = std::vector<std::string>;

int failureNumber(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

class FileSystem : public ::testing::Test {
protected:
    std::string at(const std::string& name) const { return folder_.at(name); }
    Names files() { return sorted(fs_.listFiles(folder_.root())); }

    TempFolder folder_;
    win::Win32FileSystem fs_;
};

TEST_F(FileSystem, FailuresCarryTheClassicNumbers) {
    writeFile(at("file.txt"), "x");
    writeFile(at("readonly.jpg"), "r", FILE_ATTRIBUTE_READONLY);
    writeFile(at("locked.gif"), "l");
    folder_.makeDirectory("folder.htm");
    const HANDLE lock = lockFile(at("locked.gif"));
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const std::string missing = at("missing.txt"), inMissing = at("nowhere\\file.txt");
    struct Case {
        const char* what;
        std::function<void()> operation;
        int number;
    };
    const Case cases[] = {
        {"length of missing file", [&] { fs_.fileLength(missing); }, 53},
        {"read missing file", [&] { fs_.readTextFile(missing); }, 53},
        {"delete missing file", [&] { fs_.deleteFile(missing); }, 53},
        {"length in missing folder", [&] { fs_.fileLength(inMissing); }, 76},
        {"read in missing folder", [&] { fs_.readTextFile(inMissing); }, 76},
        {"delete in missing folder", [&] { fs_.deleteFile(inMissing); }, 76},
        {"replace in missing folder", [&] { fs_.replaceTextFile(inMissing, "a"); }, 76},
        {"create in missing folder", [&] { fs_.createEmptyFile(inMissing); }, 76},
        {"list files of missing folder", [&] { fs_.listFiles(at("nowhere")); }, 76},
        {"list files of a file", [&] { fs_.listFiles(at("file.txt")); }, 76},
        {"file used as folder", [&] { fs_.readTextFile(at("file.txt\\inner.txt")); }, 76},
        {"name with wildcard", [&] { fs_.createEmptyFile(at("a?b.txt")); }, 52},
        {"name with angle bracket", [&] { fs_.replaceTextFile(at("a<b.txt"), "x"); }, 52},
        // Cleaning skips these two and goes on.
        {"delete read-only file", [&] { fs_.deleteFile(at("readonly.jpg")); }, 75},
        {"delete locked file", [&] { fs_.deleteFile(at("locked.gif")); }, 75},
    };
    for (const Case& c : cases) EXPECT_EQ(failureNumber(c.operation), c.number) << c.what;
    EXPECT_NE(failureNumber([&] { fs_.deleteFile(at("folder.htm")); }), 0);
    CloseHandle(lock);
    EXPECT_EQ(headOf(at("readonly.jpg")), "r");
    EXPECT_EQ(headOf(at("locked.gif")), "l");
    EXPECT_EQ(files(), (Names{"file.txt", "locked.gif", "readonly.jpg"}));
    EXPECT_EQ(fs_.listDirectories(folder_.root()), Names{"folder.htm"});
}

TEST_F(FileSystem, ListsOnlyOrdinaryFilesAndSeparatelyTheFolders) {
    writeFile(at("plain.jpg"), "p");
    writeFile(at("readonly.gif"), "r", FILE_ATTRIBUTE_READONLY);
    writeFile(at("archive.htm"), "a", FILE_ATTRIBUTE_ARCHIVE);
    writeFile(at("hidden.jpg"), "h", FILE_ATTRIBUTE_HIDDEN);
    writeFile(at("system.gif"), "s", FILE_ATTRIBUTE_SYSTEM);
    writeFile(at("both.htm"), "b", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder_.makeDirectory("sub.jpg");
    folder_.makeDirectory("Other Folder");
    writeFile(at("sub.jpg\\inner.jpg"), "i");

    const Names listed{"archive.htm", "plain.jpg", "readonly.gif"};
    EXPECT_EQ(files(), listed);
    EXPECT_EQ(sorted(fs_.listFiles(folder_.root() + "\\")), listed);
    EXPECT_EQ(sorted(fs_.listDirectories(folder_.root())), (Names{"Other Folder", "sub.jpg"}));
    EXPECT_EQ(fs_.listFiles(at("Other Folder")), Names{});
    EXPECT_EQ(fs_.listDirectories(at("Other Folder")), Names{});
    for (const char* name : {"plain.jpg", "hidden.jpg", "both.htm"}) EXPECT_TRUE(fs_.fileExists(at(name))) << name;
    for (const char* name : {"sub.jpg", "missing.jpg", "nowhere\\x.jpg"})
        EXPECT_FALSE(fs_.fileExists(at(name))) << name;
}

// Long names and folders reach the rest of the layer through the program in
// cache_on_disk_test; here, settings files and a folder kept with its
// trailing backslash and joined with one more.
TEST_F(FileSystem, PathsBeyondTheClassicLimitWorkThroughout) {
    std::string folder = folder_.root();
    while (folder.size() < 300) {
        folder += "\\" + std::string(40, 'd');
        ASSERT_TRUE(CreateDirectoryW(unlimited(folder).c_str(), nullptr));
    }
    const std::string name = std::string(200, 'n') + ".ini";
    fs_.replaceTextFile(folder + "\\" + name, "new\r\n");
    EXPECT_EQ(fs_.readTextFile(folder + "\\" + name), "new\r\n");
    EXPECT_EQ(fs_.fileLength(folder + "\\\\" + name), 5u);
    EXPECT_EQ(fs_.listFiles(folder + "\\"), Names{name});
    EXPECT_NO_THROW(fs_.deleteFile(folder + "\\\\" + name));
    EXPECT_EQ(fs_.listFiles(folder), Names{});
}

TEST_F(FileSystem, SettingsFilesAreAnsiOnDiskAndUtf8InTheProgram) {
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
    writeFile(at("tidew.ini"), std::string(5000, 'o'));
    fs_.replaceTextFile(at("tidew.ini"), "\"C:\\caf\xC3\xA9\"\r\n1\r\n0\nx\r");
    EXPECT_EQ(headOf(at("tidew.ini")), "\"C:\\caf\xE9\"\r\n1\r\n0\nx\r");
    fs_.replaceTextFile(at("user.ini"), "\xE2\x82\xAC\r\n");
    EXPECT_EQ(headOf(at("user.ini")), "\x80\r\n");
    fs_.replaceTextFile(at("tidew.ini"), "");
    EXPECT_EQ(headOf(at("tidew.ini")), "");
    EXPECT_EQ(files(), (Names{"tidew.ini", "user.ini"}));

    writeFile(at("user.ini"), "\"C:\\Caf\xE9\\\x80\"\r\n");
    EXPECT_EQ(fs_.readTextFile(at("user.ini")), "\"C:\\Caf\xC3\xA9\\\xE2\x82\xAC\"\r\n");
    std::string big;
    for (int i = 0; big.size() < 200'000; ++i) big += std::to_string(i) + "\r\n";
    writeFile(at("big.ini"), big);
    EXPECT_EQ(fs_.readTextFile(at("big.ini")), big);
}

TEST_F(FileSystem, AFailedReplaceKeepsTheOldContentAndLeavesNoTemporaryFile) {
    writeFile(at("readonly.ini"), "old\r\n", FILE_ATTRIBUTE_READONLY);
    writeFile(at("locked.ini"), "old\r\n");
    writeFile(at("user.ini"), "old\r\n");
    folder_.makeDirectory("folder.ini");
    const HANDLE lock = lockFile(at("locked.ini"));
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (const char* name : {"readonly.ini", "locked.ini", "folder.ini"})
        EXPECT_EQ(failureNumber([&] { fs_.replaceTextFile(at(name), "new\r\n"); }), 75) << name;
    CloseHandle(lock);
    // Text the ANSI code page cannot hold.
    const std::string greek = "\xCE\xB1\xCE\xB2";
    EXPECT_NE(failureNumber([&] { fs_.replaceTextFile(at("user.ini"), "C:\\" + greek + "\r\n"); }), 0);
    EXPECT_NE(failureNumber([&] { fs_.replaceTextFile(at("fresh.ini"), greek); }), 0);

    for (const char* name : {"readonly.ini", "locked.ini", "user.ini"}) EXPECT_EQ(headOf(at(name)), "old\r\n");
    EXPECT_EQ(files(), (Names{"locked.ini", "readonly.ini", "user.ini"}));
    EXPECT_EQ(fs_.listDirectories(folder_.root()), Names{"folder.ini"});
}

TEST_F(FileSystem, ProgramDirectoryIsTheTestExecutablesFolder) {
    const std::string dir = fs_.programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_TRUE(fs_.fileExists(dir + "\\tw_win_tests.exe"));
}

}  // namespace
}  // namespace tw::test
