#include "cache/inventory_rules.h"

#include "platform/runtime_error.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tw {

FileKind classify(std::string_view prefix, std::string_view name) {
    std::string_view tail;
    if (name.size() >= 4) {
        tail = name.substr(name.size() - 4);
    } else {
        // A short name's tail takes characters of the prefix; it then holds
        // a backslash and can never match.
        std::string joined(prefix);
        joined += name;
        if (joined.size() < 4) return FileKind::Unknown;
        return classify({}, std::string_view(joined).substr(joined.size() - 4));
    }
    if (tail == ".jpg" || tail == ".gif") return FileKind::Image;
    if (tail == ".htm") return FileKind::HtmlDocument;
    return FileKind::Unknown;
}

bool isCleanableName(std::string_view name) {
    if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos) return false;
    if (name.size() < 4) return false;
    return classify({}, name) != FileKind::Unknown;
}

std::int16_t incremented(std::int16_t counter) {
    if (counter == std::numeric_limits<std::int16_t>::max()) throw RuntimeError(err::Overflow);
    return static_cast<std::int16_t>(counter + 1);
}

long long leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > 1'000'000'000'000LL) break;  // far beyond any count; stop before overflow
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

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
