#pragma once

#include <QDialog>

#include <filesystem>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace stellaform {

class TLotteryForm;

// The new lottery dialog: appends a lottery to the catalog and brings the
// user back to the selection list with that lottery selected.
class TfrmNew final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmNew)

public:
    // Opened over the selection dialog, whose list it refreshes after an add.
    TfrmNew(std::filesystem::path catalogFile, TLotteryForm& lotteryForm);
    ~TfrmNew() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void RadioButton1Click();
    void RadioButton2Click();
    void okBitBtnClick();
    void canBitBtnClick();

private:
    std::filesystem::path m_catalogFile;
    TLotteryForm& m_lotteryForm;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QPushButton* okBitBtn = nullptr;
    QPushButton* canBitBtn = nullptr;
};

} // namespace stellaform
