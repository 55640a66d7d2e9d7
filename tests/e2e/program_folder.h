// A temporary program folder for one scenario: a copy of Tidewell32.exe and
// the stand-in browser, the settings files, and a cache folder beside it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tw::e2e {

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& root() const { return root_; }
    const std::wstring& dir() const { return dir_; }
    const std::wstring& cache() const { return cache_; }
    std::wstring exe() const { return dir_ + L"\\Tidewell32.exe"; }
    std::wstring browser() const { return dir_ + L"\\browser.exe"; }
    std::string cacheUtf8() const;

    // Writes a file of the program folder with exactly these bytes.
    void write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> read(const std::wstring& name) const;
    void remove(const std::wstring& name) const;

    // "tidew.ini" in the form the program writes it.
    void writeSettings(const std::string& cacheDir, int images, int html, int unknown = 0) const;
    void writeBrowser(const std::string& path) const;

    void addCacheFile(const std::wstring& name, std::size_t size = 10) const;
    bool cacheHas(const std::wstring& name) const;

private:
    std::wstring root_, dir_, cache_;
};

// The folder the driver itself was started from.
std::wstring driverFolder();

}  // namespace tw::e2e
