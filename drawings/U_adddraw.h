#pragma once

#include "drawings/DrawingLine.h"

#include <QDialog>

#include <array>

class QDateEdit;
class QLineEdit;
class QPushButton;

namespace stellaform {

class TMainForm;

// The drawing entry dialog: a date and up to eight numbers, appended as one
// line to the current lottery's drawings file. The main window creates it once
// and shows it for every Add, so the fields keep what was typed last time.
class TadddrawnForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TadddrawnForm)

public:
    explicit TadddrawnForm(TMainForm& mainForm);
    ~TadddrawnForm() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void FormShow();
    void Edit1KeyPress();
    void Edit2KeyPress();
    void Edit3KeyPress();
    void Edit4KeyPress();
    void Edit5KeyPress();
    void Edit6KeyPress();
    void Edit7KeyPress();
    void Edit8KeyPress();
    void okBitBtnClick();
    void canBitBtnClick();

private:
    void moveFocusOnFrom(std::size_t field);

    TMainForm& m_mainForm;
    QDateEdit* DatePicker = nullptr;
    std::array<QLineEdit*, kNumberFields> Edit{};
    QPushButton* okBitBtn = nullptr;
    QPushButton* canBitBtn = nullptr;
};

} // namespace stellaform
