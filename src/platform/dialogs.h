// Layers, low to high: common < platform < cache, settings < ui < app < win32. This is platform/.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Message-box flags and answers, with the standard Windows values.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
}  // namespace mb

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal for the whole application; returns the answer.
    virtual int messageBox(std::string_view text, int flags, std::string_view caption) = 0;
    // The open-file dialog with a "description|pattern|..." filter, first entry
    // selected. The chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> openFile(std::string_view filter) = 0;
};

}  // namespace tw
