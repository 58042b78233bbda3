#pragma once

#include <QMessageBox>

#include <string_view>

namespace stellaform {

// The program's own messages: a modal box with its title, its icon and one
// Ok button.
void showMessage(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view text);

// A plain message: no icon, captioned with the application title.
void showPlainMessage(QWidget* parent, std::string_view text);

// The program's questions have Yes and No; only Yes goes on.
[[nodiscard]] bool askYesNo(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view question);

} // namespace stellaform
