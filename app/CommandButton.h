#pragma once

#include "app/Icons.h"

#include <QPushButton>

namespace stellaform {

// A push button with its 16 x 16 picture. No window of the program has a
// default button, so Enter presses a button only while it has the focus, as
// Space does.
class CommandButton final : public QPushButton {
public:
    CommandButton(QWidget* parent, const char* name, const char* caption, Glyph glyph, QSize minimumSize);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace stellaform
