#include "update/DownloadRequest.h"

#include "app/SettingsKeys.h"

#include <charconv>

namespace stellaform {
namespace {

bool isAsciiLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool allOf(std::string_view text, bool (*allowed)(char))
{
    for (const char c : text) {
        if (!allowed(c))
            return false;
    }
    return !text.empty();
}

bool isNameCharacter(char c)
{
    return isAsciiLetterOrDigit(c) || c == '-' || c == '.';
}

bool isAddressCharacter(char c)
{
    return isHexDigit(c) || c == ':' || c == '.';
}

std::optional<std::uint16_t> parsePort(std::string_view text)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.size() > 5 || error != std::errc{} || end != text.data() + text.size() || value == 0 ||
        value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

// RFC 3986's unreserved characters pass; every other byte becomes %XX.
bool passesUnescaped(char c)
{
    return isAsciiLetterOrDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

} // namespace

std::optional<DownloadHost> parseDownloadHost(std::string_view text)
{
    DownloadHost host;
    std::string_view rest;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos || !allOf(text.substr(1, close - 1), isAddressCharacter))
            return std::nullopt;
        host.name = text.substr(1, close - 1);
        rest = text.substr(close + 1);
    } else {
        const std::size_t colon = text.find(':');
        if (!allOf(text.substr(0, colon), isNameCharacter))
            return std::nullopt;
        host.name = text.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : text.substr(colon);
    }
    if (rest.empty())
        return host;
    if (!rest.starts_with(':'))
        return std::nullopt;
    const auto port = parsePort(rest.substr(1));
    if (!port)
        return std::nullopt;
    host.port = *port;
    return host;
}

DownloadHost downloadHost(const SettingsFile& settings)
{
    const std::string setting = settings.ReadString(settingskeys::kSection, kUpdateHostKey, "");
    return parseDownloadHost(setting).value_or(DownloadHost{kDefaultDownloadHost});
}

std::string drawingsDownloadPath(std::string_view lotteryName)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string path = "/download2/drawingsdownload/";
    for (const char c : lotteryName) {
        if (passesUnescaped(c)) {
            path += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            path += '%';
            path += kHex[byte >> 4];
            path += kHex[byte & 0xF];
        }
    }
    return path + ".Txt";
}

std::string drawingsDownloadUrl(const DownloadHost& host, std::string_view lotteryName)
{
    const bool isV6Address = host.name.find(':') != std::string::npos;
    std::string url = "http://" + (isV6Address ? "[" + host.name + "]" : host.name);
    if (host.port != kHttpPort)
        url += ":" + std::to_string(host.port);
    return url + drawingsDownloadPath(lotteryName);
}

bool isSuccessfulDownload(int httpStatus, bool hasLocation)
{
    return httpStatus >= 200 && httpStatus <= 299 && !hasLocation;
}

} // namespace stellaform
