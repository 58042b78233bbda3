#pragma once

#include "app/SettingsFile.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stellaform {

// The server the drawings files come from. The optional key UpdateHost in
// section Option names another one, as "host" or "host:port"; the program
// only reads that key, it never writes it.
inline constexpr const char* kUpdateHostKey = "UpdateHost";
inline constexpr const char* kDefaultDownloadHost = "www.quorvane.example";
inline constexpr std::uint16_t kHttpPort = 80;

// The request's two headers, as the download server has always seen them.
inline constexpr const char* kDownloadAccept = "text/html, */*";
inline constexpr const char* kDownloadUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

// A silent server must not hold the program for ever, nor a runaway one fill
// the disk: either ends the request as a failed one.
inline constexpr std::chrono::milliseconds kDownloadTimeout = std::chrono::seconds(30);
inline constexpr std::int64_t kDownloadBodyLimit = std::int64_t{64} << 20;

struct DownloadHost {
    std::string name; // a host name or an address, without brackets
    std::uint16_t port = kHttpPort;

    friend bool operator==(const DownloadHost&, const DownloadHost&) = default;
};

// "host", "host:port", "[v6 address]" or "[v6 address]:port"; nothing else.
[[nodiscard]] std::optional<DownloadHost> parseDownloadHost(std::string_view text);

// The UpdateHost setting; the built-in server when it is absent or malformed.
[[nodiscard]] DownloadHost downloadHost(const SettingsFile& settings);

// "/download2/drawingsdownload/" + the lottery name + ".Txt", the name's
// bytes percent-encoded where a path segment does not allow them.
[[nodiscard]] std::string drawingsDownloadPath(std::string_view lotteryName);
[[nodiscard]] std::string drawingsDownloadUrl(const DownloadHost& host, std::string_view lotteryName);

// Only a 2xx answer without a Location header delivers the file; a
// redirection is never followed.
[[nodiscard]] bool isSuccessfulDownload(int httpStatus, bool hasLocation);

} // namespace stellaform
