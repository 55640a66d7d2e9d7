// The classic run-time converted through oleaut32, which every Windows and
// Wine carries: our portable conversions must give what it gives.
#include "app/settings_file.h"
#include "cache/inventory_rules.h"
#include "platform/runtime_error.h"
#include "platform/win32/wide.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace tw::test {
namespace {

constexpr LCID kEnglishUs = 0x409;

std::string oracleText(double value) {
    BSTR text = nullptr;
    if (FAILED(VarBstrFromR8(value, kEnglishUs, LOCALE_NOUSEROVERRIDE, &text))) return "<failed>";
    std::string result = win::narrow(text);
    SysFreeString(text);
    return result;
}

// A text's 16-bit value, or the classic failure number as "error N".
std::string oracleInt16(const std::string& text) {
    std::wstring wide = win::widen(text);
    SHORT value = 0;
    const HRESULT hr = VarI2FromStr(wide.data(), kEnglishUs, LOCALE_NOUSEROVERRIDE, &value);
    if (hr == DISP_E_OVERFLOW) return "error " + std::to_string(err::Overflow);
    if (hr == DISP_E_TYPEMISMATCH) return "error " + std::to_string(err::TypeMismatch);
    return FAILED(hr) ? "<failed>" : std::to_string(value);
}

std::string ourInt16(const std::string& text) {
    try {
        return std::to_string(GeneralValue::fromField(text, false).toInt16());
    } catch (const RuntimeError& e) {
        return "error " + std::to_string(e.number());
    }
}

// Kilobytes and megabytes as the inventory divides them.
std::vector<double> quotients() {
    std::vector<std::uint64_t> counts{999, 1536, 999'999, 123'456'789, 18'446'744'073'709'551'615ull};
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20'000; ++i) counts.push_back(random() >> (random() % 64));
    for (std::uint64_t s = 1000; s < 1100; ++s) counts.push_back(s);
    for (std::uint64_t p = 1000; p < 1'000'000'000'000'000'000ull; p *= 10)
        counts.insert(counts.end(), {p - 1, p + 1, p + 5});
    std::vector<double> values;
    for (std::uint64_t s : counts) values.insert(values.end(), {s / 1000.0, s / 1'000'000.0});
    return values;
}

// Whether the exact value lies halfway between two 15-digit numbers.
bool isTie(double value) {
    char text[128];
    std::snprintf(text, sizeof text, "%.70e", value);  // exact for 1 <= value < 1e15
    std::string digits(text, std::strchr(text, 'e'));
    digits.erase(1, 1);
    return digits[15] == '5' && digits.find_first_not_of('0', 16) == std::string::npos;
}

TEST(Oracle, SizesReadAsTheClassicNumberText) {
    int compared = 0;
    for (double value : quotients()) {
        // A size is shown only from 1 KB up; from 1e15 on oleaut32 switches to
        // an exponent, which the size field never shows. oleaut32 rounds an
        // exact tie away from zero, we to even: only 10^15 bytes and more tie.
        if (value < 1 || value >= 1e15 || isTie(value)) continue;
        ++compared;
        EXPECT_EQ(formatDecimal(value, "."), oracleText(value)) << std::hexfloat << value;
    }
    EXPECT_GT(compared, 25'000);
}

TEST(Oracle, TextToInt16AsTheClassicConversion) {
    std::vector<std::string> texts{
        " 1 ", "1.5", "2.5", "-0.5", "0.5", "-1.5", "32767", "32768", "-32768", "-32769", "70000",
        "32767.49", "32767.5", "-32768.5", "-32768.51", "&H10", "&HFFFF", "&h7fff", "&H8000", "&O17",
        "&o177777", "1e3", "1E-2", "3.2767E4", "3.2768E4", "+7", ".5", "5.", "-0", "00012",
        "abc", "1x", "&H", "&HG", "1 2", "--1", "1e", "e1", ".", "-", "0x10", "\t3", "3\t",
        "123456789012345678901234567890", "1e400", "-1e400", "&H10000", "&O", "&O8", "1..2", "1e+",
        // Left out on purpose: a D exponent ("1D3") and &H with more than four
        // digits ("&HFFFFFFFF" is -1) read as the classic file input reads them,
        // and the locale's currency, grouping, parentheses and detached or
        // trailing signs and no-break spaces ("$5", "1,000", "(5)", "- 1"), which
        // only oleaut32 takes.
    };
    std::mt19937_64 random(7);
    for (int i = 0; i < 3000; ++i) {
        std::string text = std::to_string(static_cast<long long>(random() % 140'002) - 70'001);
        switch (random() % 5) {
        case 0: text += ".5"; break;
        case 1: text += "." + std::to_string(random() % 1000); break;
        case 2: text = "&H" + std::to_string(random() % 10) + "F" + std::to_string(random() % 100); break;
        case 3: text += "e-" + std::to_string(random() % 3); break;
        default: break;
        }
        if (random() % 4 == 0) text = " " + text + "  ";
        texts.push_back(text);
    }
    for (const std::string& text : texts) EXPECT_EQ(ourInt16(text), oracleInt16(text)) << '"' << text << '"';
}

}  // namespace
}  // namespace tw::test
