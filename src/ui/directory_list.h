// The directory list of the manual panel, in the manner of the classic
// directory list box: the current directory's ancestors from the drive root
// down, the current directory open, then its subdirectories one level deeper.
#pragma once

#include "platform/file_system.h"
#include "ui/screen.h"

#include <string>
#include <vector>

namespace tw {

class DirectoryList {
public:
    explicit DirectoryList(FileSystem& fs) : fs_(fs) {}

    const std::string& path() const { return path_; }
    const std::vector<DirectoryEntry>& entries() const { return entries_; }

    // Makes `path` the current directory. Returns whether it changed; throws
    // RuntimeError(err::PathNotFound) for a directory that does not exist.
    bool setPath(std::string_view path);

    // The full path of the directory shown at `index`.
    std::string pathAt(std::size_t index) const;

private:
    FileSystem& fs_;
    std::string path_;
    std::vector<std::string> paths_;
    std::vector<DirectoryEntry> entries_;
};

}  // namespace tw
