#pragma once

#include "app/MainUi.h"
#include "app/SettingsFile.h"
#include "drawings/CurrentLottery.h"

#include <QMainWindow>

#include <chrono>
#include <filesystem>
#include <memory>

namespace stellaform {

class DrawingsListModel;
class TadddrawnForm;

// The main window: the drawings list, the prediction report and the About
// page, the menu and the buttons that start every command.
class TMainForm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    // `appFolder` is the folder of the program file, where all its files lie.
    explicit TMainForm(std::filesystem::path appFolder, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Re-reads the settings and shows the current lottery's drawings file.
    void LoadCurrentLottery();

    [[nodiscard]] const std::filesystem::path& appFolder() const { return m_appFolder; }
    [[nodiscard]] SettingsFile& settingsFile() { return *m_settingsFile; }
    // The current lottery as the last LoadCurrentLottery found it.
    [[nodiscard]] const CurrentLottery& currentLottery() const { return m_current; }

    // Runs the prediction on the current drawings file and shows the report
    // on the Prediction page. On any error only the progress panel changed.
    void RunPrediction();
    // The pause after each of the prediction's 18 steps; tests shorten it.
    void setPredictionPause(std::chrono::milliseconds pause) { m_predictionPause = pause; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void FormShow();
    void FormClose();
    void LotteryNClick();
    void selToolButtonClick();
    void N2Click();
    void addBitBtnClick();
    void delBitBtnClick();
    void expBitBtnClick();
    void impBitBtnClick();
    void drupBitBtnClick();
    void annoBitBtnClick();
    void Help1Click();
    void helpToolButtonClick();
    void Softwareonlineupdate1Click();
    void WebSite1Click();
    void urlLabelClick();
    void exitToolButtonClick();

private:
    void connectCommands();
    void placeProgressPanel();
    void stepPredictionGauge();

    MainUi ui;
    DrawingsListModel* m_drawings = nullptr;
    TadddrawnForm* m_adddrawnForm = nullptr;
    std::filesystem::path m_appFolder;
    std::unique_ptr<SettingsFile> m_settingsFile;
    CurrentLottery m_current;
    std::chrono::milliseconds m_predictionPause{600};
    bool m_shown = false;
};

} // namespace stellaform
