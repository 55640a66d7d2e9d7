// What kind a cached file is, judged by its name alone.
#pragma once

#include <string_view>

namespace tw {

enum class FileKind { Image, HtmlDocument, Unknown };

// The last four characters of prefix followed by name decide, exactly and
// case-sensitively: ".jpg" and ".gif" are images, ".htm" HTML documents.
// Everything else, ".JPG" and ".html" included, is of unknown type.
FileKind classify(std::string_view prefix, std::string_view name);

// Whether a bare file name may ever be deleted: one that classifies as an
// image or HTML document, with nothing in it that could lead outside the
// cache directory.
bool isCleanableName(std::string_view name);

}  // namespace tw
