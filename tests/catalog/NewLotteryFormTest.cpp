#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/catalog/CatalogWindows.h"
#include "tests/support/WindowTest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace stellaform;
using namespace stellaform::test;

namespace {

constexpr const char* kShippedRows[] = {
    "USA - [Powerball PB 5-53]",     "USA - [Powerball PB 5-55]",          "USA - [Powerball PB 5-69]",
    "USA - [Mega Millions MM 5-75]", "USA - [Mega Millions MM 5-70 MB25]", "USA - [Mega Millions MM 5-70 MB24]",
    "Canada - [Lotto 6-49]",
};

template <typename Control> Control& control(QWidget& window, const char* name)
{
    return *window.findChild<Control*>(QString::fromLatin1(name));
}

QStringList entries(const QComboBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.itemText(i));
    return texts;
}

void choose(QComboBox& list, const char* entry)
{
    list.setCurrentIndex(list.findText(QString::fromLatin1(entry)));
}

// What the selection dialog shows once the new lottery dialog has closed.
struct SelectionAfterAdd {
    QStringList rows;
    int selected = -2;
    QString caption;
};

// Opens the selection dialog, clicks `rowFirst` there (none when -1), runs
// `fill` in the new lottery dialog opened by Add, and reports the list.
SelectionAfterAdd addThroughTheDialogs(TMainForm& window, const std::function<void(QDialog&)>& fill, int rowFirst = -1)
{
    SelectionAfterAdd after;
    whenModal<QDialog>("LotteryForm", [&](QDialog& form) {
        QTableWidget& list = lotteryListBox(form);
        if (rowFirst >= 0)
            clickRow(list, rowFirst);
        whenModal<QDialog>("frmNew", fill);
        click(form, "addBitBtn");
        QVERIFY(form.findChild<QDialog*>(QStringLiteral("frmNew")) == nullptr);
        after = {rowTexts(list), selectedRow(list), form.windowTitle()};
    });
    window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
    return after;
}

// Puts the text in at the cursor, as typing or a paste does.
void type(QDialog& frmNew, const char* edit, const QString& text)
{
    control<QLineEdit>(frmNew, edit).insert(text);
}

} // namespace

class NewLotteryFormTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsFromItsInitialValuesAndCloseWritesNothing()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        const std::string catalog = readBytes(folder / "Game.Txt");
        bool opened = false;
        const SelectionAfterAdd after = addThroughTheDialogs(window, [&](QDialog& frmNew) {
            opened = true;
            QCOMPARE(frmNew.windowTitle(), QStringLiteral("New Lottery"));
            QCOMPARE(frmNew.parentWidget()->objectName(), QStringLiteral("LotteryForm"));
            QCOMPARE(control<QLabel>(frmNew, "Label2").text(), QStringLiteral("Country  or States:"));
            QCOMPARE(control<QLineEdit>(frmNew, "Edit1").text(), QString());
            QCOMPARE(control<QLineEdit>(frmNew, "Edit2").text(), QString());
            QVERIFY(control<QRadioButton>(frmNew, "RadioButton1").isChecked());
            QVERIFY(!control<QRadioButton>(frmNew, "RadioButton2").isChecked());
            QComboBox& match = control<QComboBox>(frmNew, "ComboBox2");
            QComboBox& from = control<QComboBox>(frmNew, "ComboBox3");
            QComboBox& bonus = control<QComboBox>(frmNew, "ComboBox4");
            QCOMPARE(entries(match), texts({"3", "4", "5", "6", "7", "8"}));
            QCOMPARE(match.currentText(), QStringLiteral("5"));
            QCOMPARE(from.count(), 45);
            QCOMPARE(from.itemText(0), QStringLiteral("15"));
            QCOMPARE(from.itemText(44), QStringLiteral("59"));
            QCOMPARE(from.currentText(), QStringLiteral("45"));
            QCOMPARE(entries(bonus), texts({"1", "2"}));
            QCOMPARE(bonus.currentText(), QStringLiteral("1"));
            QVERIFY(!match.isEditable() && !from.isEditable() && !bonus.isEditable());
            QLabel& bonusLabel = control<QLabel>(frmNew, "Label7");
            QVERIFY(!bonusLabel.isVisible() && !bonus.isVisible());

            // The bonus row comes and goes with the type; its choice stays.
            QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton2"), Qt::LeftButton);
            QVERIFY(bonusLabel.isVisible() && bonus.isVisible());
            choose(bonus, "2");
            QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton1"), Qt::LeftButton);
            QVERIFY(!bonusLabel.isVisible() && !bonus.isVisible());
            QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton2"), Qt::LeftButton);
            QCOMPARE(bonus.currentText(), QStringLiteral("2"));

            type(frmNew, "Edit1", QStringLiteral("Westmark"));
            type(frmNew, "Edit2", QStringLiteral("Daily Pick 5-45"));
            QTest::keyClick(&frmNew, Qt::Key_Escape);
            QTest::keyClick(&control<QLineEdit>(frmNew, "Edit2"), Qt::Key_Return);
            QVERIFY(frmNew.isVisible());
            click(frmNew, "canBitBtn");
            QVERIFY(!frmNew.isVisible());
        });
        QVERIFY(opened);
        QCOMPARE(readBytes(folder / "Game.Txt"), catalog);
        QCOMPARE(after.rows.size(), 7);
        QCOMPARE(after.selected, -1);
        QCOMPARE(after.caption, QStringLiteral("Select Lottery"));
        window.close();
    }

    void addsTheLotteryLastAndSelectsItWithoutTouchingTheCaption()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        const std::string shipped = readBytes(folder / "Game.Txt");
        const auto addWestmark = [](QDialog& frmNew) {
            type(frmNew, "Edit1", QStringLiteral("Westmark"));
            type(frmNew, "Edit2", QStringLiteral("Daily Pick 5-45"));
            click(frmNew, "okBitBtn");
            QVERIFY(!frmNew.isVisible());
        };
        QStringList rows;
        for (const char* row : kShippedRows)
            rows.append(QString::fromLatin1(row));

        SelectionAfterAdd after = addThroughTheDialogs(window, addWestmark);
        QCOMPARE(readBytes(folder / "Game.Txt"), shipped + "Westmark|Daily Pick 5-45|45|5|0|\r\n");
        rows.append(QStringLiteral("Westmark - [Daily Pick 5-45]"));
        QCOMPARE(after.rows, rows);
        QCOMPARE(after.selected, 7);
        QCOMPARE(after.caption, QStringLiteral("Select Lottery"));

        // The same lottery once more: two equal lines, the last one selected,
        // and the caption still that of the row clicked before.
        after = addThroughTheDialogs(window, addWestmark, 2);
        QCOMPARE(readBytes(folder / "Game.Txt"),
                 shipped + "Westmark|Daily Pick 5-45|45|5|0|\r\nWestmark|Daily Pick 5-45|45|5|0|\r\n");
        rows.append(QStringLiteral("Westmark - [Daily Pick 5-45]"));
        QCOMPARE(after.rows, rows);
        QCOMPARE(after.selected, 8);
        QCOMPARE(after.caption, QStringLiteral("USA - [Powerball PB 5-69]"));
        QVERIFY(!std::filesystem::exists(folder / "SystemSet.ini"));
        window.close();
    }

    void theSelectionDialogsOkMakesTheAddedLotteryCurrent()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        whenModal<QDialog>("LotteryForm", [&](QDialog& form) {
            whenModal<QDialog>("frmNew", [](QDialog& frmNew) {
                type(frmNew, "Edit1", QStringLiteral("Westmark"));
                type(frmNew, "Edit2", QStringLiteral("Daily Pick 5-45"));
                QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton2"), Qt::LeftButton);
                choose(control<QComboBox>(frmNew, "ComboBox4"), "2");
                click(frmNew, "okBitBtn");
            });
            click(form, "addBitBtn");
            click(form, "okBitBtn");
            QVERIFY(!form.isVisible());
        });
        window.findChild<QAction*>(QStringLiteral("LotteryN"))->trigger();
        QCOMPARE(readBytes(folder / "SystemSet.ini"),
                 std::string("[Option]\r\nLotteryName=DailyPick545\r\niNumberCount=45\r\niSelectCount=5\r\n"
                             "iBoundCount=2\r\nLottery=Westmark - [Daily Pick 5-45]\r\n"));
        QCOMPARE(window.currentLottery().iBoundCount, 2);
        window.close();
    }

    void composesTheLineFromTheFields_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("match");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QStringList>("bonusSteps");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("row");
        const QString westmark = QStringLiteral("Westmark");
        const QString dailyPick = QStringLiteral("Daily Pick 5-45");
        QTest::newRow("defaults") << westmark << dailyPick << QString() << QString() << QStringList()
                                  << QByteArray("Westmark|Daily Pick 5-45|45|5|0|")
                                  << QStringLiteral("Westmark - [Daily Pick 5-45]");
        QTest::newRow("bonus 2") << westmark << dailyPick << QString() << QString() << texts({"bonus", "2"})
                                 << QByteArray("Westmark|Daily Pick 5-45|45|5|2|")
                                 << QStringLiteral("Westmark - [Daily Pick 5-45]");
        QTest::newRow("bonus chosen, then none")
            << westmark << dailyPick << QString() << QString() << texts({"bonus", "2", "none"})
            << QByteArray("Westmark|Daily Pick 5-45|45|5|0|") << QStringLiteral("Westmark - [Daily Pick 5-45]");
        QTest::newRow("highest counts") << westmark << QStringLiteral("Big") << QStringLiteral("8")
                                        << QStringLiteral("59") << texts({"bonus", "1"})
                                        << QByteArray("Westmark|Big|59|8|1|") << QStringLiteral("Westmark - [Big]");
        QTest::newRow("lowest counts") << westmark << QStringLiteral("Small") << QStringLiteral("3")
                                       << QStringLiteral("15") << QStringList() << QByteArray("Westmark|Small|15|3|0|")
                                       << QStringLiteral("Westmark - [Small]");
        QTest::newRow("country of two blanks")
            << QStringLiteral("  ") << QStringLiteral("Lotto") << QString() << QString() << QStringList()
            << QByteArray("|Lotto|45|5|0|") << QStringLiteral(" - [Lotto]");
        QTest::newRow("blanks around both")
            << QStringLiteral("  Westmark ") << QStringLiteral(" Daily Pick ") << QString() << QString()
            << QStringList() << QByteArray("Westmark| Daily Pick |45|5|0|")
            << QStringLiteral("Westmark - [ Daily Pick ]");
        QTest::newRow("other characters")
            << QStringLiteral("Caf\u00e9") << QStringLiteral("Lotto [6] 49") << QString() << QString() << QStringList()
            << QByteArray("Caf\xE9|Lotto [6] 49|45|5|0|") << QStringLiteral("Caf\u00e9 - [Lotto [6] 49]");
    }

    void composesTheLineFromTheFields()
    {
        QFETCH(QString, country);
        QFETCH(QString, name);
        QFETCH(QString, match);
        QFETCH(QString, from);
        QFETCH(QStringList, bonusSteps);
        QFETCH(QByteArray, line);
        QFETCH(QString, row);
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        const std::string shipped = readBytes(folder / "Game.Txt");
        const SelectionAfterAdd after = addThroughTheDialogs(window, [&](QDialog& frmNew) {
            type(frmNew, "Edit1", country);
            type(frmNew, "Edit2", name);
            if (!match.isEmpty())
                choose(control<QComboBox>(frmNew, "ComboBox2"), match.toLatin1().constData());
            if (!from.isEmpty())
                choose(control<QComboBox>(frmNew, "ComboBox3"), from.toLatin1().constData());
            for (const QString& step : bonusSteps) {
                if (step == QStringLiteral("bonus"))
                    QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton2"), Qt::LeftButton);
                else if (step == QStringLiteral("none"))
                    QTest::mouseClick(&control<QRadioButton>(frmNew, "RadioButton1"), Qt::LeftButton);
                else
                    choose(control<QComboBox>(frmNew, "ComboBox4"), step.toLatin1().constData());
            }
            click(frmNew, "okBitBtn");
        });
        QCOMPARE(readBytes(folder / "Game.Txt"), shipped + line.toStdString() + "\r\n");
        QCOMPARE(after.rows.size(), 8);
        QCOMPARE(after.rows.last(), row);
        QCOMPARE(after.selected, 7);
        window.close();
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString empty = QStringLiteral("Country or Lottery Name Can't Empty!");
        const QString bar = QStringLiteral("Country or Lottery Name Can't Contain |!");
        const QString lineBreak = QStringLiteral("Country or Lottery Name Can't Contain Line Breaks!");
        const QString separator = QStringLiteral("Lottery Name Can't Contain / or \\!");
        QTest::newRow("both empty") << QString() << QString() << empty;
        QTest::newRow("name empty") << QStringLiteral("Westmark") << QString() << empty;
        QTest::newRow("country empty") << QString() << QStringLiteral("Lotto") << empty;
        QTest::newRow("bar in country") << QStringLiteral("West|mark") << QStringLiteral("Lotto") << bar;
        QTest::newRow("bar in name") << QStringLiteral("Westmark") << QStringLiteral("Lotto|49") << bar;
        QTest::newRow("pasted line break") << QStringLiteral("Westmark") << QStringLiteral("Lotto\n6/49") << lineBreak;
        QTest::newRow("slash in name") << QStringLiteral("Westmark") << QStringLiteral("../Game") << separator;
        QTest::newRow("backslash in name") << QStringLiteral("Westmark") << QStringLiteral("Lotto 6\\49") << separator;
    }

    void refusesWhatCannotBeStored()
    {
        QFETCH(QString, country);
        QFETCH(QString, name);
        QFETCH(QString, message);
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        const std::string catalog = readBytes(folder / "Game.Txt");
        MessageBoxAnswerer boxes;
        bool openAfterOk = false;
        const SelectionAfterAdd after = addThroughTheDialogs(window, [&](QDialog& frmNew) {
            type(frmNew, "Edit1", country);
            type(frmNew, "Edit2", name);
            // Enter presses the button that has the focus.
            auto& ok = control<QPushButton>(frmNew, "okBitBtn");
            ok.setFocus(Qt::TabFocusReason);
            QTest::keyClick(&ok, Qt::Key_Return);
            openAfterOk = frmNew.isVisible();
            QCOMPARE(control<QLineEdit>(frmNew, "Edit1").text(), country);
            QCOMPARE(control<QLineEdit>(frmNew, "Edit2").text(), name);
        });
        QVERIFY(openAfterOk);
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text, message);
        QCOMPARE(boxes.seen().front().title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(readBytes(folder / "Game.Txt"), catalog);
        QCOMPARE(after.rows.size(), 7);
        QCOMPARE(after.selected, -1);
        window.close();
    }

    void aCatalogGoneSinceListingIsReportedAndNotCreated()
    {
        TempFolder folder;
        TMainForm window(makeInstallation(folder, Skin | Catalog));
        window.show();
        MessageBoxAnswerer boxes;
        bool openAfterOk = false;
        const SelectionAfterAdd after = addThroughTheDialogs(window, [&](QDialog& frmNew) {
            std::filesystem::remove(folder / "Game.Txt");
            type(frmNew, "Edit1", QStringLiteral("Westmark"));
            type(frmNew, "Edit2", QStringLiteral("Daily Pick 5-45"));
            click(frmNew, "okBitBtn");
            openAfterOk = frmNew.isVisible();
        });
        QVERIFY(openAfterOk);
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen().front().text,
                 QStringLiteral("Cannot open file ") + fromPath(folder / "Game.Txt") + QStringLiteral("."));
        QVERIFY(!std::filesystem::exists(folder / "Game.Txt"));
        QCOMPARE(after.rows.size(), 7);
        window.close();
    }
};

STELLAFORM_WINDOW_TEST_MAIN(NewLotteryFormTest)
#include "NewLotteryFormTest.moc"
