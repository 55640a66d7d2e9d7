#include "cache/cleaning.h"

#include "cache/file_kind.h"
#include "common/path.h"
#include "common/runtime_error.h"

#include <algorithm>

namespace tw {

CleaningReport cleanListed(FileSystem& fs, std::string_view directory, const std::vector<std::string>& listed,
                           std::size_t count) {
    CleaningReport report;
    for (std::size_t i = 0; i < std::min(count, listed.size()); ++i) {
        const std::string& name = listed[i];
        if (!isCleanableName(name)) continue;
        try {
            fs.deleteFile(joinPath(directory, name));
            report.deleted.push_back(name);
        } catch (const RuntimeError& e) {
            if (e.number() != err::PathFileAccessError) {
                report.stoppedAt = name;
                break;
            }
            report.kept.push_back(name);
        }
    }
    return report;
}

}  // namespace tw
