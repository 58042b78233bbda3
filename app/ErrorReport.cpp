#include "app/ErrorReport.h"

#include "app/AnsiText.h"
#include "app/Error.h"

#include <QApplication>
#include <QMessageBox>

namespace stellaform {

void showErrorReport(const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, toQString(kApplicationTitle), toQString(errorReportText(message)),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace stellaform
