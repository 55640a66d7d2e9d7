#include "settings/settings_file.h"

#include "common/runtime_error.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace tw {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<double> parseRadix(std::string_view digits, int radix, int bits16Limit) {
    if (digits.empty()) return std::nullopt;
    unsigned long long value = 0;
    for (char c : digits) {
        int d;
        if (isDigit(c)) d = c - '0';
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else return std::nullopt;
        if (d >= radix) return std::nullopt;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    // &HFFFF is -1: up to four hex (six octal) digits make a 16-bit integer,
    // longer ones a 32-bit integer, both read as two's complement.
    if (static_cast<int>(digits.size()) <= bits16Limit && value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// The number a text reads as, if it reads as one: decimal with an optional
// sign, fraction and exponent, or &H hexadecimal and &O octal.
std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.size() > 2 && text[0] == '&') {
        const char r = text[1];
        if (r == 'H' || r == 'h') return parseRadix(text.substr(2), 16, 4);
        if (r == 'O' || r == 'o') return parseRadix(text.substr(2), 8, 6);
        return std::nullopt;
    }
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    std::size_t digits = i - digitsStart;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        digits += i - fractionStart;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) ++i;
        if (i == exponentStart) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    std::string plain(text);
    for (char& c : plain)
        if (c == 'D' || c == 'd') c = 'E';
    // A number too large for a double is still a number: it overflows
    // wherever it is converted.
    return std::strtod(plain.c_str(), nullptr);
}

std::string numberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

std::int16_t roundToInt16(double value) {
    const double rounded = std::nearbyint(value);  // the default mode rounds half to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw RuntimeError(err::Overflow);
    return static_cast<std::int16_t>(rounded);
}

std::string textLine(std::string_view text) {
    // A path with a comma or leading blanks must come back whole, so text is
    // quoted; a text that holds a quote itself cannot be, and stands bare.
    if (text.find('"') != std::string_view::npos) return std::string(text) + "\r\n";
    return "\"" + std::string(text) + "\"\r\n";
}

std::string numberLine(int value) { return std::to_string(value) + "\r\n"; }

}  // namespace

GeneralValue GeneralValue::fromField(std::string_view field, bool quoted) {
    GeneralValue v;
    if (quoted) {
        v.kind_ = Kind::Text;
        v.text_ = std::string(field);
        return v;
    }
    if (field.empty()) return v;
    if (const auto number = parseNumber(field)) {
        v.kind_ = Kind::Number;
        v.number_ = *number;
        v.text_ = numberText(*number);
        return v;
    }
    v.kind_ = Kind::Text;
    v.text_ = std::string(field);
    return v;
}

std::int16_t GeneralValue::toInt16() const {
    switch (kind_) {
    case Kind::Empty:
        return 0;
    case Kind::Text: {
        const auto number = parseNumber(text_);
        if (!number) throw RuntimeError(err::TypeMismatch);
        return roundToInt16(*number);
    }
    default:
        return roundToInt16(number_);
    }
}

FieldReader::Field FieldReader::readField() {
    const std::size_t size = content_.size();
    if (pos_ >= size) throw RuntimeError(err::InputPastEndOfFile);
    while (pos_ < size && isBlank(content_[pos_])) ++pos_;

    Field field;
    if (pos_ < size && content_[pos_] == '"') {
        field.quoted = true;
        const std::size_t close = content_.find('"', pos_ + 1);
        const std::size_t end = close == std::string_view::npos ? size : close;
        field.text = std::string(content_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end == size ? size : end + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (pos_ < size && content_[pos_] != ',' && !isLineEnd(content_[pos_])) ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < size && content_[pos_] != ',' && !isLineEnd(content_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(content_[end - 1])) --end;
        field.text = std::string(content_.substr(start, end - start));
    }

    if (pos_ < size) {
        if (content_[pos_] == ',') {
            ++pos_;
        } else if (content_[pos_] == '\r') {
            ++pos_;
            if (pos_ < size && content_[pos_] == '\n') ++pos_;
        } else if (content_[pos_] == '\n') {
            ++pos_;
        }
    }
    return field;
}

std::string FieldReader::readText() { return readField().text; }

GeneralValue FieldReader::readGeneral() {
    Field field = readField();
    return GeneralValue::fromField(field.text, field.quoted);
}

std::string formatUserIni(std::string_view browser) { return textLine(browser); }

std::string formatTidewIni(std::string_view cacheDir, int images, int html, int unknown) {
    return textLine(cacheDir) + numberLine(images) + numberLine(html) + numberLine(unknown);
}

}  // namespace tw
