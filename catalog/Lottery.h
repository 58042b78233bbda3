#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace stellaform {

class TMainForm;

// The lottery selection dialog: lists the catalog, makes the chosen lottery
// the current one, and opens the new lottery dialog.
class TLotteryForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLotteryForm)

public:
    explicit TLotteryForm(TMainForm& mainForm);
    ~TLotteryForm() override;

    // Lists the catalog again, one row per line; run when the dialog is shown
    // and by the new lottery dialog after it added a line.
    void FormShow();

    // Selects the last row without running lotteryListBoxClick, so the
    // caption stays as it is.
    void selectLastRow();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void lotteryListBoxClick();
    void okBitBtnClick();
    void addBitBtnClick();
    void canBitBtnClick();

private:
    [[nodiscard]] int selectedRow() const;

    TMainForm& m_mainForm;
    QTableWidget* lotteryListBox = nullptr;
    QPushButton* okBitBtn = nullptr;
    QPushButton* addBitBtn = nullptr;
    QPushButton* canBitBtn = nullptr;
};

} // namespace stellaform
