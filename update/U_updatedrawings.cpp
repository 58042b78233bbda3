#include "update/U_updatedrawings.h"

#include "app/AnsiText.h"
#include "app/AtomicFile.h"
#include "app/CommandButton.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Named.h"
#include "app/SettingsKeys.h"
#include "update/DownloadRequest.h"
#include "update/DrawingsDownload.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace stellaform {

TupdateForm::TupdateForm(TMainForm& mainForm, ConnectionQuery hasConnection)
    : QDialog(&mainForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_mainForm(mainForm)
    , m_hasConnection(std::move(hasConnection))
{
    setObjectName(QStringLiteral("updateForm"));
    setWindowTitle(QStringLiteral("Drawings Update..."));

    GroupBox1 = named(new QGroupBox(QStringLiteral(" Drawings Update  "), this), "GroupBox1");
    Label1 = named(new QLabel(QStringLiteral("Connecting, please wait..."), GroupBox1), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* groupLayout = new QVBoxLayout(GroupBox1);
    groupLayout->setContentsMargins(24, 18, 24, 18);
    groupLayout->addWidget(Label1);

    BitBtn1 = new CommandButton(this, "BitBtn1", "Close", Glyph::Close, QSize(88, 25));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(BitBtn1);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttonRow);
    GroupBox1->setMinimumWidth(260);
    setFixedSize(sizeHint());

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);

    IdHTTP3 = named(new DrawingsDownload(this), "IdHTTP3");

    connect(Timer1, &QTimer::timeout, this, &TupdateForm::Timer1Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &TupdateForm::BitBtn1Click);
    // However the dialog closes, a wait still running ends with it.
    connect(this, &QDialog::finished, Timer1, &QTimer::stop);
}

TupdateForm::~TupdateForm() = default;

void TupdateForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar is shown again by the system; that
    // starts no second download.
    if (!event->spontaneous())
        FormShow();
}

void TupdateForm::FormShow()
{
    Timer1->start();
}

void TupdateForm::Timer1Timer()
{
    Timer1->stop();
    const DownloadHost host = downloadHost(m_mainForm.settingsFile());
    if (!m_hasConnection(toQString(host.name))) {
        showMessage(this, QMessageBox::Critical, "Error", "Please connect internet!");
        close();
        return;
    }

    using namespace settingskeys;
    const std::string lotteryName = m_mainForm.settingsFile().ReadString(kSection, kLotteryName, kDefaultLotteryName);
    std::unique_ptr<AtomicFile> replacement = m_mainForm.currentLottery().drawingsFile.beginReplacement();
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(drawingsDownloadUrl(host, lotteryName)));
    if (IdHTTP3->get(url, *replacement) == DownloadOutcome::RequestFailed) {
        replacement.reset();
        showMessage(this, QMessageBox::Critical, "Error", "Can't get download files!");
        close();
        return;
    }
    // After a failed write this raises, and the drawings file stays as it was.
    replacement->commit();

    m_mainForm.LoadCurrentLottery();
    showMessage(this, QMessageBox::Information, "Information!", "Complete.");
    close();
}

void TupdateForm::BitBtn1Click()
{
    close();
}

} // namespace stellaform
