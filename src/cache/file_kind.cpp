#include "cache/file_kind.h"

#include <string>

namespace tw {

FileKind classify(std::string_view prefix, std::string_view name) {
    std::string_view tail;
    std::string joined;
    if (name.size() >= 4) {
        tail = name.substr(name.size() - 4);
    } else {
        // A short name's tail takes characters of the prefix; it then holds
        // a backslash and can never match.
        joined.append(prefix).append(name);
        if (joined.size() < 4) return FileKind::Unknown;
        tail = std::string_view(joined).substr(joined.size() - 4);
    }
    if (tail == ".jpg" || tail == ".gif") return FileKind::Image;
    if (tail == ".htm") return FileKind::HtmlDocument;
    return FileKind::Unknown;
}

bool isCleanableName(std::string_view name) {
    if (name.size() < 4 || name.find_first_of("\\/:*?\"<>|") != std::string_view::npos) return false;
    return classify({}, name) != FileKind::Unknown;
}

}  // namespace tw
