#pragma once

#include <QLabel>

namespace stellaform {

// A label that acts as a link: hand cursor, clicked() on a left click.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace stellaform
