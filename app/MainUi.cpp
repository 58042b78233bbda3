#include "app/MainUi.h"

#include "app/AnsiText.h"
#include "app/CommandButton.h"
#include "app/Icons.h"
#include "app/LineList.h"
#include "app/LinkLabel.h"
#include "app/Maker.h"
#include "app/Named.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace stellaform {
namespace {

QAction* addAction(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {},
                   std::optional<Glyph> glyph = std::nullopt)
{
    QAction* action = named(menu->addAction(toQString(caption)), name);
    action->setShortcut(shortcut);
    if (glyph)
        action->setIcon(glyphIcon(*glyph));
    return action;
}

QToolButton* addToolButton(QToolBar* bar, const char* name, const char* caption)
{
    auto* button = named(new QToolButton(bar), name);
    button->setText(toQString(caption));
    bar->addWidget(button);
    return button;
}

QFileDialog* fileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode)
{
    auto* dialog = named(new QFileDialog(parent), name);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // One filter showing "Text file(*.Txt)" and matching *.Txt; Export asks
    // its own question before it replaces a file.
    dialog->setNameFilter(QStringLiteral("Text file(*.Txt) (*.Txt)"));
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                       QFileDialog::DontConfirmOverwrite);
    return dialog;
}

QString aboutText()
{
    const std::string indent(29, ' ');
    return toQString(joinBoxText({
        "",
        indent + maker::kName,
        "",
        indent + "Version: Quorvane Stellaform 2008 6.0",
        "",
        indent + maker::kWebSite,
        "",
        indent + maker::kSupportMail,
        "",
        std::string(7, ' ') + std::string(43, '='),
        "",
    }));
}

QFont verdana()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void makeNavyVerdana(QWidget* widget)
{
    widget->setFont(verdana());
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    widget->setPalette(palette);
}

} // namespace

void MainUi::setupUi(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("MainForm"));
    window->setWindowTitle(QStringLiteral("Quorvane Stellaform 6"));

    QMenuBar* menuBar = named(new QMenuBar(window), "MainMenu");
    window->setMenuBar(menuBar);

    systemMenu = named(menuBar->addMenu(QStringLiteral("System")), "System1");
    LotteryN = addAction(systemMenu, "LotteryN", "Lottery(&L) ", QKeySequence(Qt::CTRL | Qt::Key_L), Glyph::Lottery);
    named(systemMenu->addSeparator(), "N1");
    N2 = addAction(systemMenu, "N2", "Exit(&Q)", QKeySequence(Qt::CTRL | Qt::Key_Q), Glyph::Close);

    editMenu = named(menuBar->addMenu(QStringLiteral("Edit")), "Edit1");
    Add1 = addAction(editMenu, "Add1", "Add(&A)", QKeySequence(Qt::CTRL | Qt::Key_A), Glyph::Add);
    Delete2 = addAction(editMenu, "Delete2", "Delete(&D)", QKeySequence(Qt::CTRL | Qt::Key_D), Glyph::Delete);
    Export1 = addAction(editMenu, "Export1", "Export(&E)", QKeySequence(Qt::CTRL | Qt::Key_E), Glyph::Export);
    import2 = addAction(editMenu, "import2", "Import(&I)", QKeySequence(Qt::CTRL | Qt::Key_I), Glyph::Import);
    named(editMenu->addSeparator(), "N3");
    DrawingsUpdate1 = addAction(editMenu, "DrawingsUpdate1", "Drawings Update(&U)", {}, Glyph::Update);
    PredictionNow1 = addAction(editMenu, "PredictionNow1", "Prediction Now !(&P)", {}, Glyph::Predict);

    helpMenu = named(menuBar->addMenu(QStringLiteral("Help")), "Help2");
    Help1 = addAction(helpMenu, "Help1", "Help", QKeySequence(Qt::Key_F1), Glyph::Help);
    named(helpMenu->addSeparator(), "N4");
    Softwareonlineupdate1 = addAction(helpMenu, "Softwareonlineupdate1", "Software Update", {}, Glyph::Web);
    Letterydrawingsonlineupdate1 =
        addAction(helpMenu, "Letterydrawingsonlineupdate1", "Lettery drawings online update", {}, Glyph::Update);
    named(helpMenu->addSeparator(), "N5");
    WebSite1 = addAction(helpMenu, "WebSite1", "Quorvane Web Site", {}, Glyph::Web);

    // The tool bar is kept for its commands but never shown.
    ToolBar1 = named(new QToolBar(window), "ToolBar1");
    window->addToolBar(ToolBar1);
    ToolBar1->toggleViewAction()->setVisible(false);
    selToolButton = addToolButton(ToolBar1, "selToolButton", "Lottery");
    updateToolButton = addToolButton(ToolBar1, "updateToolButton", "Update");
    analyzeToolButton = addToolButton(ToolBar1, "analyzeToolButton", "Prediction");
    helpToolButton = addToolButton(ToolBar1, "helpToolButton", "Help");
    exitToolButton = addToolButton(ToolBar1, "exitToolButton", "Exit");
    ToolBar1->hide();

    PageControl = named(new QTabWidget(window), "PageControl");
    window->setCentralWidget(PageControl);

    auto* drawingsPage = named(new QWidget(PageControl), "spSkinTabSheet1");
    PageControl->addTab(drawingsPage, QStringLiteral("Drawings"));
    auto* label1 = named(new QLabel(QStringLiteral("Drawings:"), drawingsPage), "Label1");
    drawsListBox = named(new QListView(drawingsPage), "drawsListBox");
    drawsListBox->setMinimumSize(353, 217);
    drawsListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    drawsListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    drawsListBox->setUniformItemSizes(true);
    totalLabel = named(new QLabel(drawingsPage), "totalLabel");

    const QSize smallButton(75, 25);
    addBitBtn = new CommandButton(drawingsPage, "addBitBtn", "Add(&A)", Glyph::Add, smallButton);
    delBitBtn = new CommandButton(drawingsPage, "delBitBtn", "Delete(&D)", Glyph::Delete, smallButton);
    impBitBtn = new CommandButton(drawingsPage, "impBitBtn", "Import(&I)", Glyph::Import, smallButton);
    expBitBtn = new CommandButton(drawingsPage, "expBitBtn", "Export(&E)", Glyph::Export, smallButton);
    urlLabel = named(new LinkLabel(drawingsPage), "urlLabel");
    urlLabel->setText(toQString(maker::kWebSite));
    QFont underlined = urlLabel->font();
    underlined.setUnderline(true);
    urlLabel->setFont(underlined);

    const QSize largeButton(145, 29);
    drupBitBtn = new CommandButton(drawingsPage, "drupBitBtn", "Drawings Update(&U)", Glyph::Update, largeButton);
    annoBitBtn = new CommandButton(drawingsPage, "annoBitBtn", "Prediction Now !(&P)", Glyph::Predict, largeButton);

    auto* buttonRow = new QHBoxLayout;
    for (QPushButton* button : {addBitBtn, delBitBtn, impBitBtn, expBitBtn})
        buttonRow->addWidget(button);
    buttonRow->addStretch();
    auto* sideColumn = new QVBoxLayout;
    sideColumn->addWidget(drupBitBtn);
    sideColumn->addWidget(annoBitBtn);
    sideColumn->addStretch();

    auto* grid = new QGridLayout(drawingsPage);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(drawsListBox, 1, 0);
    grid->addLayout(sideColumn, 1, 1);
    grid->addWidget(totalLabel, 2, 0);
    grid->addLayout(buttonRow, 3, 0);
    grid->addWidget(urlLabel, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    // The progress panel floats over the list, outside the page's layout.
    Panel = named(new QFrame(drawingsPage), "Panel");
    Panel->setFrameShape(QFrame::StyledPanel);
    Panel->setGeometry(56, 80, 329, 73);
    proLabel = named(new QLabel(QStringLiteral("Analyzing Drawings..."), Panel), "proLabel");
    makeNavyVerdana(proLabel);
    ProgressBar = named(new QProgressBar(Panel), "ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(20);
    auto* panelLayout = new QVBoxLayout(Panel);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    panelLayout->addWidget(proLabel);
    panelLayout->addWidget(ProgressBar);
    Panel->hide();

    auto* predictionPage = named(new QWidget(PageControl), "spSkinTabSheet2");
    PageControl->addTab(predictionPage, QStringLiteral("Prediction"));
    Memo = named(new QPlainTextEdit(predictionPage), "Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    makeNavyVerdana(Memo);
    auto* predictionLayout = new QVBoxLayout(predictionPage);
    predictionLayout->setContentsMargins(0, 0, 0, 0);
    predictionLayout->addWidget(Memo);

    auto* aboutPage = named(new QWidget(PageControl), "spSkinTabSheet3");
    PageControl->addTab(aboutPage, QStringLiteral("About"));
    Memo1 = named(new QPlainTextEdit(aboutText(), aboutPage), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* aboutStatusBar = named(new QStatusBar(aboutPage), "spSkinStatusBar2");
    aboutStatusBar->setSizeGripEnabled(false);
    aboutStatusBar->addWidget(new QLabel(QStringLiteral("Quorvane Stellaform 5.0"), aboutStatusBar), 1);
    auto* aboutLayout = new QVBoxLayout(aboutPage);
    aboutLayout->setContentsMargins(0, 0, 0, 0);
    aboutLayout->setSpacing(0);
    aboutLayout->addWidget(Memo1);
    aboutLayout->addWidget(aboutStatusBar);

    PageControl->setCurrentIndex(0);

    QStatusBar* statusBar = named(new QStatusBar(window), "spSkinStatusBar1");
    window->setStatusBar(statusBar);
    spSkinLabel1 = named(new QLabel(QStringLiteral("Quorvane Stellaform 6"), statusBar), "spSkinLabel1");
    statusBar->addPermanentWidget(spSkinLabel1, 1);

    impOpenDialog = fileDialog(window, "impOpenDialog", QFileDialog::AcceptOpen);
    expSaveDialog = fileDialog(window, "expSaveDialog", QFileDialog::AcceptSave);
}

} // namespace stellaform
