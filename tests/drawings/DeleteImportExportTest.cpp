#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/drawings/ThreeDrawingsInstallation.h"
#include "tests/support/Tmpfs.h"
#include "tests/support/WindowTest.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace stellaform;
using namespace stellaform::test;

namespace {

class Installation : public ThreeDrawingsInstallation {
public:
    [[nodiscard]] QListView* list() const { return &drawsListBox(*window); }
    [[nodiscard]] int rows() const { return list()->model()->rowCount(); }
    [[nodiscard]] QString total() const { return totalText(*window); }
    void click(const char* button) const { stellaform::test::click(*window, button); }

    // Clicks the button and, in the file dialog it opens, types `file` into
    // the name field and accepts; an empty `file` cancels the dialog.
    void clickAndChoose(const char* button, const char* dialogName, const std::filesystem::path& file) const
    {
        QTimer::singleShot(0, window.get(), [this, dialogName, file] {
            QDialog* dialog = window->findChild<QFileDialog*>(QString::fromLatin1(dialogName));
            if (file.empty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(fromPath(file));
            dialog->accept();
            // A name the dialog refuses keeps it open; the test then fails on
            // the files rather than waiting.
            if (dialog->isVisible())
                dialog->reject();
        });
        click(button);
    }
};

} // namespace

class DeleteImportExportTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void deleteAsksAndRemovesTheSelectedLine()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::No);
        installation.list()->setCurrentIndex(installation.list()->model()->index(0, 0));
        installation.click("delBitBtn");
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().title, QStringLiteral("Tip"));
        QCOMPARE(boxes.seen().front().text, QStringLiteral("Delete this line?"));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::Information);
        QCOMPARE(boxes.seen().front().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(readBytes(installation.drawings), std::string(kThreeDrawings));
        QCOMPARE(installation.rows(), 3);

        boxes.setAnswer(QMessageBox::Yes);
        installation.click("delBitBtn");
        QCOMPARE(readBytes(installation.drawings),
                 std::string("1/2/2009 7 8 9 10 11 12\r\n1/3/2009 13 14 15 16 17 18\r\n"));
        QCOMPARE(installation.rows(), 2);
        QCOMPARE(installation.total(), QStringLiteral("Total Drawings: 2."));
        QCOMPARE(installation.list()->currentIndex().row(), 1);
        QVERIFY(installation.list()->selectionModel()->isSelected(installation.list()->currentIndex()));

        // Right after a reload Delete offers the newest drawing, the last line.
        installation.window->findChild<QAction*>(QStringLiteral("Delete2"))->trigger();
        QCOMPARE(readBytes(installation.drawings), std::string("1/2/2009 7 8 9 10 11 12\r\n"));
        QCOMPARE(installation.total(), QStringLiteral("Total Drawings: 1."));
        QCOMPARE(boxes.seen().size(), std::size_t(3));
    }

    void deleteWithAnEmptyListAsksNothing()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        installation.window->settingsFile().WriteString("Option", "LotteryName", "None");
        installation.window->LoadCurrentLottery();
        installation.click("delBitBtn");
        QVERIFY(boxes.seen().empty());
        QVERIFY(!std::filesystem::exists(installation.folder / "drawn" / "None.Txt"));
    }

    void deleteWithTheSelectionClearedAsksNothing()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        // Ctrl+click on the selected item clears the selection; the item stays current.
        QListView* list = installation.list();
        const QModelIndex last = list->currentIndex();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualRect(last).center());
        QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
        installation.click("delBitBtn");
        QVERIFY(boxes.seen().empty());
        QCOMPARE(readBytes(installation.drawings), std::string(kThreeDrawings));
    }

    void deleteOfALineTheFileNoLongerHasIsReported()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        writeBytes(installation.drawings, "changed from outside\r\n");
        installation.click("delBitBtn");
        QCOMPARE(boxes.seen().size(), std::size_t(2));
        QCOMPARE(boxes.seen().back().title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(boxes.seen().back().text, QStringLiteral("List index out of bounds (2)"));
        QCOMPARE(readBytes(installation.drawings), std::string("changed from outside\r\n"));
        QCOMPARE(installation.rows(), 3);
    }

    void importReplacesTheDrawingsFileByteForByte()
    {
        Installation installation;
        MessageBoxAnswerer boxes;
        writeBytes(installation.folder / "other" / "chosen.Txt", "any layout\nx");
        installation.clickAndChoose("impBitBtn", "impOpenDialog", {});
        QCOMPARE(readBytes(installation.drawings), std::string(kThreeDrawings));

        installation.clickAndChoose("impBitBtn", "impOpenDialog", installation.folder / "other" / "chosen.Txt");
        QCOMPARE(readBytes(installation.drawings), std::string("any layout\nx"));
        QCOMPARE(installation.rows(), 2);
        QCOMPARE(installation.list()->model()->index(0, 0).data().toString(), QStringLiteral(" any - [layout]"));
        QCOMPARE(installation.total(), QStringLiteral("Total Drawings: 2."));

        // A lottery without drawings gets its file.
        installation.window->settingsFile().WriteString("Option", "LotteryName", "Fresh");
        installation.window->LoadCurrentLottery();
        installation.clickAndChoose("impBitBtn", "impOpenDialog", installation.folder / "other" / "chosen.Txt");
        QCOMPARE(readBytes(installation.folder / "drawn" / "Fresh.Txt"), std::string("any layout\nx"));
        QCOMPARE(installation.rows(), 2);
        QVERIFY(boxes.seen().empty());
    }

    void aFailedImportIsReportedAfterTheListIsReloaded()
    {
        Installation installation;
        std::string whyNot;
        const auto tmpfs = Tmpfs::tryMount(installation.folder / "drawn", 1 << 20, whyNot);
        if (!tmpfs)
            QSKIP(whyNot.c_str());
        writeBytes(installation.drawings, "1/5/2009 3 12\r\n");
        tmpfs->makeReadOnly();
        writeBytes(installation.folder / "chosen.Txt", "imported\r\n");
        MessageBoxAnswerer boxes;
        installation.clickAndChoose("impBitBtn", "impOpenDialog", installation.folder / "chosen.Txt");
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text,
                 QStringLiteral("Cannot create file ") + fromPath(installation.drawings) + QStringLiteral("."));
        QCOMPARE(readBytes(installation.drawings), std::string("1/5/2009 3 12\r\n"));
        QCOMPARE(installation.rows(), 1);
    }

    void exportWritesBackAndCopiesUnderATxtName()
    {
        const struct {
            const char* chosen;
            const char* target;
        } cases[] = {
            {"drawings", "drawings.Txt"},
            {"drawings.txt", "drawings.Txt"},
            {"drawings.TXT", "drawings.Txt"},
            {"drawings.tXt", "drawings.tXt.Txt"},
            {"a.b", "a.b.Txt"},
        };
        for (const auto& c : cases) {
            Installation installation;
            MessageBoxAnswerer boxes;
            writeBytes(installation.drawings, "a\r\nlast without end");
            std::filesystem::create_directories(installation.folder / "out");
            installation.clickAndChoose("expBitBtn", "expSaveDialog", installation.folder / "out" / c.chosen);
            QCOMPARE(folderListing(installation.folder / "out"), std::string(c.target));
            QCOMPARE(readBytes(installation.folder / "out" / c.target), std::string("a\r\nlast without end\r\n"));
            QCOMPARE(readBytes(installation.drawings), std::string("a\r\nlast without end\r\n"));
            QVERIFY(boxes.seen().empty());
        }
    }

    void exportAsksBeforeReplacingAFile()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::No);
        writeBytes(installation.drawings, "a\nb");
        writeBytes(installation.folder / "old.Txt", "old\r\n");
        installation.clickAndChoose("expBitBtn", "expSaveDialog", installation.folder / "old.txt");
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().title, QStringLiteral("Replace?"));
        QCOMPARE(boxes.seen().front().text, QStringLiteral("The file already exist, replace? "));
        QCOMPARE(boxes.seen().front().icon, QMessageBox::Warning);
        QCOMPARE(boxes.seen().front().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(readBytes(installation.folder / "old.Txt"), std::string("old\r\n"));
        // The drawings file was written back before the question.
        QCOMPARE(readBytes(installation.drawings), std::string("a\r\nb\r\n"));

        boxes.setAnswer(QMessageBox::Yes);
        installation.clickAndChoose("expBitBtn", "expSaveDialog", installation.folder / "old.txt");
        QCOMPARE(readBytes(installation.folder / "old.Txt"), std::string("a\r\nb\r\n"));

        // A cancelled dialog writes nothing at all.
        writeBytes(installation.drawings, "c\nd");
        installation.clickAndChoose("expBitBtn", "expSaveDialog", {});
        QCOMPARE(readBytes(installation.drawings), std::string("c\nd"));
        QCOMPARE(boxes.seen().size(), std::size_t(2));
        QCOMPARE(installation.rows(), 3);
    }

    void aFailedExportIsReportedAndTheTargetStaysWhole()
    {
        Installation installation;
        MessageBoxAnswerer boxes(QMessageBox::Yes);
        std::filesystem::remove(installation.drawings);
        installation.clickAndChoose("expBitBtn", "expSaveDialog", installation.folder / "new");
        QCOMPARE(boxes.seen().size(), std::size_t(1));
        QCOMPARE(boxes.seen().front().text,
                 QStringLiteral("Cannot open file ") + fromPath(installation.drawings) + QStringLiteral("."));
        QVERIFY(!std::filesystem::exists(installation.drawings));
        QVERIFY(!std::filesystem::exists(installation.folder / "new.Txt"));

        std::string whyNot;
        const auto tmpfs = Tmpfs::tryMount(installation.folder / "out", 1 << 20, whyNot);
        if (!tmpfs)
            QSKIP(whyNot.c_str());
        writeBytes(installation.drawings, "new\r\n");
        writeBytes(installation.folder / "out" / "old.Txt", "old\r\n");
        tmpfs->makeReadOnly();
        installation.clickAndChoose("expBitBtn", "expSaveDialog", installation.folder / "out" / "old");
        QCOMPARE(boxes.seen().size(), std::size_t(3));
        QCOMPARE(boxes.seen().back().text, QStringLiteral("Cannot create file ") +
                                               fromPath(installation.folder / "out" / "old.Txt") + QStringLiteral("."));
        QCOMPARE(readBytes(installation.folder / "out" / "old.Txt"), std::string("old\r\n"));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(DeleteImportExportTest)
#include "DeleteImportExportTest.moc"
