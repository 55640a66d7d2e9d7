#include "ui/messages.h"

#include "ui/title.h"
#include "version.h"

#include <array>
#include <stdexcept>

namespace tw {
namespace {

constexpr std::string_view kAboutText =
    TW_PRODUCT_NAME "\n"
    "Version " TW_VERSION_TEXT "\n"
    "Counts the cached images, HTML documents and other files of your browser, "
    "cleans the kinds you choose and then starts your browser.";

// clang-format off
constexpr std::array kMessages = {
    MessageSpec{Message::About, "About Tidewell", kAboutText, mb::Information},
    MessageSpec{Message::UnknownFileTypes, "Unknown File Types",
        "This version of Tidewell does not allow you to remove Unknown File types.  "
        "These \"X-Types\" may be imortant files.", mb::Exclamation},
    MessageSpec{Message::NoBrowserSelected, "No browser selected",
        "You must select a browser! Please try again.", mb::Exclamation},
    MessageSpec{Message::InvalidDirectory, "Invalid Directory",
        "You must enter a Cache Directory", mb::Exclamation},
    MessageSpec{Message::InvalidPathSpecified, "Invalid Path Specified",
        "The Path: %1 is not valid!\nEnter a proper path or click Find to search File System.",
        mb::Exclamation},
    MessageSpec{Message::ProgramErr, kAppTitle, "PROGRAM ERR: %1", mb::OkOnly},
    MessageSpec{Message::NewSettingsAccepted, "New Settings Accepted",
        "Tidewell has been updated!\nYour next session will configure automaticaly. "
        "Please wait while Tidewell gathers new information.", mb::Information},
    MessageSpec{Message::JobDone, "Job Done", "Cleaning Done.  OK to Exit?", mb::YesNo | mb::Information},
    MessageSpec{Message::ErrNumber, kAppTitle, "Err:%1", mb::Exclamation},
    MessageSpec{Message::BrowserNotStarted, kAppTitle,
        "The browser could not be started.\n\nProgram: %1\nReason: %2\n\n"
        "Your settings will be saved. Use Settings, Set Browser to choose the browser.",
        mb::Exclamation},
    MessageSpec{Message::SettingsNotSaved, kAppTitle,
        "Your settings could not be saved in %1.\nReason: %2\n\n"
        "The file keeps its earlier content.", mb::Exclamation},
    MessageSpec{Message::ActionFailed, kAppTitle,
        "\"%1\" could not be completed.\nReason: %2\n\n"
        TW_APP_TITLE " stopped that action and goes on running.",
        mb::Exclamation},
};
// clang-format on

}  // namespace

const MessageSpec& messageSpec(Message id) {
    for (const auto& m : kMessages)
        if (m.id == id) return m;
    throw std::invalid_argument("unknown message");
}

std::string messageText(Message id, std::initializer_list<std::string_view> args) {
    const std::string_view text = messageSpec(id).text;
    std::string out;
    out.reserve(text.size() + 64);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            out += kLineBreak;
            continue;
        }
        const bool placeholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                                 text[i + 1] <= '9';
        if (!placeholder) {
            out += text[i];
            continue;
        }
        const auto n = static_cast<std::size_t>(text[i + 1] - '1');
        if (n < args.size()) out += *(args.begin() + n);
        ++i;
    }
    return out;
}

int showMessage(Dialogs& dialogs, Message id, std::initializer_list<std::string_view> args) {
    const MessageSpec& message = messageSpec(id);
    return dialogs.messageBox(messageText(id, args), message.flags, message.caption);
}

}  // namespace tw
