#include "app/Main.h"

#include "app/AnsiText.h"
#include "app/AppFolder.h"
#include "app/Error.h"
#include "app/ErrorReport.h"
#include "app/LineList.h"
#include "app/LinkLabel.h"
#include "app/Maker.h"
#include "app/Messages.h"
#include "app/Shell.h"
#include "app/Skin.h"
#include "catalog/Lottery.h"
#include "drawings/DrawingsCommands.h"
#include "drawings/DrawingsList.h"
#include "drawings/DrawingsListModel.h"
#include "drawings/U_adddraw.h"
#include "prediction/Prediction.h"
#include "update/U_updatedrawings.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>

#include <exception>

namespace stellaform {
namespace {

std::filesystem::path chosenFile(const QFileDialog& dialog)
{
    return toPath(dialog.selectedFiles().value(0));
}

bool isMenuShortcut(const QMenuBar& menuBar, const QKeyEvent& key)
{
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* item : menuBar.actions()) {
        if (const QMenu* menu = item->menu()) {
            for (const QAction* action : menu->actions()) {
                if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
                    return true;
            }
        }
    }
    return false;
}

} // namespace

TMainForm::TMainForm(std::filesystem::path appFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_appFolder(std::move(appFolder))
    , m_settingsFile(std::make_unique<SettingsFile>(settingsFilePath(m_appFolder)))
{
    ui.setupUi(this);
    m_drawings = new DrawingsListModel(this);
    ui.drawsListBox->setModel(m_drawings);
    ui.drawsListBox->installEventFilter(this);
    ui.Memo->installEventFilter(this);
    ui.Memo1->installEventFilter(this);
    connectCommands();
    m_adddrawnForm = new TadddrawnForm(*this);

    resize(569, 364 + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

void TMainForm::connectCommands()
{
    connect(ui.LotteryN, &QAction::triggered, this, &TMainForm::LotteryNClick);
    connect(ui.N2, &QAction::triggered, this, &TMainForm::N2Click);
    connect(ui.Add1, &QAction::triggered, this, &TMainForm::addBitBtnClick);
    connect(ui.Delete2, &QAction::triggered, this, &TMainForm::delBitBtnClick);
    connect(ui.Export1, &QAction::triggered, this, &TMainForm::expBitBtnClick);
    connect(ui.import2, &QAction::triggered, this, &TMainForm::impBitBtnClick);
    connect(ui.DrawingsUpdate1, &QAction::triggered, this, &TMainForm::drupBitBtnClick);
    connect(ui.PredictionNow1, &QAction::triggered, this, &TMainForm::annoBitBtnClick);
    connect(ui.Help1, &QAction::triggered, this, &TMainForm::Help1Click);
    connect(ui.Softwareonlineupdate1, &QAction::triggered, this, &TMainForm::Softwareonlineupdate1Click);
    connect(ui.Letterydrawingsonlineupdate1, &QAction::triggered, this, &TMainForm::drupBitBtnClick);
    connect(ui.WebSite1, &QAction::triggered, this, &TMainForm::WebSite1Click);

    connect(ui.addBitBtn, &QPushButton::clicked, this, &TMainForm::addBitBtnClick);
    connect(ui.delBitBtn, &QPushButton::clicked, this, &TMainForm::delBitBtnClick);
    connect(ui.impBitBtn, &QPushButton::clicked, this, &TMainForm::impBitBtnClick);
    connect(ui.expBitBtn, &QPushButton::clicked, this, &TMainForm::expBitBtnClick);
    connect(ui.drupBitBtn, &QPushButton::clicked, this, &TMainForm::drupBitBtnClick);
    connect(ui.annoBitBtn, &QPushButton::clicked, this, &TMainForm::annoBitBtnClick);
    connect(ui.urlLabel, &LinkLabel::clicked, this, &TMainForm::urlLabelClick);

    connect(ui.selToolButton, &QToolButton::clicked, this, &TMainForm::selToolButtonClick);
    connect(ui.updateToolButton, &QToolButton::clicked, this, &TMainForm::drupBitBtnClick);
    connect(ui.analyzeToolButton, &QToolButton::clicked, this, &TMainForm::annoBitBtnClick);
    connect(ui.helpToolButton, &QToolButton::clicked, this, &TMainForm::helpToolButtonClick);
    connect(ui.exitToolButton, &QToolButton::clicked, this, &TMainForm::exitToolButtonClick);
}

void TMainForm::LoadCurrentLottery()
{
    m_current = readCurrentLottery(*m_settingsFile, m_appFolder);
    setWindowTitle(toQString(lotteryCaption(m_current.lottery)));

    m_drawings->setLines(m_current.drawingsFile.readOrNothing());
    const int count = m_drawings->rowCount();
    if (count > 0) {
        const QModelIndex last = m_drawings->index(count - 1);
        ui.drawsListBox->setCurrentIndex(last);
        ui.drawsListBox->scrollTo(last);
    }
    ui.totalLabel->setText(toQString(totalDrawingsText(static_cast<std::size_t>(count))));
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    LoadCurrentLottery();

    const std::filesystem::path predictionPage = predictionPagePath(m_appFolder);
    std::error_code ignored;
    if (std::filesystem::exists(predictionPage, ignored))
        ui.Memo->setPlainText(toQString(joinBoxText(readLines(predictionPage))));

    setStyleSheet(toQString(loadSkinStyleSheet(skinFilePath(m_appFolder))));

    ui.spSkinLabel1->setText(windowTitle());
    setWindowTitle(QStringLiteral("Quorvane Stellaform 6"));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TMainForm::FormClose()
{
    // A second close of the same window has nothing left to save.
    if (!m_settingsFile)
        return;
    // The report is saved as the window goes; if that fails the user is told,
    // and the window still closes: every setting is already on disk.
    try {
        writeLines(predictionPagePath(m_appFolder), splitBoxText(toAnsi(ui.Memo->toPlainText())));
    } catch (const Error& error) {
        showErrorReport(error.what());
    }
    m_settingsFile.reset();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.drawsListBox && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeProgressPanel();
    // A text box claims keys such as Ctrl+A for its own editing; in this
    // window the menu's shortcuts come first, wherever the focus is.
    if ((watched == ui.Memo || watched == ui.Memo1) && event->type() == QEvent::ShortcutOverride &&
        isMenuShortcut(*menuBar(), *static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::placeProgressPanel()
{
    QRect area = ui.Panel->geometry();
    area.moveCenter(ui.drawsListBox->geometry().center());
    ui.Panel->setGeometry(area);
    ui.Panel->raise();
}

void TMainForm::LotteryNClick()
{
    TLotteryForm lotteryForm(*this);
    lotteryForm.exec();
}

void TMainForm::selToolButtonClick()
{
    ui.LotteryN->trigger();
}

void TMainForm::N2Click()
{
    close();
}

void TMainForm::addBitBtnClick()
{
    m_adddrawnForm->exec();
}

void TMainForm::delBitBtnClick()
{
    // The current item is not always selected: Ctrl+click clears the selection.
    const QModelIndexList selected = ui.drawsListBox->selectionModel()->selectedIndexes();
    if (selected.isEmpty() || !askYesNo(this, QMessageBox::Information, "Tip", "Delete this line?"))
        return;
    deleteDrawing(m_current.drawingsFile, selected.front().row());
    LoadCurrentLottery();
}

void TMainForm::expBitBtnClick()
{
    if (ui.expSaveDialog->exec() != QDialog::Accepted)
        return;
    const std::string drawings = rewriteDrawings(m_current.drawingsFile);
    const std::filesystem::path target = exportTarget(chosenFile(*ui.expSaveDialog));
    std::error_code ignored;
    if (std::filesystem::exists(target, ignored) &&
        !askYesNo(this, QMessageBox::Warning, "Replace?", "The file already exist, replace? "))
        return;
    writeFileAtomically(target, drawings);
}

void TMainForm::impBitBtnClick()
{
    if (ui.impOpenDialog->exec() != QDialog::Accepted)
        return;
    std::exception_ptr failure;
    try {
        importDrawings(m_current.drawingsFile, chosenFile(*ui.impOpenDialog));
    } catch (const Error&) {
        failure = std::current_exception();
    }
    // The list shows the drawings file as it now is, copied or not; a failed
    // copy is reported after that.
    LoadCurrentLottery();
    if (failure)
        std::rethrow_exception(failure);
}

void TMainForm::drupBitBtnClick()
{
    TupdateForm updateForm(*this);
    updateForm.exec();
}

void TMainForm::annoBitBtnClick()
{
    // A run that cannot be made simply leaves everything as it was.
    try {
        RunPrediction();
    } catch (const std::exception&) {
    }
}

void TMainForm::RunPrediction()
{
    ui.ProgressBar->setMaximum(kPredictionTrials);
    ui.ProgressBar->setValue(0);
    placeProgressPanel();
    ui.Panel->show();
    ui.Panel->repaint();
    const auto hidePanel = qScopeGuard([this] { ui.Panel->hide(); });

    const PredictionReport report = makePrediction(m_current.drawingsFile.read(), m_current.iNumberCount,
                                                   m_current.iSelectCount, [this](int) { stepPredictionGauge(); });

    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    ui.Memo->setPlainText(toQString(joinBoxText(report.lines)) + QLatin1Char('\n') +
                          locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                          locale.toString(now.time(), QLocale::LongFormat));
    ui.PageControl->setCurrentIndex(1);
}

// The run holds the user-interface thread, so each step is painted at once
// rather than when the event loop would get to it.
void TMainForm::stepPredictionGauge()
{
    ui.proLabel->repaint();
    ui.ProgressBar->setValue(ui.ProgressBar->value() + 1);
    ui.ProgressBar->repaint();
    QThread::msleep(static_cast<unsigned long>(m_predictionPause.count()));
}

void TMainForm::Help1Click()
{
    openFile(helpFilePath(m_appFolder));
}

void TMainForm::helpToolButtonClick()
{
    Help1Click();
}

void TMainForm::Softwareonlineupdate1Click()
{
    openWebPage(maker::kDownloadPage);
}

void TMainForm::WebSite1Click()
{
    openWebPage(maker::kWebSite);
}

void TMainForm::urlLabelClick()
{
    openWebPage(maker::kWebSite);
}

void TMainForm::exitToolButtonClick()
{
    close();
}

} // namespace stellaform
