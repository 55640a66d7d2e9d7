// Measures the inventory and the cleaning of the real program code against
// bare loops of the plainest Win32 calls over the same files, in one run.
//
//   tw_bench [counts...]     default: 1000 10000 30000
//
// Each figure is the median of several rounds. The last line reads
// "inventory/raw=R1 clean/raw=R2" for the largest directory.
#include "app/prepared_main_form.h"
#include "cache/file_list.h"
#include "win32/controls_win.h"
#include "win32/file_system_win.h"
#include "win32/main_window_win.h"
#include "win32/screen_win.h"
#include "win32/start_window_win.h"
#include "win32/wide.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

using namespace tw;

namespace {

constexpr int kRounds = 5;

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

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class F>
double timed(F&& work) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    work();
    QueryPerformanceCounter(&to);
    return seconds(from, to);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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

// At most 1000 images and 1000 HTML documents; the rest of unknown types.
void fillCache(const std::wstring& dir, int count) {
    const int kinds = std::min(count / 3, 1000);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + imageName(i), 100 + i % 900);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + htmlName(i), 200 + i % 700);
    for (int i = 0; i < count - 2 * kinds; ++i) writeFile(dir + L"\\data" + std::to_wstring(i) + L".dat", 50);
}

void recreateCleanable(const std::wstring& dir, int kinds) {
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + imageName(i), 10);
    for (int i = 0; i < kinds; ++i) writeFile(dir + L"\\" + htmlName(i), 10);
}

std::uint64_t rawInventory(const std::wstring& dir) {
    std::uint64_t total = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        WIN32_FILE_ATTRIBUTE_DATA attributes;
        if (GetFileAttributesExW((dir + L"\\" + data.cFileName).c_str(), GetFileExInfoStandard, &attributes))
            total += (static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return total;
}

std::size_t rawList(const std::wstring& dir) {
    std::size_t files = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return files;
}

void rawClean(const std::wstring& dir, int kinds) {
    for (int i = 0; i < kinds; ++i) DeleteFileW((dir + L"\\" + imageName(i)).c_str());
    for (int i = 0; i < kinds; ++i) DeleteFileW((dir + L"\\" + htmlName(i)).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(static_cast<int>(std::wcstol(argv[i], nullptr, 10)));
    if (counts.empty()) counts = {1000, 10000, 30000};

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"tidewell-bench-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring program = root + L"\\program", cache = root + L"\\cache";

    win::Win32Screen screen;
    BenchFileSystem fs(win::narrow(program));
    QuietDialogs dialogs;
    NoProcesses processes;
    PreparedMainForm form(screen, fs, dialogs, processes);
    win::StartWindow startWindow(screen);
    win::MainWindow mainWindow(screen, form);
    startWindow.create();
    mainWindow.create();
    screen.setVisible(Element::frmTidewell, true);

    double inventoryRatio = 0, cleanRatio = 0;
    for (int count : counts) {
        removeTree(root);
        CreateDirectoryW(root.c_str(), nullptr);
        CreateDirectoryW(program.c_str(), nullptr);
        CreateDirectoryW(cache.c_str(), nullptr);
        fillCache(cache, count);
        fs.replaceTextFile(fs.programDirectory() + "\\tidew.ini",
                           "\"" + win::narrow(cache) + "\"\r\n1\r\n1\r\n0\r\n");
        const int kinds = std::min(count / 3, 1000);
        form.Load();  // the preparation the program does once at start

        std::vector<double> ours, raw, oursClean, rawCleanTimes, probe, listing, measuring, rawListing;
        form.FirstThing();  // points File1 at the cache, as at start
        std::string directory = win::narrow(cache);
        form.CheckCacheDir(directory);  // the form the program hands on: upper case
        for (int round = 0; round < kRounds; ++round) {
            // Alternate which goes first, so neither profits from the other's warm caches.
            const bool rawFirst = round % 2 == 0;
            if (rawFirst) raw.push_back(timed([&] { rawInventory(cache); }));
            // The inventory is File1's listing followed by CacheInformation.
            listing.push_back(timed([&] {
                std::vector<std::string> names = fs.listFiles(directory);
                sortIgnoringCase(names);
            }));
            measuring.push_back(timed([&] { form.CacheInformation(directory + "\\"); }));
            ours.push_back(listing.back() + measuring.back());
            if (!rawFirst) raw.push_back(timed([&] { rawInventory(cache); }));

            std::string checked = directory;
            probe.push_back(timed([&] { form.CheckCacheDir(checked); }));
            rawListing.push_back(timed([&] { rawList(cache); }));

            recreateCleanable(cache, kinds);
            if (rawFirst) {
                rawCleanTimes.push_back(timed([&] { rawClean(cache, kinds); }));
                recreateCleanable(cache, kinds);
            }
            oursClean.push_back(timed([&] {
                form.CleanImages();
                form.CleanHTML();
            }));
            recreateCleanable(cache, kinds);
            if (!rawFirst) {
                rawCleanTimes.push_back(timed([&] { rawClean(cache, kinds); }));
                recreateCleanable(cache, kinds);
            }
        }
        if (screen.text(Element::TotalCount) != std::to_string(count))
            std::printf("warning: the inventory counted %s files\n", screen.text(Element::TotalCount).c_str());
        const double inventory = median(ours), inventoryRaw = median(raw);
        const double clean = median(oursClean), cleanRaw = median(rawCleanTimes);
        inventoryRatio = inventory / inventoryRaw;
        cleanRatio = clean / cleanRaw;
        std::printf("files=%d inventory=%.4fs raw=%.4fs ratio=%.3f\n", count, inventory, inventoryRaw, inventoryRatio);
        std::printf("files=%d   inventory: listing+sorting=%.4fs measuring+counting+bars=%.4fs; raw listing=%.4fs; "
                    "the start-up probe adds %.4fs\n",
                    count, median(listing), median(measuring), median(rawListing), median(probe));
        std::printf("files=%d clean(%d)=%.4fs raw=%.4fs ratio=%.3f\n", count, 2 * kinds, clean, cleanRaw, cleanRatio);
        std::fflush(stdout);
    }
    removeTree(root);
    std::printf("inventory/raw=%.3f clean/raw=%.3f\n", inventoryRatio, cleanRatio);
    return 0;
}
