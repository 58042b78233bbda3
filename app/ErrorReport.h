#pragma once

#include <string>

namespace stellaform {

// The application title: the caption of the error report.
inline constexpr const char* kApplicationTitle = "Stellaform 2009";

// Shows an error that ended a command: a modal message box with the error
// icon and an Ok button, captioned with the application title.
void showErrorReport(const std::string& message);

} // namespace stellaform
