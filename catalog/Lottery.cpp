#include "catalog/Lottery.h"

#include "app/AnsiText.h"
#include "app/AppFolder.h"
#include "app/CommandButton.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Named.h"
#include "app/SettingsKeys.h"
#include "catalog/Catalog.h"
#include "catalog/U_new.h"

#include <QBoxLayout>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace stellaform {
namespace {

constexpr int kRowHeight = 16;

// The rows' look is set per row rather than on the list, so that a skin's
// fonts do not override it: navy Verdana 9 point, the selected row bold.
class LotteryRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        QFont font(QStringLiteral("Verdana"), 9);
        font.setStyleHint(QFont::SansSerif);
        font.setBold(option->state.testFlag(QStyle::State_Selected));
        option->font = font;
        option->palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));
    }
};

QTableWidget* makeLotteryList(QWidget* parent)
{
    auto* list = named(new QTableWidget(0, 1, parent), "lotteryListBox");
    list->setFixedSize(336, 181);
    list->setItemDelegate(new LotteryRowDelegate(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* header = new QTableWidgetItem(QStringLiteral("Select Lottery"));
    header->setTextAlignment(Qt::AlignCenter);
    list->setHorizontalHeaderItem(0, header);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    list->horizontalHeader()->setSectionsClickable(false);
    list->horizontalHeader()->setHighlightSections(false);

    list->verticalHeader()->hide();
    list->verticalHeader()->setMinimumSectionSize(kRowHeight);
    list->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    return list;
}

constexpr QSize kButtonSize(78, 25);

} // namespace

TLotteryForm::TLotteryForm(TMainForm& mainForm)
    : QDialog(&mainForm)
    , m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("LotteryForm"));
    setWindowTitle(QStringLiteral("Select Lottery"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto* panel = named(new QFrame(this), "Panel2");
    panel->setFrameShape(QFrame::NoFrame);
    lotteryListBox = makeLotteryList(panel);
    okBitBtn = new CommandButton(panel, "okBitBtn", "Ok(&O)", Glyph::Ok, kButtonSize);
    okBitBtn->setToolTip(QStringLiteral("Ok"));
    addBitBtn = new CommandButton(panel, "addBitBtn", "Add(&A)", Glyph::Add, kButtonSize);
    addBitBtn->setToolTip(QStringLiteral("Create a New Game"));
    canBitBtn = new CommandButton(panel, "canBitBtn", "Close(&C)", Glyph::Close, kButtonSize);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(30);
    buttons->addSpacing(18);
    buttons->addWidget(okBitBtn);
    buttons->addWidget(addBitBtn);
    buttons->addWidget(canBitBtn);
    buttons->addStretch();
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(25, 20, 56, 12);
    panelLayout->setSpacing(18);
    panelLayout->addWidget(lotteryListBox);
    panelLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(lotteryListBox, okBitBtn);
    setTabOrder(okBitBtn, canBitBtn);
    setTabOrder(canBitBtn, addBitBtn);

    connect(lotteryListBox, &QTableWidget::itemSelectionChanged, this, &TLotteryForm::lotteryListBoxClick);
    connect(okBitBtn, &QPushButton::clicked, this, &TLotteryForm::okBitBtnClick);
    connect(addBitBtn, &QPushButton::clicked, this, &TLotteryForm::addBitBtnClick);
    connect(canBitBtn, &QPushButton::clicked, this, &TLotteryForm::canBitBtnClick);
}

TLotteryForm::~TLotteryForm() = default;

void TLotteryForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TLotteryForm::keyPressEvent(QKeyEvent* event)
{
    // Neither button is a cancel button: Esc leaves the dialog open.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void TLotteryForm::FormShow()
{
    lotteryListBox->setRowCount(0);
    const std::filesystem::path catalogFile = catalogPath(m_mainForm.appFolder());
    if (!catalogExists(catalogFile)) {
        showPlainMessage(this, "Can't find file: Game.Txt");
        return;
    }
    const Lines catalog = readCatalog(catalogFile);
    lotteryListBox->setRowCount(static_cast<int>(catalog.size()));
    for (std::size_t i = 0; i < catalog.size(); ++i)
        lotteryListBox->setItem(static_cast<int>(i), 0, new QTableWidgetItem(toQString(catalogRowText(catalog[i]))));
}

void TLotteryForm::selectLastRow()
{
    const QSignalBlocker noRowClick(lotteryListBox);
    const int last = lotteryListBox->rowCount() - 1;
    lotteryListBox->selectRow(last);
    if (const QTableWidgetItem* item = lotteryListBox->item(last, 0))
        lotteryListBox->scrollToItem(item);
}

int TLotteryForm::selectedRow() const
{
    const QList<QTableWidgetItem*> selected = lotteryListBox->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}

void TLotteryForm::lotteryListBoxClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    setWindowTitle(toQString(lotteryText(toAnsi(lotteryListBox->item(row, 0)->text()))));
}

void TLotteryForm::okBitBtnClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Lines catalog = readCatalog(catalogPath(m_mainForm.appFolder()));
    // Every count is converted before the first key is written, so a line
    // that fails leaves all five keys as they were.
    const LotterySettings chosen = lotterySettings(catalogLine(catalog, row));
    const std::string lottery = lotteryText(toAnsi(lotteryListBox->item(row, 0)->text()));

    using namespace settingskeys;
    SettingsFile& settings = m_mainForm.settingsFile();
    settings.WriteString(kSection, kLotteryName, chosen.lotteryName);
    settings.WriteInteger(kSection, kNumberCount, chosen.iNumberCount);
    settings.WriteInteger(kSection, kSelectCount, chosen.iSelectCount);
    settings.WriteInteger(kSection, kBoundCount, chosen.iBoundCount);
    settings.WriteString(kSection, kLottery, lottery);
    m_mainForm.LoadCurrentLottery();
    close();
}

void TLotteryForm::addBitBtnClick()
{
    TfrmNew frmNew(catalogPath(m_mainForm.appFolder()), *this);
    frmNew.exec();
}

void TLotteryForm::canBitBtnClick()
{
    close();
}

} // namespace stellaform
