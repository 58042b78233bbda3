#pragma once

#include "update/ConnectionQuery.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTimer;

namespace stellaform {

class DrawingsDownload;
class TMainForm;

// The drawings download dialog: three seconds after it is shown it fetches
// the current lottery's drawings file from the download server, puts it in
// place of the local one, has the main window reload, reports the outcome and
// closes. Closing it before then cancels the download.
class TupdateForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TupdateForm)

public:
    explicit TupdateForm(TMainForm& mainForm, ConnectionQuery hasConnection = platformHasConnection);
    ~TupdateForm() override;

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void FormShow();
    void Timer1Timer();
    void BitBtn1Click();

private:
    TMainForm& m_mainForm;
    ConnectionQuery m_hasConnection;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTimer* Timer1 = nullptr;
    DrawingsDownload* IdHTTP3 = nullptr;
};

} // namespace stellaform
