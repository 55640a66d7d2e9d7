// The rules of the cache inventory that need no window: how a file is
// classified, how counters grow and how the total size is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

enum class FileKind { Image, HtmlDocument, Unknown };

// Classifies by the last four characters of prefix followed by name, exactly
// and case-sensitively: ".jpg" and ".gif" are images, ".htm" HTML documents.
FileKind classify(std::string_view prefix, std::string_view name);

// Whether a bare file name may be deleted by the cleaning: a name the
// inventory could have stored as an image or HTML document, with nothing in
// it that could lead outside the cache directory.
bool isCleanableName(std::string_view name);

// Adds one to a 16-bit counter; throws err::Overflow past 32767.
std::int16_t incremented(std::int16_t counter);

// The decimal number at the start of a text, leading blanks skipped; 0 when
// the text does not start with a number.
long long leadingNumber(std::string_view text);

struct SizeText {
    std::string number;
    std::string unit;
};

// The total size as shown: nothing for 0, else Bytes, KB or MB by decimal
// bounds, the quotient rounded to 15 significant digits.
std::optional<SizeText> sizeText(std::uint64_t bytes, std::string_view decimalSeparator);

// A non-negative number with at most 15 significant digits, no exponent, no
// grouping and no trailing zeros in its fraction.
std::string formatDecimal(double value, std::string_view decimalSeparator);

}  // namespace tw
