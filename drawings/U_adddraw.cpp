#include "drawings/U_adddraw.h"

#include "app/AnsiText.h"
#include "app/CommandButton.h"
#include "app/Main.h"
#include "app/Named.h"
#include "drawings/DrawingsCommands.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace stellaform {
namespace {

// A key that types a character into a field, Backspace included. Tab moves
// the focus by itself and Delete edits without typing, so neither counts.
bool typesACharacter(const QKeyEvent& event)
{
    const int key = event.key();
    return !event.text().isEmpty() && key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Delete;
}

bool isTabKey(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// A field reached with the keyboard or from code offers its whole content for
// replacement; a click places the cursor where it falls.
bool selectsAllOnFocus(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

} // namespace

TadddrawnForm::TadddrawnForm(TMainForm& mainForm)
    : QDialog(&mainForm, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint)
    , m_mainForm(mainForm)
{
    setObjectName(QStringLiteral("adddrawnForm"));
    setWindowTitle(QStringLiteral("Add Drawings"));

    auto* GroupBox1 = named(new QGroupBox(QStringLiteral("Add Drawings:"), this), "GroupBox1");
    auto* dateLabel = named(new QLabel(QStringLiteral("Date:"), GroupBox1), "dateLabel");
    DatePicker = named(new QDateEdit(QDate(2005, 8, 2), GroupBox1), "DatePicker");
    DatePicker->setCalendarPopup(true);
    DatePicker->setDisplayFormat(locale().dateFormat(QLocale::ShortFormat));
    DatePicker->installEventFilter(this);
    auto* Label1 = named(new QLabel(QStringLiteral("Numbers:"), GroupBox1), "Label1");

    auto* fieldRow = new QHBoxLayout;
    fieldRow->setSpacing(4);
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12;
    for (std::size_t i = 0; i < Edit.size(); ++i) {
        Edit[i] = new QLineEdit(GroupBox1);
        Edit[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        Edit[i]->setMaxLength(2);
        Edit[i]->setFixedWidth(fieldWidth);
        Edit[i]->installEventFilter(this);
        fieldRow->addWidget(Edit[i]);
    }

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(dateLabel, 0, 0);
    grid->addWidget(DatePicker, 0, 1, Qt::AlignLeft);
    grid->addWidget(Label1, 1, 0);
    grid->addLayout(fieldRow, 1, 1);

    okBitBtn = new CommandButton(this, "okBitBtn", "Ok", Glyph::Ok, QSize(75, 25));
    canBitBtn = new CommandButton(this, "canBitBtn", "Cancel", Glyph::Cancel, QSize(75, 25));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(okBitBtn);
    buttonRow->addWidget(canBitBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = DatePicker;
    for (QLineEdit* field : Edit) {
        setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, okBitBtn);
    setTabOrder(okBitBtn, canBitBtn);

    connect(okBitBtn, &QPushButton::clicked, this, &TadddrawnForm::okBitBtnClick);
    connect(canBitBtn, &QPushButton::clicked, this, &TadddrawnForm::canBitBtnClick);
}

TadddrawnForm::~TadddrawnForm() = default;

void TadddrawnForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar is shown again by the system; the
    // focus stays where the user left it.
    if (!event->spontaneous())
        FormShow();
}

void TadddrawnForm::FormShow()
{
    // Only the fields of the drawing's numbers can be typed into; a field that
    // Ok would ignore is disabled, and the style draws it in the dialog's colour.
    const int used = usedFieldCount(numberTotal(m_mainForm.currentLottery()));
    for (int i = 0; i < kNumberFields; ++i)
        Edit[static_cast<std::size_t>(i)]->setEnabled(i < used);
    Edit[0]->setFocus(Qt::OtherFocusReason);
    Edit[0]->selectAll();
}

bool TadddrawnForm::eventFilter(QObject* watched, QEvent* event)
{
    using KeyPress = void (TadddrawnForm::*)();
    static constexpr std::array<KeyPress, kNumberFields> kKeyPress = {
        &TadddrawnForm::Edit1KeyPress, &TadddrawnForm::Edit2KeyPress, &TadddrawnForm::Edit3KeyPress,
        &TadddrawnForm::Edit4KeyPress, &TadddrawnForm::Edit5KeyPress, &TadddrawnForm::Edit6KeyPress,
        &TadddrawnForm::Edit7KeyPress, &TadddrawnForm::Edit8KeyPress,
    };

    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const auto field = std::find(Edit.begin(), Edit.end(), watched);
    if (field != Edit.end()) {
        // Runs before the field takes the key, and lets it through: the
        // character lands in this field even when the focus has moved on.
        if (key != nullptr && typesACharacter(*key))
            (this->*kKeyPress[static_cast<std::size_t>(field - Edit.begin())])();
        else if (event->type() == QEvent::FocusIn && selectsAllOnFocus(static_cast<QFocusEvent*>(event)->reason()))
            (*field)->selectAll();
    } else if (watched == DatePicker && key != nullptr && isTabKey(*key)) {
        // Tab leaves the date for the numbers at once, rather than stepping
        // through day, month and year; the arrow keys move between those.
        focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TadddrawnForm::Edit1KeyPress()
{
    moveFocusOnFrom(0);
}

void TadddrawnForm::Edit2KeyPress()
{
    moveFocusOnFrom(1);
}

void TadddrawnForm::Edit3KeyPress()
{
    moveFocusOnFrom(2);
}

void TadddrawnForm::Edit4KeyPress()
{
    moveFocusOnFrom(3);
}

void TadddrawnForm::Edit5KeyPress()
{
    moveFocusOnFrom(4);
}

void TadddrawnForm::Edit6KeyPress()
{
    moveFocusOnFrom(5);
}

void TadddrawnForm::Edit7KeyPress()
{
    moveFocusOnFrom(6);
}

void TadddrawnForm::Edit8KeyPress()
{
    moveFocusOnFrom(7);
}

// A field that holds one character is full with the key being typed, so the
// focus goes on to the next field, or to Ok after the last one in use.
void TadddrawnForm::moveFocusOnFrom(std::size_t field)
{
    QLineEdit* current = Edit[field];
    if (current->text().size() != 1)
        return;
    QWidget* next = okBitBtn;
    if (field + 1 < Edit.size() && Edit[field + 1]->isEnabled())
        next = Edit[field + 1];
    // A field drops its selection when it loses the focus; the key still to
    // come must replace a selected character, so the selection is put back.
    const int selectionStart = current->selectionStart();
    const int selectionLength = static_cast<int>(current->selectedText().size());
    next->setFocus(Qt::OtherFocusReason);
    if (selectionLength > 0)
        current->setSelection(selectionStart, selectionLength);
}

void TadddrawnForm::okBitBtnClick()
{
    const CurrentLottery& lottery = m_mainForm.currentLottery();
    std::vector<std::string> texts;
    for (const QLineEdit* field : Edit)
        texts.push_back(toAnsi(field->text()));
    const QDate date = DatePicker->date();
    appendDrawing(lottery.drawingsFile,
                  drawingLine({date.year(), date.month(), date.day()}, texts, numberTotal(lottery)));
    m_mainForm.LoadCurrentLottery();
    accept();
}

void TadddrawnForm::canBitBtnClick()
{
    reject();
}

} // namespace stellaform
