#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace stellaform {

// The one exception type of the program. Its message is 8-bit program text,
// shown to the user as it stands by the error report at the event loop.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[nodiscard]] Error cannotOpenFile(const std::filesystem::path& path);
[[nodiscard]] Error cannotCreateFile(const std::filesystem::path& path);
[[nodiscard]] Error unableToWriteTo(const std::filesystem::path& path);
[[nodiscard]] Error notAValidInteger(const std::string& text);
[[nodiscard]] Error listIndexOutOfBounds(long long index);

// The text of the error report: the message, with a full stop appended when
// its last character comes after the full stop in code order.
[[nodiscard]] std::string errorReportText(std::string message);

} // namespace stellaform
