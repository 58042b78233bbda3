#pragma once

#include "tests/support/TempFolder.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <initializer_list>
#include <vector>

class QListView;
class QWidget;

namespace stellaform::test {

// What a test saw of one message box.
struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// While it lives, answers every message box that comes up with `answer`
// (or its only button) and keeps what it saw, in order.
class MessageBoxAnswerer final : public QObject {
    Q_OBJECT

public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    [[nodiscard]] const std::vector<SeenMessageBox>& seen() const { return m_seen; }
    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }

private:
    void poll();

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    std::vector<SeenMessageBox> m_seen;
};

// The parts of an installation folder a test asks for.
enum InstallationPart : unsigned {
    Skin = 1u << 0,
    Catalog = 1u << 1,
    SampleDrawings = 1u << 2,
    FullInstallation = Skin | Catalog | SampleDrawings,
};

// Lays out an installation folder in `folder` from the project's resources
// and returns it as the program sees its folder, with a trailing separator.
std::filesystem::path makeInstallation(const TempFolder& folder, unsigned parts);

// Runs the pending events, so that queued work and repaints happen.
void processEvents();

// Clicks a button of `window` as the user does, so that an error it raises
// reaches the program's error report.
void click(const QWidget& window, const char* buttonName);

// The main window's drawings list and the total under it.
[[nodiscard]] QListView& drawsListBox(const QWidget& mainWindow);
[[nodiscard]] QString totalText(const QWidget& mainWindow);

[[nodiscard]] QStringList texts(std::initializer_list<const char*> ascii);

// Qt's file dialogs save their state in a settings file of Qt's own, in the
// home folder unless told otherwise; a test keeps it in `folder` instead.
void keepQtSettingsIn(const TempFolder& folder);

} // namespace stellaform::test

// A window test's main(): the program's own application object, so that
// errors reach the same report as in the program.
#define STELLAFORM_WINDOW_TEST_MAIN(TestClass)                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        stellaform::StellaformApplication application(argc, argv);                                                     \
        const stellaform::test::TempFolder qtSettings;                                                                 \
        stellaform::test::keepQtSettingsIn(qtSettings);                                                                \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
