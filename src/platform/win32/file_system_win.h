#pragma once

#include "platform/file_system.h"

namespace tw::win {

class Win32FileSystem final : public FileSystem {
public:
    std::string programDirectory() override;
    std::string readTextFile(std::string_view path) override;
    void replaceTextFile(std::string_view path, std::string_view utf8) override;
    void createEmptyFile(std::string_view path) override;
    void deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    std::uint64_t fileLength(std::string_view path) override;
    std::vector<std::string> listFiles(std::string_view directory) override;
    std::vector<std::string> listDirectories(std::string_view directory) override;
};

}  // namespace tw::win
