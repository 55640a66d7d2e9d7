// An in-memory file system with Windows rules: paths compare without regard
// to case, missing folders and files fail with the classic numbers, and
// read-only or locked files cannot be deleted.
#pragma once

#include "platform/file_system.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tw::test {

class FakeFileSystem : public FileSystem {
public:
    struct File {
        std::string name;  // as created
        std::string content;
        std::uint64_t length = 0;
        bool readOnly = false, locked = false, hidden = false;
    };

    std::string programDir = "C:\\PROGRAM";

    void addDirectory(const std::string& path);
    File& addFile(const std::string& path, std::string content = "x");
    File& file(const std::string& path) { return files_.at(key(path)); }
    bool exists(const std::string& path) const { return files_.count(key(path)) != 0; }
    std::set<std::string> namesIn(const std::string& directory) const;

    std::string programDirectory() override { return programDir; }
    std::string readTextFile(std::string_view path) override { return existing("read", path).content; }
    void replaceTextFile(std::string_view path, std::string_view utf8) override;
    // Only logged: the rule of what is left over is the real file system's.
    void removeInterruptedReplacements(std::string_view path) override { log.push_back("tidy " + std::string(path)); }
    void createEmptyFile(std::string_view path) override;
    bool createNewFile(std::string_view path) override;
    void deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override { return exists(std::string(path)); }
    std::vector<ListedFile> listFiles(std::string_view directory) override;
    std::vector<std::string> listDirectories(std::string_view directory) override;

    // Runs before every operation ("read", "write", "create", "delete",
    // "list") with its path: a test may throw from it, or change
    // the files as another program would.
    std::function<void(std::string_view operation, const std::string& path)> before;
    std::vector<std::string> log;  // "delete C:\X\A.JPG", "write C:\PROGRAM\user.ini", "tidy ..."

private:
    static std::string key(std::string_view path);
    static std::string parentOf(const std::string& path);
    void reach(std::string_view operation, const std::string& path);
    File& existing(std::string_view operation, std::string_view path);

    std::map<std::string, std::string> directories_;  // by key: the name as created
    std::map<std::string, File> files_;
};

}  // namespace tw::test
