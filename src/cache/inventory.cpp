#include "cache/inventory.h"

#include "cache/file_kind.h"

namespace tw {

Inventory takeInventory(std::string_view prefix, const std::vector<ListedFile>& listed, InventoryProgress& progress) {
    Inventory found;
    progress.begin(listed.size());
    for (const ListedFile& file : listed) {
        ++found.total;
        switch (classify(prefix, file.name)) {
        case FileKind::Image: found.images.push_back(file.name); break;
        case FileKind::HtmlDocument: found.html.push_back(file.name); break;
        case FileKind::Unknown: ++found.unknown; break;
        }
        found.bytes += file.length;
        progress.advance(found.total);
    }
    progress.end();
    return found;
}

}  // namespace tw
