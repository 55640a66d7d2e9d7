#include "app/settings_file.h"
#include "platform/runtime_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tw::test {
namespace {

using Kind = GeneralValue::Kind;

// Every field a reader yields until it reports reading past the end. The
// bound keeps a reader that stops advancing from hanging the test.
std::vector<std::string> allTexts(std::string_view content) {
    FieldReader reader(content);
    std::vector<std::string> fields;
    for (std::size_t i = 0; i <= content.size() + 1; ++i) {
        try {
            fields.push_back(reader.readText());
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::InputPastEndOfFile);
            return fields;
        }
    }
    ADD_FAILURE() << "the reader never reached the end";
    return fields;
}

// The error number a call fails with, or nothing when it returns.
template <typename F>
std::optional<int> failureOf(F&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return std::nullopt;
}

TEST(FieldReader, SplitsContentIntoFields) {
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"empty content", "", {}},
        {"one line", "C:\\NETSCAPE\\CACHE\r\n", {"C:\\NETSCAPE\\CACHE"}},
        {"last line without end", "C:\\CACHE", {"C:\\CACHE"}},
        {"blanks around a field", " \t C:\\A B \t\r\n", {"C:\\A B"}},
        {"print-style number", " 1 \r\n-5 \r\n", {"1", "-5"}},
        {"quoted field keeps commas", "\"C:\\a,b\",x\r\n", {"C:\\a,b", "x"}},
        {"quoted field keeps its blanks", "  \" lead, trail \"\r\n", {" lead, trail "}},
        {"blanks after the closing quote", "\"a\"  ,b\r\n", {"a", "b"}},
        {"quoted empty field", "\"\"\r\n1\r\n", {"", "1"}},
        {"unterminated quote runs to the end", "\"C:\\a,b", {"C:\\a,b"}},
        {"unterminated quote spans lines", "\"a\r\nb,c\r\n", {"a\r\nb,c\r\n"}},
        {"commas and line ends both delimit", "a,b\r\nc,d", {"a", "b", "c", "d"}},
        {"CR alone ends a line", "a\rb\rc", {"a", "b", "c"}},
        {"LF alone ends a line", "a\nb\n", {"a", "b"}},
        {"CRLF is one line end", "a\r\nb\r\n", {"a", "b"}},
        {"empty line is an empty field", "a\r\n\r\nc\r\n", {"a", "", "c"}},
        {"lone line end", "\r\n", {""}},
        {"blank trailing lines give empty fields", "a\r\n\r\n\r\n", {"a", "", ""}},
        {"blanks-only line is an empty field", "a\r\n   \r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(allTexts(c.content), c.fields);
    }
}

TEST(FieldReader, ReadingPastTheEndFailsWithItsOwnNumberForBothKindsOfRead) {
    FieldReader reader("1\r\n");
    EXPECT_EQ(reader.readGeneral().toInt16(), 1);
    EXPECT_EQ(failureOf([&] { reader.readGeneral(); }), err::InputPastEndOfFile);
    EXPECT_EQ(failureOf([&] { reader.readText(); }), err::InputPastEndOfFile);
    EXPECT_EQ(failureOf([] { FieldReader("").readText(); }), err::InputPastEndOfFile);
}

TEST(FieldReader, SettingsReadTheSameInEveryLayoutAndIgnoreExtraLines) {
    const std::string layouts[] = {
        "C:\\NETSCAPE\\CACHE\r\n1\r\n0\r\n2\r\n",
        "C:\\NETSCAPE\\CACHE,1,0,2",
        "\"C:\\NETSCAPE\\CACHE\"\r\n 1 \r\n 0 \r\n 2 \r\n",
        "C:\\NETSCAPE\\CACHE\n1\n0\n2\nextra line\r\nand another\r\n",
        "C:\\NETSCAPE\\CACHE\r1\r0\r2",
    };
    for (const std::string& content : layouts) {
        SCOPED_TRACE(content);
        FieldReader reader(content);
        const GeneralValue directory = reader.readGeneral();
        EXPECT_EQ(directory.kind(), Kind::Text);
        EXPECT_EQ(directory.text(), "C:\\NETSCAPE\\CACHE");
        EXPECT_EQ(reader.readGeneral().toInt16(), 1);
        EXPECT_EQ(reader.readGeneral().toInt16(), 0);
        EXPECT_EQ(reader.readGeneral().toInt16(), 2);
    }
}

TEST(GeneralValue, TakesTheSmallestKindThatHoldsTheField) {
    struct Case {
        const char* field;
        bool quoted;
        Kind kind;
        const char* text;
    };
    const Case cases[] = {
        {"7", false, Kind::Integer, "7"},
        {" 7 ", false, Kind::Integer, "7"},
        {"-32768", false, Kind::Integer, "-32768"},
        {"32768", false, Kind::Long, "32768"},
        {"40000", false, Kind::Long, "40000"},
        {"-2147483648", false, Kind::Long, "-2147483648"},
        {"2147483648", false, Kind::Double, "2147483648"},
        {"1.5", false, Kind::Double, "1.5"},
        {"1e3", false, Kind::Double, "1000"},
        {"&H10", false, Kind::Integer, "16"},
        {"&hFFFF", false, Kind::Integer, "-1"},
        {"&H10000", false, Kind::Long, "65536"},
        {"&O17", false, Kind::Integer, "15"},
        {"&H100000001", false, Kind::Text, "&H100000001"},
        {"abc", false, Kind::Text, "abc"},
        {"C:\\NETSCAPE\\CACHE", false, Kind::Text, "C:\\NETSCAPE\\CACHE"},
        {"1a", false, Kind::Text, "1a"},
        {"1e", false, Kind::Text, "1e"},
        {"&HG", false, Kind::Text, "&HG"},
        {"-", false, Kind::Text, "-"},
        {"", false, Kind::Empty, ""},
        {"", true, Kind::Text, ""},
        {"5", true, Kind::Text, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.quoted ? "quoted " : "bare ") + "'" + c.field + "'");
        const GeneralValue v = GeneralValue::fromField(c.field, c.quoted);
        EXPECT_EQ(v.kind(), c.kind);
        EXPECT_EQ(v.text(), c.text);
    }
}

TEST(GeneralValue, ConvertsToInt16RoundingHalfToEvenOrFails) {
    struct Case {
        const char* field;
        bool quoted;
        int value;    // when no failure is expected
        int failure;  // 0 for none
    };
    const Case cases[] = {
        {" 1 ", false, 1, 0},
        {"1.6", false, 2, 0},
        {"1.5", false, 2, 0},
        {"2.5", false, 2, 0},
        {"0.5", false, 0, 0},
        {"-2.5", false, -2, 0},
        {"-1", false, -1, 0},
        {"32767", false, 32767, 0},
        {"-32768.5", false, -32768, 0},
        {"32767.5", false, 0, err::Overflow},
        {"-32769", false, 0, err::Overflow},
        {"70000", false, 0, err::Overflow},
        {"1e10", false, 0, err::Overflow},
        {"&H1", false, 1, 0},
        {"&HFFFF", false, -1, 0},
        {"&H8000", false, -32768, 0},
        {"&H10000", false, 0, err::Overflow},
        {"abc", false, 0, err::TypeMismatch},
        {"", true, 0, err::TypeMismatch},
        {"2", true, 2, 0},
        {" 1 ", true, 1, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.quoted ? "quoted " : "bare ") + "'" + c.field + "'");
        const GeneralValue v = GeneralValue::fromField(c.field, c.quoted);
        std::int16_t result = 0;
        const auto failure = failureOf([&] { result = v.toInt16(); });
        if (c.failure != 0) {
            EXPECT_EQ(failure, c.failure);
        } else {
            EXPECT_EQ(failure, std::nullopt);
            EXPECT_EQ(result, c.value);
        }
    }
}

TEST(SettingsWriters, WriteOneValuePerCrlfLineWithTextQuotedAndNumbersBare) {
    EXPECT_EQ(formatUserIni("C:\\Program Files\\Netscape\\netscape.exe"),
              "\"C:\\Program Files\\Netscape\\netscape.exe\"\r\n");
    EXPECT_EQ(formatUserIni(""), "\"\"\r\n");
    EXPECT_EQ(formatTidewIni("c:\\netscape\\cache\\", 1, 0, 0), "\"c:\\netscape\\cache\\\"\r\n1\r\n0\r\n0\r\n");
}

TEST(SettingsWriters, WhatIsWrittenReadsBackIdentical) {
    // Paths are drawn from characters that trouble a bare field: commas,
    // blanks at either end, tabs, and non-ASCII text.
    const std::vector<std::string> alphabet = {"a", "Z", "0", " ", " ", ",", "\\", ":", ".", "\t", "-", "\xC3\xA9"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24), bit(0, 1);

    std::vector<std::string> paths = {"", " ", ",", " C:\\lead", "C:\\trail ", "C:\\a,b\\c", "0012", "&H10", "1e3"};
    for (int i = 0; i < 400; ++i) {
        std::string path;
        for (int n = length(random); n > 0; --n) path += alphabet[pick(random)];
        paths.push_back(path);
    }
    for (const std::string& path : paths) {
        SCOPED_TRACE("'" + path + "'");
        const std::string userIni = formatUserIni(path);
        FieldReader user(userIni);
        EXPECT_EQ(user.readText(), path);
        EXPECT_EQ(failureOf([&] { user.readText(); }), err::InputPastEndOfFile);

        const int images = bit(random), html = bit(random);
        const std::string tidewIni = formatTidewIni(path, images, html, 0);
        FieldReader tidew(tidewIni);
        const GeneralValue directory = tidew.readGeneral();
        EXPECT_EQ(directory.kind(), Kind::Text);
        EXPECT_EQ(directory.text(), path);
        EXPECT_EQ(tidew.readGeneral().toInt16(), images);
        EXPECT_EQ(tidew.readGeneral().toInt16(), html);
        EXPECT_EQ(tidew.readGeneral().toInt16(), 0);
        EXPECT_EQ(failureOf([&] { tidew.readGeneral(); }), err::InputPastEndOfFile);
    }
}

TEST(SettingsWriters, TextHoldingAQuoteStillReadsBackWhenItNeedsNoQuoting) {
    const std::string path = "C:\\say \"hi\"\\x";
    const std::string written = formatUserIni(path);
    EXPECT_EQ(FieldReader(written).readText(), path);
}

TEST(FieldReader, SurvivesHostileContent) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 300);
    std::vector<std::string> contents = {
        std::string(1 << 20, 'x'),
        std::string(1 << 20, '7'),  // a number too long for any type
        std::string(1 << 16, ','),
        std::string("\0\0\"\0,\r\0", 7),
    };
    for (int i = 0; i < 200; ++i) {
        std::string garbage;
        for (int n = length(random); n > 0; --n) garbage += static_cast<char>(byte(random));
        contents.push_back(garbage);
    }
    for (std::size_t c = 0; c < contents.size(); ++c) {
        SCOPED_TRACE("content " + std::to_string(c));
        const std::string& content = contents[c];
        FieldReader reader(content);
        std::size_t reads = 0;
        for (; reads <= content.size() + 1; ++reads) {
            GeneralValue v;
            if (const auto end = failureOf([&] { v = reader.readGeneral(); })) {
                EXPECT_EQ(*end, err::InputPastEndOfFile);
                break;
            }
            const auto failure = failureOf([&] { v.toInt16(); });
            EXPECT_TRUE(!failure || *failure == err::Overflow || *failure == err::TypeMismatch);
        }
        EXPECT_LE(reads, content.size());
        EXPECT_EQ(failureOf([&] { reader.readText(); }), err::InputPastEndOfFile);
    }
    EXPECT_EQ(FieldReader(contents[0]).readText().size(), contents[0].size());
}

}  // namespace
}  // namespace tw::test
