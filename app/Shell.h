#pragma once

#include <filesystem>

namespace stellaform {

// Requests to the desktop, as the shell's "open" verb. The answer is not
// examined: a missing help file or browser simply shows nothing.
void openWebPage(const char* address); // an address without a scheme
void openFile(const std::filesystem::path& file);

} // namespace stellaform
