#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/catalog/CatalogWindows.h"
#include "tests/support/WindowTest.h"

#include <QAction>
#include <QHeaderView>
#include <QListView>
#include <QTest>
#include <QWindow>

using namespace stellaform;
using namespace stellaform::test;

namespace {

constexpr const char* kWestmark = "Westmark|Daily Pick 5-45|45|5|0|\r\n";

// The shipped catalog (7 lines, the last one Canada's Lotto 6-49) with the
// Westmark example after it, and a short history for Westmark.
std::filesystem::path makeWestmarkInstallation(const TempFolder& folder)
{
    const auto appFolder = makeInstallation(folder, FullInstallation);
    writeBytes(folder / "Game.Txt", readBytes(folder / "Game.Txt") + kWestmark);
    writeBytes(folder / "drawn" / "DailyPick545.Txt", "1/5/2009 3 12 17 40 44\r\n1/12/2009 5 8 21 33 45\r\n");
    return appFolder;
}

void chooseLottery(TMainForm& window, int row)
{
    whenModal<QDialog>("LotteryForm", [row](QDialog& form) {
        clickRow(lotteryListBox(form), row);
        click(form, "okBitBtn");
        QVERIFY(!form.isVisible());
    });
    window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
}

// The settings file's bytes, or what stands in its place.
std::string settingsSnapshot(const TempFolder& folder)
{
    const auto settings = folder / "SystemSet.ini";
    if (std::filesystem::is_directory(settings))
        return "(a folder)";
    return std::filesystem::exists(settings) ? readBytes(settings) : "(none)";
}

constexpr const char* kLotto649Settings = "[Option]\r\nLotteryName=Lotto649\r\niNumberCount=49\r\niSelectCount=6\r\n"
                                          "iBoundCount=1\r\nLottery=Canada - [Lotto 6-49]\r\n";

} // namespace

class LotteryFormTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsEveryCatalogLineUnderItsHeader()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin | SampleDrawings);
        writeBytes(folder / "Game.Txt", "USA|Powerball PB 5-53|53|5|1|\r\n\nWestmark|Daily Pick 5-45|45|5|0|\n"
                                        "Isle [North]|Lotto|49|6|1|extra\rWestmark\r\n");
        TMainForm window(appFolder);
        window.show();
        const QString captionBefore = window.windowTitle();
        bool opened = false;
        whenModal<QDialog>("LotteryForm", [&](QDialog& form) {
            opened = true;
            QTableWidget& list = lotteryListBox(form);
            QCOMPARE(rowTexts(list), texts({"USA - [Powerball PB 5-53]", " - []", "Westmark - [Daily Pick 5-45]",
                                            "Isle [North] - [Lotto]", " - []"}));
            QCOMPARE(list.columnCount(), 1);
            QCOMPARE(list.horizontalHeaderItem(0)->text(), QStringLiteral("Select Lottery"));
            QVERIFY(list.showGrid());
            QCOMPARE(list.rowHeight(0), 16);
            QCOMPARE(selectedRow(list), -1);
            QCOMPARE(form.windowTitle(), QStringLiteral("Select Lottery"));
            for (const auto& [name, caption, tip] :
                 {std::tuple{"okBitBtn", "Ok(&O)", "Ok"}, std::tuple{"addBitBtn", "Add(&A)", "Create a New Game"},
                  std::tuple{"canBitBtn", "Close(&C)", ""}}) {
                const auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
                QCOMPARE(button->text(), QString::fromLatin1(caption));
                QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
            }

            // Ok without a row, Esc and Enter do nothing.
            click(form, "okBitBtn");
            QTest::keyClick(&form, Qt::Key_Escape);
            QTest::keyClick(&form, Qt::Key_Return);
            QVERIFY(form.isVisible());

            clickRow(list, 3);
            QCOMPARE(form.windowTitle(), QStringLiteral("Isle [North]"));
            QCOMPARE(selectedRow(list), 3);
            QTest::keyClick(&list, Qt::Key_Up);
            QCOMPARE(form.windowTitle(), QStringLiteral("Westmark - [Daily Pick 5-45]"));
            // Enter presses the button that has the focus.
            auto* close = form.findChild<QPushButton*>(QStringLiteral("canBitBtn"));
            close->setFocus(Qt::TabFocusReason);
            QTest::keyClick(close, Qt::Key_Return);
            QVERIFY(!form.isVisible());
        });
        window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
        QVERIFY(opened);
        QVERIFY(window.findChild<QDialog*>(QStringLiteral("LotteryForm")) == nullptr);
        QCOMPARE(settingsSnapshot(folder), std::string("(none)"));
        QCOMPARE(window.windowTitle(), captionBefore);
        QCOMPARE(window.currentLottery().lottery, std::string("Powerball"));
        window.close();
    }

    void choosingWestmarkMakesItTheCurrentLottery()
    {
        TempFolder folder;
        TMainForm window(makeWestmarkInstallation(folder));
        window.show();
        chooseLottery(window, 7);
        QCOMPARE(settingsSnapshot(folder),
                 std::string("[Option]\r\nLotteryName=DailyPick545\r\niNumberCount=45\r\niSelectCount=5\r\n"
                             "iBoundCount=0\r\nLottery=Westmark - [Daily Pick 5-45]\r\n"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 2008 6  - Westmark - [Daily Pick 5-45]"));
        QCOMPARE(drawsListBox(window).model()->rowCount(), 2);
        QCOMPARE(drawsListBox(window).currentIndex().data().toString(), QStringLiteral(" 1/12/2009 - [5 8 21 33 45]"));
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 2."));
        const CurrentLottery& current = window.currentLottery();
        QCOMPARE(current.drawingsFile.path(), folder / "drawn" / "DailyPick545.Txt");
        QCOMPARE(current.iNumberCount, 45);
        QCOMPARE(current.iSelectCount, 5);
        QCOMPARE(current.iBoundCount, 0);
        QVERIFY(window.findChild<QDialog*>(QStringLiteral("LotteryForm")) == nullptr);

        // A second choice replaces the five values where they stand.
        chooseLottery(window, 6);
        QCOMPARE(settingsSnapshot(folder), std::string(kLotto649Settings));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane Stellaform 2008 6  - Canada - [Lotto 6-49]"));
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 4210."));
        QCOMPARE(window.currentLottery().iSelectCount, 6);
        QCOMPARE(window.currentLottery().iBoundCount, 1);
        window.close();
    }

    void closeWritesNothing()
    {
        TempFolder folder;
        const auto appFolder = makeWestmarkInstallation(folder);
        writeBytes(folder / "SystemSet.ini", kLotto649Settings);
        TMainForm window(appFolder);
        window.show();
        const QString captionBefore = window.windowTitle();
        for (const char* closing : {"canBitBtn", "title bar"}) {
            whenModal<QDialog>("LotteryForm", [closing](QDialog& form) {
                clickRow(lotteryListBox(form), 7);
                if (std::string_view(closing) == "canBitBtn")
                    click(form, closing);
                else
                    form.close();
            });
            window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
            QCOMPARE(settingsSnapshot(folder), std::string(kLotto649Settings));
            QCOMPARE(window.windowTitle(), captionBefore);
            QCOMPARE(window.currentLottery().lottery, std::string("Canada - [Lotto 6-49]"));
            QCOMPARE(window.currentLottery().iNumberCount, 49);
        }
        window.close();
    }

    void aMissingCatalogIsReportedBeforeTheDialogOpens()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | SampleDrawings));
        window.show();
        SeenMessageBox seen;
        bool formOnScreenDuringMessage = true;
        whenModal<QMessageBox>("", [&](QMessageBox& box) {
            seen = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
            const auto* form = window.findChild<QDialog*>(QStringLiteral("LotteryForm"));
            formOnScreenDuringMessage = form->windowHandle() != nullptr && form->windowHandle()->isVisible();
            QCOMPARE(box.parentWidget(), form);
            box.button(QMessageBox::Ok)->click();
        });
        int rowsShown = -1;
        whenModal<QDialog>("LotteryForm", [&](QDialog& form) {
            rowsShown = lotteryListBox(form).rowCount();
            click(form, "okBitBtn");
            QVERIFY(form.isVisible());
        });
        window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
        QCOMPARE(seen.text, QStringLiteral("Can't find file: Game.Txt"));
        QCOMPARE(seen.title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!formOnScreenDuringMessage);
        QCOMPARE(rowsShown, 0);
        QCOMPARE(settingsSnapshot(folder), std::string("(none)"));
        window.close();
    }

    void aFailingOkLeavesTheSettingsAndTheDialogOpen_data()
    {
        QTest::addColumn<QByteArray>("extraLine");
        QTest::addColumn<QString>("afterListing");
        QTest::addColumn<QString>("message");
        QTest::newRow("count not a number") << QByteArray("Westmark|Daily Pick|4x|5|0|") << QString()
                                            << QStringLiteral("'4x' is not a valid integer value.");
        QTest::newRow("bonus count missing") << QByteArray("Westmark|Daily Pick|45|5|") << QString()
                                             << QStringLiteral("'' is not a valid integer value.");
        QTest::newRow("catalog shortened")
            << QByteArray(kWestmark) << QStringLiteral("shorten") << QStringLiteral("List index out of bounds (7)");
        QTest::newRow("catalog removed") << QByteArray(kWestmark) << QStringLiteral("remove")
                                         << QStringLiteral("Cannot open file {catalog}.");
        QTest::newRow("settings not writable") << QByteArray(kWestmark) << QStringLiteral("block settings")
                                               << QStringLiteral("Unable to write to {settings}.");
    }

    void aFailingOkLeavesTheSettingsAndTheDialogOpen()
    {
        QFETCH(QByteArray, extraLine);
        QFETCH(QString, afterListing);
        QFETCH(QString, message);
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, FullInstallation);
        writeBytes(folder / "Game.Txt", readBytes(folder / "Game.Txt") + extraLine.toStdString());
        writeBytes(folder / "SystemSet.ini", kLotto649Settings);
        TMainForm window(appFolder);
        window.show();
        const QString captionBefore = window.windowTitle();
        MessageBoxAnswerer boxes;
        std::string settingsBefore;
        bool openAfterError = false;
        whenModal<QDialog>("LotteryForm", [&](QDialog& form) {
            clickRow(lotteryListBox(form), 7);
            if (afterListing == QStringLiteral("shorten"))
                writeBytes(folder / "Game.Txt", "USA|Powerball PB 5-53|53|5|1|\r\n");
            else if (afterListing == QStringLiteral("remove"))
                std::filesystem::remove(folder / "Game.Txt");
            else if (afterListing == QStringLiteral("block settings")) {
                std::filesystem::remove(folder / "SystemSet.ini");
                std::filesystem::create_directory(folder / "SystemSet.ini");
            }
            settingsBefore = settingsSnapshot(folder);
            click(form, "okBitBtn");
            openAfterError = form.isVisible();
        });
        window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
        QVERIFY(openAfterError);
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen().front().text,
                 message.replace(QStringLiteral("{catalog}"), fromPath(folder / "Game.Txt"))
                     .replace(QStringLiteral("{settings}"), fromPath(folder / "SystemSet.ini")));
        QCOMPARE(settingsSnapshot(folder), settingsBefore);
        QCOMPARE(window.windowTitle(), captionBefore);
        QCOMPARE(window.currentLottery().lottery, std::string("Canada - [Lotto 6-49]"));
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 4210."));
        window.close();
    }

    // A catalog written by another program may name a drawings file outside
    // the drawings folder; choosing it must not touch any file there.
    void aLotteryNameWithAPathSeparatorNamesNoFile()
    {
        TempFolder folder;
        const auto appFolder = makeInstallation(folder, Skin | SampleDrawings);
        const std::string catalog = "Elsewhere|../Game|45|5|0|\r\nElsewhere|..\\Game|45|5|0|\r\n";
        writeBytes(folder / "Game.Txt", catalog);
        TMainForm window(appFolder);
        window.show();
        const std::string drawnBefore = folderListing(folder / "drawn");
        for (const auto& [row, stem] : {std::pair{0, "../Game"}, std::pair{1, "..\\Game"}}) {
            chooseLottery(window, row);
            QCOMPARE(settingsSnapshot(folder), "[Option]\r\nLotteryName=" + std::string(stem) +
                                                   "\r\niNumberCount=45\r\niSelectCount=5\r\niBoundCount=0\r\n"
                                                   "Lottery=Elsewhere - [" +
                                                   stem + "]\r\n");
            QVERIFY(!window.currentLottery().drawingsFile.namesAFile());
            QCOMPARE(drawsListBox(window).model()->rowCount(), 0);
            QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 0."));
        }
        QCOMPARE(readBytes(folder / "Game.Txt"), catalog);
        QCOMPARE(folderListing(folder / "drawn"), drawnBefore);
        QCOMPARE(folderListing(folder.path()), std::string("Game.Txt SystemSet.ini drawn skins"));
        window.close();
    }
};

STELLAFORM_WINDOW_TEST_MAIN(LotteryFormTest)
#include "LotteryFormTest.moc"
