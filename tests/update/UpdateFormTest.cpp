#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/Tmpfs.h"
#include "tests/support/WindowTest.h"
#include "update/DrawingsDownload.h"
#include "update/U_updatedrawings.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace stellaform;
using namespace stellaform::test;

namespace {

enum ServerKind { Answers, Silent, Refuses };

std::string sampleDrawings()
{
    return readBytes(std::filesystem::path(STELLAFORM_SAMPLE_DIR) / "drawn" / "PowerballPB553.Txt");
}

// Starts the program on the installation in `folder`, downloading from `updateHost`.
std::unique_ptr<TMainForm> startProgram(const TempFolder& folder, const QString& updateHost)
{
    writeBytes(folder / "SystemSet.ini", "[Option]\r\nUpdateHost=" + toAnsi(updateHost) + "\r\n");
    auto window = std::make_unique<TMainForm>(folder.path() / "");
    window->show();
    return window;
}

// Opens the download dialog with its three-second wait cut short.
std::unique_ptr<TupdateForm> openDialog(TMainForm& window, ConnectionQuery hasConnection = platformHasConnection)
{
    auto dialog = std::make_unique<TupdateForm>(window, std::move(hasConnection));
    dialog->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(0);
    dialog->open();
    return dialog;
}

DrawingsDownload& http(TupdateForm& dialog)
{
    return *dialog.findChild<DrawingsDownload*>(QStringLiteral("IdHTTP3"));
}

QString label(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

int listedDrawings(const TMainForm& window)
{
    return drawsListBox(window).model()->rowCount();
}

int selectedDrawing(const TMainForm& window)
{
    return drawsListBox(window).currentIndex().row();
}

QString totalOf(int drawings)
{
    return QStringLiteral("Total Drawings: %1.").arg(drawings);
}

bool sawOnly(const MessageBoxAnswerer& boxes, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    return boxes.seen().size() == 1 && boxes.seen().front().icon == icon && boxes.seen().front().title == title &&
           boxes.seen().front().text == text && boxes.seen().front().buttons == QMessageBox::Ok;
}

// What the boxes showed, for a failure message.
QString seenBoxes(const MessageBoxAnswerer& boxes)
{
    QStringList seen;
    for (const SeenMessageBox& box : boxes.seen())
        seen.append(box.title + QStringLiteral(": ") + box.text);
    return QStringLiteral("boxes seen: ") + seen.join(QStringLiteral(" | "));
}

} // namespace

class UpdateFormTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theUpdateCommandDownloadsThreeSecondsAfterTheDialogOpens()
    {
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        TestHttpServer server(httpAnswer("200 OK", "8/31/2005 1 2 3 4 5 6\r\n9/3/2005 7 8 9 10 11 12\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        struct {
            bool found = false;
            bool ownedByTheMainWindow = false;
            QString caption, group, label, button;
            int interval = 0;
            bool waiting = false;
            int connections = -1;
        } seen;
        QTimer::singleShot(0, window.get(), [&] {
            auto* dialog = qobject_cast<TupdateForm*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            seen.found = dialog->objectName() == QStringLiteral("updateForm");
            seen.ownedByTheMainWindow = dialog->parent() == window.get();
            seen.caption = dialog->windowTitle();
            seen.group = dialog->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title();
            seen.label = label(*dialog, "Label1");
            seen.button = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text();
            const auto* timer = dialog->findChild<QTimer*>(QStringLiteral("Timer1"));
            seen.interval = timer->interval();
            seen.waiting = timer->isActive();
            seen.connections = server.connections();
        });
        window->findChild<QPushButton*>(QStringLiteral("drupBitBtn"))->click();

        QVERIFY(seen.found);
        QVERIFY(seen.ownedByTheMainWindow);
        QCOMPARE(seen.caption, QStringLiteral("Drawings Update..."));
        QCOMPARE(seen.group, QStringLiteral(" Drawings Update  "));
        QCOMPARE(seen.label, QStringLiteral("Connecting, please wait..."));
        QCOMPARE(seen.button, QStringLiteral("Close"));
        QCOMPARE(seen.interval, 3000);
        QVERIFY(seen.waiting);
        QCOMPARE(seen.connections, 0);

        QCOMPARE(server.requests().size(), 1);
        QVERIFY2(sawOnly(boxes, QMessageBox::Information, QStringLiteral("Information!"), QStringLiteral("Complete.")),
                 qPrintable(seenBoxes(boxes)));
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"),
                 "8/31/2005 1 2 3 4 5 6\r\n9/3/2005 7 8 9 10 11 12\r\n");
        QCOMPARE(totalText(*window), totalOf(2));
        QCOMPARE(selectedDrawing(*window), 1);
        QVERIFY(window->findChildren<TupdateForm*>().isEmpty());
    }

    void theRequestAsksForTheCurrentLotteryWithTheTwoHeaders()
    {
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        TestHttpServer server(httpAnswer("200 OK", "1/1/2009 1 2 3 4 5 6\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        const struct {
            const char* lotteryName; // none: the default
            const char* path;
        } cases[] = {
            {nullptr, "/download2/drawingsdownload/PowerballPB553.Txt"},
            {"Lotto649", "/download2/drawingsdownload/Lotto649.Txt"},
            {"Euro Jackpot\xE9", "/download2/drawingsdownload/Euro%20Jackpot%E9.Txt"},
        };
        for (const auto& expected : cases) {
            if (expected.lotteryName != nullptr) {
                window->settingsFile().WriteString("Option", "LotteryName", expected.lotteryName);
                window->LoadCurrentLottery();
            }
            const auto dialog = openDialog(*window);
            QTRY_VERIFY(!dialog->isVisible());
            const QByteArray request = server.requests().back();
            QCOMPARE(requestLine(request), "GET " + QByteArray(expected.path) + " HTTP/1.1");
            QCOMPARE(headerField(request, "Accept"), QByteArray("text/html, */*"));
            QCOMPARE(headerField(request, "User-Agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
            QCOMPARE(headerField(request, "Host"), server.address().toLatin1());
            QCOMPARE(readBytes(window->currentLottery().drawingsFile.path()), "1/1/2009 1 2 3 4 5 6\r\n");
            QCOMPARE(totalText(*window), totalOf(1));
        }
        QCOMPARE(server.requests().size(), 3);
        QCOMPARE(boxes.seen().size(), std::size_t(3));
    }

    void aSuccessfulAnswerBecomesTheDrawingsFileByteForByte_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("drawings");
        const QByteArray mixed = QByteArray("1/5/2009 3 12 25 33 41 7\r\nabc\rx \xE9\n\n") + '\0' + "tail";
        QTest::newRow("mixed line ends and bytes") << httpAnswer("200 OK", mixed) << mixed << 4;
        QTest::newRow("empty") << httpAnswer("200 OK", {}) << QByteArray() << 0;
        const QByteArray page = "<html>\n<head><title>Not Found</title></head>\n<body>None</body>\n</html>\n";
        QTest::newRow("html page") << httpAnswer("200 OK", page, "Content-Type: text/html\r\n") << page << 4;
        QTest::newRow("chunked") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                               "6\r\n1/1/20\r\n8\r\n09 1 2\r\n\r\n0\r\n\r\n")
                                 << QByteArray("1/1/2009 1 2\r\n") << 1;
        QTest::newRow("ended by closing")
            << QByteArray("HTTP/1.0 200 OK\r\n\r\n2/2/2009 5 6\r\n") << QByteArray("2/2/2009 5 6\r\n") << 1;
        QTest::newRow("no content") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << QByteArray() << 0;
    }

    void aSuccessfulAnswerBecomesTheDrawingsFileByteForByte()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, file);
        QFETCH(int, drawings);
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        const std::string drawnBefore = folderListing(folder / "drawn");
        TestHttpServer server(answer);
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        const auto dialog = openDialog(*window);
        QTRY_VERIFY(!dialog->isVisible());

        QVERIFY2(sawOnly(boxes, QMessageBox::Information, QStringLiteral("Information!"), QStringLiteral("Complete.")),
                 qPrintable(seenBoxes(boxes)));
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), file.toStdString());
        QCOMPARE(listedDrawings(*window), drawings);
        QCOMPARE(selectedDrawing(*window), drawings - 1);
        QCOMPARE(totalText(*window), totalOf(drawings));
        QCOMPARE(folderListing(folder / "drawn"), drawnBefore);
    }

    void aFailedRequestLeavesTheDrawingsFileAsItWas_data()
    {
        QTest::addColumn<int>("server");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<qint64>("bodyLimit");
        const qint64 noLimit = kDownloadBodyLimit;
        const QByteArray drawing = "1/1/2009 1 2 3 4 5 6\r\n";
        QTest::newRow("404") << int(Answers) << httpAnswer("404 Not Found", "<html>gone</html>") << noLimit;
        QTest::newRow("500") << int(Answers) << httpAnswer("500 Internal Server Error", drawing) << noLimit;
        QTest::newRow("302 with Location")
            << int(Answers) << httpAnswer("302 Found", drawing, "Location: /download2/moved.Txt\r\n") << noLimit;
        QTest::newRow("200 with Location")
            << int(Answers) << httpAnswer("200 OK", drawing, "Location: /download2/moved.Txt\r\n") << noLimit;
        QTest::newRow("304") << int(Answers) << QByteArray("HTTP/1.1 304 Not Modified\r\n\r\n") << noLimit;
        QTest::newRow("closed before answering") << int(Answers) << QByteArray() << noLimit;
        QTest::newRow("closed mid-body") << int(Answers)
                                         << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n") + drawing
                                         << noLimit;
        QTest::newRow("not HTTP") << int(Answers) << QByteArray("SSH-2.0-OpenSSH_9.2\r\n\r\n") << noLimit;
        QTest::newRow("body beyond the limit")
            << int(Answers) << QByteArray("HTTP/1.0 200 OK\r\n\r\n") + drawing << qint64(drawing.size() - 1);
        QTest::newRow("never answers") << int(Silent) << QByteArray() << noLimit;
        QTest::newRow("connection refused") << int(Refuses) << QByteArray() << noLimit;
    }

    void aFailedRequestLeavesTheDrawingsFileAsItWas()
    {
        QFETCH(int, server);
        QFETCH(QByteArray, answer);
        QFETCH(qint64, bodyLimit);
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        const std::string drawnBefore = folderListing(folder / "drawn");
        const auto httpServer =
            std::make_unique<TestHttpServer>(server == Silent ? std::nullopt : std::optional<QByteArray>(answer));
        const QString address =
            server == Refuses ? QStringLiteral("127.0.0.1:%1").arg(refusingPort()) : httpServer->address();
        const auto window = startProgram(folder, address);
        MessageBoxAnswerer boxes;
        auto dialog = std::make_unique<TupdateForm>(*window);
        http(*dialog).setTimeout(std::chrono::milliseconds(300));
        http(*dialog).setBodyLimit(bodyLimit);
        dialog->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(0);
        dialog->open();
        QTRY_VERIFY(!dialog->isVisible());

        QVERIFY2(
            sawOnly(boxes, QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Can't get download files!")),
            qPrintable(seenBoxes(boxes)));
        if (server == Refuses)
            QCOMPARE(httpServer->connections(), 0);
        else if (server == Silent || answer.startsWith("HTTP/"))
            QCOMPARE(httpServer->requests().size(), 1);
        else // Qt sends a request again when its connection broke before any answer
            QVERIFY(!httpServer->requests().isEmpty());
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), sampleDrawings());
        QCOMPARE(folderListing(folder / "drawn"), drawnBefore);
        QCOMPARE(totalText(*window), totalOf(302));
    }

    void closingWithinTheWaitSendsNothing()
    {
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        TestHttpServer server(httpAnswer("200 OK", "1/1/2009 1 2 3 4 5 6\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        for (const bool closeBox : {false, true}) {
            TupdateForm dialog(*window);
            auto* timer = dialog.findChild<QTimer*>(QStringLiteral("Timer1"));
            timer->setInterval(100);
            dialog.open();
            QVERIFY(timer->isActive());
            if (closeBox)
                dialog.close();
            else
                dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            QVERIFY(!dialog.isVisible());
            QVERIFY(!timer->isActive());
            QTest::qWait(300);
        }
        QCOMPARE(server.connections(), 0);
        QVERIFY(boxes.seen().empty());
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), sampleDrawings());
    }

    void withoutAConnectionNothingIsRequested()
    {
        TempFolder folder;
        makeInstallation(folder, Skin | SampleDrawings);
        TestHttpServer server(httpAnswer("200 OK", "1/1/2009 1 2 3 4 5 6\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        QStringList asked;
        const auto dialog = openDialog(*window, [&asked](const QString& host) {
            asked.append(host);
            return false;
        });
        QTRY_VERIFY(!dialog->isVisible());

        QCOMPARE(asked, QStringList{QStringLiteral("127.0.0.1")});
        QVERIFY2(
            sawOnly(boxes, QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Please connect internet!")),
            qPrintable(seenBoxes(boxes)));
        QCOMPARE(server.connections(), 0);
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), sampleDrawings());
    }

    void aTemporaryFileThatCannotBeMadeStopsBeforeTheRequest()
    {
        TempFolder folder;
        makeInstallation(folder, Skin);
        writeBytes(folder / "drawn", "a file where the drawings folder belongs");
        TestHttpServer server(httpAnswer("200 OK", "1/1/2009 1 2 3 4 5 6\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        const auto dialog = openDialog(*window);
        QTRY_COMPARE(boxes.seen().size(), std::size_t(1));

        const SeenMessageBox& report = boxes.seen().front();
        QCOMPARE(report.title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(report.icon, QMessageBox::Critical);
        QVERIFY2(report.text.startsWith(QStringLiteral("Cannot create file ") + fromPath(folder / "drawn" / ".")) &&
                     report.text.endsWith(QStringLiteral(".tmp.")),
                 qPrintable(report.text));
        QCOMPARE(server.connections(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(label(*dialog, "Label1"), QStringLiteral("Connecting, please wait..."));
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(readBytes(folder / "drawn"), "a file where the drawings folder belongs");
    }

    void aReadOnlyDrawingsFolderKeepsTheFormerDrawings()
    {
        TempFolder folder;
        makeInstallation(folder, Skin);
        std::string whyNot;
        const auto tmpfs = Tmpfs::tryMount(folder / "drawn", 1 << 20, whyNot);
        if (!tmpfs)
            QSKIP(whyNot.c_str());
        writeBytes(folder / "drawn" / "PowerballPB553.Txt", "old\r\n");
        tmpfs->makeReadOnly();
        TestHttpServer server(httpAnswer("200 OK", "1/1/2009 1 2 3 4 5 6\r\n"));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        const auto dialog = openDialog(*window);
        QTRY_COMPARE(boxes.seen().size(), std::size_t(1));

        QVERIFY(boxes.seen().front().text.startsWith(QStringLiteral("Cannot create file ")));
        QCOMPARE(server.connections(), 0);
        QVERIFY(dialog->isVisible());
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), "old\r\n");
        QCOMPARE(folderListing(folder / "drawn"), "PowerballPB553.Txt");
    }

    void aFullDiskReportsTheDrawingsFileAndKeepsItsFormerContent()
    {
        TempFolder folder;
        makeInstallation(folder, Skin);
        std::string whyNot;
        const auto tmpfs = Tmpfs::tryMount(folder / "drawn", 64 << 10, whyNot);
        if (!tmpfs)
            QSKIP(whyNot.c_str());
        writeBytes(folder / "drawn" / "PowerballPB553.Txt", "old\r\n");
        TestHttpServer server(httpAnswer("200 OK", QByteArray(256 << 10, '7')));
        const auto window = startProgram(folder, server.address());
        MessageBoxAnswerer boxes;
        const auto dialog = openDialog(*window);
        QTRY_COMPARE(boxes.seen().size(), std::size_t(1));

        QCOMPARE(boxes.seen().front().title, QStringLiteral("Stellaform 2009"));
        QCOMPARE(boxes.seen().front().text, QStringLiteral("Cannot create file ") +
                                                fromPath(folder / "drawn" / "PowerballPB553.Txt") +
                                                QStringLiteral("."));
        QCOMPARE(server.requests().size(), 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(readBytes(folder / "drawn" / "PowerballPB553.Txt"), "old\r\n");
        QCOMPARE(folderListing(folder / "drawn"), "PowerballPB553.Txt");
        QCOMPARE(totalText(*window), totalOf(1));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(UpdateFormTest)
#include "UpdateFormTest.moc"
