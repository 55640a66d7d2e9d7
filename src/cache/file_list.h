// The hidden file list File1: the files of a directory, listed when its
// directory is set, in the order of the classic file list box, each with the
// length the listing gave.
#pragma once

#include "platform/file_system.h"

#include <string>
#include <vector>

namespace tw {

class FileList {
public:
    explicit FileList(FileSystem& fs) : fs_(fs) {}

    // Lists `directory`; throws RuntimeError (err::PathNotFound and the like)
    // when it cannot be listed, keeping the previous items.
    void setPath(std::string_view directory);

    const std::string& path() const { return path_; }
    const std::vector<ListedFile>& items() const { return items_; }

private:
    FileSystem& fs_;
    std::string path_;
    std::vector<ListedFile> items_;
};

}  // namespace tw
