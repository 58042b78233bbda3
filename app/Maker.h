#pragma once

// The maker of the program as the windows name it, and its web pages.
namespace stellaform::maker {

inline constexpr const char* kName = "Quorvane Software Works";
inline constexpr const char* kWebSite = "www.quorvane.example";
inline constexpr const char* kDownloadPage = "www.quorvane.example/download.html";
inline constexpr const char* kSupportMail = "support@quorvane.example";

} // namespace stellaform::maker
