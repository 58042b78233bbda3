#include "catalog/U_new.h"

#include "app/AnsiText.h"
#include "app/CommandButton.h"
#include "app/Messages.h"
#include "app/Named.h"
#include "catalog/Catalog.h"
#include "catalog/Lottery.h"
#include "catalog/NewLotteryCheck.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace stellaform {
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption)
{
    return named(new QLabel(toQString(caption), parent), name);
}

QLineEdit* makeEdit(QWidget* parent, const char* name)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setFixedWidth(136);
    return edit;
}

// A choice-only list of whole numbers; each entry carries its number.
QComboBox* makeNumberList(QWidget* parent, const char* name, int first, int last, int initial)
{
    auto* list = named(new QComboBox(parent), name);
    list->setMinimumWidth(49);
    for (int value = first; value <= last; ++value)
        list->addItem(QString::number(value), value);
    list->setCurrentIndex(initial - first);
    return list;
}

constexpr QSize kButtonSize(78, 25);

} // namespace

TfrmNew::TfrmNew(std::filesystem::path catalogFile, TLotteryForm& lotteryForm)
    : QDialog(&lotteryForm)
    , m_catalogFile(std::move(catalogFile))
    , m_lotteryForm(lotteryForm)
{
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QStringLiteral("New Lottery"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    auto* group = named(new QGroupBox(QStringLiteral("Information:"), this), "GroupBox1");
    group->setMinimumSize(289, 225);

    Edit1 = makeEdit(group, "Edit1");
    Edit2 = makeEdit(group, "Edit2");
    RadioButton1 = named(new QRadioButton(QStringLiteral("Lotto with no Bonus"), group), "RadioButton1");
    RadioButton1->setChecked(true);
    RadioButton2 = named(new QRadioButton(QStringLiteral("Lotto with Bonus"), group), "RadioButton2");
    ComboBox2 = makeNumberList(group, "ComboBox2", 3, 8, 5);
    ComboBox3 = makeNumberList(group, "ComboBox3", 15, 59, 45);
    Label7 = makeLabel(group, "Label7", "Bonus:");
    ComboBox4 = makeNumberList(group, "ComboBox4", 1, 2, 1);
    Label7->hide();
    ComboBox4->hide();

    auto* types = new QHBoxLayout;
    types->addWidget(RadioButton1);
    types->addWidget(RadioButton2);
    types->addStretch();
    auto* counts = new QHBoxLayout;
    counts->addWidget(ComboBox2);
    counts->addSpacing(12);
    counts->addWidget(makeLabel(group, "Label6", "From:"));
    counts->addWidget(ComboBox3);
    counts->addStretch();

    auto* rows = new QGridLayout(group);
    rows->setVerticalSpacing(10);
    rows->addWidget(makeLabel(group, "Label2", "Country  or States:"), 0, 0);
    rows->addWidget(Edit1, 0, 1, Qt::AlignLeft);
    rows->addWidget(makeLabel(group, "Label3", "Lottery Name:"), 1, 0);
    rows->addWidget(Edit2, 1, 1, Qt::AlignLeft);
    rows->addWidget(makeLabel(group, "Label4", "Type:"), 2, 0, 1, 2);
    rows->addLayout(types, 3, 0, 1, 2);
    rows->addWidget(makeLabel(group, "Label5", "Match:"), 4, 0);
    rows->addLayout(counts, 4, 1);
    rows->addWidget(Label7, 5, 0);
    rows->addWidget(ComboBox4, 5, 1, Qt::AlignLeft);
    rows->setRowStretch(6, 1);
    rows->setColumnStretch(1, 1);

    okBitBtn = new CommandButton(this, "okBitBtn", "Ok(&O)", Glyph::Ok, kButtonSize);
    okBitBtn->setToolTip(QStringLiteral("Ok"));
    canBitBtn = new CommandButton(this, "canBitBtn", "Close(&C)", Glyph::Close, kButtonSize);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(27);
    buttons->addSpacing(35);
    buttons->addWidget(okBitBtn);
    buttons->addWidget(canBitBtn);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 15, 21);
    layout->setSpacing(15);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    setTabOrder(ComboBox3, ComboBox4);
    setTabOrder(ComboBox4, canBitBtn);
    setTabOrder(canBitBtn, okBitBtn);

    connect(RadioButton1, &QRadioButton::clicked, this, &TfrmNew::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TfrmNew::RadioButton2Click);
    connect(okBitBtn, &QPushButton::clicked, this, &TfrmNew::okBitBtnClick);
    connect(canBitBtn, &QPushButton::clicked, this, &TfrmNew::canBitBtnClick);
}

TfrmNew::~TfrmNew() = default;

void TfrmNew::keyPressEvent(QKeyEvent* event)
{
    // Neither button is a cancel button: Esc leaves the dialog open.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void TfrmNew::RadioButton1Click()
{
    Label7->hide();
    ComboBox4->hide();
}

void TfrmNew::RadioButton2Click()
{
    Label7->show();
    ComboBox4->show();
}

void TfrmNew::okBitBtnClick()
{
    NewLottery lottery;
    lottery.country = toAnsi(Edit1->text());
    lottery.lotteryName = toAnsi(Edit2->text());
    if (const auto refusal = newLotteryRefusal(lottery.country, lottery.lotteryName)) {
        showPlainMessage(this, *refusal);
        return;
    }
    lottery.numberCount = ComboBox3->currentData().toInt();
    lottery.selectCount = ComboBox2->currentData().toInt();
    lottery.bonusCount = RadioButton1->isChecked() ? 0 : ComboBox4->currentData().toInt();
    appendCatalogLine(m_catalogFile, composeCatalogLine(lottery));

    close();
    m_lotteryForm.FormShow();
    m_lotteryForm.selectLastRow();
}

void TfrmNew::canBitBtnClick()
{
    close();
}

} // namespace stellaform
