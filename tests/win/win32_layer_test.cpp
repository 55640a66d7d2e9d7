// The Win32 layer on real files: a cache folder listed, measured and cleaned,
// a cache of tens of thousands of files, settings files replaced whole in any
// code page, Win32 errors as the classic numbers the program reacts to.
#include "cache/cleaning.h"
#include "cache/file_list.h"
#include "cache/inventory.h"
#include "common/runtime_error.h"
#include "win32/error_map.h"
#include "win32/file_system_win.h"
#include "win32/verbatim_path.h"
#include "win32/wide.h"
#include "win32/wide_detail.h"

#include "failure_number.h"
#include "temp_tree_win.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <winioctl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <cstdlib>
#include <functional>
#include <tuple>
#include <vector>

namespace tw {
void PrintTo(const ListedFile& file, std::ostream* out) { *out << '"' << file.name << "\" " << file.length; }
}  // namespace tw

namespace tw::test {
namespace {

// The verbatim form (\\?\) reaches long paths and names the plain form alters.
std::wstring unlimited(const std::string& path) { return L"\\\\?\\" + win::widen(path); }

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

void writeFile(const std::string& path, const std::string& bytes, DWORD attributes = 0) {
    if (!(std::ofstream(std::filesystem::path(unlimited(path)), std::ios::binary) << bytes) ||
        (attributes != 0 && !SetFileAttributesW(unlimited(path).c_str(), attributes)))
        fail("cannot write " + path);
}

// A file of `length` zero bytes, sparse where the file system allows: then
// beyond 4 GiB it costs neither space nor time.
void writeSizedFile(const std::string& path, std::uint64_t length, DWORD attributes) {
    const HANDLE file = CreateFileW(unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD ignored = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
    const LARGE_INTEGER end{.QuadPart = static_cast<LONGLONG>(length)};
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    if (!sized || (attributes != 0 && !SetFileAttributesW(unlimited(path).c_str(), attributes))) fail("cannot make " + path);
}

// A file's content, or "<missing>".
std::string headOf(const std::string& path) {
    std::ifstream file(std::filesystem::path(unlimited(path)), std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
}

// Holds a file open without sharing, as another program might; INVALID_HANDLE_VALUE on failure.
HANDLE lockFile(const std::string& path) {
    return CreateFileW(unlimited(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

class TempFolder {
public:
    TempFolder() : root_(win::narrow(makeTempFolder(L"tw-test-"))) {}
    ~TempFolder() { removeTree(win::widen(root_)); }
    TempFolder(const TempFolder&) = delete;
    const std::string& root() const { return root_; }
    std::string at(const std::string& relative) const { return root_ + "\\" + relative; }
    void makeDirectory(const std::string& relative) const {
        if (!CreateDirectoryW(unlimited(at(relative)).c_str(), nullptr)) fail("cannot create " + relative);
    }

private:
    std::string root_;
};

// The numbers the program reacts to: a missing path opens the manual panel, a
// missing file ends a cleaning, an access error (and anything unknown) skips.
TEST(FileSystem, Win32ErrorsBecomeTheClassicNumbersTheProgramReactsTo) {
    const std::pair<DWORD, int> cases[] = {
        {ERROR_FILE_NOT_FOUND, 53}, {ERROR_PATH_NOT_FOUND, 76}, {ERROR_DIRECTORY, 76}, {ERROR_ACCESS_DENIED, 75},
        {ERROR_SHARING_VIOLATION, 75}, {ERROR_LOCK_VIOLATION, 75}, {ERROR_NOT_SUPPORTED, 75}, {0xDEADBEEF, 75}};
    for (const auto& [code, number] : cases) EXPECT_EQ(win::classicErrorNumber(code), number) << code;
}

TEST(FileSystem, ListsMeasuresAndDeletesTheFilesOfACacheFolder) {
    TempFolder folder;
    // The program names the cache folder in capitals.
    const std::string asked = folder.at("CACHE");
    folder.makeDirectory("cache");
    // Name, length, attributes, and the failure of its deletion; in the file list's order.
    const std::tuple<std::string, std::uint64_t, DWORD, int> files[] = {
        {"archived.gif", 7, FILE_ATTRIBUTE_ARCHIVE, 0},
        {"con.jpg", 31, 0, 0},  // a device to the plain path form
        {"huge.dat", (5ull << 30) + 3, 0, 0},
        {"open.htm", 25, 0, 75},  // held open without sharing
        {"page.htm.", 37, 0, 0},  // cut at the dot by the plain path form
        {"plain.jpg", 5, 0, 0},
        {"readonly.gif", 9, FILE_ATTRIBUTE_READONLY, 75},
        {"\xCE\xA9\xCE\xBC.htm", 25, 0, 0},  // not in the ANSI code page
    };
    for (const auto& [name, length, attrs, failure] : files) writeSizedFile(folder.at("cache\\" + name), length, attrs);
    // Hidden and system files stay out of the list, and so out of reach of cleaning.
    writeFile(folder.at("cache\\hidden.jpg"), "hidden", FILE_ATTRIBUTE_HIDDEN);
    writeFile(folder.at("cache\\system.htm"), "system", FILE_ATTRIBUTE_SYSTEM);
    folder.makeDirectory("cache\\sub.jpg");
    const HANDLE open = lockFile(folder.at("cache\\open.htm"));

    win::Win32FileSystem fs;
    FileList file1(fs);
    file1.setPath(asked);
    std::vector<ListedFile> expected;
    for (const auto& [name, length, attrs, failure] : files) expected.push_back({name, length});
    EXPECT_EQ(file1.items(), expected);
    // The same lengths as the program once took them: each file asked by its name.
    for (const ListedFile& f : file1.items())
        EXPECT_EQ(f.length, std::filesystem::file_size(unlimited(folder.at("cache\\" + f.name)))) << f.name;
    EXPECT_EQ(fs.listDirectories(asked), std::vector<std::string>{"sub.jpg"});
    for (const auto& [name, length, attrs, failure] : files)
        EXPECT_EQ(failureNumber([&] { fs.deleteFile(asked + "\\" + name); }), failure) << name;
    CloseHandle(open);
    for (const char* taken : {"open.htm", "readonly.gif", "hidden.jpg", "system.htm", "sub.jpg"})
        EXPECT_FALSE(fs.createNewFile(asked + "\\" + taken)) << taken;
    file1.setPath(asked);
    EXPECT_EQ(file1.items(), (std::vector<ListedFile>{{"open.htm", 25}, {"readonly.gif", 9}}));
    for (const char* notAFolder : {"\\open.htm", "\\gone"})
        EXPECT_EQ(failureNumber([&] { fs.listFiles(asked + notAFolder); }), 76) << notAFolder;
}

TEST(FileSystem, ReplacesASettingsFileWholeOrNotAtAll) {
    TempFolder folder;
    for (const char* name : {"user.ini", "locked.ini"}) writeFile(folder.at(name), "old\r\n");
    writeFile(folder.at("readonly.ini"), "old\r\n", FILE_ATTRIBUTE_READONLY);
    // Another name of the same file shows whether its content was overwritten.
    ASSERT_TRUE(
        CreateHardLinkW(unlimited(folder.at("link.ini")).c_str(), unlimited(folder.at("user.ini")).c_str(), nullptr));
    const HANDLE lock = lockFile(folder.at("locked.ini"));
    win::Win32FileSystem fs;
    fs.replaceTextFile(folder.at("user.ini"), "new\r\n");
    for (const char* name : {"readonly.ini", "locked.ini"})
        EXPECT_EQ(failureNumber([&] { fs.replaceTextFile(folder.at(name), "new\r\n"); }), 75) << name;
    CloseHandle(lock);
    for (const auto& [name, content] : {std::pair{"user.ini", "new\r\n"}, {"link.ini", "old\r\n"},
                                        {"locked.ini", "old\r\n"}, {"readonly.ini", "old\r\n"}})
        EXPECT_EQ(headOf(folder.at(name)), content) << name;
    EXPECT_EQ(fs.listFiles(folder.root()).size(), 4u) << "a temporary file was left behind";
}

// At start the program removes what killed writes of its settings left, by
// the name the write gives them, and nothing else. Process ids stay far
// below 4,000,000,000: no writer of these names runs.
TEST(FileSystem, RemovesWhatKilledReplacementsLeftAndNothingElse) {
    TempFolder folder;
    const std::pair<std::string, bool> files[] = {  // name, and whether it goes
        {"tidew.ini.4000001234-0.tmp", true}, {"user.ini.4000000077-3.tmp", true},
        {"TIDEW.INI.4000000005-12.TMP", true}, {"tidew.ini", false}, {"tidew.ini.tmp", false},
        {"tidew.ini.12-x.tmp", false}, {"tidew.ini.-0.tmp", false}, {"mytidew.ini.1-0.tmp", false},
        {"tidew.ini.1-0.tmp.bak", false}, {"other.ini.1-0.tmp", false},
        {"tidew.ini." + std::to_string(GetCurrentProcessId()) + "-0.tmp", false},  // its writer still runs
        {"user.ini.4000000005-1.tmp", false},  // held open
        {"user.ini.4000000009-1.tmp", false},  // read-only
    };
    for (const auto& [name, goes] : files)
        writeFile(folder.at(name), "x", name == "user.ini.4000000009-1.tmp" ? FILE_ATTRIBUTE_READONLY : 0);
    folder.makeDirectory("tidew.ini.1-0.tmp");
    const HANDLE open = lockFile(folder.at("user.ini.4000000005-1.tmp"));
    win::Win32FileSystem fs;
    for (const char* settings : {"tidew.ini", "user.ini"}) fs.removeInterruptedReplacements(folder.at(settings));
    CloseHandle(open);
    for (const auto& [name, goes] : files)
        EXPECT_EQ(GetFileAttributesW(unlimited(folder.at(name)).c_str()) == INVALID_FILE_ATTRIBUTES, goes) << name;
    EXPECT_EQ(fs.listDirectories(folder.root()), std::vector<std::string>{"tidew.ini.1-0.tmp"});
}

// The settings files are text in the system's ANSI code page, which on a
// current Windows may be UTF-8 (65001). Wine cannot switch to it, so the
// code page is handed in. Windows refuses the no-best-fit flag and a
// default-character report with UTF-8 and Wine accepts them: the flags
// chosen are pinned too.
TEST(SettingsCodePage, WritesWhatThePageHoldsAndNeverReplacesAFileWithAFailedConversion) {
    const std::string japanese = "C:\\\xE6\x97\xA5\xE6\x9C\xAC";  // two ideographs
    // Code page, text, its bytes there (none: the page cannot hold it), flags, default-character report.
    const std::tuple<unsigned, std::string, std::string, unsigned long, bool> cases[] = {
        {1252, "C:\\Caf\xC3\xA9", "C:\\Caf\xE9", WC_NO_BEST_FIT_CHARS, true},
        {1252, japanese, "", WC_NO_BEST_FIT_CHARS, true},
        {932, japanese, "C:\\\x93\xFA\x96\x7B", WC_NO_BEST_FIT_CHARS, true},
        {65001, japanese, japanese, 0, false}};
    TempFolder folder;
    const std::string path = folder.at("tidew.ini");
    for (const auto& [codePage, text, bytes, flags, reportsLoss] : cases) {
        const win::detail::CodePageFlags chosen = win::detail::codePageFlags(codePage);
        EXPECT_EQ(std::pair(chosen.flags, chosen.reportsLoss), std::pair(flags, reportsLoss)) << codePage;
        writeFile(path, "C:\\OLD");
        win::Win32FileSystem fs(codePage);
        const int failure = failureNumber([&] { fs.replaceTextFile(path, text); });
        EXPECT_EQ(failure, bytes.empty() ? err::BadFileName : 0) << codePage;
        EXPECT_EQ(headOf(path), bytes.empty() ? "C:\\OLD" : bytes) << codePage;
        EXPECT_EQ(fs.readTextFile(path), bytes.empty() ? "C:\\OLD" : text) << codePage;
    }
}

// Windows refuses a plain path from MAX_PATH characters on and Wine does
// not: the form each path takes is pinned. Relative paths start at C:\\.
TEST(FileSystem, LongPathsTakeTheVerbatimForm) {
    const std::string d(250, 'd'), e(236, 'e');  // "C:\\" and `e`: 239 characters
    wchar_t saved[MAX_PATH];
    ASSERT_TRUE(GetCurrentDirectoryW(MAX_PATH, saved) && SetCurrentDirectoryW(L"C:\\"));
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\" + e, "C:\\" + e},
        {"C:\\" + e + "f", "\\\\?\\C:\\" + e + "f"},
        {"C:\\" + d + "\\\\a.jpg", "\\\\?\\C:\\" + d + "\\a.jpg"},
        {"\\\\server\\share\\" + d, "\\\\?\\UNC\\server\\share\\" + d},
        {"\\\\server\\share\\cache", "\\\\server\\share\\cache"},
        {"\\\\?\\C:\\" + d + "\\\\a.jpg", "\\\\?\\C:\\" + d + "\\\\a.jpg"},
        {d + "\\a.jpg", "\\\\?\\C:\\" + d + "\\a.jpg"},
        {"cache\\a.jpg", "cache\\a.jpg"},
    };
    for (const auto& [path, form] : cases) EXPECT_EQ(win::narrow(win::longPath(path)), form) << path;
    for (const auto& [verbatim, plain] :
         {std::pair{L"\\\\?\\C:\\TW", L"C:\\TW"}, {L"\\\\?\\UNC\\s\\sh", L"\\\\s\\sh"}, {L"C:\\TW", L"C:\\TW"}})
        EXPECT_EQ(win::plainPath(verbatim), plain) << win::narrow(verbatim);
    SetCurrentDirectoryW(saved);
}

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
    const Inventory found = takeInventory(directory + "\\", file1.items(), quiet);
    EXPECT_EQ(found.total, 33002u);
    EXPECT_EQ(found.images.size(), 1001u);
    EXPECT_EQ(found.html.size(), 1001u);
    EXPECT_EQ(found.bytes, 2u * found.total);
    EXPECT_EQ(cleanListed(fs, directory, found.images, found.images.size()).deleted.size(), found.images.size());
    EXPECT_EQ(cleanListed(fs, directory, found.html, found.html.size()).deleted.size(), found.html.size());
    EXPECT_EQ(fs.listFiles(directory).size(), 31000u);
}

}  // namespace
}  // namespace tw::test
