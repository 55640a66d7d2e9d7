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
        std::string content;
        std::uint64_t length = 0;  // may exceed content, for huge files
        bool readOnly = false;
        bool locked = false;
        bool hidden = false;
    };

    std::string programDir = "C:\\PROGRAM";

    void addDirectory(const std::string& path);
    void addFile(const std::string& path, std::string content = {});
    File& file(const std::string& path);
    bool exists(const std::string& path) const;
    bool directoryExists(const std::string& path) const;
    std::vector<std::string> filesIn(const std::string& directory) const;

    std::string programDirectory() override { return programDir; }
    std::string readTextFile(std::string_view path) override;
    void replaceTextFile(std::string_view path, std::string_view utf8) override;
    void createEmptyFile(std::string_view path) override;
    void deleteFile(std::string_view path) override;
    bool fileExists(std::string_view path) override;
    bool pathExists(std::string_view path) override { return exists(std::string(path)) || directoryExists(std::string(path)); }
    std::uint64_t fileLength(std::string_view path) override;
    std::vector<std::string> listFiles(std::string_view directory) override;
    std::vector<std::string> listDirectories(std::string_view directory) override;

    // Fails the next operations of a kind with a number: "write", "create", "delete", "length", "list";
    // "write C:\PROGRAM" and "create C:\PROGRAM" fail only for files in that folder.
    std::map<std::string, int> failures;
    // Runs before each length query: lets a test delete files mid-inventory.
    std::function<void(const std::string&)> beforeLength;

    std::vector<std::string> log;  // "delete C:\X\A.JPG", "write C:\PROGRAM\user.ini", ...

private:
    static std::string key(std::string_view path);
    static std::string parentOf(const std::string& path);
    void failIfAsked(const std::string& what, const std::string& path = {});
    void requireParent(const std::string& path) const;

    std::map<std::string, std::string> directories_;  // key -> name as created
    std::map<std::string, std::pair<std::string, File>> files_;  // key -> (path as created, file)
};

}  // namespace tw::test
