// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is settings/.
// The two settings files: sequential field reading, general values and their
// conversion to the switches' 16-bit integers, and the writers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// A value read by a sequential read: empty, text, or a number.
class GeneralValue {
public:
    enum class Kind { Empty, Text, Number };

    // `quoted` fields are always text; others are numbers when they read as one.
    static GeneralValue fromField(std::string_view field, bool quoted);

    Kind kind() const { return kind_; }
    // The value as text: the field as read for text, the number's own text.
    const std::string& text() const { return text_; }
    // Conversion to a 16-bit integer: empty is 0, numbers round half to even,
    // out of range throws err::Overflow, text that is no number err::TypeMismatch.
    std::int16_t toInt16() const;

private:
    Kind kind_ = Kind::Empty;
    std::string text_;
    double number_ = 0;
};

// Reads fields one after another from a file's content. Reading when nothing
// is left throws err::InputPastEndOfFile.
class FieldReader {
public:
    explicit FieldReader(std::string_view content) : content_(content) {}
    // The reader keeps a view of the content, which must outlive it.
    explicit FieldReader(std::string&&) = delete;
    explicit FieldReader(const char* content) : content_(content) {}

    std::string readText();
    GeneralValue readGeneral();

private:
    struct Field {
        std::string text;
        bool quoted = false;
    };
    Field readField();

    std::string_view content_;
    std::size_t pos_ = 0;
};

// The files' content as written: each value on its own line ending in CRLF,
// text in double quotes and numbers bare.
std::string formatUserIni(std::string_view browser);
std::string formatTidewIni(std::string_view cacheDir, int images, int html, int unknown);

inline constexpr std::string_view kUserIni = "user.ini";
inline constexpr std::string_view kTidewIni = "tidew.ini";

}  // namespace tw
