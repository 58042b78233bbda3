#include "app/Text.h"

#include "app/Error.h"

#include <algorithm>
#include <charconv>

namespace stellaform {
namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string_view trimLeft(std::string_view text)
{
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::int32_t> parseDecimal(std::string_view text)
{
    // from_chars takes a minus sign but not a plus sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::int32_t strToInt(const std::string& text)
{
    if (const auto value = parseDecimal(text))
        return *value;
    throw notAValidInteger(text);
}

} // namespace stellaform
