#include "catalog/PlainMessage.h"

#include "app/AnsiText.h"
#include "app/ErrorReport.h"

#include <QMessageBox>

namespace stellaform {

void showPlainMessage(QWidget* parent, std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(kApplicationTitle), toQString(text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace stellaform
