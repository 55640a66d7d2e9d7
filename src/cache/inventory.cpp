#include "cache/inventory.h"

#include "cache/file_kind.h"

namespace tw {

Inventory takeInventory(FileSystem& fs, std::string_view prefix, const std::vector<std::string>& names,
                        InventoryProgress& progress) {
    Inventory found;
    progress.begin(names.size());
    std::string path(prefix);
    for (const std::string& name : names) {
        ++found.total;
        switch (classify(prefix, name)) {
        case FileKind::Image: found.images.push_back(name); break;
        case FileKind::HtmlDocument: found.html.push_back(name); break;
        case FileKind::Unknown: ++found.unknown; break;
        }
        path.resize(prefix.size());
        path += name;
        found.bytes += fs.fileLength(path);
        progress.advance(found.total);
    }
    progress.end();
    return found;
}

}  // namespace tw
