// Measures the program's start-up, inventory and cleaning against bare loops
// of the plainest Win32 calls over the same files, in one run.
//
//   tw_bench [--caches FOLDER] [counts...]     default: 0 1000 10000 30000 100000
//
// The cache of n files is FOLDER\n; a missing one is made here, which under
// Wine is slow beyond a few thousand files (bench/run.sh makes them natively).
// Each figure is the median of several rounds. The last line reads
// "inventory/raw=R1 clean/raw=R2 startup/onepass=R3" for the largest cache.
#include "app/prepared_main_form.h"
#include "app/startup.h"
#include "cache/file_list.h"
#include "common/text.h"
#include "ui/frm_start.h"
#include "win32/file_system_win.h"
#include "win32/main_window_win.h"
#include "win32/screen_win.h"
#include "win32/start_window_win.h"
#include "win32/wide.h"

#include "bench_clock.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

using namespace tw;

namespace {

constexpr int kRounds = 5;
// The cleaning's own folder: this many images and HTML documents, and as
// many files of other types.
constexpr int kCleanKinds = 1000;

class QuietDialogs final : public Dialogs {
public:
    int messageBox(std::string_view, int, std::string_view) override { return mb::AnswerOk; }
    std::optional<std::string> openFile(std::string_view) override { return std::nullopt; }
};

class NoProcesses final : public ProcessStarter {
public:
    void start(std::string_view, std::string_view, int) override {}
};

// The program's own file system, with its program folder moved to where the
// benchmark keeps its settings files.
class BenchFileSystem final : public win::Win32FileSystem {
public:
    explicit BenchFileSystem(std::string programDir) : programDir_(std::move(programDir)) {}
    std::string programDirectory() override { return programDir_; }

private:
    std::string programDir_;
};

template <class F>
double timed(F&& work) {
    const LARGE_INTEGER from = now();
    work();
    return seconds(from, now());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void handleWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The program as wWinMain puts it together, with the dialogs and the
// process start stubbed: one start of it, from before the main window's
// preparation (its window made, hidden) until it shows the inventory and
// has painted.
class OneStart final : public FormLoader {
public:
    explicit OneStart(BenchFileSystem& fs)
        : form_(screen_, fs, dialogs_, processes_), start_(screen_), startWindow_(screen_),
          mainWindow_(screen_, form_) {}
    ~OneStart() override {
        for (Element form : {Element::frmTidewell, Element::frmStart})
            if (HWND h = screen_.hwnd(form); h != nullptr && IsWindow(h)) DestroyWindow(h);
        handleWaitingMessages();
    }

    double run() {
        RunStartup(*this, screen_);
        handleWaitingMessages();
        return seconds(from_, now());
    }
    void load(Element form) override {
        if (form == Element::frmStart) {
            startWindow_.create();
            start_.Load();
            handleWaitingMessages();
        } else {
            mainWindow_.create();
            from_ = now();
            form_.Load();
        }
    }
    std::string text(Element e) const { return screen_.text(e); }
    PreparedMainForm& form() { return form_; }

private:
    win::Win32Screen screen_;
    QuietDialogs dialogs_;
    NoProcesses processes_;
    PreparedMainForm form_;
    frmStart start_;
    win::StartWindow startWindow_;
    win::MainWindow mainWindow_;
    LARGE_INTEGER from_{};
};

void writeFile(const std::wstring& path, std::size_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(size, 'c');
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void removeTree(const std::wstring& dir) {
    std::wstring from = dir;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

std::wstring imageName(int i) { return L"img" + std::to_wstring(i) + (i % 2 ? L".gif" : L".jpg"); }
std::wstring htmlName(int i) { return L"page" + std::to_wstring(i) + L".htm"; }

// At most 1000 images and 1000 HTML documents; the rest of other types.
// bench/run.sh lays down the same names and sizes.
void fillCache(const std::wstring& dir, int count) {
    CreateDirectoryW(dir.c_str(), nullptr);
    const int kinds = std::min(count / 3, 1000);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + imageName(i), 100 + i % 900);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + htmlName(i), 200 + i % 700);
    for (int i = 0; i < count - 2 * kinds; ++i) writeFile(dir + L"\\data" + std::to_wstring(i) + L".dat", 50);
}

void recreateCleanable(const std::wstring& dir, int kinds) {
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + imageName(i), 10);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + htmlName(i), 10);
}

// One pass: the directory listing with each file's size taken from it.
std::uint64_t onePass(const std::wstring& dir) {
    std::uint64_t total = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            total += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return total;
}

// Two passes: the listing, then each file's size asked by its name.
std::uint64_t twoPasses(const std::wstring& dir) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::uint64_t total = 0;
    for (const std::wstring& name : names) {
        WIN32_FILE_ATTRIBUTE_DATA attributes;
        if (GetFileAttributesExW((dir + L"\\" + name).c_str(), GetFileExInfoStandard, &attributes))
            total += (static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    }
    return total;
}

void rawClean(const std::wstring& dir, int kinds) {
    for (int i = 0; i < kinds; ++i) DeleteFileW((dir + L"\\" + imageName(i)).c_str());
    for (int i = 0; i < kinds; ++i) DeleteFileW((dir + L"\\" + htmlName(i)).c_str());
}

void writeSettings(BenchFileSystem& fs, const std::wstring& cache) {
    fs.replaceTextFile(fs.programDirectory() + "\\user.ini", "\"C:\\NS\\netscape.exe\"\r\n");
    fs.replaceTextFile(fs.programDirectory() + "\\tidew.ini", "\"" + win::narrow(cache) + "\"\r\n1\r\n1\r\n0\r\n");
}

struct StartFigures {
    double startup, onePass, twoPasses, listing, counting;
};

StartFigures measureStart(BenchFileSystem& fs, const std::wstring& cache, int count) {
    writeSettings(fs, cache);
    std::vector<double> startup, one, two, listing, counting;
    const std::string directory = win::narrow(cache);
    std::string shown;
    for (int round = 0; round < kRounds; ++round) {
        // Alternate which goes first, so neither profits from the other's warm caches.
        const bool rawFirst = round % 2 == 0;
        if (rawFirst) one.push_back(timed([&] { onePass(cache); }));
        {
            OneStart start(fs);
            startup.push_back(start.run());
            shown = start.text(Element::TotalCount);
        }
        if (!rawFirst) one.push_back(timed([&] { onePass(cache); }));
        two.push_back(timed([&] { twoPasses(cache); }));
    }
    // The inventory alone, as the running program redoes it: File1's listing,
    // then CacheInformation with its status text and both bars on screen.
    OneStart start(fs);
    start.run();
    const std::string upper = upperCase(directory);  // as the program hands it on
    for (int round = 0; round < kRounds; ++round) {
        FileList file1(fs);
        listing.push_back(timed([&] { file1.setPath(upper); }));
        counting.push_back(timed([&] { start.form().CacheInformation(upper + "\\"); }));
        handleWaitingMessages();
    }
    if (shown != std::to_string(count)) std::printf("warning: the start-up counted %s files\n", shown.c_str());
    return {median(startup), median(one), median(two), median(listing), median(counting)};
}

// Cleaning the images and HTML documents the inventory listed, against a
// bare loop of DeleteFileW over the same names.
double measureCleaning(BenchFileSystem& fs, const std::wstring& folder) {
    fillCache(folder, 3 * kCleanKinds);
    writeSettings(fs, folder);
    OneStart start(fs);
    start.run();
    std::vector<double> ours, raw;
    for (int round = 0; round < kRounds; ++round) {
        const bool rawFirst = round % 2 == 0;
        if (rawFirst) {
            raw.push_back(timed([&] { rawClean(folder, kCleanKinds); }));
            recreateCleanable(folder, kCleanKinds);
        }
        ours.push_back(timed([&] {
            start.form().CleanImages();
            start.form().CleanHTML();
        }));
        recreateCleanable(folder, kCleanKinds);
        if (!rawFirst) {
            raw.push_back(timed([&] { rawClean(folder, kCleanKinds); }));
            recreateCleanable(folder, kCleanKinds);
        }
    }
    const double clean = median(ours), cleanRaw = median(raw);
    std::printf("clean(%d of %d files)=%.4fs raw=%.4fs ratio=%.3f\n", 2 * kCleanKinds, 3 * kCleanKinds, clean,
                cleanRaw, clean / cleanRaw);
    return clean / cleanRaw;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::wstring caches;
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring_view(argv[i]) == L"--caches" && i + 1 < argc)
            caches = argv[++i];
        else
            counts.push_back(static_cast<int>(std::wcstol(argv[i], nullptr, 10)));
    }
    if (counts.empty()) counts = {0, 1000, 10000, 30000, 100000};

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"tidewell-bench-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring program = root + L"\\program";
    removeTree(root);
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(program.c_str(), nullptr);
    if (caches.empty()) caches = root;
    BenchFileSystem fs(win::narrow(program));

    StartFigures largest{}, at10000{}, empty{};
    double inventoryRatio = 0, startupRatio = 0;
    for (int count : counts) {
        const std::wstring cache = caches + L"\\" + std::to_wstring(count);
        if (GetFileAttributesW(cache.c_str()) == INVALID_FILE_ATTRIBUTES) fillCache(cache, count);
        const StartFigures f = measureStart(fs, cache, count);
        const double inventory = f.listing + f.counting;
        std::printf("files=%d startup=%.4fs onepass=%.4fs twopasses=%.4fs startup/onepass=%.3f\n", count, f.startup,
                    f.onePass, f.twoPasses, f.startup / f.onePass);
        std::printf("files=%d   inventory=%.4fs (File1 listing=%.4fs, CacheInformation=%.4fs) inventory/onepass=%.3f\n",
                    count, inventory, f.listing, f.counting, inventory / f.onePass);
        std::fflush(stdout);
        if (count == 0) empty = f;
        if (count == 10000) at10000 = f;
        largest = f;
        inventoryRatio = inventory / f.onePass;
        startupRatio = f.startup / f.onePass;
    }
    if (at10000.startup > 0 && counts.back() > 10000) {
        // The time a file adds, over the start-up of an empty cache.
        const double perFile10000 = (at10000.startup - empty.startup) / 10000;
        const double perFileLargest = (largest.startup - empty.startup) / counts.back();
        std::printf("start-up per file: %.2fus at 10000, %.2fus at %d, ratio=%.3f\n", perFile10000 * 1e6,
                    perFileLargest * 1e6, counts.back(), perFileLargest / perFile10000);
    }
    const double cleanRatio = measureCleaning(fs, root + L"\\clean");
    removeTree(root);
    std::printf("inventory/raw=%.3f clean/raw=%.3f startup/onepass=%.3f\n", inventoryRatio, cleanRatio, startupRatio);
    return 0;
}
