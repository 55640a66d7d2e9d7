// Failures carry the classic run-time error numbers, because the program's
// reactions decide what to do by number (skip a locked file, open the manual
// panel for a missing path, and so on).
#pragma once

#include <exception>
#include <string>

namespace tw {

namespace err {
inline constexpr int Overflow = 6;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIO = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPropertyValue = 380;
// A window that is minimised cannot be moved or sized.
inline constexpr int CannotSizeMinimised = 384;
}  // namespace err

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number, std::string detail = {})
        : number_(number), detail_(std::move(detail)) {}

    int number() const noexcept { return number_; }
    // The platform's own wording of the failure, for the few messages that name it.
    const std::string& detail() const noexcept { return detail_; }
    // Why the failure happened, in words for a message: the detail, or the
    // number where the platform gave none.
    std::string reason() const { return detail_.empty() ? "Error " + std::to_string(number_) + "." : detail_; }
    const char* what() const noexcept override { return "Tidewell run-time error"; }

private:
    int number_;
    std::string detail_;
};

}  // namespace tw
