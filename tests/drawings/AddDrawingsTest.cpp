#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/drawings/ThreeDrawingsInstallation.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace stellaform;
using namespace stellaform::test;

namespace {

void setCounts(TMainForm& window, int selectCount, int boundCount)
{
    window.settingsFile().WriteInteger("Option", "iSelectCount", selectCount);
    window.settingsFile().WriteInteger("Option", "iBoundCount", boundCount);
    window.LoadCurrentLottery();
}

template <typename Widget> Widget* child(const QWidget& parent, const QString& name)
{
    auto* widget = parent.findChild<Widget*>(name);
    if (widget == nullptr)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QLineEdit* field(const QWidget& dialog, int number)
{
    return child<QLineEdit>(dialog, QStringLiteral("Edit%1").arg(number));
}

QStringList fieldTexts(const QWidget& dialog)
{
    QStringList contents;
    for (int number = 1; number <= 8; ++number)
        contents.append(field(dialog, number)->text());
    return contents;
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
}

// Each key goes where the focus is at that moment, as when a user types.
void type(const QString& keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

std::string lastLine(const std::filesystem::path& file)
{
    std::string bytes = readBytes(file);
    bytes.resize(bytes.size() - 2);
    return bytes.substr(bytes.rfind('\n') + 1);
}

// Shows the dialog with Add and runs `actions` while it is open; a dialog
// the actions leave open is closed with Cancel. Returns whether they ran.
bool whileOpen(TMainForm& window, const std::function<void(QDialog&)>& actions)
{
    bool ran = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = child<QDialog>(window, QStringLiteral("adddrawnForm"));
        if (QTest::qWaitForWindowActive(dialog)) {
            actions(*dialog);
            ran = true;
        }
        if (dialog->isVisible())
            child<QPushButton>(*dialog, QStringLiteral("canBitBtn"))->click();
    });
    click(window, "addBitBtn");
    return ran;
}

} // namespace

class AddDrawingsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void carriesItsCaptionsAndVisitsItsControlsInTabOrder()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        setCounts(window, 8, 1);
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Drawings"));
            QCOMPARE(child<QGroupBox>(dialog, QStringLiteral("GroupBox1"))->title(), QStringLiteral("Add Drawings:"));
            QCOMPARE(child<QLabel>(dialog, QStringLiteral("dateLabel"))->text(), QStringLiteral("Date:"));
            QCOMPARE(child<QLabel>(dialog, QStringLiteral("Label1"))->text(), QStringLiteral("Numbers:"));
            QCOMPARE(child<QPushButton>(dialog, QStringLiteral("okBitBtn"))->text(), QStringLiteral("Ok"));
            QCOMPARE(child<QPushButton>(dialog, QStringLiteral("canBitBtn"))->text(), QStringLiteral("Cancel"));
            const auto* picker = child<QDateEdit>(dialog, QStringLiteral("DatePicker"));
            QCOMPARE(picker->date(), QDate(2005, 8, 2));
            QVERIFY(picker->calendarPopup());
            QCOMPARE(field(dialog, 8)->maxLength(), 2);

            QCOMPARE(focusName(), QStringLiteral("Edit1"));
            child<QDateEdit>(dialog, QStringLiteral("DatePicker"))->setFocus(Qt::OtherFocusReason);
            QStringList visited;
            for (int step = 0; step < 11; ++step) {
                press(Qt::Key_Tab);
                visited.append(focusName());
            }
            QCOMPARE(visited, texts({"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "okBitBtn",
                                     "canBitBtn", "DatePicker"}));
        }));
    }

    void enablesAFieldForEachNumberOfTheDrawing()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        // 6 before 7: a later showing follows the current lottery.
        const struct {
            int selectCount;
            int boundCount;
            int enabled;
        } cases[] = {{3, 0, 3}, {4, 0, 4}, {5, 1, 6}, {6, 1, 7}, {8, 1, 8}, {0, 0, 0}};
        for (const auto& c : cases) {
            setCounts(window, c.selectCount, c.boundCount);
            QVERIFY(whileOpen(window, [&c](QDialog& dialog) {
                for (int number = 1; number <= 8; ++number)
                    QVERIFY2(field(dialog, number)->isEnabled() == (number <= c.enabled),
                             qPrintable(QStringLiteral("Edit%1 with %2 fields").arg(number).arg(c.enabled)));
                if (c.enabled > 0)
                    QCOMPARE(focusName(), QStringLiteral("Edit1"));
                // A disabled field takes no focus: Tab from the last field in use goes to Ok.
                if (c.enabled > 0 && c.enabled < 8) {
                    field(dialog, c.enabled)->setFocus(Qt::OtherFocusReason);
                    press(Qt::Key_Tab);
                    QCOMPARE(focusName(), QStringLiteral("okBitBtn"));
                }
            }));
        }
    }

    void aFieldWithOneCharacterPassesTheFocusOnAsTheNextKeyLands()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            field(dialog, 2)->setText(QStringLiteral("xy"));
            type(QStringLiteral("1"));
            QCOMPARE(focusName(), QStringLiteral("Edit1"));
            type(QStringLiteral("2"));
            QCOMPARE(field(dialog, 1)->text(), QStringLiteral("12"));
            QCOMPARE(focusName(), QStringLiteral("Edit2"));
            QCOMPARE(field(dialog, 2)->selectedText(), QStringLiteral("xy"));

            // The selected "xy" is replaced; with one character Tab moves
            // the focus once, to the very next field.
            type(QStringLiteral("3"));
            QCOMPARE(field(dialog, 2)->text(), QStringLiteral("3"));
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), QStringLiteral("Edit3"));

            // Backspace is a typed key too: it passes the focus on and empties the field.
            type(QStringLiteral("4"));
            press(Qt::Key_Backspace);
            QCOMPARE(field(dialog, 3)->text(), QString());
            QCOMPARE(focusName(), QStringLiteral("Edit4"));

            // A full field takes no more and moves nothing.
            type(QStringLiteral("56"));
            QCOMPARE(focusName(), QStringLiteral("Edit5"));
            field(dialog, 4)->setFocus(Qt::OtherFocusReason);
            field(dialog, 4)->deselect();
            field(dialog, 4)->end(false);
            type(QStringLiteral("7"));
            QCOMPARE(field(dialog, 4)->text(), QStringLiteral("56"));
            QCOMPARE(focusName(), QStringLiteral("Edit4"));

            // After the last field in use (the sixth of 5 + 1) the focus goes to Ok.
            field(dialog, 6)->setFocus(Qt::OtherFocusReason);
            type(QStringLiteral("07"));
            QCOMPARE(field(dialog, 6)->text(), QStringLiteral("07"));
            QCOMPARE(focusName(), QStringLiteral("okBitBtn"));
        }));
    }

    void aCharacterLeftSelectedFromTheLastShowingIsReplaced()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        setCounts(window, 8, 1);
        QVERIFY(whileOpen(window, [](QDialog&) { type(QStringLiteral("3")); }));
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            QCOMPARE(field(dialog, 1)->selectedText(), QStringLiteral("3"));
            type(QStringLiteral("5"));
            QCOMPARE(field(dialog, 1)->text(), QStringLiteral("5"));
            QCOMPARE(focusName(), QStringLiteral("Edit2"));
            // The eighth field always hands on to Ok.
            field(dialog, 8)->setFocus(Qt::OtherFocusReason);
            type(QStringLiteral("12"));
            QCOMPARE(focusName(), QStringLiteral("okBitBtn"));
        }));
    }

    void okAppendsTheLineAndTheListShowsItSelected()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        MessageBoxAnswerer boxes;
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            type(QStringLiteral("031225334107"));
            QCOMPARE(focusName(), QStringLiteral("okBitBtn"));
            press(Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
        }));
        QCOMPARE(readBytes(installation.drawings), std::string(kThreeDrawings) + "8/2/2005 03 12 25 33 41 07\r\n");
        const QListView& list = drawsListBox(window);
        QCOMPARE(list.model()->rowCount(), 4);
        QCOMPARE(list.currentIndex().row(), 3);
        QVERIFY(list.selectionModel()->isSelected(list.currentIndex()));
        QCOMPARE(list.currentIndex().data().toString(), QStringLiteral(" 8/2/2005 - [03 12 25 33 41 07]"));
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 4."));

        // The next showing starts from what was typed and chosen; unchanged,
        // Ok appends the same line again.
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            QCOMPARE(fieldTexts(dialog), texts({"03", "12", "25", "33", "41", "07", "", ""}));
            click(dialog, "okBitBtn");
        }));
        QCOMPARE(lastLine(installation.drawings), "8/2/2005 03 12 25 33 41 07");
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            child<QDateEdit>(dialog, QStringLiteral("DatePicker"))->setDate(QDate(2009, 1, 5));
            click(dialog, "okBitBtn");
        }));
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            QCOMPARE(child<QDateEdit>(dialog, QStringLiteral("DatePicker"))->date(), QDate(2009, 1, 5));
        }));
        QCOMPARE(lastLine(installation.drawings), "1/5/2009 03 12 25 33 41 07");
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 6."));
        QVERIFY(boxes.seen().empty());
    }

    void writesTheFieldsAsTyped()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        const struct {
            QStringList fields;
            const char* line;
        } cases[] = {
            {texts({"3", "12", "25", "33", "41", "7"}), "8/2/2005 3 12 25 33 41 7"},
            {texts({"3", "", "25", "33", "41", "7"}), "8/2/2005 3  25 33 41 7"},
            {texts({"", "12", "25", "33", "41", ""}), "8/2/2005 12 25 33 41"},
            {texts({"ab", "x", "", "", "", ""}), "8/2/2005 ab x"},
            {texts({"", "", "", "", "", ""}), "8/2/2005 "},
        };
        for (const auto& c : cases) {
            QVERIFY(whileOpen(window, [&c](QDialog& dialog) {
                for (int number = 1; number <= 8; ++number)
                    field(dialog, number)->clear();
                // Each field is reached with Tab, so single characters stay single.
                for (const QString& text : c.fields) {
                    type(text);
                    if (text.size() < 2)
                        press(Qt::Key_Tab);
                }
                click(dialog, "okBitBtn");
            }));
            QCOMPARE(lastLine(installation.drawings), std::string(c.line));
        }
    }

    void theDateIsWrittenMonthDayYearInEveryLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            const auto* picker = child<QDateEdit>(dialog, QStringLiteral("DatePicker"));
            QCOMPARE(picker->displayFormat(), QLocale().dateFormat(QLocale::ShortFormat));
            QCOMPARE(picker->text(), QLocale().toString(QDate(2005, 8, 2), QLocale::ShortFormat));
            type(QStringLiteral("010203040506"));
            click(dialog, "okBitBtn");
        }));
        QLocale::setDefault(previous);
        QCOMPARE(lastLine(installation.drawings), "8/2/2005 01 02 03 04 05 06");
    }

    void cancelAndTheCloseBoxWriteNothing()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            type(QStringLiteral("0102"));
            click(dialog, "canBitBtn");
            QVERIFY(!dialog.isVisible());
        }));
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            // Enter in a field presses nothing: no button is the default.
            field(dialog, 3)->setFocus(Qt::OtherFocusReason);
            press(Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            dialog.close();
            QVERIFY(!dialog.isVisible());
        }));
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            QCOMPARE(field(dialog, 1)->text(), QStringLiteral("01"));
            QCOMPARE(field(dialog, 2)->text(), QStringLiteral("02"));
        }));
        QCOMPARE(readBytes(installation.drawings), std::string(kThreeDrawings));
    }

    void theFirstDrawingOfALotteryCreatesItsFile()
    {
        ThreeDrawingsInstallation installation;
        TMainForm& window = *installation.window;
        MessageBoxAnswerer boxes;
        window.settingsFile().WriteString("Option", "LotteryName", "Fresh");
        window.LoadCurrentLottery();
        QVERIFY(whileOpen(window, [](QDialog& dialog) {
            type(QStringLiteral("010203040506"));
            click(dialog, "okBitBtn");
        }));
        QCOMPARE(readBytes(installation.folder / "drawn" / "Fresh.Txt"), std::string("8/2/2005 01 02 03 04 05 06\r\n"));
        QCOMPARE(totalText(window), QStringLiteral("Total Drawings: 1."));

        // Without the drawings folder there is nowhere to put it: the error is
        // shown, and the dialog stays open with what was typed.
        std::filesystem::remove_all(installation.folder / "drawn");
        QVERIFY(whileOpen(window, [&boxes](QDialog& dialog) {
            click(dialog, "okBitBtn");
            QVERIFY(dialog.isVisible());
            QCOMPARE(field(dialog, 1)->text(), QStringLiteral("01"));
            QCOMPARE(boxes.seen().size(), std::size_t(1));
        }));
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(boxes.seen().front().text, QStringLiteral("Cannot create file ") +
                                                fromPath(installation.folder / "drawn" / "Fresh.Txt") +
                                                QStringLiteral("."));
        QVERIFY(!std::filesystem::exists(installation.folder / "drawn"));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(AddDrawingsTest)
#include "AddDrawingsTest.moc"
