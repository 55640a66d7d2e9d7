// The cache inventory: lists, classifies and measures the files of the cache
// directory that File1 points at. It has no failure handling of its own: a
// failure abandons the run where it stands and passes to the caller.
#include "cache/inventory_rules.h"
#include "platform/runtime_error.h"
#include "ui/frm_tidewell.h"

#include <cstdint>
#include <limits>
#include <string>

namespace tw {
namespace {

void store(std::array<std::string, 1001>& list, std::int16_t index, const std::string& name) {
    if (index < 0 || index > 1000) throw RuntimeError(err::SubscriptOutOfRange);
    list[static_cast<std::size_t>(index)] = name;
}

int progressBound(std::size_t n) {
    return n > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(n);
}

}  // namespace

void frmTidewell::CacheInformation(const std::string& Fileboxpath) {
    const std::string prefix = Fileboxpath;
    screen_.setText(Element::Sbar, "Gathering information");
    screen_.updateNow();

    const std::size_t n = file1_.count();
    if (n != 0) {
        screen_.setProgressMax(Element::ProgBar, progressBound(n));
        screen_.setProgressMax(Element::ProgBar2, progressBound(n));
    }
    TotalFiles = 0;
    HTMLFiles = 0;
    ImageFiles = 0;
    std::uint64_t unknownFiles = 0;
    std::uint64_t totalSize = 0;

    std::string path = prefix;
    for (std::size_t i = 0; i < n; ++i) {
        TotalFiles = incremented(TotalFiles);
        const std::string& name = file1_.item(i);
        switch (classify(prefix, name)) {
        case FileKind::Image:
            ImageFiles = incremented(ImageFiles);
            store(ImageList, ImageFiles, name);
            break;
        case FileKind::HtmlDocument:
            HTMLFiles = incremented(HTMLFiles);
            store(HTMLList, HTMLFiles, name);
            break;
        case FileKind::Unknown:
            ++unknownFiles;
            break;
        }
        path.resize(prefix.size());
        path += name;
        totalSize += fs_.fileLength(path);
        screen_.setProgressValue(Element::ProgBar, TotalFiles);
        screen_.setProgressValue(Element::ProgBar2, TotalFiles);
        screen_.updateNow();
    }
    screen_.setProgressValue(Element::ProgBar, 0);
    screen_.setProgressValue(Element::ProgBar2, 0);

    screen_.setText(Element::TotalCount, std::to_string(TotalFiles));
    screen_.setText(Element::ImageCount, std::to_string(ImageFiles));
    screen_.setText(Element::HTMLCount, std::to_string(HTMLFiles));
    screen_.setText(Element::XCount, std::to_string(unknownFiles));
    if (const auto size = sizeText(totalSize, screen_.decimalSeparator())) {
        screen_.setText(Element::CacheSize, size->number);
        screen_.setText(Element::CacheUnit, size->unit);
    }
    screen_.setText(Element::Sbar, "Ready");
    screen_.updateNow();
}

}  // namespace tw
