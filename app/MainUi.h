#pragma once

class QAction;
class QFileDialog;
class QFrame;
class QLabel;
class QListView;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace stellaform {

class LinkLabel;

// The main window's controls, built in code with the names the rest of the
// program and the tests find them by.
struct MainUi {
    QMenu* systemMenu = nullptr;
    QAction* LotteryN = nullptr;
    QAction* N2 = nullptr;
    QMenu* editMenu = nullptr;
    QAction* Add1 = nullptr;
    QAction* Delete2 = nullptr;
    QAction* Export1 = nullptr;
    QAction* import2 = nullptr;
    QAction* DrawingsUpdate1 = nullptr;
    QAction* PredictionNow1 = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* Help1 = nullptr;
    QAction* Softwareonlineupdate1 = nullptr;
    QAction* Letterydrawingsonlineupdate1 = nullptr;
    QAction* WebSite1 = nullptr;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* selToolButton = nullptr;
    QToolButton* updateToolButton = nullptr;
    QToolButton* analyzeToolButton = nullptr;
    QToolButton* helpToolButton = nullptr;
    QToolButton* exitToolButton = nullptr;

    QTabWidget* PageControl = nullptr;
    QListView* drawsListBox = nullptr;
    QLabel* totalLabel = nullptr;
    QPushButton* addBitBtn = nullptr;
    QPushButton* delBitBtn = nullptr;
    QPushButton* impBitBtn = nullptr;
    QPushButton* expBitBtn = nullptr;
    LinkLabel* urlLabel = nullptr;
    QPushButton* drupBitBtn = nullptr;
    QPushButton* annoBitBtn = nullptr;
    QFrame* Panel = nullptr;
    QLabel* proLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* spSkinLabel1 = nullptr;

    QFileDialog* impOpenDialog = nullptr;
    QFileDialog* expSaveDialog = nullptr;

    void setupUi(QMainWindow* window);
};

} // namespace stellaform
