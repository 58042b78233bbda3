#include "app/Shell.h"

#include "app/AnsiText.h"

#include <QDesktopServices>
#include <QUrl>

namespace stellaform {

void openWebPage(const char* address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(toQString(address)));
}

void openFile(const std::filesystem::path& file)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(file)));
}

} // namespace stellaform
