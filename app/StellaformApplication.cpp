#include "app/StellaformApplication.h"

#include "app/AnsiText.h"
#include "app/ErrorReport.h"

#include <exception>

namespace stellaform {

StellaformApplication::StellaformApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(toQString(kApplicationTitle));
    setStyle(QStringLiteral("Fusion"));
}

bool StellaformApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showErrorReport(error.what());
    } catch (...) {
        showErrorReport({});
    }
    return false;
}

} // namespace stellaform
