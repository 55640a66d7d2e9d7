#pragma once

#include <climits>
#include <cstddef>

namespace tw {

// A progress bar counts in int: a count of files beyond that is scaled down
// (value and maximum alike), never wrapped.
constexpr int progressUnits(std::size_t done, std::size_t total) {
    constexpr std::size_t limit = INT_MAX;
    if (total <= limit) return static_cast<int>(done);
    return static_cast<int>(done / (total / limit + 1));
}
static_assert(progressUnits(3'000'000'000u, 3'000'000'000u) > progressUnits(1'500'000'000u, 3'000'000'000u));
static_assert(progressUnits(1'500'000'000u, 3'000'000'000u) > 0);

}  // namespace tw
