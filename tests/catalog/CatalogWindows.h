#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace stellaform::test {

// Runs `action` once the modal window named `name` is up (a message box has
// no name). A modal dialog blocks the test in its exec(), so its steps are
// scheduled before the command that opens it. Whatever the action leaves
// open is closed afterwards, so that a failed check cannot hang the test.
template <typename Window> void whenModal(const char* name, std::function<void(Window&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, action] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible() || window->objectName() != QString::fromLatin1(name))
            return;
        timer->stop();
        timer->deleteLater();
        action(*window);
        if (window->isVisible())
            window->close();
    });
    timer->start();
}

inline QTableWidget& lotteryListBox(QWidget& lotteryForm)
{
    return *lotteryForm.findChild<QTableWidget*>(QStringLiteral("lotteryListBox"));
}

inline void clickRow(QTableWidget& list, int row)
{
    list.scrollToItem(list.item(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row, 0)).center());
}

inline QStringList rowTexts(const QTableWidget& list)
{
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row)
        rows.append(list.item(row, 0)->text());
    return rows;
}

inline int selectedRow(const QTableWidget& list)
{
    const QList<QTableWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}

} // namespace stellaform::test
