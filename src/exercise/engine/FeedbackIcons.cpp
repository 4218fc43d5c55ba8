#include "exercise/engine/FeedbackIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ortix {

namespace {

// A square badge centred in the area, with a soft shadow and a white rim so
// that it stands out on any background.
QRectF drawBadge(QPainter &painter, const QRectF &area, const QColor &light, const QColor &dark)
{
    const double side = std::min(area.width(), area.height()) * 0.9;
    const QRectF badge(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const double radius = side * 0.24;

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(badge.translated(side * 0.02, side * 0.03), radius, radius);

    QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    painter.setBrush(fill);
    painter.setPen(QPen(Qt::white, std::max(1.0, side * 0.035)));
    painter.drawRoundedRect(badge, radius, radius);
    painter.restore();
    return badge;
}

QPen markPen(double side)
{
    QPen pen(Qt::white, side * 0.13);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

void drawRightIcon(QPainter &painter, const QRectF &area)
{
    if (area.isEmpty()) {
        return;
    }
    const QRectF badge = drawBadge(painter, area, QColor(0x4C, 0xD1, 0x4C), QColor(0x1E, 0x8C, 0x2A));
    const double s = badge.width();
    QPainterPath tick;
    tick.moveTo(badge.left() + s * 0.24, badge.top() + s * 0.52);
    tick.lineTo(badge.left() + s * 0.43, badge.top() + s * 0.71);
    tick.lineTo(badge.left() + s * 0.77, badge.top() + s * 0.31);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(markPen(s));
    painter.drawPath(tick);
    painter.restore();
}

void drawWrongIcon(QPainter &painter, const QRectF &area)
{
    if (area.isEmpty()) {
        return;
    }
    const QRectF badge = drawBadge(painter, area, QColor(0xFF, 0x8A, 0x3D), QColor(0xD8, 0x32, 0x1E));
    const double s = badge.width();
    const double near = s * 0.3;
    const double far = s * 0.7;
    painter.save();
    painter.setPen(markPen(s));
    painter.drawLine(QPointF(badge.left() + near, badge.top() + near), QPointF(badge.left() + far, badge.top() + far));
    painter.drawLine(QPointF(badge.left() + far, badge.top() + near), QPointF(badge.left() + near, badge.top() + far));
    painter.restore();
}

} // namespace ortix
