// Every message box of the program, from one table.
#pragma once

#include "platform/dialogs.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tw {

enum class Message {
    About,
    UnknownFileTypes,
    NoBrowserSelected,
    InvalidDirectory,
    InvalidPathSpecified,  // %1: the tested directory
    ProgramErr,            // %1: the error number
    NewSettingsAccepted,
    JobDone,
    ErrNumber,             // %1: the error number
    BrowserNotStarted,     // %1: the browser path, %2: why
    SettingsNotSaved,      // %1: the file, %2: why
    ActionFailed,          // %1: what the user did, %2: why it failed
};

// What separates the lines of a message: carriage return, line feed. The
// main window's LineBreak holds the same.
inline constexpr std::string_view kLineBreak = "\r\n";

struct MessageSpec {
    Message id;
    std::string_view caption;
    std::string_view text;  // "\n" stands for kLineBreak; %1, %2 take the arguments
    int flags;
};

const MessageSpec& messageSpec(Message id);

// The text of a message with its arguments put in.
std::string messageText(Message id, std::initializer_list<std::string_view> args = {});

// Shows the message and returns the answer.
int showMessage(Dialogs& dialogs, Message id, std::initializer_list<std::string_view> args = {});

}  // namespace tw
