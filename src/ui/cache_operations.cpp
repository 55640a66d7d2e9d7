// The main window's side of the inventory and the cleaning: it shows what
// the cache subsystem found and hands it the lists it cleans.
#include "cache/cleaning.h"
#include "cache/inventory.h"
#include "cache/size_text.h"
#include "common/text.h"
#include "ui/frm_tidewell.h"
#include "ui/progress_units.h"

namespace tw {
namespace {

// Both windows' bars follow the run: the main window's and the start-up
// window's, which is the one on screen while the program starts.
class ProgressBars final : public InventoryProgress {
public:
    explicit ProgressBars(Screen& screen) : screen_(screen) {}

    void begin(std::size_t files) override {
        files_ = files;
        if (files == 0) return;  // an empty cache leaves the maxima as they are
        for (Element bar : {Element::ProgBar, Element::ProgBar2}) screen_.setProgressMax(bar, progressUnits(files, files));
    }
    void advance(std::size_t done) override {
        for (Element bar : {Element::ProgBar, Element::ProgBar2})
            screen_.setProgressValue(bar, progressUnits(done, files_));
        screen_.updateNow();
    }
    void end() override {
        for (Element bar : {Element::ProgBar, Element::ProgBar2}) screen_.setProgressValue(bar, 0);
    }

private:
    Screen& screen_;
    std::size_t files_ = 0;
};

}  // namespace

void frmTidewell::CacheInformation(const std::string& Fileboxpath) {
    screen_.setText(Element::Sbar, "Gathering information");
    screen_.updateNow();
    ProgressBars bars(screen_);
    Inventory found = takeInventory(Fileboxpath, File1.items(), bars);
    TotalFiles = found.total;
    ImageFiles = found.images.size();
    HTMLFiles = found.html.size();
    ImageList = std::move(found.images);
    HTMLList = std::move(found.html);

    screen_.setText(Element::TotalCount, std::to_string(TotalFiles));
    screen_.setText(Element::ImageCount, std::to_string(ImageFiles));
    screen_.setText(Element::HTMLCount, std::to_string(HTMLFiles));
    screen_.setText(Element::XCount, std::to_string(found.unknown));
    if (const auto size = sizeText(found.bytes, screen_.decimalSeparator())) {
        screen_.setText(Element::CacheSize, size->number);
        screen_.setText(Element::CacheUnit, size->unit);
    }
    screen_.setText(Element::Sbar, "Ready");
    screen_.updateNow();
}

void frmTidewell::CleanImages() { CleanKind(Element::ImageCount, ImageList); }

void frmTidewell::CleanHTML() { CleanKind(Element::HTMLCount, HTMLList); }

void frmTidewell::CleanKind(Element countField, const std::vector<std::string>& list) {
    // The count field says how many entries the last inventory stored; no
    // failure of the cleaning is ever shown, nor stops the caller.
    const long long count = leadingNumber(screen_.text(countField));
    if (count > 0) cleanListed(fs_, screen_.text(Element::CacheDir), list, static_cast<std::size_t>(count));
}

}  // namespace tw
