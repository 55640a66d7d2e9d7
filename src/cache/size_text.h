// The cache's total size as the user reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

struct SizeText {
    std::string number;
    std::string unit;
};

// Nothing for 0; else Bytes, KB or MB by decimal bounds (1000, not 1024),
// the quotient shown with its fraction.
std::optional<SizeText> sizeText(std::uint64_t bytes, std::string_view decimalSeparator);

// A non-negative number with at most 15 significant digits, no exponent, no
// grouping and no trailing zeros in its fraction.
std::string formatDecimal(double value, std::string_view decimalSeparator);

}  // namespace tw
