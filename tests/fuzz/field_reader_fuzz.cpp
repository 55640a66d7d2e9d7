// Arbitrary bytes as a settings file: every read consumes something and the
// reading ends in "input past end of file"; conversions may fail only with
// overflow or type mismatch; a text value the writer can quote reads back.
#include "app/settings_file.h"
#include "platform/runtime_error.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    tw::FieldReader reader(content);
    for (std::size_t reads = 0;; ++reads) {
        require(reads <= size);
        tw::GeneralValue value;
        try {
            value = reader.readGeneral();
        } catch (const tw::RuntimeError& e) {
            require(e.number() == tw::err::InputPastEndOfFile);
            break;
        }
        try {
            (void)value.toInt16();
        } catch (const tw::RuntimeError& e) {
            require(e.number() == tw::err::Overflow || e.number() == tw::err::TypeMismatch);
        }
        const std::string& text = value.text();
        if (value.kind() != tw::GeneralValue::Kind::Text || text.find_first_of("\"\r\n") != std::string::npos) continue;
        const std::string written = tw::formatTidewIni(text, 1, 0, 0);
        tw::FieldReader back(written);
        const tw::GeneralValue directory = back.readGeneral();
        require(directory.kind() == tw::GeneralValue::Kind::Text && directory.text() == text);
        require(back.readGeneral().toInt16() == 1);
    }
    return 0;
}
