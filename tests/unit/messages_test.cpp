#include "ui/messages.h"

#include "fake_dialogs.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

struct Expected {
    Message id;
    const char* caption;
    const char* text;
    int flags;
};

TEST(Messages, TableMatchesTheProgramsBoxesLetterForLetter) {
    const Expected table[] = {
        {Message::UnknownFileTypes, "Unknown File Types",
         "This version of Tidewell does not allow you to remove Unknown File types.  "
         "These \"X-Types\" may be imortant files.",
         48},
        {Message::NoBrowserSelected, "No browser selected", "You must select a browser! Please try again.", 48},
        {Message::InvalidDirectory, "Invalid Directory", "You must enter a Cache Directory", 48},
        {Message::InvalidPathSpecified, "Invalid Path Specified",
         "The Path: C:\\X is not valid!\r\nEnter a proper path or click Find to search File System.", 48},
        {Message::ProgramErr, "Tidewell 32", "PROGRAM ERR: C:\\X", 0},
        {Message::NewSettingsAccepted, "New Settings Accepted",
         "Tidewell has been updated!\r\nYour next session will configure automaticaly. "
         "Please wait while Tidewell gathers new information.",
         64},
        {Message::JobDone, "Job Done", "Cleaning Done.  OK to Exit?", 68},
        {Message::ErrNumber, "Tidewell 32", "Err:C:\\X", 48},
    };
    for (const Expected& e : table) {
        FakeDialogs dialogs;
        dialogs.answers = {7};
        EXPECT_EQ(showMessage(dialogs, e.id, {"C:\\X"}), 7);
        ASSERT_EQ(dialogs.boxes.size(), 1u);
        EXPECT_EQ(dialogs.boxes[0].caption, e.caption);
        EXPECT_EQ(dialogs.boxes[0].text, e.text);
        EXPECT_EQ(dialogs.boxes[0].flags, e.flags);
    }
}

TEST(Messages, AboutBoxStartsWithTheProductNameAndCarriesTheVersion) {
    const MessageSpec& about = messageSpec(Message::About);
    EXPECT_EQ(about.caption, "About Tidewell");
    EXPECT_EQ(about.flags, 64);
    const std::string text = messageText(Message::About);
    EXPECT_EQ(text.rfind("Tidewell 32 - Cache Management System\r\n", 0), 0u);
    EXPECT_NE(text.find("1.00.0001"), std::string::npos);
    // Every line break is a full CRLF.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') EXPECT_TRUE(i > 0 && text[i - 1] == '\r');
        if (text[i] == '\r') EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n');
    }
}

TEST(Messages, ArgumentsAreInsertedVerbatim) {
    EXPECT_EQ(messageText(Message::InvalidPathSpecified, {"C:\\100%1\\%2"}),
              "The Path: C:\\100%1\\%2 is not valid!\r\nEnter a proper path or click Find to search File System.");
    const std::string twoArgs = messageText(Message::BrowserNotStarted, {"C:\\%2.exe", "it is %1"});
    EXPECT_NE(twoArgs.find("C:\\%2.exe"), std::string::npos);
    EXPECT_NE(twoArgs.find("it is %1"), std::string::npos);
    EXPECT_EQ(messageText(Message::ProgramErr, {"75"}), "PROGRAM ERR: 75");
}

}  // namespace
}  // namespace tw::test
