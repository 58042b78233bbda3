#pragma once

#include <string_view>

class QWidget;

namespace stellaform {

// One of the catalog dialogs' own messages: a modal message box without an
// icon, with one Ok button, captioned with the application title.
void showPlainMessage(QWidget* parent, std::string_view text);

} // namespace stellaform
