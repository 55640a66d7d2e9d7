// The cache inventory: which of the listed files are images, HTML documents
// or of unknown type, and how many bytes they take together.
#pragma once

#include "platform/file_system.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct Inventory {
    std::vector<std::string> images;  // in listing order; the cleaning's work list
    std::vector<std::string> html;
    std::size_t total = 0;
    std::size_t unknown = 0;
    std::uint64_t bytes = 0;
};

// Hears how far a run has come, so that the user can watch it.
class InventoryProgress {
public:
    virtual ~InventoryProgress() = default;
    virtual void begin(std::size_t files) = 0;
    virtual void advance(std::size_t filesDone) = 0;
    virtual void end() = 0;
};

// Classifies each listed file, in order, as a file of `prefix` (the
// directory ending in "\"), and adds up the lengths the listing gave: every
// file counts towards the size, whatever its kind. No file is looked at
// again, so one deleted since the listing counts as it was listed.
Inventory takeInventory(std::string_view prefix, const std::vector<ListedFile>& listed, InventoryProgress& progress);

}  // namespace tw
