#include "app/AnsiText.h"
#include "app/Main.h"
#include "app/StellaformApplication.h"
#include "prediction/Prediction.h"
#include "tests/prediction/HandWorkedHistory.h"
#include "tests/support/WindowTest.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace stellaform;
using namespace stellaform::test;

namespace {

// Keeps the gauge values in the order they were painted.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QProgressBar* gauge)
        : m_gauge(gauge)
    {
        gauge->installEventFilter(this);
    }
    QList<int> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_gauge && event->type() == QEvent::Paint)
            painted.append(m_gauge->value());
        return false;
    }

private:
    QProgressBar* m_gauge;
};

struct Run {
    TempFolder folder;
    std::filesystem::path appFolder = makeInstallation(folder, Skin | SampleDrawings);
    TMainForm window{appFolder};

    Run()
    {
        window.setPredictionPause(std::chrono::milliseconds(0));
        window.show();
    }
    QPlainTextEdit* memo() const { return window.findChild<QPlainTextEdit*>(QStringLiteral("Memo")); }
    QTabWidget* pages() const { return window.findChild<QTabWidget*>(QStringLiteral("PageControl")); }
    QProgressBar* gauge() const { return window.findChild<QProgressBar*>(QStringLiteral("ProgressBar")); }
    QWidget* panel() const { return window.findChild<QWidget*>(QStringLiteral("Panel")); }
    void predict() const { window.findChild<QPushButton*>(QStringLiteral("annoBitBtn"))->click(); }
    void writeDrawings(const Lines& lines) const
    {
        writeBytes(folder / "drawn" / "PowerballPB553.Txt", joinLines(lines));
    }
};

} // namespace

class PredictionRunTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theReportLandsOnThePredictionPage()
    {
        Run run;
        run.writeDrawings(kHandWorkedHistory);
        run.window.settingsFile().WriteInteger("Option", "iNumberCount", 16);
        run.window.settingsFile().WriteInteger("Option", "iSelectCount", 1);
        run.window.LoadCurrentLottery();
        MessageBoxAnswerer boxes;
        run.predict();

        const QStringList lines = run.memo()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9);
        const QString rule(36, QLatin1Char('='));
        QCOMPARE(lines.mid(0, 8),
                 (QStringList{QString(), rule, QStringLiteral("Strong Recommendation:"), QStringLiteral("2 3 1 "), rule,
                              QStringLiteral("Recommendation:"), QStringLiteral("4 5 "), rule}));
        QVERIFY(!lines[8].isEmpty());
        QCOMPARE(run.pages()->currentIndex(), 1);
        QVERIFY(!run.panel()->isVisible());
        QCOMPARE(run.gauge()->value(), 18);
        QCOMPARE(run.gauge()->maximum(), 18);
        QVERIFY(boxes.seen().empty());
    }

    void aRunThatCannotBeMadeChangesNothingButThePanel()
    {
        Run run;
        run.memo()->setPlainText(QStringLiteral("the previous report"));
        const struct {
            const char* name;
            Lines drawings;
        } cases[] = {
            {"35 drawings", Lines(kHandWorkedHistory.begin() + 1, kHandWorkedHistory.end())},
            {"malformed recent line",
             [] {
                 Lines lines = kHandWorkedHistory;
                 lines.back() = "4/19/2009 three";
                 return lines;
             }()},
            {"empty file", {}},
        };
        MessageBoxAnswerer boxes;
        for (const auto& c : cases) {
            run.writeDrawings(c.drawings);
            run.window.settingsFile().WriteInteger("Option", "iSelectCount", 1);
            run.window.LoadCurrentLottery();
            run.predict();
            QVERIFY2(run.memo()->toPlainText() == QStringLiteral("the previous report"), c.name);
            QVERIFY2(run.pages()->currentIndex() == 0, c.name);
            QVERIFY2(!run.panel()->isVisible(), c.name);
        }
        std::filesystem::remove(run.folder / "drawn" / "PowerballPB553.Txt");
        run.predict();
        QCOMPARE(run.memo()->toPlainText(), QStringLiteral("the previous report"));
        QVERIFY(!run.panel()->isVisible());
        QVERIFY(boxes.seen().empty());
    }

    // The one run with the real pauses: every step is on screen before its pause.
    void eachGaugeStepIsPaintedDuringTheRun()
    {
        Run run;
        run.window.setPredictionPause(std::chrono::milliseconds(600));
        QVERIFY(QTest::qWaitForWindowExposed(&run.window));
        PaintRecorder recorder(run.gauge());
        run.predict();
        QList<int> steps;
        for (const int value : recorder.painted) {
            if (value > 0 && (steps.isEmpty() || steps.back() != value))
                steps.append(value);
        }
        QCOMPARE(steps, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
        QCOMPARE(run.pages()->currentIndex(), 1);
    }

    void thePredictionMenuItemAndToolButtonRunTheSameCommand()
    {
        Run run;
        run.window.findChild<QAction*>(QStringLiteral("PredictionNow1"))->trigger();
        QCOMPARE(run.pages()->currentIndex(), 1);
        const QString first = run.memo()->toPlainText();
        run.pages()->setCurrentIndex(0);
        run.memo()->clear();
        run.window.findChild<QToolButton*>(QStringLiteral("analyzeToolButton"))->click();
        QCOMPARE(run.pages()->currentIndex(), 1);
        QCOMPARE(run.memo()->toPlainText().section(QLatin1Char('\n'), 0, 7), first.section(QLatin1Char('\n'), 0, 7));
    }
};

STELLAFORM_WINDOW_TEST_MAIN(PredictionRunTest)
#include "PredictionRunTest.moc"
