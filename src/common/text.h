// Small text helpers on UTF-8 strings.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Upper case of ASCII and Latin-1 letters; other characters unchanged. Enough
// for paths, which the file system compares without regard to case anyway.
std::string upperCase(std::string_view utf8);

// Lower case of ASCII and Latin-1 letters; other characters unchanged.
std::string lowerCase(std::string_view utf8);

// Orders names as the classic list boxes do: without regard to case, and
// with the underscore and most punctuation before the letters.
bool lessIgnoringCase(std::string_view a, std::string_view b);

bool endsWith(std::string_view text, std::string_view tail);

// A caption as it is read: "&" marks the access key, "&&" is an "&".
std::string withoutAccessKey(std::string_view caption);

// The decimal number at the start of a text, leading blanks skipped; 0 when
// the text does not start with a number.
long long leadingNumber(std::string_view text);

}  // namespace tw
