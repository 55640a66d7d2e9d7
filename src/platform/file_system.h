// File-system calls the program makes. Paths and names are UTF-8 with
// backslashes; failures throw RuntimeError with the classic numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// A file as its directory's listing shows it.
struct ListedFile {
    std::string name;
    std::uint64_t length = 0;

    bool operator==(const ListedFile&) const = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The directory of the program's executable, without a trailing backslash.
    virtual std::string programDirectory() = 0;

    // Whole content of a text file in the ANSI code page, as UTF-8.
    virtual std::string readTextFile(std::string_view path) = 0;
    // Replaces a text file's content (written in the ANSI code page) so that
    // a failure part-way leaves the old content or the new, never a mix.
    virtual void replaceTextFile(std::string_view path, std::string_view utf8) = 0;
    // Removes what replaceTextFile(path, ...) left beside the file when it
    // was killed part-way: its temporary files, and nothing else. One whose
    // writer still runs, or that cannot be removed, stays; nothing is said.
    virtual void removeInterruptedReplacements(std::string_view path) = 0;
    // Creates an empty file, or empties an existing one.
    virtual void createEmptyFile(std::string_view path) = 0;
    // Creates an empty file where nothing, file or directory, is yet; false,
    // with nothing changed, when the name is taken.
    virtual bool createNewFile(std::string_view path) = 0;
    virtual void deleteFile(std::string_view path) = 0;
    // Whether a file (not a directory) exists at the path.
    virtual bool fileExists(std::string_view path) = 0;

    // A directory's ordinary files, no subdirectories, in the order the
    // platform reports them, each with the length the same listing gives.
    virtual std::vector<ListedFile> listFiles(std::string_view directory) = 0;
    // Names of a directory's subdirectories, without "." and "..".
    virtual std::vector<std::string> listDirectories(std::string_view directory) = 0;
};

}  // namespace tw
