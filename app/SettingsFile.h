#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace stellaform {

// An INI file read and written in place, with the rules of the platform's
// profile functions: names found ignoring case, values trimmed and unquoted,
// defaults for whatever is missing. Nothing is cached: every read goes to the
// file and every write reaches it before the call returns. A write changes
// only the one line it concerns, so files kept by other programs survive.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const;
    [[nodiscard]] std::int32_t ReadInteger(std::string_view section, std::string_view key,
                                           std::int32_t defaultValue) const;

    // Both raise "Unable to write to <path>" when the file system refuses.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// The integer forms a settings value may take: decimal with an optional sign,
// "0x"/"0X" or "$" followed by hexadecimal digits; within 32 bits.
[[nodiscard]] std::optional<std::int32_t> parseSettingsInteger(std::string_view text);

} // namespace stellaform
