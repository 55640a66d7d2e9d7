// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is common/.
// Small text helpers on UTF-8 strings.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Upper case of an ASCII letter; any other character unchanged.
char asciiUpper(char c);

// Upper case of ASCII and Latin-1 letters; other characters unchanged. Enough
// for paths, which the file system compares without regard to case anyway.
std::string upperCase(std::string_view utf8);

// Lower case of ASCII and Latin-1 letters; other characters unchanged.
std::string lowerCase(std::string_view utf8);

// Orders names as the classic list boxes do: without regard to case, and
// with the underscore and most punctuation before the letters.
bool lessIgnoringCase(std::string_view a, std::string_view b);

bool endsWith(std::string_view text, std::string_view tail);

// A caption as it reads: "&" marks the character after it as the access key
// and is not shown, "&&" shows one "&".
struct CaptionText {
    std::string text;  // as shown
    char key = 0;      // the first marked character, ASCII upper-cased; 0 when none
};
CaptionText readCaption(std::string_view caption);

// The decimal number at the start of a text, leading blanks skipped; 0 when
// the text does not start with a number.
long long leadingNumber(std::string_view text);

}  // namespace tw
