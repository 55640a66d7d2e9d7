// The inventory and the cleaning driven as the program drives them, on real
// files: settings files in a program folder, Load, the switches, then
// "Clean and Exit" answered with No.
#include "app/settings_file.h"
#include "cache/inventory_rules.h"
#include "fake_dialogs.h"
#include "fake_screen.h"
#include "platform/win32/file_system_win.h"
#include "temp_folder.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using Names = std::vector<std::string>;
constexpr DWORD kHeadBytes = 1 << 16;

// What a path holds: a directory, or a file with its length and its first
// bytes (all of them for any file but the sparse giants).
struct Node {
    bool directory = false;
    std::uint64_t size = 0;
    std::string head;
    bool operator==(const Node&) const = default;
};
using Tree = std::map<std::string, Node>;

void scan(const std::string& root, const std::string& relative, Tree& tree) {
    const std::string folder = relative.empty() ? root : root + "\\" + relative;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(unlimited(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) fail("cannot list " + folder);
    do {
        const std::string name = win::narrow(data.cFileName);
        if (name == "." || name == "..") continue;
        const std::string child = relative.empty() ? name : relative + "\\" + name;
        const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        const bool directory = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        tree[child] = directory ? Node{true, 0, {}} : Node{false, size, headOf(root + "\\" + child, kHeadBytes)};
        if (directory) scan(root, child, tree);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

// A temporary folder and what it is meant to hold, path by path relative to it.
class Folder : public TempFolder {
public:
    ~Folder() { unlockAll(); }
    void directory(const std::string& relative) {
        makeDirectory(relative);
        expected_[relative] = Node{true, 0, {}};
    }
    // A file of these bytes, or of `size` bytes of which only these take room on disk.
    void file(const std::string& relative, const std::string& bytes, DWORD attributes = 0, std::uint64_t size = 0) {
        writeFile(at(relative), bytes);
        size = std::max<std::uint64_t>(size, bytes.size());
        if (size > bytes.size()) {
            HANDLE h =
                CreateFileW(unlimited(at(relative)).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            LARGE_INTEGER end;
            end.QuadPart = static_cast<LONGLONG>(size);
            const bool sized = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
            CloseHandle(h);
            if (!sized) fail("cannot size " + relative);
        }
        if (attributes != 0) setAttributes(relative, attributes);
        std::string head = bytes.substr(0, kHeadBytes);
        head.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadBytes)), '\0');
        expected_[relative] = Node{false, size, head};
    }
    void setAttributes(const std::string& relative, DWORD attributes) {
        if (!SetFileAttributesW(unlimited(at(relative)).c_str(), attributes) ||
            (GetFileAttributesW(unlimited(at(relative)).c_str()) & attributes) != attributes)
            fail("attributes do not hold on " + relative);
    }
    void remove(const std::string& relative) {
        SetFileAttributesW(unlimited(at(relative)).c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(unlimited(at(relative)).c_str())) fail("cannot delete " + relative);
        expected_.erase(relative);
    }
    void lock(const std::string& relative) {
        locks_.push_back(lockFile(at(relative)));
        if (locks_.back() == INVALID_HANDLE_VALUE) fail("cannot lock " + relative);
    }
    void unlockAll() {
        for (HANDLE h : locks_) CloseHandle(h);
        locks_.clear();
    }
    std::uint64_t sizeOf(const std::string& relative) const { return expected_.at(relative).size; }
    // Marks a file as one the cleaning is meant to delete.
    void expectGone(const std::string& relative) { expected_.erase(relative); }

    // What differs between what the folder is meant to hold and what it holds.
    std::string differences() const {
        Tree actual;
        scan(root(), "", actual);
        std::string out;
        for (const auto& [path, node] : expected_) {
            const auto found = actual.find(path);
            if (found == actual.end()) out += "  missing: " + path + "\n";
            else if (!(found->second == node)) out += "  changed: " + path + "\n";
        }
        for (const auto& [path, node] : actual)
            if (!expected_.contains(path)) out += "  unexpected: " + path + "\n";
        return out;
    }

private:
    Tree expected_;
    std::vector<HANDLE> locks_;
};

class ProgramFolderFileSystem final : public win::Win32FileSystem {
public:
    explicit ProgramFolderFileSystem(std::string folder) : folder_(std::move(folder)) {}
    std::string programDirectory() override { return folder_; }

private:
    std::string folder_;
};

// The program with its settings files in a program folder of its own.
struct Program {
    Program(const std::string& cacheDir, int images, int html) {
        fs.replaceTextFile(programFolder.at("tidew.ini"), formatTidewIni(cacheDir, images, html, 0));
        fs.replaceTextFile(programFolder.at("user.ini"), formatUserIni("C:\\NOWHERE\\BROWSER.EXE"));
    }
    Names listed() const {
        Names names;
        for (std::size_t i = 0; i < form.File1().count(); ++i) names.push_back(form.File1().item(i));
        return names;
    }
    void cleanAndStay() {
        dialogs.answers = {mb::AnswerNo};
        form.Click(Element::cmdCleanExit);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].caption, "Job Done");
        EXPECT_TRUE(browser.starts.empty());
    }

    TempFolder programFolder;
    FakeScreen screen;
    ProgramFolderFileSystem fs{programFolder.root()};
    FakeDialogs dialogs;
    FakeProcessStarter browser;
    frmTidewell form{screen, fs, dialogs, browser};
};

enum class Kind { Image, Html, Unknown };

Kind kindOf(const std::string& name) {
    const std::string tail = name.size() < 4 ? "" : name.substr(name.size() - 4);
    if (tail == ".jpg" || tail == ".gif") return Kind::Image;
    return tail == ".htm" ? Kind::Html : Kind::Unknown;
}

// The counts of these names and their total size, as the fields show them.
// How a size is written out is the unit tests' concern; here it must add up.
void expectShown(const Program& p, const Names& names, std::uint64_t total) {
    std::size_t counts[3] = {};
    for (const std::string& name : names) ++counts[static_cast<int>(kindOf(name))];
    const auto size = sizeText(total, ".");
    Names shown;
    for (Element e : {Element::TotalCount, Element::ImageCount, Element::HTMLCount, Element::XCount,
                      Element::CacheSize, Element::CacheUnit, Element::Sbar})
        shown.push_back(p.screen.text(e));
    EXPECT_EQ(shown,
              Names({std::to_string(names.size()), std::to_string(counts[0]), std::to_string(counts[1]),
                     std::to_string(counts[2]), size ? size->number : "", size ? size->unit : "", "Ready"}));
}

std::string lowerAscii(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

// The order of the file list: the case of ASCII letters ignored (no name
// here holds a capital outside ASCII).
Names inListOrder(Names names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowerAscii(a), lb = lowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

// ---------------------------------------------------------------------------
// Random caches, random switches, random interference between the inventory
// and the cleaning, with names, sizes and folders at the edges mixed in.

enum class Fate { Untouched, Vanished, ReadOnly, Locked, BecameFolder };

// Outside the ANSI code page, with lookalikes of the extensions that a
// conversion through it would turn into real ones; several dots and spaces;
// names the plain path form turns into a device or cuts at trailing dots and
// spaces; a long one.
const Names kEdgeNames = {
    "\xCE\x95\xCE\xB9\xCE\xBA\xCF\x8C\xCE\xBD\xCE\xB1.jpg", "\xE5\x9B\xBE\xE7\x89\x87 \xE4\xB8\x80.gif",
    "\xF0\x9F\x98\x80.gif", "\xE9\xA1\xB5\xE9\x9D\xA2.htm", "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.JPG",
    "\xC3\xA9t\xC3\xA9.gif", "photo.jp\xC9\xA1", "photo\xEF\xBC\x8Ejpg", "page.\xEF\xBD\x88tm",
    "many.dots.in.a.name.htm", "  two  spaces .gif", "x..jpg", "v1.2.3.html", "con.jpg", "aux.htm", "nul.gif",
    "com1.jpg", "lpt1.htm", "prn.gif", "x.jpg.", "y.htm ", "z.gif. .", std::string(200, 'n') + ".jpg",
};

class CacheOnDiskRandom : public ::testing::TestWithParam<unsigned> {
protected:
    std::mt19937 engine{GetParam()};
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine); }
    template <class List>
    auto pick(const List& from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(std::size(from)) - 1))];
    }
    // Wine hides names that begin with a dot, and the system drops trailing
    // dots and spaces, so names start with a letter or digit or space and end in one.
    std::string randomStem() {
        std::string stem(chance(0.15) ? " " : "");
        stem += pick(std::string("abcXYZqQ019"));
        for (int n = between(0, 10); n > 0; --n)
            stem += pick(std::string("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  ..-_"));
        if (stem.back() == '.' || stem.back() == ' ') stem += 'z';
        return stem;
    }
};

TEST_P(CacheOnDiskRandom, CleaningDeletesExactlyTheListedDeletableFilesOfTheCleanedKinds) {
    const unsigned seed = GetParam();
    Folder folder;
    std::string cache = pick(Names{"Cache", "cache dir", "Net.Cache", "c.jpg"});
    // Folders whose file paths end on both sides of 240 (where the long form
    // starts) and 260 (the classic limit), one beyond that by itself, and one
    // the program names in capitals and the disk in small letters (sharp s
    // and y with diaeresis have no capital in the code page).
    if (seed % 4 == 1) cache = std::string(228 + seed % 32 - folder.root().size(), 'L');
    if (seed % 4 == 3) cache = std::string(150, 'D') + "\\" + std::string(150, 'E');
    if (seed % 8 == 2 && GetACP() == 1252) cache = "Cach\xC3\xA9 \xC3\xB1 \xC3\x9F\xC3\xBF";
    // Names already taken, letter case ignored, as the file system sees them.
    std::set<std::string> taken{"h.jpg", "s.htm", "dir.jpg", "sub.htm", "test.xxx"};
    auto freshName = [&](const Names& extensions) {
        for (;;) {
            const std::string name = randomStem() + pick(extensions);
            if (taken.insert(lowerAscii(name)).second) return name;
        }
    };
    const auto in = [&](const std::string& name) { return cache + "\\" + name; };

    if (cache.find('\\') != std::string::npos) folder.directory(cache.substr(0, cache.find('\\')));
    folder.directory(cache);
    Names files;
    std::map<std::string, Fate> fate;
    for (int i = between(10, 40); i > 0; --i) {
        const std::string name =
            freshName({".jpg", ".gif", ".htm", ".JPG", ".Gif", ".html", ".htm.bak", ".txt", "", ".jpg", ".htm"});
        std::string bytes(chance(0.2) ? 0 : static_cast<std::size_t>(between(1, 3000)), '\0');
        for (char& ch : bytes) ch = static_cast<char>(between(0, 255));
        const bool readOnly = chance(0.2);
        folder.file(in(name), bytes, readOnly ? FILE_ATTRIBUTE_READONLY : 0);
        if (readOnly) fate[name] = Fate::ReadOnly;
        files.push_back(name);
    }
    Names twins;  // random names only: an edge name may be too long for a twin
    std::copy_if(files.begin(), files.end(), std::back_inserter(twins),
                 [](const std::string& n) { return kindOf(n) != Kind::Unknown; });
    for (unsigned k = 0; k < 3; ++k) {
        const std::string& name = kEdgeNames[(3 * seed + k) % kEdgeNames.size()];
        if (!taken.insert(lowerAscii(name)).second) continue;
        folder.file(in(name), name);
        files.push_back(name);
    }
    // A file of 4 GiB and more takes the total beyond 32 bits.
    if (seed % 3 == 0) {
        const std::string name = freshName({".jpg", ".htm", ".dat"});
        folder.file(in(name), name, 0, (4ull << 30) - 2 + seed);
        files.push_back(name);
    }
    folder.file(in("h.jpg"), "hidden", FILE_ATTRIBUTE_HIDDEN);
    folder.file(in("s.htm"), "system", FILE_ATTRIBUTE_SYSTEM);
    folder.directory(in("dir.jpg"));
    folder.file(in("dir.jpg\\inner.jpg"), "inner");
    folder.file(in("dir.jpg\\inner.htm"), "inner");
    folder.directory(in("sub.htm"));
    // Beside the cache: a folder of its own, and the names a lost separator
    // between the cache folder and an entry would reach.
    folder.directory(cache + " old");
    for (const char* name : {"a.jpg", "b.gif", "c.htm"}) folder.file(cache + " old\\" + name, name);
    std::shuffle(twins.begin(), twins.end(), engine);
    for (std::size_t i = 0; i < std::min<std::size_t>(4, twins.size()); ++i)
        folder.file(cache + twins[i], "twin");

    const int imagesStored = between(0, 1), htmlStored = between(0, 1);
    Program p(folder.at(cache), imagesStored, htmlStored);
    // Each file meets at most one interference; a vanished file matters only
    // when it is an image or HTML document.
    Names order = files;
    std::shuffle(order.begin(), order.end(), engine);
    std::set<std::string> interfered;
    auto takeSome = [&](int most, Fate f, bool cleanableOnly = false) {
        Names some;
        for (int n = between(0, most); n > 0; --n) {
            const auto next = std::find_if(order.begin(), order.end(), [&](const std::string& name) {
                return !interfered.contains(name) && !(cleanableOnly && kindOf(name) == Kind::Unknown);
            });
            if (next == order.end()) break;
            interfered.insert(*next);
            fate[*next] = f;
            some.push_back(*next);
        }
        return some;
    };
    for (const std::string& name : takeSome(2, Fate::Locked)) folder.lock(in(name));

    p.form.Load();
    const Names listed = inListOrder(files);
    ASSERT_EQ(p.listed(), listed);
    std::uint64_t total = 0;
    for (const std::string& name : files) total += folder.sizeOf(in(name));
    expectShown(p, listed, total);
    EXPECT_TRUE(p.dialogs.boxes.empty());

    for (Element box : {Element::AO, Element::BO})
        if (chance(0.5)) p.form.SetSwitch(box, between(0, 1));
    const bool cleanImages = p.screen.checkValue(Element::AO) == 1;
    const bool cleanHtml = p.screen.checkValue(Element::BO) == 1;

    for (const std::string& name : takeSome(2, Fate::Locked)) folder.lock(in(name));
    for (const std::string& name : takeSome(3, Fate::Vanished, true)) folder.remove(in(name));
    for (const std::string& name : takeSome(2, Fate::ReadOnly)) folder.setAttributes(in(name), FILE_ATTRIBUTE_READONLY);
    for (const std::string& name : chance(0.2) ? takeSome(1, Fate::BecameFolder) : Names{}) {
        folder.remove(in(name));
        folder.directory(in(name));
    }
    for (int n = between(0, 2); n > 0; --n) folder.file(in(freshName({".jpg", ".gif", ".htm"})), "new");

    // Per kind, in list order: a vanished entry ends that kind's cleaning;
    // an entry that cannot be deleted stays and the cleaning goes on.
    for (const auto& [kind, on] : {std::pair{Kind::Image, cleanImages}, std::pair{Kind::Html, cleanHtml}}) {
        for (const std::string& name : on ? listed : Names{}) {
            if (kindOf(name) != kind) continue;
            const auto found = fate.find(name);
            const Fate f = found == fate.end() ? Fate::Untouched : found->second;
            if (f == Fate::Vanished) break;
            if (f == Fate::Untouched) folder.expectGone(in(name));
        }
    }
    p.cleanAndStay();
    expectShown(p, listed, total);
    folder.unlockAll();
    EXPECT_EQ(folder.differences(), "") << "images " << cleanImages << ", HTML " << cleanHtml;
}

INSTANTIATE_TEST_SUITE_P(Seeds, CacheOnDiskRandom, ::testing::Range(1u, 41u));

}  // namespace
}  // namespace tw::test
