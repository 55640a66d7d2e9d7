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
#include <string>
#include <vector>

namespace tw::test {
namespace {

constexpr LCID kEnglishUs = 0x409;

// splitmix64: the same values on every run and every platform.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

private:
    std::uint64_t state_;
};

std::string oracleText(double value) {
    BSTR text = nullptr;
    const HRESULT hr = VarBstrFromR8(value, kEnglishUs, LOCALE_NOUSEROVERRIDE, &text);
    if (FAILED(hr)) return "<failed>";
    std::string result = win::narrow(text);
    SysFreeString(text);
    return result;
}

struct Int16Result {
    int error = 0;
    int value = 0;
    bool operator==(const Int16Result&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Int16Result& r) {
    return r.error != 0 ? out << "error " << r.error : out << r.value;
}

Int16Result oracleInt16(const std::string& text) {
    std::wstring wide = win::widen(text);
    SHORT value = 0;
    const HRESULT hr = VarI2FromStr(wide.data(), kEnglishUs, LOCALE_NOUSEROVERRIDE, &value);
    if (hr == DISP_E_OVERFLOW) return {err::Overflow, 0};
    if (hr == DISP_E_TYPEMISMATCH) return {err::TypeMismatch, 0};
    if (FAILED(hr)) return {-1, static_cast<int>(hr)};
    return {0, value};
}

Int16Result ourInt16(const std::string& text) {
    try {
        return {0, GeneralValue::fromField(text, false).toInt16()};
    } catch (const RuntimeError& e) {
        return {e.number(), 0};
    }
}

// Kilobytes and megabytes as the inventory divides them.
std::vector<double> quotients() {
    std::vector<std::uint64_t> counts{
        999, 1000, 1001, 1536, 999'999, 1'000'000, 1'000'001, 123'456'789, 4'294'967'296, 5'368'709'120,
        18'446'744'073'709'551'615ull,
    };
    Generator gen(20240611);
    for (int i = 0; i < 20'000; ++i) counts.push_back(gen.next() >> gen.below(64));
    for (std::uint64_t s = 1000; s < 1100; ++s) counts.push_back(s);
    for (std::uint64_t p = 1000; p < 1'000'000'000'000'000'000ull; p *= 10) {
        counts.push_back(p - 1);
        counts.push_back(p + 5);
    }
    std::vector<double> values;
    for (std::uint64_t s : counts) {
        values.push_back(static_cast<double>(s) / 1000.0);
        values.push_back(static_cast<double>(s) / 1'000'000.0);
    }
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
    Generator gen(7);
    for (int i = 0; i < 3000; ++i) {
        const long long whole = static_cast<long long>(gen.below(140'002)) - 70'001;
        std::string text = std::to_string(whole);
        switch (gen.below(5)) {
        case 0: text += ".5"; break;
        case 1: text += "." + std::to_string(gen.below(1000)); break;
        case 2: text = "&H" + std::to_string(gen.below(10)) + "F" + std::to_string(gen.below(100)); break;
        case 3: text += "e-" + std::to_string(gen.below(3)); break;
        default: break;
        }
        if (gen.below(4) == 0) text = " " + text + "  ";
        texts.push_back(text);
    }
    for (const std::string& text : texts) EXPECT_EQ(ourInt16(text), oracleInt16(text)) << '"' << text << '"';
}

}  // namespace
}  // namespace tw::test
