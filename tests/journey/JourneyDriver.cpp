#include "tests/journey/JourneyDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>

namespace stellaform::journey {
namespace {

constexpr int kTickMilliseconds = 20;
constexpr int kStepTicks = 30'000 / kTickMilliseconds;

QString environment(const char* name)
{
    return qEnvironmentVariable(name);
}

QWidget* shown(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

template <typename Part> Part* part(QWidget* window, const char* name)
{
    return window == nullptr ? nullptr : window->findChild<Part*>(QString::fromLatin1(name));
}

QString text(QWidget* window, const char* name)
{
    if (auto* label = part<QLabel>(window, name))
        return label->text();
    if (auto* memo = part<QPlainTextEdit>(window, name))
        return memo->toPlainText();
    return {};
}

bool mainWindowReads(const QString& title, const QString& total)
{
    QWidget* main = shown("MainForm");
    return main != nullptr && QApplication::activeModalWidget() == nullptr && main->windowTitle() == title &&
           text(main, "totalLabel") == total;
}

QString caption(const char* lottery)
{
    return QStringLiteral("Quorvane Stellaform 2008 6  - ") + QString::fromLatin1(lottery);
}

} // namespace

JourneyDriver::JourneyDriver(QObject* parent)
    : QObject(parent)
    , m_log(environment("STELLAFORM_JOURNEY_LOG"))
{
    m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    if (environment("STELLAFORM_JOURNEY") == QLatin1String("second"))
        addSecondRun();
    else
        addFirstRun();
    connect(&m_timer, &QTimer::timeout, this, &JourneyDriver::tick);
    m_timer.start(kTickMilliseconds);
}

void JourneyDriver::addFirstRun()
{
    const auto westmark = caption("Westmark - [Daily Pick 5-45]");
    const auto powerball = caption("USA - [Powerball PB 5-53]");
    m_steps = {
        reads(QStringLiteral("the main window shows the default lottery"), QStringLiteral("Quorvane Stellaform 6"),
              302),
        chooseMenu(QStringLiteral("open the lottery selection"), "LotteryN"),
        press(QStringLiteral("ask for a new lottery"), "LotteryForm", "addBitBtn"),
        {QStringLiteral("describe the Westmark lottery"),
         [this] {
             QWidget* form = shown("frmNew");
             if (form == nullptr)
                 return false;
             part<QLineEdit>(form, "Edit1")->setFocus();
             type(form, QStringLiteral("Westmark"));
             part<QLineEdit>(form, "Edit2")->setFocus();
             type(form, QStringLiteral("Daily Pick 5-45"));
             click(form, "okBitBtn");
             return true;
         }},
        {QStringLiteral("find it selected in the selection"),
         [] {
             auto* list = part<QTableWidget>(shown("LotteryForm"), "lotteryListBox");
             return shown("frmNew") == nullptr && list != nullptr && list->selectedItems().size() == 1 &&
                    list->selectedItems().front()->text() == QStringLiteral("Westmark - [Daily Pick 5-45]");
         }},
        press(QStringLiteral("choose it"), "LotteryForm", "okBitBtn"),
        reads(QStringLiteral("the main window shows the Westmark lottery"), westmark, 0),
        press(QStringLiteral("open the drawing entry"), "MainForm", "addBitBtn"),
        enterDrawing(QStringLiteral("enter the first drawing"), QDate(2005, 8, 2), QStringLiteral("0312254145")),
        reads(QStringLiteral("the first drawing is listed"), westmark, 1),
        press(QStringLiteral("open the drawing entry again"), "MainForm", "addBitBtn"),
        enterDrawing(QStringLiteral("enter the second drawing on another date"), QDate(2005, 8, 9),
                     QStringLiteral("0507091113")),
        reads(QStringLiteral("the second drawing is listed"), westmark, 2),
        press(QStringLiteral("delete the newest drawing"), "MainForm", "delBitBtn"),
        {QStringLiteral("confirm the deletion"),
         [this] { return answerQuestion(QStringLiteral("Delete this line?")); }},
        reads(QStringLiteral("one drawing is left"), westmark, 1),
        {QStringLiteral("export the drawings"),
         [this] {
             chooseFile("expSaveDialog", environment("STELLAFORM_JOURNEY_EXPORT"));
             click(shown("MainForm"), "expBitBtn");
             return true;
         }},
        {QStringLiteral("the export is written"),
         [] { return QFile::exists(environment("STELLAFORM_JOURNEY_EXPORT") + QStringLiteral(".Txt")); }},
        {QStringLiteral("import a drawings file"),
         [this] {
             if (QApplication::activeModalWidget() != nullptr)
                 return false;
             chooseFile("impOpenDialog", environment("STELLAFORM_JOURNEY_IMPORT"));
             click(shown("MainForm"), "impBitBtn");
             return true;
         }},
        reads(QStringLiteral("the imported drawings are listed"), westmark, 3),
        chooseMenu(QStringLiteral("open the lottery selection again"), "LotteryN"),
        {QStringLiteral("click the default lottery"),
         [] {
             auto* list = part<QTableWidget>(shown("LotteryForm"), "lotteryListBox");
             if (list == nullptr || list->rowCount() == 0)
                 return false;
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0, 0)).center());
             return shown("LotteryForm")->windowTitle() == QStringLiteral("USA - [Powerball PB 5-53]");
         }},
        press(QStringLiteral("choose it"), "LotteryForm", "okBitBtn"),
        reads(QStringLiteral("the main window shows the default lottery again"), powerball, 302),
        press(QStringLiteral("run the prediction"), "MainForm", "annoBitBtn"),
        {QStringLiteral("the report is on the Prediction page"),
         [] {
             QWidget* main = shown("MainForm");
             return part<QTabWidget>(main, "PageControl")->currentIndex() == 1 &&
                    text(main, "Memo").contains(QStringLiteral("Strong Recommendation:"));
         }},
        keepReport(),
        chooseMenu(QStringLiteral("leave the program"), "N2"),
    };
}

void JourneyDriver::addSecondRun()
{
    m_steps = {
        reads(QStringLiteral("the main window is shown again"), QStringLiteral("Quorvane Stellaform 6"), 302),
        keepReport(),
        chooseMenu(QStringLiteral("leave the program"), "N2"),
    };
}

JourneyDriver::Step JourneyDriver::reads(const QString& name, const QString& title, int drawings)
{
    const QString total = QStringLiteral("Total Drawings: %1.").arg(drawings);
    return {name, [title, total] { return mainWindowReads(title, total); }};
}

JourneyDriver::Step JourneyDriver::press(const QString& name, const char* window, const char* button)
{
    return {name, [this, window, button] {
                QWidget* shownWindow = shown(window);
                if (shownWindow != nullptr)
                    click(shownWindow, button);
                return shownWindow != nullptr;
            }};
}

JourneyDriver::Step JourneyDriver::chooseMenu(const QString& name, const char* action)
{
    return {name, [this, action] {
                trigger(action);
                return true;
            }};
}

// Picks the date, types the numbers as keys into the entry dialog (the
// dialog moves the focus on by itself) and presses Ok.
JourneyDriver::Step JourneyDriver::enterDrawing(const QString& name, QDate date, const QString& keys)
{
    return {name, [this, date, keys] {
                QWidget* form = shown("adddrawnForm");
                if (form == nullptr)
                    return false;
                part<QDateEdit>(form, "DatePicker")->setDate(date);
                part<QLineEdit>(form, "Edit1")->setFocus();
                type(form, keys);
                click(form, "okBitBtn");
                return true;
            }};
}

// Keeps the Prediction page's text for the test to compare between the runs.
JourneyDriver::Step JourneyDriver::keepReport()
{
    return {QStringLiteral("keep the report"), [] {
                QFile report(environment("STELLAFORM_JOURNEY_MEMO"));
                return report.open(QIODevice::WriteOnly) &&
                       report.write(text(shown("MainForm"), "Memo").toLatin1()) >= 0;
            }};
}

void JourneyDriver::tick()
{
    if (m_current >= m_steps.size())
        return;
    const Step& step = m_steps[m_current];
    if (step.done()) {
        log(QStringLiteral("ok: ") + step.name);
        ++m_current;
        m_waited = 0;
        if (m_current == m_steps.size())
            log(QStringLiteral("journey complete"));
    } else if (++m_waited > kStepTicks) {
        fail(step.name);
    }
}

void JourneyDriver::log(const QString& line)
{
    m_log.write((line + QLatin1Char('\n')).toUtf8());
    m_log.flush();
}

void JourneyDriver::fail(const QString& why)
{
    log(QStringLiteral("FAILED: ") + why);
    std::_Exit(3);
}

void JourneyDriver::later(std::function<void()> action)
{
    QTimer::singleShot(0, this, std::move(action));
}

void JourneyDriver::click(QWidget* window, const char* button)
{
    auto* target = part<QAbstractButton>(window, button);
    if (target == nullptr)
        fail(QStringLiteral("no button ") + QString::fromLatin1(button));
    later([target] { QTest::mouseClick(target, Qt::LeftButton); });
}

void JourneyDriver::trigger(const char* action)
{
    auto* target = part<QAction>(shown("MainForm"), action);
    if (target == nullptr)
        fail(QStringLiteral("no menu item ") + QString::fromLatin1(action));
    later([target] { target->trigger(); });
}

// Each key goes to the window's control that has the focus when it is typed.
void JourneyDriver::type(QWidget* window, const QString& keys)
{
    for (const QChar key : keys) {
        QWidget* focus = window->focusWidget();
        if (focus == nullptr)
            fail(QStringLiteral("nothing has the focus in ") + window->objectName());
        QTest::keyClick(focus, key.toLatin1());
    }
}

// Fills in and accepts the file dialog as soon as it comes up.
void JourneyDriver::chooseFile(const char* dialog, const QString& file)
{
    const QString name = QString::fromLatin1(dialog);
    auto* watcher = new QTimer(this);
    connect(watcher, &QTimer::timeout, this, [watcher, name, file] {
        auto* fileDialog = part<QFileDialog>(shown("MainForm"), name.toLatin1().constData());
        if (fileDialog == nullptr || !fileDialog->isVisible())
            return;
        watcher->deleteLater();
        watcher->stop();
        fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
        static_cast<QDialog*>(fileDialog)->accept(); // QFileDialog hides it; QDialog offers it
    });
    watcher->start(kTickMilliseconds);
}

bool JourneyDriver::answerQuestion(const QString& question)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->text() != question)
        return false;
    later([box] { box->button(QMessageBox::Yes)->click(); });
    return true;
}

} // namespace stellaform::journey
