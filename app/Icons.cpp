#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace stellaform {
namespace {

QColor discColor(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Add:
    case Glyph::Ok:
        return QColor(0x2E, 0x8B, 0x57);
    case Glyph::Delete:
    case Glyph::Cancel:
        return QColor(0xC0, 0x39, 0x2B);
    case Glyph::Import:
    case Glyph::Export:
    case Glyph::Help:
    case Glyph::Web:
        return QColor(0x2A, 0x6F, 0xB0);
    case Glyph::Update:
        return QColor(0x13, 0x8D, 0x90);
    case Glyph::Predict:
        return QColor(0xD4, 0x9A, 0x17);
    case Glyph::Close:
        return QColor(0x6B, 0x72, 0x80);
    case Glyph::Lottery:
        return QColor(0x1F, 0x2A, 0x6E);
    }
    return Qt::gray;
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// Draws the glyph into a 16 x 16 square.
void drawGlyph(QPainter& p, Glyph glyph)
{
    QPen pen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Add:
        p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
        p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
        break;
    case Glyph::Delete:
        p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
        break;
    case Glyph::Cancel:
    case Glyph::Close:
        p.drawLine(QPointF(5.3, 5.3), QPointF(10.7, 10.7));
        p.drawLine(QPointF(10.7, 5.3), QPointF(5.3, 10.7));
        break;
    case Glyph::Ok:
        p.drawPolyline(QPolygonF({QPointF(4.6, 8.3), QPointF(7, 10.6), QPointF(11.4, 5.6)}));
        break;
    case Glyph::Import:
        p.drawLine(QPointF(8, 4), QPointF(8, 10));
        p.drawPolyline(QPolygonF({QPointF(5.5, 7.6), QPointF(8, 10.2), QPointF(10.5, 7.6)}));
        p.drawLine(QPointF(5, 12), QPointF(11, 12));
        break;
    case Glyph::Export:
        p.drawLine(QPointF(8, 10.5), QPointF(8, 4.3));
        p.drawPolyline(QPolygonF({QPointF(5.5, 6.8), QPointF(8, 4.2), QPointF(10.5, 6.8)}));
        p.drawLine(QPointF(5, 12), QPointF(11, 12));
        break;
    case Glyph::Update:
        p.drawArc(QRectF(4.5, 4.5, 7, 7), 90 * 16, 270 * 16);
        p.drawPolyline(QPolygonF({QPointF(7.6, 2.9), QPointF(9.4, 4.5), QPointF(7.6, 6.1)}));
        break;
    case Glyph::Predict:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(star(QPointF(8, 8.4), 5, 2.1));
        break;
    case Glyph::Help: {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Lottery:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 8), 3.6, 3.6);
        break;
    case Glyph::Web:
        pen.setWidthF(1.2);
        p.setPen(pen);
        p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
        p.drawEllipse(QPointF(8, 8), 1.9, 4.5);
        p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
        break;
    }
}

QPixmap glyphPixmap(Glyph glyph, int scale)
{
    QPixmap pixmap(16 * scale, 16 * scale);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(scale);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor colour = discColor(glyph);
    QLinearGradient shade(0, 0, 0, 16);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(140), 0.8));
    p.setBrush(shade);
    p.drawEllipse(QRectF(0.7, 0.7, 14.6, 14.6));
    drawGlyph(p, glyph);
    return pixmap;
}

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    QIcon icon;
    icon.addPixmap(glyphPixmap(glyph, 1));
    icon.addPixmap(glyphPixmap(glyph, 2));
    return icon;
}

} // namespace stellaform
