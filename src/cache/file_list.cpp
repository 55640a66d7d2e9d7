#include "cache/file_list.h"

#include "common/text.h"

#include <algorithm>
#include <numeric>

namespace tw {
namespace {

// The classic file list box's order: without regard to case, the underscore
// before the letters. Each name is folded once rather than in every
// comparison, and a listing that already comes in this order (as many file
// systems give it) is kept as it is: a cache holds tens of thousands of names.
void sortIgnoringCase(std::vector<ListedFile>& files) {
    std::vector<std::string> keys;
    keys.reserve(files.size());
    for (const ListedFile& f : files) keys.push_back(lowerCase(f.name));
    const auto before = [&](std::size_t a, std::size_t b) {
        if (keys[a] != keys[b]) return keys[a] < keys[b];
        return files[a].name < files[b].name;
    };
    std::vector<std::size_t> order(files.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (std::is_sorted(order.begin(), order.end(), before)) return;
    std::sort(order.begin(), order.end(), before);
    std::vector<ListedFile> sorted;
    sorted.reserve(files.size());
    for (std::size_t i : order) sorted.push_back(std::move(files[i]));
    files = std::move(sorted);
}

}  // namespace

void FileList::setPath(std::string_view directory) {
    std::vector<ListedFile> files = fs_.listFiles(directory);
    sortIgnoringCase(files);
    items_ = std::move(files);
    path_ = std::string(directory);
}

}  // namespace tw
