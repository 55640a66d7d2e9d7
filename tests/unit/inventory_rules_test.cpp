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
    constexpr FileKind kImage = FileKind::Image, kHtml = FileKind::HtmlDocument, kUnknown = FileKind::Unknown;
    const Case cases[] = {
        {"C:\\CACHE\\", "a.jpg", kImage},        {"C:\\CACHE\\", "b.gif", kImage},
        {"C:\\CACHE\\", "c.htm", kHtml},         {"C:\\CACHE\\", ".gif", kImage},
        {"C:\\CACHE\\", "d.html", kUnknown},     {"C:\\CACHE\\", "E.JPG", kUnknown},
        {"C:\\CACHE\\", "x.HTM", kUnknown},      {"C:\\CACHE\\", "x.jpg.dat", kUnknown},
        {"C:\\CACHE\\", "x.htm ", kUnknown},     {"C:\\CACHE\\", "a.b", kUnknown},
        {"C:\\CACHE\\", "jpg", kUnknown},        {"", "a", kUnknown},
        {"", "", kUnknown},
        // A short name's tail reaches back into the prefix.
        {"C:\\CACHE.", "jpg", kImage},           {"C:\\CACHE.h", "tm", kHtml},
    };
    for (const Case& c : cases) EXPECT_EQ(classify(c.prefix, c.name), c.kind) << c.prefix << "|" << c.name;
}

TEST(InventoryRules, OnlyImageAndHtmlNamesInsideTheDirectoryAreCleanable) {
    for (const char* name : {"a.jpg", "b.gif", "c.htm", ".jpg"}) EXPECT_TRUE(isCleanableName(name)) << name;
    for (const char* name : {"d.html", "E.JPG", "x.txt", "a.b", "", "jpg", "..\\a.jpg", "sub/a.gif", "C:a.jpg",
                             "*.jpg", "a?.htm", "\"a\".htm", "a<b.gif", "a>b.gif", "a|b.gif"})
        EXPECT_FALSE(isCleanableName(name)) << name;
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
    const std::pair<const char*, long long> cases[] = {
        {"", 0},     {" ", 0},     {"abc", 0},    {"0", 0},   {"7", 7},   {"1000", 1000}, {"  12", 12},
        {"\t7x", 7}, {"12abc", 12}, {"3.9", 3},   {"-3", -3}, {"+4", 4},  {"x12", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << "'" << text << "'";
    // Far more digits than any count; must neither overflow nor turn small.
    EXPECT_GE(leadingNumber(std::string(40, '9')), 1'000'000'000'000LL);
}

TEST(InventoryRules, SizeIsShownInDecimalUnitsWithFifteenDigitsAndTheLocaleSeparator) {
    struct Case {
        std::uint64_t bytes;
        const char* separator;
        const char* number;
        const char* unit;
    };
    const Case cases[] = {
        {1, ".", "1", "Bytes"},                         {999, ".", "999", "Bytes"},
        {1000, ".", "1", "KB"},                         {1001, ".", "1.001", "KB"},
        {1536, ",", "1,536", "KB"},                     {999999, ".", "999.999", "KB"},
        {1000000, ".", "1", "MB"},                      {2000000, ",", "2", "MB"},
        {1500000, ".", "1.5", "MB"},                    {123456789, ",", "123,456789", "MB"},
        {4294967296ull, ".", "4294.967296", "MB"},      {1'000'000'000'000ull, ".", "1000000", "MB"},
        // More than 15 significant digits: the rest is rounded away.
        {666666666666666667ull, ".", "666666666666.667", "MB"},
        {1234567890123456789ull, ".", "1234567890123.46", "MB"},
        {9999999999999999999ull, ".", "10000000000000", "MB"},
        {std::numeric_limits<std::uint64_t>::max(), ".", "18446744073709.6", "MB"},
    };
    for (const Case& c : cases) {
        const auto shown = sizeText(c.bytes, c.separator);
        ASSERT_TRUE(shown.has_value()) << c.bytes;
        EXPECT_EQ(shown->number + " " + shown->unit, c.number + std::string(" ") + c.unit) << c.bytes;
    }
    EXPECT_FALSE(sizeText(0, ".").has_value());
}

}  // namespace
}  // namespace tw::test
