#include "cache/size_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tw {

std::string formatDecimal(double value, std::string_view decimalSeparator) {
    // The exponent after rounding to 15 significant digits says how many of
    // them stand before the decimal point (999.9999999999999 rounds to 1000).
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", value);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    const int fractionDigits = exponent >= 14 ? 0 : 14 - exponent;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", fractionDigits, value);
    std::string text(buffer);
    if (const auto point = text.find('.'); point != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        else text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::optional<SizeText> sizeText(std::uint64_t bytes, std::string_view decimalSeparator) {
    if (bytes == 0) return std::nullopt;
    if (bytes < 1000) return SizeText{std::to_string(bytes), "Bytes"};
    if (bytes < 1'000'000)
        return SizeText{formatDecimal(static_cast<double>(bytes) / 1000.0, decimalSeparator), "KB"};
    return SizeText{formatDecimal(static_cast<double>(bytes) / 1'000'000.0, decimalSeparator), "MB"};
}

}  // namespace tw
