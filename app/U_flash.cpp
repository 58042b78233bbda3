#include "app/U_flash.h"

#include "app/AnsiText.h"
#include "app/LinkLabel.h"
#include "app/Maker.h"
#include "app/Shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <array>
#include <cmath>

namespace stellaform {
namespace {

constexpr int kPictureWidth = 471;
constexpr int kPictureHeight = 291;
constexpr int kBorder = 2;

void drawBall(QPainter& p, QPointF centre, double radius, const QColor& colour, int number)
{
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shine.setColorAt(0, colour.lighter(170));
    shine.setColorAt(0.45, colour);
    shine.setColorAt(1, colour.darker(180));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre, radius * 0.52, radius * 0.52);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(radius * 0.58));
    p.setFont(font);
    p.setPen(QColor(0x10, 0x1A, 0x4F));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter,
               QString::number(number));
}

// A night sky with a constellation of numbered balls: the product's mark.
QPixmap splashPicture()
{
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, kPictureWidth, kPictureHeight);
    sky.setColorAt(0, QColor(0x0B, 0x12, 0x3F));
    sky.setColorAt(0.6, QColor(0x1D, 0x2B, 0x7A));
    sky.setColorAt(1, QColor(0x3A, 0x4F, 0xB8));
    p.fillRect(picture.rect(), sky);

    // Faint stars scattered in a fixed pattern.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const double x = std::fmod(i * 97.31, kPictureWidth);
        const double y = std::fmod(i * 53.17 + i * i * 0.7, kPictureHeight);
        p.setBrush(QColor(255, 255, 255, 40 + (i * 37) % 120));
        p.drawEllipse(QPointF(x, y), 0.6 + (i % 3) * 0.4, 0.6 + (i % 3) * 0.4);
    }

    struct Star {
        QPointF centre;
        double radius;
        QColor colour;
        int number;
    };
    const std::array<Star, 6> constellation = {{
        {{300, 70}, 24, QColor(0xE0, 0x3E, 0x3E), 7},
        {{372, 52}, 18, QColor(0xF2, 0xB2, 0x1B), 18},
        {{418, 112}, 20, QColor(0x2F, 0xA3, 0x5B), 36},
        {{352, 134}, 16, QColor(0x3C, 0x8D, 0xE0), 12},
        {{250, 140}, 19, QColor(0x9B, 0x59, 0xD0), 41},
        {{202, 86}, 14, QColor(0xF0, 0x7F, 0x2A), 5},
    }};
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2, Qt::DashLine));
    for (std::size_t i = 0; i < constellation.size(); ++i)
        p.drawLine(constellation[i].centre, constellation[(i + 1) % constellation.size()].centre);
    for (const Star& star : constellation)
        drawBall(p, star.centre, star.radius, star.colour, star.number);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QPointF(24, 212), QStringLiteral("Stellaform"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(13);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(subtitle);
    p.setPen(QColor(0xC8, 0xD3, 0xFF));
    p.drawText(QPointF(27, 234), QStringLiteral("LOTTERY ASSISTANT"));

    // A light band in the lower right carries the three text lines.
    QPainterPath band;
    band.addRoundedRect(QRectF(262, 222, 200, 62), 8, 8);
    p.fillPath(band, QColor(255, 255, 255, 215));
    return picture;
}

LinkLabel* bandLabel(QWidget* parent, const char* text, bool bold)
{
    auto* label = new LinkLabel(parent);
    label->setText(toQString(text));
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setUnderline(true);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    label->setPalette(palette);
    return label;
}

} // namespace

Tfrmflash::Tfrmflash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmflash"));
    setFixedSize(kPictureWidth + 2 * kBorder, kPictureHeight + 2 * kBorder);
    setStyleSheet(QStringLiteral("#frmflash { background: #0B123F; }"));

    m_image = new LinkLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setCursor(Qt::ArrowCursor);
    m_image->setScaledContents(true);
    m_image->setPixmap(splashPicture());
    m_image->setGeometry(kBorder, kBorder, kPictureWidth, kPictureHeight);

    auto* product = bandLabel(this, "Quorvane Stellaform", false);
    product->setObjectName(QStringLiteral("Label2"));
    product->setCursor(Qt::ArrowCursor);
    auto* web = bandLabel(this, maker::kWebSite, false);
    web->setObjectName(QStringLiteral("Label3"));
    m_makerLabel = bandLabel(this, maker::kName, true);
    m_makerLabel->setObjectName(QStringLiteral("Label1"));

    auto* lines = new QVBoxLayout;
    lines->setSpacing(1);
    lines->addWidget(product);
    lines->addWidget(web);
    lines->addWidget(m_makerLabel);
    auto* corner = new QWidget(this);
    corner->setLayout(lines);
    lines->setContentsMargins(0, 0, 0, 0);
    corner->setGeometry(kBorder + 274, kBorder + 228, 184, 54);

    connect(m_image, &LinkLabel::clicked, this, &Tfrmflash::Image1Click);
    connect(m_makerLabel, &LinkLabel::clicked, this, &Tfrmflash::Label1Click);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Tfrmflash::~Tfrmflash() = default;

void Tfrmflash::showAndPaint()
{
    show();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tfrmflash::Image1Click()
{
    close();
}

void Tfrmflash::Label1Click()
{
    openWebPage(maker::kWebSite);
}

} // namespace stellaform
