// Measures the program's start as the user meets it, against the plainest
// one-window program (tw_bare.exe), in one run: from the process's creation
// until its main window is visible, the starts taken in turn, each figure the
// median of several. The program starts in a temporary program folder of its
// own whose settings name an empty cache. Beside them runs the floor
// (tw_floor.exe): only the windows of the program's first screen, none of
// its work; what the program cannot go below while it makes those windows.
//
//   tw_start_bench [rounds [program]]   default 9, and the Tidewell32.exe
//                                       beside this one; tw_bare.exe and
//                                       tw_floor.exe are beside it
//
// The last line reads "startup/bare=R floor/bare=F".
#include "bench_clock.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Search {
    const wchar_t* className;
    bool found;
};

BOOL CALLBACK visibleOfClass(HWND hwnd, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    wchar_t name[64];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 64) && std::wcscmp(name, search.className) == 0) {
        search.found = true;
        return FALSE;
    }
    return TRUE;
}

// Seconds from CreateProcess until the process shows a window of the class;
// a negative number when it did not within a minute.
double timeToWindow(const std::wstring& program, const std::wstring& folder, const wchar_t* className) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER from = now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return -1;
    double elapsed = -1;
    Search search{className, false};
    for (;;) {
        EnumThreadWindows(process.dwThreadId, visibleOfClass, reinterpret_cast<LPARAM>(&search));
        const LARGE_INTEGER at = now();
        if (search.found) {
            elapsed = seconds(from, at);
            break;
        }
        if (seconds(from, at) > 60 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    // Killed, not closed: the settings stay as they were for the next start.
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

bool writeFile(const std::wstring& path, const std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                    written == content.size();
    CloseHandle(file);
    return ok;
}

// The settings files are text in the ANSI code page.
std::string ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

struct Figures {
    double median, low, high;
};

Figures summary(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

void removeFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeFolder(folder + L"\\" + name);
            else
                DeleteFileW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, static_cast<int>(std::wcstol(argv[1], nullptr, 10))) : 9;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring bin = self;
    bin.resize(bin.find_last_of(L'\\'));
    // Another build of the program (an older one, say) can be set against the same bare program.
    const std::wstring original = argc > 2 ? std::wstring(argv[2]) : bin + L"\\Tidewell32.exe";

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"tidewell-start-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring folder = root + L"\\program", cache = root + L"\\cache";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(cache.c_str(), nullptr);
    // All run from the same temporary folder, so none is nearer to the disk
    // cache than another.
    struct Contender {
        const wchar_t* name;
        const wchar_t* className;
        std::wstring path;
        std::vector<double> times;
    };
    Contender contenders[] = {{L"tw_bare.exe", L"twBareWindow", folder + L"\\tw_bare.exe", {}},
                              {L"tw_floor.exe", L"frmTidewell", folder + L"\\tw_floor.exe", {}},
                              {L"Tidewell32.exe", L"frmTidewell", folder + L"\\Tidewell32.exe", {}}};
    Contender &bare = contenders[0], &floor = contenders[1], &program = contenders[2];
    const bool prepared = CopyFileW(original.c_str(), program.path.c_str(), FALSE) &&
                          CopyFileW((bin + L"\\" + bare.name).c_str(), bare.path.c_str(), FALSE) &&
                          CopyFileW((bin + L"\\" + floor.name).c_str(), floor.path.c_str(), FALSE) &&
                          writeFile(folder + L"\\user.ini", "\"C:\\NS\\netscape.exe\"\r\n") &&
                          writeFile(folder + L"\\tidew.ini", "\"" + ansi(cache) + "\"\r\n1\r\n1\r\n0\r\n");
    if (!prepared) {
        std::fputs("tw_start_bench: could not prepare the program folder\n", stderr);
        removeFolder(root);
        return 1;
    }

    // One start of each first, not counted: the first start of a program
    // reads it from the disk.
    for (const Contender& c : contenders) timeToWindow(c.path, folder, c.className);
    constexpr int kCount = std::size(contenders);
    for (int round = 0; round < rounds; ++round) {
        // Each takes each place in the order in turn.
        for (int i = 0; i < kCount; ++i) {
            Contender& c = contenders[(round + i) % kCount];
            c.times.push_back(timeToWindow(c.path, folder, c.className));
        }
        std::printf("round %d: program=%.3fs floor=%.3fs bare=%.3fs\n", round + 1, program.times.back(),
                    floor.times.back(), bare.times.back());
        std::fflush(stdout);
    }
    removeFolder(root);
    for (const Contender& c : contenders)
        if (*std::min_element(c.times.begin(), c.times.end()) < 0) {
            std::fprintf(stderr, "tw_start_bench: %ls did not show its window\n", c.name);
            return 1;
        }
    const Figures a = summary(program.times), f = summary(floor.times), b = summary(bare.times);
    std::printf("start to main window, median of %d: program=%.3fs (%.3f..%.3f) floor=%.3fs (%.3f..%.3f) "
                "bare=%.3fs (%.3f..%.3f)\n",
                rounds, a.median, a.low, a.high, f.median, f.low, f.high, b.median, b.low, b.high);
    std::printf("startup/bare=%.3f floor/bare=%.3f\n", a.median / b.median, f.median / b.median);
    return 0;
}
