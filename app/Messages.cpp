#include "app/Messages.h"

#include "app/AnsiText.h"
#include "app/ErrorReport.h"

namespace stellaform {

void showMessage(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view text)
{
    QMessageBox box(icon, toQString(title), toQString(text), QMessageBox::Ok, parent);
    box.exec();
}

void showPlainMessage(QWidget* parent, std::string_view text)
{
    showMessage(parent, QMessageBox::NoIcon, kApplicationTitle, text);
}

bool askYesNo(QWidget* parent, QMessageBox::Icon icon, std::string_view title, std::string_view question)
{
    QMessageBox box(icon, toQString(title), toQString(question), QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace stellaform
