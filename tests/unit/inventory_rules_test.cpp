#include "cache/inventory_rules.h"
#include "platform/runtime_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tw::test {
namespace {

TEST(InventoryRules, ClassifiesByTheExactLastFourCharacters) {
    struct Case {
        const char* prefix;
        const char* name;
        FileKind kind;
    };
    const Case cases[] = {
        {"C:\\CACHE\\", "a.jpg", FileKind::Image},
        {"C:\\CACHE\\", "b.gif", FileKind::Image},
        {"C:\\CACHE\\", "c.htm", FileKind::HtmlDocument},
        {"C:\\CACHE\\", ".gif", FileKind::Image},
        {"C:\\CACHE\\", "d.html", FileKind::Unknown},
        {"C:\\CACHE\\", "E.JPG", FileKind::Unknown},
        {"C:\\CACHE\\", "x.Gif", FileKind::Unknown},
        {"C:\\CACHE\\", "x.HTM", FileKind::Unknown},
        {"C:\\CACHE\\", "x.jpeg", FileKind::Unknown},
        {"C:\\CACHE\\", "x.jpg.dat", FileKind::Unknown},
        {"C:\\CACHE\\", "x.htm ", FileKind::Unknown},
        {"C:\\CACHE\\", "noext", FileKind::Unknown},
        {"C:\\CACHE\\", "a.b", FileKind::Unknown},
        {"C:\\CACHE\\", "jpg", FileKind::Unknown},
        {"", "a", FileKind::Unknown},
        {"", "", FileKind::Unknown},
        // A short name's tail reaches back into the prefix.
        {"C:\\CACHE.", "jpg", FileKind::Image},
        {"C:\\CACHE.h", "tm", FileKind::HtmlDocument},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.prefix) + "|" + c.name);
        EXPECT_EQ(classify(c.prefix, c.name), c.kind);
    }
}

TEST(InventoryRules, OnlyImageAndHtmlNamesInsideTheDirectoryAreCleanable) {
    struct Case {
        const char* name;
        bool cleanable;
    };
    const Case cases[] = {
        {"a.jpg", true},      {"b.gif", true},      {"c.htm", true},        {".jpg", true},
        {"d.html", false},    {"E.JPG", false},     {"x.txt", false},       {"a.b", false},
        {"", false},          {"jpg", false},       {"..\\a.jpg", false},   {"sub/a.gif", false},
        {"C:a.jpg", false},   {"*.jpg", false},     {"a?.htm", false},      {"\"a\".htm", false},
        {"a<b.gif", false},   {"a>b.gif", false},   {"a|b.gif", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isCleanableName(c.name), c.cleanable);
    }
}

TEST(InventoryRules, CountersGrowByOneUntilTheyWouldOverflow) {
    const std::int16_t pairs[][2] = {{0, 1}, {-1, 0}, {999, 1000}, {32766, 32767}, {-32768, -32767}};
    for (const auto& p : pairs) EXPECT_EQ(incremented(p[0]), p[1]) << p[0];
    try {
        incremented(32767);
        ADD_FAILURE() << "32767 + 1 must overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST(InventoryRules, LeadingNumberReadsTheDecimalNumberAtTheStart) {
    struct Case {
        const char* text;
        long long value;
    };
    const Case cases[] = {
        {"", 0},     {" ", 0},      {"abc", 0},      {"0", 0},     {"7", 7},      {"1000", 1000},
        {"  12", 12}, {"\t7x", 7},  {"12abc", 12},   {"3.9", 3},   {"-3", -3},    {"+4", 4},
        {"x12", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        EXPECT_EQ(leadingNumber(c.text), c.value);
    }
    // Far more digits than any count; must neither overflow nor turn small.
    EXPECT_GE(leadingNumber(std::string(40, '9')), 1'000'000'000'000LL);
}

TEST(InventoryRules, SizeIsShownInDecimalUnitsWithTheLocaleSeparator) {
    struct Case {
        std::uint64_t bytes;
        const char* separator;
        const char* number;
        const char* unit;
    };
    const Case cases[] = {
        {1, ".", "1", "Bytes"},
        {999, ".", "999", "Bytes"},
        {400 + 599, ".", "999", "Bytes"},
        {400 + 600, ".", "1", "KB"},
        {1001, ".", "1.001", "KB"},
        {1536, ".", "1.536", "KB"},
        {999999, ".", "999.999", "KB"},
        {1000000, ".", "1", "MB"},
        {1500000, ".", "1.5", "MB"},
        {123456789, ".", "123.456789", "MB"},
        {999999999, ".", "999.999999", "MB"},
        {1536, ",", "1,536", "KB"},
        {123456789, ",", "123,456789", "MB"},
        {2000000, ",", "2", "MB"},
        {999, ",", "999", "Bytes"},
        // Beyond 32 bits.
        {4294967296ull, ".", "4294.967296", "MB"},
        {5ull << 30, ".", "5368.70912", "MB"},
        {1'000'000'000'000ull, ".", "1000000", "MB"},
        // More than 15 significant digits: the rest is rounded away.
        {1234567890123456789ull, ".", "1234567890123.46", "MB"},
        {1ull << 63, ".", "9223372036854.78", "MB"},
        {9999999999999999999ull, ".", "10000000000000", "MB"},
        {std::numeric_limits<std::uint64_t>::max(), ".", "18446744073709.6", "MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bytes) + " bytes, separator " + c.separator);
        const auto shown = sizeText(c.bytes, c.separator);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->number, c.number);
        EXPECT_EQ(shown->unit, c.unit);
    }
    EXPECT_FALSE(sizeText(0, ".").has_value());
}

TEST(InventoryRules, FormatDecimalDropsTrailingZerosAndKeepsFifteenDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1.0, "1"},
        {10.0, "10"},
        {1.25, "1.25"},
        {0.5, "0.5"},
        {100.10, "100.1"},
        {2.0 / 3.0 * 1000, "666.666666666667"},
        {123456789012345.0, "123456789012345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatDecimal(c.value, "."), c.text);
    }
}

}  // namespace
}  // namespace tw::test
