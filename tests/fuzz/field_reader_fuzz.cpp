// Arbitrary bytes as a settings file: reading must end in "input past end of
// file", conversions may fail only with overflow or type mismatch, and a text
// value the writers can quote must read back unchanged.
#include "app/settings_file.h"
#include "platform/runtime_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void expectNumber(const tw::RuntimeError& e, int number, const char* what) {
    if (e.number() != number) broken(what);
}

bool quotable(std::string_view text) { return text.find_first_of("\"\r\n") == std::string_view::npos; }

void checkRoundTrip(const std::string& text) {
    const std::string user = tw::formatUserIni(text);
    tw::FieldReader userReader(user);
    if (userReader.readText() != text) broken("user.ini text did not read back");

    const std::string tidew = tw::formatTidewIni(text, 1, 0, 2);
    tw::FieldReader reader(tidew);
    const tw::GeneralValue directory = reader.readGeneral();
    if (directory.kind() != tw::GeneralValue::Kind::Text || directory.text() != text)
        broken("tidew.ini directory did not read back");
    if (reader.readGeneral().toInt16() != 1 || reader.readGeneral().toInt16() != 0 ||
        reader.readGeneral().toInt16() != 2)
        broken("tidew.ini switches did not read back");
    try {
        reader.readGeneral();
        broken("tidew.ini holds more than four values");
    } catch (const tw::RuntimeError& e) {
        expectNumber(e, tw::err::InputPastEndOfFile, "end of tidew.ini");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    // Two readers in step: one reads general values, the other text, and both
    // must see the same fields.
    tw::FieldReader general(content);
    tw::FieldReader text(content);
    for (int i = 0; i < 8; ++i) {
        tw::GeneralValue value;
        try {
            value = general.readGeneral();
        } catch (const tw::RuntimeError& e) {
            expectNumber(e, tw::err::InputPastEndOfFile, "reading a general value");
            try {
                text.readText();
                broken("text reader went on past the end");
            } catch (const tw::RuntimeError& te) {
                expectNumber(te, tw::err::InputPastEndOfFile, "reading text at the end");
            }
            break;
        }
        const std::string asText = text.readText();
        const auto kind = value.kind();
        if ((kind == tw::GeneralValue::Kind::Text || kind == tw::GeneralValue::Kind::Empty) && value.text() != asText)
            broken("general and text reads disagree");

        try {
            (void)value.toInt16();
        } catch (const tw::RuntimeError& e) {
            if (e.number() != tw::err::Overflow && e.number() != tw::err::TypeMismatch)
                broken("conversion failed with an unexpected number");
        }

        if (kind == tw::GeneralValue::Kind::Text && quotable(value.text())) checkRoundTrip(value.text());
    }

    // However long the content, every read consumes something.
    tw::FieldReader counter(content);
    for (std::size_t reads = 0;; ++reads) {
        if (reads > size) broken("reader stopped advancing");
        try {
            counter.readText();
        } catch (const tw::RuntimeError& e) {
            expectNumber(e, tw::err::InputPastEndOfFile, "counting fields");
            break;
        }
    }
    return 0;
}
