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

// Classifies and measures each name, in order, as a file of `prefix` (the
// directory ending in "\"). Every file counts towards the size, whatever its
// kind. A file that cannot be measured, for example one deleted since the
// directory was listed, abandons the run: the failure passes to the caller
// and end() is not heard.
Inventory takeInventory(FileSystem& fs, std::string_view prefix, const std::vector<std::string>& names,
                        InventoryProgress& progress);

}  // namespace tw
