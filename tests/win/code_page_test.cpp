#include "platform/runtime_error.h"
#include "platform/win32/file_system_win.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

// The settings files are text in the system's ANSI code page, which on a
// current Windows may be UTF-8 (65001). Wine cannot switch to it, so the
// code page is handed in.
TEST(SettingsCodePage, WritesWhatThePageHoldsAndNeverReplacesAFileWithAFailedConversion) {
    const std::string japanese = "C:\\\xE6\x97\xA5\xE6\x9C\xAC";  // two ideographs
    const struct {
        unsigned codePage;
        std::string text, bytes;  // no bytes: the page cannot hold the text
    } cases[] = {
        {1252, "C:\\Caf\xC3\xA9", "\"C:\\Caf\xE9\""},
        {1252, japanese, ""},
        {932, japanese, "\"C:\\\x93\xFA\x96\x7B\""},
        {65001, japanese, "\"" + japanese + "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        TempFolder folder;
        const std::string path = folder.at("tidew.ini");
        writeFile(path, "\"C:\\OLD\"");
        win::Win32FileSystem fs(c.codePage);
        bool written = true;
        try {
            fs.replaceTextFile(path, "\"" + c.text + "\"");
        } catch (const RuntimeError& e) {
            written = false;
            EXPECT_FALSE(e.detail().empty());
        }
        EXPECT_EQ(written, !c.bytes.empty());
        EXPECT_EQ(headOf(path), written ? c.bytes : "\"C:\\OLD\"");
        EXPECT_EQ(fs.readTextFile(path), written ? "\"" + c.text + "\"" : "\"C:\\OLD\"");
    }
}

}  // namespace
}  // namespace tw::test
