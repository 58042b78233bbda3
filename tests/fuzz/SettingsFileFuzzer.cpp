#include "app/Error.h"
#include "app/SettingsFile.h"
#include "app/Text.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/TempFolder.h"

#include <string>
#include <utility>

namespace {

using namespace stellaform;

constexpr std::string_view kSection = "Option";
constexpr std::size_t kMaxValueLength = 2047;
// No read returns a line break, so this tells an absent key from any value.
constexpr std::string_view kAbsent = "\n";

const std::filesystem::path& settingsPath()
{
    static const test::TempFolder folder;
    static const std::filesystem::path path = folder / "SystemSet.ini";
    return path;
}

// What a key line can hold as its name: no line break, NUL or "=", no blank
// at either end (names are compared trimmed), and no "[" or ";" in front,
// which would make the line a section header or a comment.
std::string keyFrom(std::string_view text)
{
    std::string key;
    for (const char c : text) {
        if (c != '\r' && c != '\0' && c != '=')
            key += c;
    }
    key = trim(key);
    while (!key.empty() && (key.front() == '[' || key.front() == ';'))
        key = trim(key.substr(1));
    return key;
}

std::string valueFrom(std::string_view text)
{
    std::string value;
    for (const char c : text.substr(0, kMaxValueLength)) {
        if (c != '\r' && c != '\0')
            value += c;
    }
    return value;
}

// A value reads back trimmed, without one pair of enclosing quotes.
std::string readBack(const std::string& written)
{
    std::string value = trim(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// Every (section, key) that a line of the file might make readable: the
// name of the last "[...]" line before it and the text before its "=". Names
// that turn out not to be readable read as absent both before and after.
std::vector<std::pair<std::string, std::string>> candidateKeys(std::string_view content)
{
    constexpr std::size_t kMaxCandidates = 16;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string section;
    while (!content.empty() && keys.size() < kMaxCandidates) {
        const std::size_t end = std::min(content.find_first_of("\r\n"), content.size());
        const std::string line = trim(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
        if (!line.empty() && line.front() == '[')
            section = trim(line.substr(1, line.find(']') - 1));
        else if (const std::size_t equals = line.find('='); equals != std::string::npos)
            keys.emplace_back(section, trim(line.substr(0, equals)));
    }
    return keys;
}

} // namespace

// Input: a key name on the first line, a value on the second, and the bytes
// of the settings file after them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input = fuzz::textOf(data, size);
    const std::string key = keyFrom(fuzz::takeLine(input));
    const std::string value = valueFrom(fuzz::takeLine(input));
    test::writeBytes(settingsPath(), input);
    SettingsFile settings(settingsPath());

    const auto others = candidateKeys(input);
    std::vector<std::string> before;
    for (const auto& [section, name] : others) {
        before.push_back(settings.ReadString(section, name, kAbsent));
        (void)settings.ReadInteger(section, name, 0);
    }
    (void)settings.ReadInteger(kSection, key, 0);

    try {
        settings.WriteString(kSection, key, value);
    } catch (const Error&) {
        fuzz::check(false, "a write to a writable file failed");
    }

    fuzz::check(settings.ReadString(kSection, key, kAbsent) == readBack(value), "a written value reads back changed");
    for (std::size_t i = 0; i < others.size(); ++i) {
        const auto& [section, name] = others[i];
        if (equalsIgnoringCase(section, kSection) && equalsIgnoringCase(name, key))
            continue;
        fuzz::check(settings.ReadString(section, name, kAbsent) == before[i], "a write changed another key");
    }
    return 0;
}
