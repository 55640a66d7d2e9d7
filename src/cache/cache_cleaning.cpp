// Deleting the images or HTML documents that the last inventory listed. Only
// what the inventory stored is deleted; the directory is not looked at again.
#include "cache/inventory_rules.h"
#include "platform/runtime_error.h"
#include "ui/frm_tidewell.h"

namespace tw {

void frmTidewell::CleanImages() { CleanKind(Element::ImageCount, ImageList); }

void frmTidewell::CleanHTML() { CleanKind(Element::HTMLCount, HTMLList); }

void frmTidewell::CleanKind(Element countField, const std::array<std::string, 1001>& list) {
    try {
        const long long n = leadingNumber(screen_.text(countField));
        const std::string directory = screen_.text(Element::CacheDir);
        for (long long i = 1; i <= n; ++i) {
            if (i >= static_cast<long long>(list.size())) throw RuntimeError(err::SubscriptOutOfRange);
            const std::string& name = list[static_cast<std::size_t>(i)];
            if (name.empty()) continue;
            // The lists only ever hold names the inventory classified, but a
            // deletion must never reach a file of unknown type or leave the
            // cache directory, whatever state the window is in.
            if (!isCleanableName(name)) continue;
            try {
                fs_.deleteFile(directory + "\\" + name);
            } catch (const RuntimeError& e) {
                // A read-only or locked file stays; the rest are still cleaned.
                if (e.number() != err::PathFileAccessError) throw;
            }
        }
    } catch (const RuntimeError&) {
        // Any other failure ends this kind's cleaning silently; the caller goes on.
    }
}

}  // namespace tw
