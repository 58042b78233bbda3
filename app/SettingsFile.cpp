#include "app/SettingsFile.h"

#include "app/AtomicFile.h"
#include "app/Error.h"
#include "app/LineList.h"
#include "app/Text.h"

#include <charconv>
#include <limits>
#include <optional>
#include <vector>

namespace stellaform {
namespace {

constexpr std::size_t kMaxValueLength = 2047;

// One line of the file together with the line break that ended it, so that a
// write can put every untouched line back byte for byte.
struct RawLine {
    std::string_view text;
    std::string_view lineBreak;
};

std::vector<RawLine> splitKeepingBreaks(std::string_view content)
{
    std::vector<RawLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        const std::size_t breakLength = end == content.size() ? 0 : content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back({content.substr(start, end - start), content.substr(end, breakLength)});
        start = end + breakLength;
    }
    return lines;
}

// The section name of a header line such as "[Option]", or nothing.
std::optional<std::string> sectionName(std::string_view line)
{
    line = trimLeft(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

bool isKeyLine(std::string_view line, std::string_view key)
{
    const std::string_view content = trimLeft(line);
    if (content.empty() || content.front() == ';' || content.front() == '[')
        return false;
    const std::size_t equals = content.find('=');
    return equals != std::string_view::npos && equalsIgnoringCase(trim(content.substr(0, equals)), key);
}

struct Location {
    std::optional<std::size_t> section; // index of the header line
    std::optional<std::size_t> key;     // index of the key line
    std::size_t sectionEnd = 0;         // one past the section's last non-blank line
};

Location locate(const std::vector<RawLine>& lines, std::string_view section, std::string_view key)
{
    Location found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i].text)) {
            if (found.section)
                break;
            if (equalsIgnoringCase(*name, section)) {
                found.section = i;
                found.sectionEnd = i + 1;
            }
            continue;
        }
        if (!found.section)
            continue;
        if (!trim(lines[i].text).empty())
            found.sectionEnd = i + 1;
        if (!found.key && isKeyLine(lines[i].text, key))
            found.key = i;
    }
    return found;
}

std::optional<std::string> readContent(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return std::nullopt;
    try {
        return readFile(path);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> parseHex(std::string_view digits, bool negative)
{
    std::int64_t value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty() || digits.front() == '-' || error != std::errc() || stop != end)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> parseSettingsInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseHex(text.substr(2), false);
    std::string_view rest = text;
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+'))
        rest.remove_prefix(1);
    if (!rest.empty() && rest.front() == '$')
        return parseHex(rest.substr(1), negative);
    return parseDecimal(text);
}

SettingsFile::SettingsFile(std::filesystem::path path)
    : m_path(std::move(path))
{
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    const auto content = readContent(m_path);
    if (!content)
        return std::string(defaultValue);
    const auto lines = splitKeepingBreaks(*content);
    const Location found = locate(lines, section, key);
    if (!found.key)
        return std::string(defaultValue);

    const std::string_view line = lines[*found.key].text;
    std::string value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    // The platform hands values over as C strings of limited length.
    value = value.substr(0, value.find('\0'));
    return value.substr(0, kMaxValueLength);
}

std::int32_t SettingsFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const
{
    return parseSettingsInteger(ReadString(section, key, "")).value_or(defaultValue);
}

void SettingsFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(m_path, error);
    std::string content;
    try {
        if (exists)
            content = readFile(m_path);
    } catch (const Error&) {
        throw unableToWriteTo(m_path);
    }

    const auto lines = splitKeepingBreaks(content);
    const Location found = locate(lines, section, key);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    std::string result;
    result.reserve(content.size() + keyLine.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (found.key == i) {
            const std::string_view line = lines[i].text;
            result.append(line.substr(0, line.find('=') + 1)).append(value).append(lines[i].lineBreak);
        } else {
            result.append(lines[i].text).append(lines[i].lineBreak);
        }
        const bool lastOfSection = found.section && !found.key && found.sectionEnd == i + 1;
        if (lastOfSection) {
            if (lines[i].lineBreak.empty())
                result += "\r\n";
            result += keyLine + "\r\n";
        }
    }
    if (!found.section) {
        if (!lines.empty() && lines.back().lineBreak.empty())
            result += "\r\n";
        result += "[" + std::string(section) + "]\r\n" + keyLine + "\r\n";
    }

    try {
        writeFileAtomically(m_path, result);
    } catch (const Error&) {
        throw unableToWriteTo(m_path);
    }
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

} // namespace stellaform
