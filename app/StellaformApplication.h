#pragma once

#include <QApplication>

namespace stellaform {

// The application object. Every event passes through notify(), so this is
// the one place where an error that escapes a command is caught and shown;
// the program then goes on, and an open dialog stays open.
class StellaformApplication final : public QApplication {
    Q_OBJECT

public:
    StellaformApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace stellaform
