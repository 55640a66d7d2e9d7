// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is cache/.
// Deleting the images or the HTML documents that the last inventory listed.
// Only listed names are deleted: the directory is not looked at again, and
// nothing of unknown type is ever touched.
#pragma once

#include "platform/file_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct CleaningReport {
    std::vector<std::string> deleted;
    // Files that exist but may not be deleted (read-only, held open): they
    // stay and the cleaning goes on.
    std::vector<std::string> kept;
    // The entry whose failure (for example a file gone since the inventory)
    // ended the cleaning; the entries after it were not tried.
    std::optional<std::string> stoppedAt;
};

// Deletes the first `count` names of `listed` from `directory`, in order.
// Empty entries, and names that are not images or HTML documents, are passed
// over.
CleaningReport cleanListed(FileSystem& fs, std::string_view directory, const std::vector<std::string>& listed,
                           std::size_t count);

}  // namespace tw
