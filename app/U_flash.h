#pragma once

#include <QWidget>

namespace stellaform {

class LinkLabel;

// The splash window shown while the program starts.
class Tfrmflash final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tfrmflash)

public:
    explicit Tfrmflash(QWidget* parent = nullptr);
    ~Tfrmflash() override;

    // Shows the window and waits until it is on the screen.
    void showAndPaint();

private Q_SLOTS:
    void Image1Click();
    void Label1Click();

private:
    LinkLabel* m_image = nullptr;
    LinkLabel* m_makerLabel = nullptr;
};

} // namespace stellaform
