#include "common/text.h"

#include <algorithm>

namespace tw {
namespace {

// Latin-1 small letters à..þ (U+00E0..U+00FE, but not ÷) are C3 A0..C3 BE in
// UTF-8; their capitals are 0x20 lower in the second byte.
bool isLatin1Small(unsigned char lead, unsigned char trail) {
    return lead == 0xC3 && trail >= 0xA0 && trail <= 0xBE && trail != 0xB7;
}

}  // namespace

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperCase(std::string_view utf8) {
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto lead = static_cast<unsigned char>(out[i]);
        if (lead < 0x80) {
            out[i] = asciiUpper(out[i]);
        } else if (i + 1 < out.size() && isLatin1Small(lead, static_cast<unsigned char>(out[i + 1]))) {
            out[i + 1] = static_cast<char>(static_cast<unsigned char>(out[i + 1]) - 0x20);
            ++i;
        }
    }
    return out;
}

std::string lowerCase(std::string_view utf8) {
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto lead = static_cast<unsigned char>(out[i]);
        if (lead >= 'A' && lead <= 'Z') {
            out[i] = static_cast<char>(lead - 'A' + 'a');
        } else if (lead == 0xC3 && i + 1 < out.size()) {
            // Latin-1 capitals À..Þ (but not ×) are C3 80..C3 9E.
            const auto trail = static_cast<unsigned char>(out[i + 1]);
            if (trail >= 0x80 && trail <= 0x9E && trail != 0x97) out[i + 1] = static_cast<char>(trail + 0x20);
            ++i;
        }
    }
    return out;
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    const std::string ua = lowerCase(a), ub = lowerCase(b);
    if (ua != ub) return ua < ub;
    return a < b;  // a stable order for names that differ only in case
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

CaptionText readCaption(std::string_view caption) {
    CaptionText read;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (++i == caption.size()) break;
            if (caption[i] != '&' && read.key == 0) read.key = asciiUpper(caption[i]);
        }
        read.text += caption[i];
    }
    return read;
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

}  // namespace tw
