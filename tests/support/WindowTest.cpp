#include "tests/support/WindowTest.h"

#include "app/AnsiText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QSettings>
#include <QTest>

namespace stellaform::test {

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer)
    : m_answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start(10);
}

void MessageBoxAnswerer::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    m_seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    QAbstractButton* button = box->button(m_answer);
    if (button == nullptr && box->buttons().size() == 1)
        button = box->buttons().front();
    if (button != nullptr)
        button->click();
    else
        box->reject();
}

std::filesystem::path makeInstallation(const TempFolder& folder, unsigned parts)
{
    namespace fs = std::filesystem;
    const fs::path sample = STELLAFORM_SAMPLE_DIR;
    if (parts & Skin)
        fs::copy(fs::path(STELLAFORM_SKIN_DIR), folder / "skins", fs::copy_options::recursive);
    if (parts & Catalog)
        fs::copy_file(sample / "Game.Txt", folder / "Game.Txt");
    if (parts & SampleDrawings)
        fs::copy(sample / "drawn", folder / "drawn", fs::copy_options::recursive);
    return folder.path() / "";
}

void processEvents()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
}

void click(const QWidget& window, const char* buttonName)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QString::fromLatin1(buttonName)), Qt::LeftButton);
}

QListView& drawsListBox(const QWidget& mainWindow)
{
    return *mainWindow.findChild<QListView*>(QStringLiteral("drawsListBox"));
}

QString totalText(const QWidget& mainWindow)
{
    return mainWindow.findChild<QLabel*>(QStringLiteral("totalLabel"))->text();
}

QStringList texts(std::initializer_list<const char*> ascii)
{
    QStringList list;
    for (const char* text : ascii)
        list.append(QString::fromLatin1(text));
    return list;
}

void keepQtSettingsIn(const TempFolder& folder)
{
    for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(QSettings::NativeFormat, scope, fromPath(folder.path()));
}

} // namespace stellaform::test
