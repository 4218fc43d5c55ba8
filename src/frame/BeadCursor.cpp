#include "frame/BeadCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace ortix {

QCursor beadPointer()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The arrow, tip at the top-left corner.
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 19.5);
    arrow.lineTo(6, 15.5);
    arrow.lineTo(9.5, 23);
    arrow.lineTo(12.5, 21.5);
    arrow.lineTo(9, 14.5);
    arrow.lineTo(14.5, 14.5);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);

    // A shiny blue bead beside it.
    const QRectF bead(16.5, 16.5, 13, 13);
    QRadialGradient shine(bead.center() - QPointF(2.5, 2.5), bead.width() * 0.7);
    shine.setColorAt(0, QColor(0xC0, 0xD8, 0xFF));
    shine.setColorAt(1, QColor(0x00, 0x00, 0xFF));
    painter.setBrush(shine);
    painter.drawEllipse(bead);
    painter.end();
    return QCursor(picture, 1, 1);
}

} // namespace ortix
