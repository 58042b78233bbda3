#include "app/ErrorReport.h"

#include "app/Error.h"
#include "app/Messages.h"

#include <QApplication>

namespace stellaform {

void showErrorReport(const std::string& message)
{
    showMessage(QApplication::activeWindow(), QMessageBox::Critical, kApplicationTitle, errorReportText(message));
}

} // namespace stellaform
