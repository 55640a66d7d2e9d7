#include "cache/file_list.h"

#include "common/text.h"

#include <algorithm>
#include <numeric>

namespace tw {

void sortIgnoringCase(std::vector<std::string>& names) {
    // Fold each name once rather than in every comparison: a cache holds
    // tens of thousands of names.
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const auto& n : names) keys.push_back(lowerCase(n));
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (keys[a] != keys[b]) return keys[a] < keys[b];
        return names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order) sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

void FileList::setPath(std::string_view directory) {
    std::vector<std::string> names = fs_.listFiles(directory);
    sortIgnoringCase(names);
    items_ = std::move(names);
    path_ = std::string(directory);
}

}  // namespace tw
