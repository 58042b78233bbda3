#pragma once

#include <QDate>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

namespace stellaform::journey {

// Walks through the program as a user would, from inside the running
// program: it finds the windows and controls by their names, clicks, types
// and answers questions. Each step is a check that is tried every few
// milliseconds until it holds; a step that does not hold within half a
// minute ends the program with a failure written to the log.
class JourneyDriver final : public QObject {
    Q_OBJECT

public:
    explicit JourneyDriver(QObject* parent = nullptr);

private:
    struct Step {
        QString name;
        std::function<bool()> done;
    };

    void addFirstRun();
    void addSecondRun();
    Step reads(const QString& name, const QString& title, int drawings);
    Step press(const QString& name, const char* window, const char* button);
    Step chooseMenu(const QString& name, const char* action);
    Step enterDrawing(const QString& name, QDate date, const QString& keys);
    Step keepReport();
    void tick();
    void log(const QString& line);
    [[noreturn]] void fail(const QString& why);

    // Actions that may open a modal window run from the event loop, so that
    // the steps go on inside the window's own loop.
    void later(std::function<void()> action);
    void click(QWidget* window, const char* button);
    void trigger(const char* action);
    void type(QWidget* window, const QString& keys);
    void chooseFile(const char* dialog, const QString& file);
    bool answerQuestion(const QString& text);

    std::vector<Step> m_steps;
    std::size_t m_current = 0;
    QTimer m_timer;
    QFile m_log;
    int m_waited = 0;
};

} // namespace stellaform::journey
