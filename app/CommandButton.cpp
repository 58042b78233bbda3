#include "app/CommandButton.h"

#include "app/AnsiText.h"

#include <QKeyEvent>

namespace stellaform {

CommandButton::CommandButton(QWidget* parent, const char* name, const char* caption, Glyph glyph, QSize minimumSize)
    : QPushButton(glyphIcon(glyph), toQString(caption), parent)
{
    setObjectName(QString::fromLatin1(name));
    setMinimumSize(minimumSize);
    setIconSize(QSize(16, 16));
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace stellaform
