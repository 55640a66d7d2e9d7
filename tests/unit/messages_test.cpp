#include "ui/messages.h"

#include "fake_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tw::test {
namespace {

TEST(Messages, TableMatchesTheProgramsBoxesLetterForLetter) {
    struct Expected {
        Message id;
        const char* caption;
        const char* text;
        int flags;
    };
    const Expected table[] = {
        {Message::About, "About Tidewell", nullptr, 64},
        {Message::UnknownFileTypes, "Unknown File Types",
         "This version of Tidewell does not allow you to remove Unknown File types.  "
         "These \"X-Types\" may be imortant files.",
         48},
        {Message::NoBrowserSelected, "No browser selected", "You must select a browser! Please try again.", 48},
        {Message::InvalidDirectory, "Invalid Directory", "You must enter a Cache Directory", 48},
        {Message::InvalidPathSpecified, "Invalid Path Specified",
         "The Path: C:\\100%1\\%2 is not valid!\r\nEnter a proper path or click Find to search File System.", 48},
        {Message::ProgramErr, "Tidewell 32", "PROGRAM ERR: C:\\100%1\\%2", 0},
        {Message::NewSettingsAccepted, "New Settings Accepted",
         "Tidewell has been updated!\r\nYour next session will configure automaticaly. "
         "Please wait while Tidewell gathers new information.",
         64},
        {Message::JobDone, "Job Done", "Cleaning Done.  OK to Exit?", 68},
        {Message::ErrNumber, "Tidewell 32", "Err:C:\\100%1\\%2", 48},
    };
    for (const Expected& e : table) {
        FakeDialogs dialogs;
        dialogs.answers = {7};
        // Arguments are inserted verbatim, whatever they hold.
        EXPECT_EQ(showMessage(dialogs, e.id, {"C:\\100%1\\%2"}), 7);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].caption, e.caption);
        EXPECT_EQ(e.text ? dialogs.boxes[0].text : "", e.text ? e.text : "");
        EXPECT_EQ(dialogs.boxes[0].flags, e.flags);
    }

    const std::string about = messageText(Message::About);
    EXPECT_EQ(about.rfind("Tidewell 32 - Cache Management System\r\n", 0), 0u);
    EXPECT_NE(about.find("1.00.0001"), std::string::npos);
    // Every line break is a full CRLF.
    std::ptrdiff_t pairs = 0;
    for (auto at = about.find("\r\n"); at != std::string::npos; at = about.find("\r\n", at + 2)) ++pairs;
    EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), pairs);
    EXPECT_EQ(std::count(about.begin(), about.end(), '\r'), pairs);
}

}  // namespace
}  // namespace tw::test
