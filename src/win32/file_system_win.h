#pragma once

#include "platform/file_system.h"

#include <string>

namespace tw::win {

class Win32FileSystem : public FileSystem {
public:
    // Settings files are text in `codePage`; 0 is the system's ANSI code page.
    explicit Win32FileSystem(unsigned codePage = 0);

    std::string programDirectory() override;
    std::string readTextFile(std::string_view path) override;
    void replaceTextFile(std::string_view path, std::string_view utf8) override;
    void removeInterruptedReplacements(std::string_view path) override;
    void createEmptyFile(std::string_view path) override;
    bool createNewFile(std::string_view path) override;
    void deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    std::vector<ListedFile> listFiles(std::string_view directory) override;
    std::vector<std::string> listDirectories(std::string_view directory) override;

private:
    // The path of a file in a directory as the disk spells the directory.
    // The program names the cache directory in upper case; a file system
    // that is case-sensitive underneath (Wine's) would otherwise search every
    // parent folder again for each of thousands of files.
    std::wstring onDiskPath(std::string_view path);

    unsigned codePage_;
    std::wstring askedDirectory_;
    std::wstring diskDirectory_;
};

}  // namespace tw::win
