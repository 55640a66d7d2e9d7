#include "ui/directory_list.h"

#include "common/path.h"
#include "common/runtime_error.h"
#include "common/text.h"

#include <algorithm>

namespace tw {
namespace {

// Splits "C:\A\B" into "C:\", "A", "B"; a trailing backslash is ignored.
std::vector<std::string> pathComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    // The root keeps its backslash ("C:\", or "\" for a path without a drive).
    const std::size_t firstSlash = path.find('\\');
    if (firstSlash != std::string_view::npos) {
        parts.emplace_back(path.substr(0, firstSlash + 1));
        start = firstSlash + 1;
    } else {
        parts.emplace_back(path);
        return parts;
    }
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

bool DirectoryList::setPath(std::string_view requested) {
    std::string path(requested);
    if (path.size() > 3 && path.back() == '\\') path.pop_back();
    if (path.size() == 2 && path[1] == ':') path += '\\';

    std::vector<std::string> subdirectories = fs_.listDirectories(path);  // throws when missing
    std::sort(subdirectories.begin(), subdirectories.end(),
              [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });

    entries_.clear();
    paths_.clear();
    std::string walked;
    int depth = 0;
    for (const std::string& part : pathComponents(path)) {
        walked = walked.empty() ? part : joinPath(walked, part);
        entries_.push_back({part, depth++, true});
        paths_.push_back(walked);
    }
    for (const std::string& name : subdirectories) {
        entries_.push_back({name, depth, false});
        paths_.push_back(joinPath(walked, name));
    }

    const bool changed = upperCase(path) != upperCase(path_);
    path_ = walked;
    return changed;
}

std::string DirectoryList::pathAt(std::size_t index) const {
    return index < paths_.size() ? paths_[index] : path_;
}

}  // namespace tw
