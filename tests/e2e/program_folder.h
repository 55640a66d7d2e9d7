// A temporary program folder for one scenario: a copy of Tidewell32.exe and
// of the stand-in browser in "Program Folder" (a name with a blank), the
// settings files, and a cache folder beside it.
#pragma once

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
    std::wstring exe() const { return dir_ + L"\\Tidewell32.exe"; }
    std::wstring browser() const { return dir_ + L"\\browser.exe"; }
    std::string cacheUtf8() const;

    // A file of the program folder, or any file named by its full path.
    void write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> read(const std::wstring& name) const;
    void remove(const std::wstring& name) const;

    // "tidew.ini" and "user.ini" in the form the program writes them.
    void writeSettings(const std::string& cacheDir, int images, int html, int unknown = 0) const {
        write(L"tidew.ini", "\"" + cacheDir + "\"\r\n" + std::to_string(images) + "\r\n" + std::to_string(html) +
                                "\r\n" + std::to_string(unknown) + "\r\n");
    }
    void writeBrowser(const std::string& path) const { write(L"user.ini", "\"" + path + "\"\r\n"); }

    void addCacheFile(const std::wstring& name, std::size_t size = 10) const {
        write(cache_ + L"\\" + name, std::string(size, 'x'));
    }
    bool cacheHas(const std::wstring& name) const { return read(cache_ + L"\\" + name).has_value(); }

private:
    std::wstring path(const std::wstring& name) const {
        return name.find(L'\\') == std::wstring::npos ? dir_ + L"\\" + name : name;
    }

    std::wstring root_, dir_, cache_;
};

}  // namespace tw::e2e
