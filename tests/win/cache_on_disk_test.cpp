// The inventory and the cleaning driven as the program drives them, on real
// files: settings files in a program folder, Load, the switches, then
// "Clean and Exit" answered with No.
#include "fake_screen.h"
#include "platform/dialogs.h"
#include "platform/process_starter.h"
#include "platform/win32/file_system_win.h"
#include "platform/win32/wide.h"
#include "ui/frm_tidewell.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using Names = std::vector<std::string>;

std::wstring unlimited(const std::string& path) { return L"\\\\?\\" + win::widen(path); }

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Handle(Handle&& other) noexcept : h_(other.h_) { other.h_ = INVALID_HANDLE_VALUE; }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

// What a path holds: a directory, or a file with its length and its first
// bytes (all of them for any file but the sparse giants).
struct Node {
    bool directory = false;
    std::uint64_t size = 0;
    std::string head;
    bool operator==(const Node&) const = default;
};
using Tree = std::map<std::string, Node>;

constexpr DWORD kHeadBytes = 1 << 16;

std::string headOf(const std::string& path) {
    Handle h(CreateFileW(unlimited(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                         nullptr));
    if (h.get() == INVALID_HANDLE_VALUE) fail("cannot read " + path);
    std::string bytes(kHeadBytes, '\0');
    DWORD read = 0;
    if (!ReadFile(h.get(), bytes.data(), kHeadBytes, &read, nullptr)) fail("cannot read " + path);
    bytes.resize(read);
    return bytes;
}

void scan(const std::string& root, const std::string& relative, Tree& tree) {
    const std::string folder = relative.empty() ? root : root + "\\" + relative;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(unlimited(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) fail("cannot list " + folder);
    do {
        const std::string name = win::narrow(data.cFileName);
        if (name == "." || name == "..") continue;
        const std::string child = relative.empty() ? name : relative + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[child] = Node{true, 0, {}};
            scan(root, child, tree);
        } else {
            const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
            tree[child] = Node{false, size, headOf(root + "\\" + child)};
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
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

// A unique temporary folder and what it is meant to hold, path by path
// relative to it.
class Folder {
public:
    Folder() {
        wchar_t temp[MAX_PATH + 1];
        if (GetTempPathW(MAX_PATH + 1, temp) == 0) fail("no temporary folder");
        // Wine reuses process numbers: a folder an aborted run left is skipped.
        static int serial = 0;
        do {
            root_ = win::narrow(temp) + "tw-cache-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(++serial);
        } while (!CreateDirectoryW(unlimited(root_).c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
        if (GetFileAttributesW(unlimited(root_).c_str()) == INVALID_FILE_ATTRIBUTES) fail("cannot create " + root_);
    }
    ~Folder() {
        locks_.clear();
        removeTree(unlimited(root_));
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string at(const std::string& relative) const { return root_ + "\\" + relative; }

    void directory(const std::string& relative) {
        if (!CreateDirectoryW(unlimited(at(relative)).c_str(), nullptr)) fail("cannot create " + relative);
        expected_[relative] = Node{true, 0, {}};
    }

    void file(const std::string& relative, const std::string& bytes, DWORD attributes = 0) {
        {
            Handle h(CreateFileW(unlimited(at(relative)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                 nullptr));
            if (h.get() == INVALID_HANDLE_VALUE) fail("cannot create " + relative);
            DWORD written = 0;
            if (!bytes.empty() &&
                !WriteFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
                fail("cannot write " + relative);
        }
        if (attributes != 0) setAttributes(relative, attributes);
        expected_[relative] = Node{false, bytes.size(), bytes.substr(0, kHeadBytes)};
    }

    // A file of `size` bytes that takes no room on disk but its first bytes.
    void sparse(const std::string& relative, std::uint64_t size, const std::string& head) {
        Handle h(CreateFileW(unlimited(at(relative)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        if (h.get() == INVALID_HANDLE_VALUE) fail("cannot create " + relative);
        DWORD written = 0;
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        if (!WriteFile(h.get(), head.data(), static_cast<DWORD>(head.size()), &written, nullptr) ||
            !SetFilePointerEx(h.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(h.get()))
            fail("cannot size " + relative);
        std::string shown = head + std::string(kHeadBytes, '\0');
        shown.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadBytes)));
        expected_[relative] = Node{false, size, shown};
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

    // Holds the file open without sharing, as another program might.
    void lock(const std::string& relative) {
        HANDLE h = CreateFileW(unlimited(at(relative)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) fail("cannot lock " + relative);
        locks_.emplace_back(h);
    }
    void unlockAll() { locks_.clear(); }

    // Marks a file as one the cleaning is meant to delete.
    void expectGone(const std::string& relative) { expected_.erase(relative); }

    const Tree& expected() const { return expected_; }
    Tree actual() const {
        Tree tree;
        scan(root_, "", tree);
        return tree;
    }

private:
    std::string root_;
    Tree expected_;
    std::vector<Handle> locks_;
};

std::string differences(const Tree& expected, const Tree& actual) {
    std::string out;
    for (const auto& [path, node] : expected) {
        const auto found = actual.find(path);
        if (found == actual.end()) out += "  missing: " + path + "\n";
        else if (!(found->second == node)) out += "  changed: " + path + "\n";
    }
    for (const auto& [path, node] : actual)
        if (!expected.contains(path)) out += "  unexpected: " + path + "\n";
    return out;
}

class ProgramFolderFileSystem final : public win::Win32FileSystem {
public:
    explicit ProgramFolderFileSystem(std::string folder) : folder_(std::move(folder)) {}
    std::string programDirectory() override { return folder_; }

private:
    std::string folder_;
};

class AnswerNo final : public Dialogs {
public:
    int messageBox(std::string_view text, int flags, std::string_view) override {
        texts.emplace_back(text);
        return (flags & mb::YesNo) ? mb::AnswerNo : mb::AnswerOk;
    }
    std::optional<std::string> openFile(std::string_view) override { return std::nullopt; }
    Names texts;
};

class NoBrowser final : public ProcessStarter {
public:
    void start(std::string_view, std::string_view, int) override { ++starts; }
    int starts = 0;
};

constexpr const char* kJobDone = "Cleaning Done.  OK to Exit?";

// Settings files are kept in the ANSI code page.
std::string ansi(const std::string& utf8) {
    const std::wstring wide = win::widen(utf8);
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The program with its settings files in the folder's "program" folder.
struct Program {
    Program(Folder& folder, const std::string& cacheDir, int images, int html) : fs(folder.at("program")) {
        folder.directory("program");
        std::string settings(1, '"');
        settings += ansi(cacheDir);
        settings += "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) + "\r\n0\r\n";
        folder.file("program\\tidew.ini", settings);
        folder.file("program\\user.ini", "\"C:\\NOWHERE\\BROWSER.EXE\"\r\n");
    }

    Names listed() const {
        Names names;
        for (std::size_t i = 0; i < form.File1().count(); ++i) names.push_back(form.File1().item(i));
        return names;
    }
    std::string text(Element e) const { return screen.text(e); }
    void cleanAndStay() { form.Click(Element::cmdCleanExit); }

    FakeScreen screen;
    ProgramFolderFileSystem fs;
    AnswerNo dialogs;
    NoBrowser browser;
    frmTidewell form{screen, fs, dialogs, browser};
};

// total ÷ 10^digits written out exactly, the fraction's trailing zeros dropped.
std::string shifted(std::uint64_t total, int digits) {
    std::uint64_t scale = 1;
    for (int i = 0; i < digits; ++i) scale *= 10;
    std::string fraction = std::to_string(total % scale);
    fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const std::string whole = std::to_string(total / scale);
    return fraction.empty() ? whole : whole + "." + fraction;
}

// CacheSize and CacheUnit as they read after Load for a total of bytes.
std::pair<std::string, std::string> shownSize(std::uint64_t total) {
    if (total == 0) return {"", ""};
    if (total < 1000) return {std::to_string(total), "Bytes"};
    if (total < 1'000'000) return {shifted(total, 3), "KB"};
    return {shifted(total, 6), "MB"};
}

enum class Kind { Image, Html, Unknown };

Kind kindOf(const std::string& name) {
    if (name.size() < 4) return Kind::Unknown;
    const std::string tail = name.substr(name.size() - 4);
    if (tail == ".jpg" || tail == ".gif") return Kind::Image;
    if (tail == ".htm") return Kind::Html;
    return Kind::Unknown;
}

struct Counts {
    int total = 0, images = 0, html = 0, unknown = 0;
};

Counts countsOf(const Names& names) {
    Counts c;
    for (const std::string& name : names) {
        ++c.total;
        switch (kindOf(name)) {
        case Kind::Image: ++c.images; break;
        case Kind::Html: ++c.html; break;
        case Kind::Unknown: ++c.unknown; break;
        }
    }
    return c;
}

void expectShown(const Program& p, const Counts& c, std::uint64_t total) {
    EXPECT_EQ(p.text(Element::TotalCount), std::to_string(c.total));
    EXPECT_EQ(p.text(Element::ImageCount), std::to_string(c.images));
    EXPECT_EQ(p.text(Element::HTMLCount), std::to_string(c.html));
    EXPECT_EQ(p.text(Element::XCount), std::to_string(c.unknown));
    const auto [size, unit] = shownSize(total);
    EXPECT_EQ(p.text(Element::CacheSize), size);
    EXPECT_EQ(p.text(Element::CacheUnit), unit);
    EXPECT_EQ(p.text(Element::Sbar), "Ready");
}

std::string lowerAscii(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

// The order of the file list for ASCII names: letter case ignored.
Names inListOrder(Names names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lowerAscii(a), lb = lowerAscii(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

// ---------------------------------------------------------------------------
// Random caches, random switches, random interference between the inventory
// and the cleaning.

enum class Fate { Untouched, Vanished, ReadOnly, Locked, BecameFolder };

class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    template <class T>
    const T& pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }
    template <class T>
    void shuffle(std::vector<T>& items) {
        std::shuffle(items.begin(), items.end(), engine_);
    }
    std::string bytes(std::size_t n) {
        std::string out(n, '\0');
        for (char& ch : out) ch = static_cast<char>(between(0, 255));
        return out;
    }

private:
    std::mt19937 engine_;
};

// Wine hides names that begin with a dot, and the system drops trailing dots
// and spaces, so names start with a letter or digit or space and end in one.
std::string randomStem(Dice& dice) {
    static const std::string kInner = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  ..-_";
    static const std::string kEdge = "abcXYZqQ019";
    auto oneOf = [&](const std::string& letters) {
        return letters[static_cast<std::size_t>(dice.between(0, static_cast<int>(letters.size()) - 1))];
    };
    std::string stem(dice.chance(0.15) ? " " : "");
    stem += oneOf(kEdge);
    for (int n = dice.between(0, 10); n > 0; --n) stem += oneOf(kInner);
    if (stem.back() == '.' || stem.back() == ' ') stem += 'z';
    return stem;
}

const Names kExtensions{".jpg", ".gif", ".htm", ".JPG", ".Gif", ".html", ".htm.bak", ".txt", "", ".jpg", ".htm"};

class CacheOnDiskRandom : public ::testing::TestWithParam<unsigned> {};

TEST_P(CacheOnDiskRandom, CleaningDeletesExactlyTheListedDeletableFilesOfTheCleanedKinds) {
    Dice dice(GetParam());
    Folder folder;
    const std::string cache = dice.pick(Names{"Cache", "cache dir", "Net.Cache", "c.jpg"});

    // Names already taken, letter case ignored, as the file system sees them.
    std::set<std::string> taken{"h.jpg", "s.htm", "dir.jpg", "sub.htm", "test.xxx"};
    auto freshName = [&](const Names& extensions) {
        for (;;) {
            const std::string name = randomStem(dice) + dice.pick(extensions);
            if (taken.insert(lowerAscii(name)).second) return name;
        }
    };

    folder.directory(cache);
    Names files;
    std::map<std::string, Fate> fate;
    const int count = dice.between(10, 40);
    for (int i = 0; i < count; ++i) {
        const std::string name = freshName(kExtensions);
        const std::size_t size = dice.chance(0.2) ? 0 : static_cast<std::size_t>(dice.between(1, 3000));
        const bool readOnly = dice.chance(0.2);
        folder.file(cache + "\\" + name, dice.bytes(size), readOnly ? FILE_ATTRIBUTE_READONLY : 0);
        if (readOnly) fate[name] = Fate::ReadOnly;
        files.push_back(name);
    }
    folder.file(cache + "\\h.jpg", "hidden", FILE_ATTRIBUTE_HIDDEN);
    folder.file(cache + "\\s.htm", "system", FILE_ATTRIBUTE_SYSTEM);
    folder.directory(cache + "\\dir.jpg");
    folder.file(cache + "\\dir.jpg\\inner.jpg", "inner");
    folder.file(cache + "\\dir.jpg\\inner.htm", "inner");
    folder.directory(cache + "\\sub.htm");

    // Beside the cache: a folder of its own, and the names a lost separator
    // between the cache folder and an entry would reach.
    folder.directory(cache + " old");
    for (const char* name : {"a.jpg", "b.gif", "c.htm"}) folder.file(cache + " old\\" + name, name);
    Names cleanable;
    for (const std::string& name : files)
        if (kindOf(name) != Kind::Unknown) cleanable.push_back(name);
    dice.shuffle(cleanable);
    for (std::size_t i = 0; i < std::min<std::size_t>(4, cleanable.size()); ++i)
        folder.file(cache + cleanable[i], "twin");

    const int imagesInSettings = dice.between(0, 1), htmlInSettings = dice.between(0, 1);
    Program p(folder, folder.at(cache), imagesInSettings, htmlInSettings);

    // Each file meets at most one interference; a vanished file matters only
    // when it is an image or HTML document.
    Names order = files;
    dice.shuffle(order);
    std::set<std::string> interfered;
    auto takeSome = [&](int most, bool cleanableOnly = false) {
        Names some;
        int n = dice.between(0, most);
        for (const std::string& name : order) {
            if (n == 0) break;
            if (interfered.contains(name) || (cleanableOnly && kindOf(name) == Kind::Unknown)) continue;
            interfered.insert(name);
            some.push_back(name);
            --n;
        }
        return some;
    };
    for (const std::string& name : takeSome(2)) {
        folder.lock(cache + "\\" + name);
        fate[name] = Fate::Locked;
    }

    p.form.Load();
    const Names listed = inListOrder(files);
    ASSERT_EQ(p.listed(), listed);
    std::uint64_t total = 0;
    for (const std::string& name : files) total += folder.expected().at(cache + "\\" + name).size;
    expectShown(p, countsOf(listed), total);
    EXPECT_TRUE(p.dialogs.texts.empty());

    for (Element box : {Element::AO, Element::BO})
        if (dice.chance(0.5)) p.form.SetSwitch(box, dice.between(0, 1));
    const bool cleanImages = p.screen.checkValue(Element::AO) == 1;
    const bool cleanHtml = p.screen.checkValue(Element::BO) == 1;

    for (const std::string& name : takeSome(2)) {
        folder.lock(cache + "\\" + name);
        fate[name] = Fate::Locked;
    }
    for (const std::string& name : takeSome(3, true)) {
        folder.remove(cache + "\\" + name);
        fate[name] = Fate::Vanished;
    }
    for (const std::string& name : takeSome(2)) {
        folder.setAttributes(cache + "\\" + name, FILE_ATTRIBUTE_READONLY);
        fate[name] = Fate::ReadOnly;
    }
    if (dice.chance(0.2)) {
        for (const std::string& name : takeSome(1)) {
            folder.remove(cache + "\\" + name);
            folder.directory(cache + "\\" + name);
            fate[name] = Fate::BecameFolder;
        }
    }
    for (int n = dice.between(0, 2); n > 0; --n)
        folder.file(cache + "\\" + freshName(Names{".jpg", ".gif", ".htm"}), "new");

    // Per kind, in list order: a vanished entry ends that kind's cleaning;
    // an entry that cannot be deleted stays and the cleaning goes on.
    for (const auto& [kind, on] : {std::pair{Kind::Image, cleanImages}, std::pair{Kind::Html, cleanHtml}}) {
        if (!on) continue;
        for (const std::string& name : listed) {
            if (kindOf(name) != kind) continue;
            const auto found = fate.find(name);
            const Fate f = found == fate.end() ? Fate::Untouched : found->second;
            if (f == Fate::Vanished) break;
            if (f == Fate::Untouched) folder.expectGone(cache + "\\" + name);
        }
    }

    p.cleanAndStay();
    EXPECT_EQ(p.dialogs.texts, Names{kJobDone});
    EXPECT_EQ(p.browser.starts, 0);
    expectShown(p, countsOf(listed), total);

    folder.unlockAll();
    EXPECT_EQ(differences(folder.expected(), folder.actual()), "")
        << "images " << (cleanImages ? "Clean" : "Preserve") << ", HTML " << (cleanHtml ? "Clean" : "Preserve");
}

INSTANTIATE_TEST_SUITE_P(Seeds, CacheOnDiskRandom, ::testing::Range(1u, 41u));

// ---------------------------------------------------------------------------
// Names and sizes at the edges.

struct Expected {
    Counts counts;
    std::uint64_t total;
};

// Loads the program on the folder's "cache" folder with both kinds on Clean,
// checks the inventory, cleans, and checks that exactly the images and HTML
// documents are gone.
void inventoryAndClean(Folder& folder, const std::string& cache, const Expected& e) {
    Program p(folder, folder.at(cache), 1, 1);
    p.form.Load();
    EXPECT_TRUE(p.dialogs.texts.empty());
    EXPECT_EQ(p.listed().size(), static_cast<std::size_t>(e.counts.total));
    expectShown(p, e.counts, e.total);
    for (const std::string& name : p.listed())
        if (kindOf(name) != Kind::Unknown) folder.expectGone(cache + "\\" + name);
    p.cleanAndStay();
    EXPECT_EQ(p.dialogs.texts, Names{kJobDone});
    EXPECT_EQ(differences(folder.expected(), folder.actual()), "");
}

TEST(CacheOnDiskNames, NamesOutsideTheAnsiCodePageAreCountedAndCleaned) {
    Folder folder;
    folder.directory("cache");
    const Names names{
        "\xCE\x95\xCE\xB9\xCE\xBA\xCF\x8C\xCE\xBD\xCE\xB1.jpg",           // Greek image
        "\xE5\x9B\xBE\xE7\x89\x87 \xE4\xB8\x80.gif",                      // CJK image with a space
        "\xF0\x9F\x98\x80.gif",                                          // outside the basic plane
        "\xE9\xA1\xB5\xE9\x9D\xA2.htm",                                  // CJK HTML document
        "\xCE\xA3\xCE\xB5\xCE\xBB\xCE\xAF\xCE\xB4\xCE\xB1.htm",          // Greek HTML document
        "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1.JPG",                  // letter case: unknown
        "\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF.dat",                      // unknown
        // Lookalikes of the extensions, which a conversion through the ANSI
        // code page would turn into real ones: unknown, never deleted.
        "photo.jp\xC9\xA1",                                              // script small g
        "photo\xEF\xBC\x8Ejpg",                                          // fullwidth full stop
        "page.\xEF\xBD\x88tm",                                           // fullwidth h
    };
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string bytes(100 * (i + 1), static_cast<char>('a' + i));
        folder.file("cache\\" + names[i], bytes);
        total += bytes.size();
    }
    folder.file("cache\\photo.jpg", "plain");
    total += 5;
    inventoryAndClean(folder, "cache", {{11, 4, 2, 5}, total});
}

TEST(CacheOnDiskNames, NamesWithSpacesAndSeveralDotsAreListedInOrderAndCleaned) {
    Folder folder;
    folder.directory("cache");
    const Names names{"a b.jpg", "  two  spaces .gif", "many.dots.in.a.name.htm", "x..jpg", "9...gif",
                      "end.htm.bak",  "v1.2.3.html", "a.jpg.txt", "no extension", "A B.C.D.jpg",
                      "z .htm",       "x.y.z.HTM"};
    for (const std::string& name : names) folder.file("cache\\" + name, name);
    std::uint64_t total = 0;
    for (const std::string& name : names) total += name.size();

    Program p(folder, folder.at("cache"), 1, 1);
    p.form.Load();
    EXPECT_EQ(p.listed(), (Names{"  two  spaces .gif", "9...gif", "A B.C.D.jpg", "a b.jpg", "a.jpg.txt",
                                 "end.htm.bak", "many.dots.in.a.name.htm", "no extension", "v1.2.3.html",
                                 "x..jpg", "x.y.z.HTM", "z .htm"}));
    expectShown(p, {12, 5, 2, 5}, total);
    for (const char* gone : {"a b.jpg", "  two  spaces .gif", "many.dots.in.a.name.htm", "x..jpg", "9...gif",
                             "A B.C.D.jpg", "z .htm"})
        folder.expectGone(std::string("cache\\") + gone);
    p.cleanAndStay();
    EXPECT_EQ(differences(folder.expected(), folder.actual()), "");
}

TEST(CacheOnDiskNames, LongNamesAroundAndBeyondTheClassicPathLimitAreCountedAndCleaned) {
    // Whole paths of these lengths, on both sides of 240 (where the long form
    // starts) and of 260 (the classic limit); then a cache folder that alone
    // is longer than the classic limit.
    struct Case {
        const char* what;
        std::size_t folderLength;
        std::vector<std::size_t> pathLengths;
    };
    const Case cases[] = {
        {"cache folder of 100 characters", 100, {235, 239, 240, 241, 255, 259, 260, 261, 300, 356}},
        {"cache folder of 300 characters", 300, {310, 400, 556}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        std::string cache = "cache";
        folder.directory(cache);
        while (folder.at(cache).size() < c.folderLength) {
            const std::size_t need = c.folderLength - folder.at(cache).size();
            ASSERT_GT(need, 1u);
            cache += '\\';
            cache.append(need - 1 <= 120 ? need - 1 : 100, 'd');
            folder.directory(cache);
        }
        ASSERT_EQ(folder.at(cache).size(), c.folderLength);

        const Names extensions{".jpg", ".htm", ".dat", ".gif"};
        std::uint64_t total = 0;
        Counts counts;
        for (std::size_t i = 0; i < c.pathLengths.size(); ++i) {
            const std::string& extension = extensions[i % extensions.size()];
            const std::size_t nameLength = c.pathLengths[i] - c.folderLength - 1;
            std::string name = std::to_string(i) + "-";
            name += std::string(nameLength - name.size() - extension.size(), 'n') + extension;
            ASSERT_LE(name.size(), 255u);
            folder.file(cache + "\\" + name, std::string(i + 1, 'x'));
            total += i + 1;
            const Counts one = countsOf({name});
            counts = {counts.total + 1, counts.images + one.images, counts.html + one.html,
                      counts.unknown + one.unknown};
        }
        inventoryAndClean(folder, cache, {counts, total});
    }
}

TEST(CacheOnDiskNames, ACacheFolderNamedWithWesternEuropeanLettersIsCountedAndCleaned) {
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
    // The program names the folder in capitals, the disk in small letters;
    // sharp s and y with diaeresis have no capital in the code page.
    const std::string cache = "Cach\xC3\xA9 \xC3\xB1 \xC3\x9F\xC3\xBF";
    Folder folder;
    folder.directory(cache);
    std::uint64_t total = 0;
    for (const std::string name : {"a.jpg", "\xC3\xA9t\xC3\xA9.gif", "page.htm", "keep.dat"}) {
        folder.file(cache + "\\" + name, name);
        total += name.size();
    }
    inventoryAndClean(folder, cache, {{4, 2, 1, 1}, total});
}

// Names that exist on disk but that the classic path form turns into other
// names: a device (CON, AUX, NUL, COM1, LPT1, PRN before an extension) or
// the same name without its trailing dots and spaces. The wide functions
// reach them only through the unlimited form (\\?\ in front); through the plain
// form one such file would abandon the whole inventory.
TEST(CacheOnDiskNames, NamesThatThePlainPathFormAltersAreCountedAndCleaned) {
    struct Case {
        const char* what;
        Names names;
        Counts counts;
    };
    const Case cases[] = {
        {"device names with an extension",
         {"con.jpg", "aux.htm", "nul.gif", "com1.jpg", "lpt1.htm", "prn.gif", "b.jpg"},
         {7, 5, 2, 0}},
        {"trailing dot or space", {"x.jpg.", "y.htm ", "z.gif. .", "b.jpg"}, {4, 1, 0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        folder.directory("cache");
        std::uint64_t total = 0;
        for (const std::string& name : c.names) {
            folder.file("cache\\" + name, name);
            total += name.size();
        }
        inventoryAndClean(folder, "cache", {c.counts, total});
    }
}

TEST(CacheOnDiskSizes, ZeroLengthFilesAreCountedAndCleanedAndLeaveTheSizeAsItWas) {
    Folder folder;
    folder.directory("cache");
    for (const char* name : {"a.jpg", "b.gif", "c.htm", "d.dat", "E.JPG"})
        folder.file(std::string("cache\\") + name, "");
    Program p(folder, folder.at("cache"), 1, 1);
    p.form.Load();
    expectShown(p, {5, 2, 1, 2}, 0);

    // A second inventory over the same files keeps what the fields show.
    p.screen.setText(Element::CacheSize, "12.5");
    p.screen.setText(Element::CacheUnit, "KB");
    p.form.CacheInformation(folder.at("cache") + "\\");
    EXPECT_EQ(p.text(Element::TotalCount), "5");
    EXPECT_EQ(p.text(Element::CacheSize), "12.5");
    EXPECT_EQ(p.text(Element::CacheUnit), "KB");

    for (const char* gone : {"a.jpg", "b.gif", "c.htm"}) folder.expectGone(std::string("cache\\") + gone);
    p.cleanAndStay();
    EXPECT_EQ(differences(folder.expected(), folder.actual()), "");
}

TEST(CacheOnDiskSizes, FilesOfFourGigabytesAndMoreAddUp) {
    constexpr std::uint64_t kGiB = 1ull << 30;
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::uint64_t>> files;
        Counts counts;
        const char* size;
        const char* unit;
    };
    const Case cases[] = {
        {"exactly 4 GiB", {{"four.dat", 4 * kGiB}}, {1, 0, 0, 1}, "4294.967296", "MB"},
        {"one byte past 32 bits beside a small file", {{"big.jpg", 4 * kGiB + 1}, {"s.htm", 999}}, {2, 1, 1, 0},
         "4294.968296", "MB"},
        {"5 GiB image, 4 GiB less one HTML document, 5 GiB unknown",
         {{"huge.gif", 5 * kGiB}, {"page.htm", 4 * kGiB - 1}, {"huge.dat", 5 * kGiB + 7}, {"z.jpg", 0}},
         {4, 2, 1, 1},
         "15032.385542",
         "MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        folder.directory("cache");
        for (const auto& [name, size] : c.files) folder.sparse("cache\\" + name, size, name);
        Program p(folder, folder.at("cache"), 1, 1);
        p.form.Load();
        EXPECT_EQ(p.text(Element::TotalCount), std::to_string(c.counts.total));
        EXPECT_EQ(p.text(Element::ImageCount), std::to_string(c.counts.images));
        EXPECT_EQ(p.text(Element::HTMLCount), std::to_string(c.counts.html));
        EXPECT_EQ(p.text(Element::XCount), std::to_string(c.counts.unknown));
        EXPECT_EQ(p.text(Element::CacheSize), c.size);
        EXPECT_EQ(p.text(Element::CacheUnit), c.unit);
        for (const auto& [name, size] : c.files)
            if (kindOf(name) != Kind::Unknown) folder.expectGone("cache\\" + name);
        p.cleanAndStay();
        EXPECT_EQ(differences(folder.expected(), folder.actual()), "");
    }
}

}  // namespace
}  // namespace tw::test
