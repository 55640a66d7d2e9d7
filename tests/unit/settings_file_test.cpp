#include "failure_number.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw::test {
namespace {

using Kind = GeneralValue::Kind;
using Strings = std::vector<std::string>;

// Every field a reader yields until it reports reading past the end.
Strings allTexts(std::string_view content) {
    FieldReader reader(content);
    Strings fields;
    for (int end = 0; fields.size() <= content.size() && !end;) {
        std::string field;
        if (!(end = failureNumber([&] { field = reader.readText(); }))) fields.push_back(field);
        else EXPECT_EQ(end, err::InputPastEndOfFile);
    }
    return fields;
}

TEST(FieldReader, SplitsContentIntoFields) {
    struct Case { std::string content; Strings fields; };
    const Case cases[] = {
        {"", {}},                                       {" \t C:\\A B \t\r\n", {"C:\\A B"}},
        {"  \" lead, trail \"  ,x\r\n", {" lead, trail ", "x"}}, {"\"a\r\nb,c", {"a\r\nb,c"}},
        {"a,b\r\nc,d", {"a", "b", "c", "d"}},          {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"a\r\n   \r\n\r\nb", {"a", "", "", "b"}},      {"\r\n", {""}},
        {"\"", {""}},                                   {"a,\r\n", {"a", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.content));
        EXPECT_EQ(allTexts(c.content), c.fields);
    }
}

// What a field reads as: its kind and text, and its 16-bit value or the
// failure of that conversion.
TEST(GeneralValue, ReadsNumbersAndConvertsToInt16RoundingHalfToEven) {
    struct Case { const char* field; bool quoted; Kind kind; const char* text; int value, failure; };
    constexpr int kOver = err::Overflow, kMismatch = err::TypeMismatch;
    constexpr Kind N = Kind::Number, T = Kind::Text;
    const Case cases[] = {
        {" 1 ", false, N, "1", 1, 0},                    {"-32768", false, N, "-32768", -32768, 0},
        {"32768", false, N, "32768", 0, kOver},          {"2.5", false, N, "2.5", 2, 0},
        {"32767", false, N, "32767", 32767, 0},
        {"-32768.5", false, N, "-32768.5", -32768, 0},   {"32767.5", false, N, "32767.5", 0, kOver},
        {"1D3", false, N, "1000", 1000, 0},              {"&hFFFF", false, N, "-1", -1, 0},
        {"&O17", false, N, "15", 15, 0},                 {"1e", false, T, "1e", 0, kMismatch},
        {"", false, Kind::Empty, "", 0, 0},              {"", true, T, "", 0, kMismatch},
        {" 1 ", true, T, " 1 ", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.quoted ? "quoted " : "bare ") + "'" + c.field + "'");
        const GeneralValue v = GeneralValue::fromField(c.field, c.quoted);
        EXPECT_EQ(v.kind(), c.kind);
        EXPECT_EQ(v.text(), c.text);
        int result = 0;
        EXPECT_EQ(failureNumber([&] { result = v.toInt16(); }), c.failure);
        EXPECT_EQ(result, c.value);
    }
}

TEST(SettingsWriters, WriteOneValuePerCrlfLineAndReadBackIdentical) {
    // Paths that trouble a bare field: commas, blanks at either end, text
    // that reads as a number, and a quote, which cannot be quoted itself.
    for (const std::string path : {"", " ", ",", " C:\\lead", "C:\\trail \t", "C:\\a,b\\c", "0012", "&H10",
                                   "C:\\say \"hi\"\\x", "C:\\caf\xC3\xA9"}) {
        SCOPED_TRACE("'" + path + "'");
        EXPECT_EQ(allTexts(formatUserIni(path)), Strings{path});
        const std::string written = formatTidewIni(path, 1, 0, 0);
        FieldReader tidew(written);
        const GeneralValue directory = tidew.readGeneral();
        EXPECT_EQ(directory.kind() == Kind::Text ? directory.text() : "not text", path);
        for (int value : {1, 0, 0}) EXPECT_EQ(tidew.readGeneral().toInt16(), value);
        EXPECT_EQ(failureNumber([&] { tidew.readGeneral(); }), err::InputPastEndOfFile);
    }
}

}  // namespace
}  // namespace tw::test
