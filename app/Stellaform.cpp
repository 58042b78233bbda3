#include "app/AnsiText.h"
#include "app/AppFolder.h"
#include "app/ErrorReport.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "app/U_flash.h"

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

        TMainForm MainForm(appFolderOf(toPath(QCoreApplication::applicationFilePath())));
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
