#pragma once

class QPainter;
class QRectF;

namespace ortix {

// The right-answer icon: a green rounded badge with a white tick, as large
// as fits in `area` and centred in it. Vector drawing, crisp at any size.
void drawRightIcon(QPainter &painter, const QRectF &area);

// The wrong-answer icon: an orange-red rounded badge with a white cross.
void drawWrongIcon(QPainter &painter, const QRectF &area);

} // namespace ortix
