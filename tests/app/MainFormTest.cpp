#include "app/AnsiText.h"
#include "app/Error.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/support/WindowTest.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <memory>

using namespace stellaform;
using namespace stellaform::test;

namespace {

// Records the addresses the program asks the desktop to open.
class UrlRecorder final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

// An object whose events fail the way a command does.
class FailingObject final : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw Error("Cannot open file /nowhere/x.Txt");
        return QObject::event(event);
    }
};

QString text(const QWidget& window, const char* name)
{
    if (const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name)))
        return label->text();
    return window.findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
}

} // namespace

class MainFormTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartInAFolderWithOnlyTheSkin()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin);
        MessageBoxAnswerer boxes;
        {
            TMainForm window(appFolder);
            window.show();
            QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 6"));
            QCOMPARE(text(window, "spSkinLabel1"), QStringLiteral("Quorvane Stellaform 2008 6  - Powerball"));
            QCOMPARE(drawsListBox(window).model()->rowCount(), 0);
            QVERIFY(!drawsListBox(window).currentIndex().isValid());
            QCOMPARE(text(window, "totalLabel"), QStringLiteral("Total Drawings: 0."));
            QCOMPARE(text(window, "Memo"), QString());
            QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentIndex(), 0);
            QVERIFY(!window.styleSheet().isEmpty());
            window.close();
        }
        QCOMPARE(readBytes(folder / "Data.ini"), std::string());
        QVERIFY(!std::filesystem::exists(folder / "SystemSet.ini"));
        QVERIFY(boxes.seen().empty());
    }

    void listsTheDrawingsOfTheDefaultLottery()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, FullInstallation);
        TMainForm window(appFolder);
        window.show();
        QListView* list = &drawsListBox(window);
        QCOMPARE(list->model()->rowCount(), 302);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral(" 10/9/2002 - [9 10 38 42 43 5]"));
        QCOMPARE(list->currentIndex().row(), 301);
        QVERIFY(list->selectionModel()->isSelected(list->currentIndex()));
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral(" 8/27/2005 - [8 22 31 39 44 11]"));
        QCOMPARE(text(window, "totalLabel"), QStringLiteral("Total Drawings: 302."));
        QCOMPARE(window.currentLottery().drawingsFile.path(), folder / "drawn" / "PowerballPB553.Txt");
        window.close();
    }

    void laterReloadsSetTheCaptionButNotTheStatusBar()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, FullInstallation);
        TMainForm window(appFolder);
        window.show();
        window.settingsFile().WriteString("Option", "LotteryName", "Lotto649");
        window.settingsFile().WriteString("Option", "Lottery", "Canada - [Lotto 6-49]");
        window.LoadCurrentLottery();
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 2008 6  - Canada - [Lotto 6-49]"));
        QCOMPARE(text(window, "spSkinLabel1"), QStringLiteral("Quorvane Stellaform 2008 6  - Powerball"));
        QCOMPARE(text(window, "totalLabel"), QStringLiteral("Total Drawings: 4210."));

        window.settingsFile().WriteString("Option", "LotteryName", "NoSuchLottery");
        window.LoadCurrentLottery();
        QCOMPARE(drawsListBox(window).model()->rowCount(), 0);
        QCOMPARE(text(window, "totalLabel"), QStringLiteral("Total Drawings: 0."));
        window.close();
    }

    void thePredictionPageSurvivesARestart()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin);
        const QString page = QStringLiteral("\n====\nStrong Recommendation:\n3 7 \ntyped by the user \xE9\n\n");
        {
            TMainForm window(appFolder);
            window.show();
            window.findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->setPlainText(page);
            window.close();
        }
        QCOMPARE(readBytes(folder / "Data.ini"),
                 std::string("\r\n====\r\nStrong Recommendation:\r\n3 7 \r\ntyped by the user \xE9\r\n\r\n\r\n"));
        TMainForm again(appFolder);
        again.show();
        QCOMPARE(text(again, "Memo"), page);
        again.close();
    }

    void aMissingSkinIsReportedAndTheCaptionsStay()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Catalog | SampleDrawings);
        writeBytes(folder / "Data.ini", "kept\r\n");
        MessageBoxAnswerer boxes;
        TMainForm window(appFolder);
        window.show();
        QTRY_COMPARE(boxes.seen().size(), std::size_t(1));
        const SeenMessageBox& box = boxes.seen().front();
        QCOMPARE(box.title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.text, QStringLiteral("Cannot open file ") + fromPath(folder / "skins" / "XFactor" / "skin.ini") +
                               QStringLiteral("."));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 2008 6  - Powerball"));
        QCOMPARE(text(window, "spSkinLabel1"), QStringLiteral("Quorvane Stellaform 6"));
        QCOMPARE(text(window, "Memo"), QStringLiteral("kept"));
        QCOMPARE(text(window, "totalLabel"), QStringLiteral("Total Drawings: 302."));
        window.close();
    }

    void anUnreadablePredictionPageIsReportedBeforeTheSkin()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin);
        std::filesystem::create_directories(folder / "Data.ini");
        MessageBoxAnswerer boxes;
        TMainForm window(appFolder);
        window.show();
        QTRY_COMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text,
                 QStringLiteral("Cannot open file ") + fromPath(folder / "Data.ini") + QStringLiteral("."));
        QVERIFY(window.styleSheet().isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 2008 6  - Powerball"));
    }

    void aPredictionPageThatCannotBeSavedIsReportedAndTheWindowCloses()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin);
        MessageBoxAnswerer boxes;
        TMainForm window(appFolder);
        window.show();
        std::filesystem::create_directories(folder / "Data.ini" / "in the way");
        window.close();
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text,
                 QStringLiteral("Cannot create file ") + fromPath(folder / "Data.ini") + QStringLiteral("."));
        QVERIFY(!window.isVisible());
    }

    void anErrorThatEscapesAnEventIsReportedAndTheProgramGoesOn()
    {
        MessageBoxAnswerer boxes;
        FailingObject failing;
        QEvent fail(QEvent::User);
        QCoreApplication::sendEvent(&failing, &fail);
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen().front().text, QStringLiteral("Cannot open file /nowhere/x.Txt."));
        QEvent other(QEvent::User);
        QCoreApplication::sendEvent(&failing, &other);
        QCOMPARE(boxes.seen().size(), std::size_t(2));
    }

    void theMenuAndButtonsCarryTheirCaptionsAndShortcuts()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin));
        const struct {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        } actions[] = {
            {"LotteryN", "Lottery(&L) ", QKeySequence(QStringLiteral("Ctrl+L"))},
            {"N2", "Exit(&Q)", QKeySequence(QStringLiteral("Ctrl+Q"))},
            {"Add1", "Add(&A)", QKeySequence(QStringLiteral("Ctrl+A"))},
            {"Delete2", "Delete(&D)", QKeySequence(QStringLiteral("Ctrl+D"))},
            {"Export1", "Export(&E)", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"import2", "Import(&I)", QKeySequence(QStringLiteral("Ctrl+I"))},
            {"DrawingsUpdate1", "Drawings Update(&U)", {}},
            {"PredictionNow1", "Prediction Now !(&P)", {}},
            {"Help1", "Help", QKeySequence(QStringLiteral("F1"))},
            {"Softwareonlineupdate1", "Software Update", {}},
            {"Letterydrawingsonlineupdate1", "Lettery drawings online update", {}},
            {"WebSite1", "Quorvane Web Site", {}},
        };
        for (const auto& expected : actions) {
            const auto* action = window.findChild<QAction*>(QString::fromLatin1(expected.name));
            QVERIFY2(action != nullptr, expected.name);
            QCOMPARE(action->text(), QString::fromLatin1(expected.caption));
            QCOMPARE(action->shortcut(), expected.shortcut);
        }
        const struct {
            const char* name;
            const char* caption;
        } buttons[] = {
            {"addBitBtn", "Add(&A)"},    {"delBitBtn", "Delete(&D)"},           {"impBitBtn", "Import(&I)"},
            {"expBitBtn", "Export(&E)"}, {"drupBitBtn", "Drawings Update(&U)"}, {"annoBitBtn", "Prediction Now !(&P)"},
        };
        for (const auto& expected : buttons) {
            const auto* button = window.findChild<QPushButton*>(QString::fromLatin1(expected.name));
            QVERIFY2(button != nullptr, expected.name);
            QCOMPARE(button->text(), QString::fromLatin1(expected.caption));
        }
        window.show();
        QVERIFY(!window.findChild<QToolBar*>(QStringLiteral("ToolBar1"))->isVisible());
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Panel"))->isVisible());
        const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl"));
        QCOMPARE(pages->tabText(0), QStringLiteral("Drawings"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Prediction"));
        QCOMPARE(pages->tabText(2), QStringLiteral("About"));
        const QStringList about = text(window, "Memo1").split(QLatin1Char('\n'));
        QCOMPARE(about.size(), 11);
        QCOMPARE(about[3], QString(29, QLatin1Char(' ')) + QStringLiteral("Version: Quorvane Stellaform 2008 6.0"));
        QCOMPARE(about[9], QString(7, QLatin1Char(' ')) + QString(43, QLatin1Char('=')));
        window.close();
    }

    void menuShortcutsActWhileAPageMemoHasTheFocus()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl"));
        for (const char* memoName : {"Memo", "Memo1"}) {
            auto* memo = window.findChild<QPlainTextEdit*>(QString::fromLatin1(memoName));
            pages->setCurrentWidget(memo->parentWidget());
            memo->setPlainText(QStringLiteral("some text"));
            for (const char* name : {"LotteryN", "N2", "Add1", "Delete2", "Export1", "import2", "Help1"}) {
                auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
                // Only where the key goes counts here, not what the command does.
                action->disconnect();
                QSignalSpy triggered(action, &QAction::triggered);
                memo->setFocus();
                const QKeyCombination key = action->shortcut()[0];
                QTest::keyClick(memo, key.key(), key.keyboardModifiers());
                QVERIFY2(triggered.size() == 1,
                         qPrintable(
                             QStringLiteral("%1 in %2").arg(QString::fromLatin1(name), QString::fromLatin1(memoName))));
            }
            QCOMPARE(memo->toPlainText(), QStringLiteral("some text"));
        }
    }

    void helpAndWebPagesGoToTheDesktop()
    {
        TempFolder folder;
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
        MessageBoxAnswerer boxes;
        TMainForm window(makeInstallation(folder, Skin));
        window.show();
        for (const char* name : {"Help1", "Softwareonlineupdate1", "WebSite1"})
            window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("urlLabel")), Qt::LeftButton);
        window.findChild<QToolButton*>(QStringLiteral("helpToolButton"))->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

        const QUrl help = QUrl::fromLocalFile(fromPath(folder / "help.chm"));
        const QUrl site(QStringLiteral("http://www.quorvane.example"));
        QCOMPARE(recorder.opened, (QList<QUrl>{help, QUrl(QStringLiteral("http://www.quorvane.example/download.html")),
                                               site, site, help}));
        QVERIFY(boxes.seen().empty());
        window.close();
    }

    void exitClosesTheWindow()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin));
        window.show();
        window.findChild<QAction*>(QStringLiteral("N2"))->trigger();
        QVERIFY(!window.isVisible());
        QVERIFY(std::filesystem::exists(folder / "Data.ini"));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
