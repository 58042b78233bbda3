#include "app/AnsiText.h"
#include "app/AppFolder.h"
#include "app/ErrorReport.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "app/U_flash.h"

#include <QSettings>
#include <QThread>

#include <exception>

int main(int argc, char** argv)
{
    using namespace stellaform;
    StellaformApplication application(argc, argv);
    try {
        Tfrmflash frmflash;
        frmflash.showAndPaint();
        QThread::msleep(1000);

        const std::filesystem::path appFolder = appFolderOf(toPath(QCoreApplication::applicationFilePath()));
        // Qt's file dialogs remember their last folder in a settings file of
        // their own; it belongs beside the program like every other file.
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(QSettings::NativeFormat, scope, fromPath(appFolder));

        TMainForm MainForm(appFolder);
        frmflash.hide();
        MainForm.show();
        return application.exec();
    } catch (const std::exception& error) {
        showErrorReport(error.what());
    } catch (...) {
        showErrorReport({});
    }
    return 1;
}
