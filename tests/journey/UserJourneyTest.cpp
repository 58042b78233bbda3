#include "app/AnsiText.h"
#include "app/LineList.h"
#include "app/StellaformApplication.h"
#include "tests/support/WindowTest.h"

#include <QProcess>
#include <QTest>

using namespace stellaform;
using namespace stellaform::test;

namespace {

// Starts the installed program with the journey driver inside it and waits
// until it has ended.
QString runProgram(const std::filesystem::path& installation, const TempFolder& work, const char* run)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(STELLAFORM_JOURNEY_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("stellaformjourney"));
    environment.insert(QStringLiteral("STELLAFORM_JOURNEY"), QString::fromLatin1(run));
    environment.insert(QStringLiteral("STELLAFORM_JOURNEY_LOG"), fromPath(work / "journey.log"));
    environment.insert(QStringLiteral("STELLAFORM_JOURNEY_IMPORT"), fromPath(work / "import.Txt"));
    environment.insert(QStringLiteral("STELLAFORM_JOURNEY_EXPORT"), fromPath(work / "exported"));
    environment.insert(QStringLiteral("STELLAFORM_JOURNEY_MEMO"), fromPath(work / (std::string(run) + "-report.txt")));

    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(fromPath(work.path()));
    program.start(fromPath(installation / "stellaform"), {});
    if (!program.waitForFinished(180'000)) {
        program.kill();
        program.waitForFinished();
        return QStringLiteral("the program did not end");
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
        return QStringLiteral("the program ended with %1: %2")
            .arg(program.exitCode())
            .arg(QString::fromLocal8Bit(program.readAllStandardError()));
    return {};
}

} // namespace

class UserJourneyTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aUserWalksThroughTheInstalledProgram()
    {
        TempFolder work;
        const auto installation = work / "Stellaform";
        QCOMPARE(QProcess::execute(QStringLiteral(STELLAFORM_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(STELLAFORM_BINARY_DIR),
                                    QStringLiteral("--prefix"), fromPath(installation)}),
                 0);
        const std::string imported = "1/2/2010 1 2 3 4 5\n1/5/2010 6 7 8 9 10\n1/9/2010 11 12 13 14 15\n";
        writeBytes(work / "import.Txt", imported);

        QCOMPARE(runProgram(installation, work, "first"), QString());
        QCOMPARE(runProgram(installation, work, "second"), QString());
        const QString log = QString::fromStdString(readBytes(work / "journey.log"));
        QVERIFY2(log.count(QStringLiteral("journey complete")) == 2, qPrintable(log));

        QVERIFY(readBytes(installation / "Game.Txt")
                    .ends_with("Canada|Lotto 6-49|49|6|1|\r\nWestmark|Daily Pick 5-45|45|5|0|\r\n"));
        QCOMPARE(readBytes(work / "exported.Txt"), std::string("8/2/2005 03 12 25 41 45\r\n"));
        QCOMPARE(readBytes(installation / "drawn" / "DailyPick545.Txt"), imported);
        QCOMPARE(readBytes(installation / "SystemSet.ini"),
                 std::string("[Option]\r\nLotteryName=PowerballPB553\r\niNumberCount=53\r\niSelectCount=5\r\n"
                             "iBoundCount=1\r\nLottery=USA - [Powerball PB 5-53]\r\n"));

        const std::string report = readBytes(work / "first-report.txt");
        QVERIFY(report.find("Strong Recommendation:") != std::string::npos);
        QCOMPARE(readBytes(work / "second-report.txt"), report);
        QCOMPARE(readBytes(installation / "Data.ini"), joinLines(splitBoxText(report)));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(UserJourneyTest)
#include "UserJourneyTest.moc"
