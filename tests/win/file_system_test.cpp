#include "platform/runtime_error.h"
#include "platform/win32/file_system_win.h"
#include "platform/win32/wide.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using Names = std::vector<std::string>;

std::wstring unlimited(const std::string& utf8Path) { return L"\\\\?\\" + win::widen(utf8Path); }

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

void removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(child);
            else DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

class FileSystem : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1];
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        static int serial = 0;
        root_ = win::narrow(temp) + "tw-win-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial);
        ASSERT_TRUE(CreateDirectoryW(unlimited(root_).c_str(), nullptr));
    }
    void TearDown() override { removeTree(unlimited(root_)); }

    std::string at(const std::string& name) const { return root_ + "\\" + name; }

    void write(const std::string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        HANDLE h = CreateFileW(unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        ASSERT_TRUE(bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        CloseHandle(h);
        if (attributes != FILE_ATTRIBUTE_NORMAL) {
            ASSERT_TRUE(SetFileAttributesW(unlimited(path).c_str(), attributes));
        }
    }

    std::string bytesOf(const std::string& path) {
        HANDLE h = CreateFileW(unlimited(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                               nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes(1 << 16, '\0');
        DWORD read = 0;
        ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(h);
        bytes.resize(read);
        return bytes;
    }

    void makeDirectory(const std::string& path) {
        ASSERT_TRUE(CreateDirectoryW(unlimited(path).c_str(), nullptr)) << path << " " << GetLastError();
    }

    bool ansiIsWesternEuropean() const { return GetACP() == 1252; }

    win::Win32FileSystem fs_;
    std::string root_;
};

TEST_F(FileSystem, FailuresCarryTheClassicNumbers) {
    write(at("file.txt"), "x");
    const std::string missingFile = at("missing.txt");
    const std::string inMissingFolder = at("nowhere\\file.txt");
    const std::string fileAsFolder = at("file.txt\\inner.txt");
    struct Case {
        const char* what;
        std::function<void()> operation;
        int number;
    };
    const Case cases[] = {
        {"length of missing file", [&] { fs_.fileLength(missingFile); }, 53},
        {"read missing file", [&] { fs_.readTextFile(missingFile); }, 53},
        {"delete missing file", [&] { fs_.deleteFile(missingFile); }, 53},
        {"length in missing folder", [&] { fs_.fileLength(inMissingFolder); }, 76},
        {"read in missing folder", [&] { fs_.readTextFile(inMissingFolder); }, 76},
        {"delete in missing folder", [&] { fs_.deleteFile(inMissingFolder); }, 76},
        {"replace in missing folder", [&] { fs_.replaceTextFile(inMissingFolder, "a"); }, 76},
        {"create in missing folder", [&] { fs_.createEmptyFile(inMissingFolder); }, 76},
        {"list files of missing folder", [&] { fs_.listFiles(at("nowhere")); }, 76},
        {"list folders of missing folder", [&] { fs_.listDirectories(at("nowhere")); }, 76},
        {"list files of a file", [&] { fs_.listFiles(at("file.txt")); }, 76},
        {"list folders of a file", [&] { fs_.listDirectories(at("file.txt")); }, 76},
        {"file used as folder", [&] { fs_.readTextFile(fileAsFolder); }, 76},
        {"name with wildcard", [&] { fs_.createEmptyFile(at("a?b.txt")); }, 52},
        {"name with angle bracket", [&] { fs_.replaceTextFile(at("a<b.txt"), "x"); }, 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureNumber(c.operation), c.number);
    }
    EXPECT_EQ(sorted(fs_.listFiles(root_)), Names{"file.txt"});
}

TEST_F(FileSystem, DeletingAProtectedFileOrAFolderFailsAndKeepsIt) {
    write(at("readonly.jpg"), "r", FILE_ATTRIBUTE_READONLY);
    write(at("locked.gif"), "l");
    makeDirectory(at("folder.htm"));
    HANDLE lock = CreateFileW(unlimited(at("locked.gif")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    EXPECT_EQ(failureNumber([&] { fs_.deleteFile(at("readonly.jpg")); }), 75);
    EXPECT_EQ(failureNumber([&] { fs_.deleteFile(at("locked.gif")); }), 75);
    EXPECT_NE(failureNumber([&] { fs_.deleteFile(at("folder.htm")); }), 0);
    CloseHandle(lock);

    EXPECT_EQ(bytesOf(at("readonly.jpg")), "r");
    EXPECT_EQ(bytesOf(at("locked.gif")), "l");
    EXPECT_EQ(fs_.listDirectories(root_), Names{"folder.htm"});
    EXPECT_NO_THROW(fs_.deleteFile(at("locked.gif")));
    EXPECT_FALSE(fs_.fileExists(at("locked.gif")));
}

TEST_F(FileSystem, ListsOnlyOrdinaryFilesAndSeparatelyTheFolders) {
    write(at("plain.jpg"), "p");
    write(at("readonly.gif"), "r", FILE_ATTRIBUTE_READONLY);
    write(at("archive.htm"), "a", FILE_ATTRIBUTE_ARCHIVE);
    write(at("hidden.jpg"), "h", FILE_ATTRIBUTE_HIDDEN);
    write(at("system.gif"), "s", FILE_ATTRIBUTE_SYSTEM);
    write(at("both.htm"), "b", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    makeDirectory(at("sub.jpg"));
    makeDirectory(at("Other Folder"));
    write(at("sub.jpg\\inner.jpg"), "i");

    const Names files{"archive.htm", "plain.jpg", "readonly.gif"};
    EXPECT_EQ(sorted(fs_.listFiles(root_)), files);
    EXPECT_EQ(sorted(fs_.listFiles(root_ + "\\")), files);
    EXPECT_EQ(sorted(fs_.listDirectories(root_)), (Names{"Other Folder", "sub.jpg"}));
    EXPECT_EQ(fs_.listFiles(at("Other Folder")), Names{});
    EXPECT_EQ(fs_.listDirectories(at("Other Folder")), Names{});

    struct Case {
        const char* name;
        bool exists;
    };
    for (const Case& c : {Case{"plain.jpg", true}, Case{"hidden.jpg", true}, Case{"both.htm", true},
                          Case{"sub.jpg", false}, Case{"missing.jpg", false}, Case{"nowhere\\x.jpg", false}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fs_.fileExists(at(c.name)), c.exists);
    }
}

TEST_F(FileSystem, NamesOutsideTheAnsiCodePageAreListedMeasuredAndDeleted) {
    const Names names{"\xCE\xB1\xCE\xB2\xCE\xB3.jpg",          // Greek
                      "\xE7\xBC\x93\xE5\xAD\x98 \xE6\x96\x87.htm",  // CJK with a space
                      "\xF0\x9F\x98\x80.gif",                  // outside the basic plane
                      "caf\xC3\xA9 a.b.c.jpg"};
    for (std::size_t i = 0; i < names.size(); ++i) write(at(names[i]), std::string(i + 1, 'x'));

    EXPECT_EQ(sorted(fs_.listFiles(root_)), sorted(names));
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_TRUE(fs_.fileExists(at(names[i])));
        EXPECT_EQ(fs_.fileLength(at(names[i])), i + 1);
        EXPECT_NO_THROW(fs_.deleteFile(at(names[i])));
        EXPECT_FALSE(fs_.fileExists(at(names[i])));
    }
    EXPECT_EQ(fs_.listFiles(root_), Names{});
}

TEST_F(FileSystem, PathsBeyondTheClassicLimitWorkThroughout) {
    // Folder depths put the file paths on both sides of 240 and 260 characters.
    std::string folder = root_;
    std::vector<std::string> files;
    const std::string segment(40, 'd');
    while (folder.size() < 400) {
        folder += "\\" + segment;
        makeDirectory(folder);
        for (std::size_t pad : {1u, 10u, 20u, 30u}) {
            const std::string file = folder + "\\" + std::string(pad, 'f') + ".jpg";
            write(file, std::string(pad, 'x'));
            files.push_back(file);
        }
    }
    const std::string longName = std::string(250, 'n') + ".htm";
    write(folder + "\\" + longName, "long");

    std::size_t over260 = 0;
    for (const std::string& file : files) {
        SCOPED_TRACE(file.size());
        over260 += file.size() > 260;
        const std::string name = file.substr(file.rfind('\\') + 1);
        const std::string dir = file.substr(0, file.rfind('\\'));
        const Names listed = fs_.listFiles(dir);
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end());
        EXPECT_TRUE(fs_.fileExists(file));
        EXPECT_EQ(fs_.fileLength(file), name.size() - 4);
        // A folder kept with its trailing backslash, then joined with one more.
        EXPECT_EQ(fs_.fileLength(dir + "\\\\" + name), name.size() - 4);
        EXPECT_EQ(fs_.listFiles(dir + "\\").size(), listed.size());
        EXPECT_NO_THROW(fs_.replaceTextFile(file, "new\r\n"));
        EXPECT_EQ(fs_.readTextFile(file), "new\r\n");
        EXPECT_NO_THROW(fs_.deleteFile(file));
        EXPECT_FALSE(fs_.fileExists(file));
    }
    EXPECT_GT(over260, 4u);
    EXPECT_EQ(fs_.listFiles(folder), Names{longName});
    EXPECT_EQ(fs_.fileLength(folder + "\\" + longName), 4u);
    EXPECT_NO_THROW(fs_.deleteFile(folder + "\\" + longName));
    EXPECT_EQ(fs_.listFiles(folder), Names{});
}

TEST_F(FileSystem, ZeroAndHugeLengthsAreMeasured) {
    fs_.createEmptyFile(at("empty.htm"));
    EXPECT_EQ(fs_.fileLength(at("empty.htm")), 0u);
    write(at("full.htm"), "content");
    fs_.createEmptyFile(at("full.htm"));
    EXPECT_EQ(fs_.fileLength(at("full.htm")), 0u);

    constexpr std::uint64_t kFiveGiB = 5ull << 30;
    HANDLE h = CreateFileW(unlimited(at("huge.jpg")).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD ignored = 0;
    DeviceIoControl(h, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(kFiveGiB);
    const bool sized = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
    CloseHandle(h);
    ASSERT_TRUE(sized) << GetLastError();
    EXPECT_EQ(fs_.fileLength(at("huge.jpg")), kFiveGiB);
    EXPECT_EQ(sorted(fs_.listFiles(root_)), (Names{"empty.htm", "full.htm", "huge.jpg"}));
}

TEST_F(FileSystem, ReplacingWritesAnsiBytesAsGivenAndLeavesNoTemporaryFile) {
    if (!ansiIsWesternEuropean()) GTEST_SKIP() << "ANSI code page " << GetACP();
    write(at("tidew.ini"), std::string(5000, 'o'));
    fs_.replaceTextFile(at("tidew.ini"), "\"C:\\caf\xC3\xA9\"\r\n1\r\n0\nx\r");
    EXPECT_EQ(bytesOf(at("tidew.ini")), "\"C:\\caf\xE9\"\r\n1\r\n0\nx\r");
    fs_.replaceTextFile(at("tidew.ini"), "");
    EXPECT_EQ(bytesOf(at("tidew.ini")), "");
    fs_.replaceTextFile(at("user.ini"), "\xE2\x82\xAC\r\n");
    EXPECT_EQ(bytesOf(at("user.ini")), "\x80\r\n");
    EXPECT_EQ(sorted(fs_.listFiles(root_)), (Names{"tidew.ini", "user.ini"}));
}

TEST_F(FileSystem, AFailedReplaceKeepsTheOldContentAndLeavesNoTemporaryFile) {
    write(at("readonly.ini"), "old\r\n", FILE_ATTRIBUTE_READONLY);
    write(at("locked.ini"), "old\r\n");
    write(at("user.ini"), "old\r\n");
    makeDirectory(at("folder.ini"));
    HANDLE lock = CreateFileW(unlimited(at("locked.ini")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(failureNumber([&] { fs_.replaceTextFile(at("readonly.ini"), "new\r\n"); }), 75);
    EXPECT_EQ(failureNumber([&] { fs_.replaceTextFile(at("locked.ini"), "new\r\n"); }), 75);
    EXPECT_EQ(failureNumber([&] { fs_.replaceTextFile(at("folder.ini"), "new\r\n"); }), 75);
    CloseHandle(lock);
    const std::string greek = "\xCE\xB1\xCE\xB2";
    EXPECT_NE(failureNumber([&] { fs_.replaceTextFile(at("user.ini"), "C:\\" + greek + "\r\n"); }), 0);
    EXPECT_NE(failureNumber([&] { fs_.replaceTextFile(at("fresh.ini"), greek); }), 0);

    for (const char* name : {"readonly.ini", "locked.ini", "user.ini"}) EXPECT_EQ(bytesOf(at(name)), "old\r\n");
    EXPECT_EQ(sorted(fs_.listFiles(root_)), (Names{"locked.ini", "readonly.ini", "user.ini"}));
    EXPECT_EQ(fs_.listDirectories(root_), Names{"folder.ini"});
}

TEST_F(FileSystem, ReadingConvertsAnsiToUtf8) {
    if (!ansiIsWesternEuropean()) GTEST_SKIP() << "ANSI code page " << GetACP();
    write(at("user.ini"), "\"C:\\Caf\xE9\\\x80\"\r\n");
    EXPECT_EQ(fs_.readTextFile(at("user.ini")), "\"C:\\Caf\xC3\xA9\\\xE2\x82\xAC\"\r\n");

    std::string big;
    for (int i = 0; big.size() < 200'000; ++i) big += std::to_string(i) + "\r\n";
    write(at("big.ini"), big);
    EXPECT_EQ(fs_.readTextFile(at("big.ini")), big);
    write(at("empty.ini"), "");
    EXPECT_EQ(fs_.readTextFile(at("empty.ini")), "");
}

TEST_F(FileSystem, ProgramDirectoryIsTheTestExecutablesFolder) {
    const std::string dir = fs_.programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_TRUE(fs_.fileExists(dir + "\\tw_win_tests.exe"));
}

}  // namespace
}  // namespace tw::test
