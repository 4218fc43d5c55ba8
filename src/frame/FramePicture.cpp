#include "frame/FramePicture.h"

#include "ui/Form.h"
#include "ui/PaintedControls.h"
#include "ui/Twips.h"
#include "ui/WidgetControls.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace ortix {

using namespace ui;

namespace {

const QColor kFacciaBottone(0xE1, 0xE1, 0xE1);
const QColor kBordo(0x40, 0x40, 0x40);

// Fonts keep their size in points whatever the window's size, as on the
// screen: one point is 20 twips.
QFont printFont(const QWidget *widget)
{
    QFont font = widget->font();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    font.setPixelSize(std::max(1, qRound(points * 20)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(QChar(1), u'&');
    return text;
}

QRectF boxOf(const Control &c, QPointF origin)
{
    return QRectF(origin + QPointF(c.left(), c.top()), QSizeF(c.width(), c.height()));
}

double onePixel()
{
    return twipsPerPixel();
}

void paintLine(QPainter &painter, const LineControl &line, QPointF origin)
{
    painter.setPen(QPen(line.borderColor(), std::max(1, line.borderWidth()) * onePixel(), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(origin + QPointF(line.x1(), line.y1()), origin + QPointF(line.x2(), line.y2()));
}

void paintShape(QPainter &painter, const ShapeControl &shape, QPointF origin)
{
    QRectF area = boxOf(shape, origin);
    if (shape.shape() == ShapeKind::Circle || shape.shape() == ShapeKind::Square) {
        const double side = std::min(area.width(), area.height());
        area = QRectF(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    const double border = shape.borderWidth() * onePixel();
    area.adjust(border / 2, border / 2, -border / 2, -border / 2);
    painter.setBrush(shape.fillColor().isValid() ? QBrush(shape.fillColor()) : QBrush(Qt::NoBrush));
    painter.setPen(border > 0 ? QPen(shape.borderColor(), border) : QPen(Qt::NoPen));
    if (shape.shape() == ShapeKind::Circle || shape.shape() == ShapeKind::Oval) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
}

void paintButton(QPainter &painter, const Control &button, QPointF origin)
{
    const QRectF area = boxOf(button, origin);
    const double px = onePixel();
    painter.setPen(QPen(kBordo, px));
    painter.setBrush(button.backColor().isValid() ? button.backColor() : kFacciaBottone);
    painter.drawRoundedRect(area.adjusted(px / 2, px / 2, -px / 2, -px / 2), 2 * px, 2 * px);
    painter.setFont(printFont(button.widget()));
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(4 * px, 2 * px, -4 * px, -2 * px), Qt::AlignCenter | Qt::TextWordWrap,
                     withoutMnemonics(button.caption()));
}

void paintLabel(QPainter &painter, const LabelControl &label, QPointF origin)
{
    const QRectF area = boxOf(label, origin);
    const QLabel *widget = label.label();
    if (widget->autoFillBackground()) {
        painter.fillRect(area, widget->palette().color(QPalette::Window));
    }
    painter.setFont(printFont(widget));
    painter.setPen(widget->palette().color(QPalette::WindowText));
    const int wrap = widget->wordWrap() ? int(Qt::TextWordWrap) : 0;
    painter.drawText(area, int(widget->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | wrap, label.caption());
}

void paintScrollBar(QPainter &painter, const ScrollBarControl &bar, QPointF origin)
{
    const QRectF area = boxOf(bar, origin);
    const double px = onePixel();
    const double end = area.height();
    painter.setPen(QPen(kBordo, px));
    painter.setBrush(QColor(0xF0, 0xF0, 0xF0));
    painter.drawRect(area);
    // The two arrow boxes, and the thumb where the value puts it.
    const QRectF leftBox(area.topLeft(), QSizeF(end, end));
    const QRectF rightBox(QPointF(area.right() - end, area.top()), QSizeF(end, end));
    const int range = std::max(1, bar.maximum() - bar.minimum());
    const double travel = std::max(0.0, area.width() - 3 * end);
    const QRectF thumb(QPointF(leftBox.right() + travel * (bar.value() - bar.minimum()) / range, area.top()),
                       QSizeF(end, end));
    painter.setBrush(kFacciaBottone);
    painter.drawRect(leftBox);
    painter.drawRect(rightBox);
    painter.drawRect(thumb);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    const double a = end * 0.3;
    painter.drawPolygon(QPolygonF({leftBox.center() + QPointF(-a / 2, 0), leftBox.center() + QPointF(a / 2, -a),
                                   leftBox.center() + QPointF(a / 2, a)}));
    painter.drawPolygon(QPolygonF({rightBox.center() + QPointF(a / 2, 0), rightBox.center() + QPointF(-a / 2, -a),
                                   rightBox.center() + QPointF(-a / 2, a)}));
}

void paintFrame(QPainter &painter, const Control &frame, QPointF origin, const QColor &fallback)
{
    const QRectF area = boxOf(frame, origin);
    const double px = onePixel();
    painter.fillRect(area, frame.backColor().isValid() ? frame.backColor() : fallback);
    painter.setPen(QPen(kBordo, px));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(px / 2, px / 2, -px / 2, -px / 2));
    if (!frame.caption().isEmpty()) {
        painter.setFont(printFont(frame.widget()));
        painter.setPen(Qt::black);
        painter.drawText(area.adjusted(8 * px, 2 * px, 0, 0), Qt::AlignLeft | Qt::AlignTop, frame.caption());
    }
}

bool isDrawn(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Shape || kind == ControlKind::Line
        || kind == ControlKind::Image;
}

void paintControl(const Form &form, QPainter &painter, const Control &c, QPointF origin)
{
    switch (c.kind()) {
    case ControlKind::Line:
        paintLine(painter, static_cast<const LineControl &>(c), origin);
        break;
    case ControlKind::Shape:
        paintShape(painter, static_cast<const ShapeControl &>(c), origin);
        break;
    case ControlKind::Label:
        paintLabel(painter, static_cast<const LabelControl &>(c), origin);
        break;
    case ControlKind::CommandButton:
        paintButton(painter, c, origin);
        break;
    case ControlKind::HScrollBar:
        paintScrollBar(painter, static_cast<const ScrollBarControl &>(c), origin);
        break;
    case ControlKind::Frame:
        paintFrame(painter, c, origin, form.backColor());
        break;
    default:
        // The free frame has no other kinds of control.
        break;
    }
}

// The visible controls placed in `host`, stacked as on the screen: drawn
// ones beneath the others, each group in design order, and the contents
// of a panel right above the panel.
void paintHost(const Form &form, QPainter &painter, const QWidget *host, QPointF origin)
{
    for (const bool drawn : {true, false}) {
        for (const Control *c : form.controls()) {
            const QWidget *widget = c->widget();
            if (!widget || widget->parentWidget() != host || !c->visible() || isDrawn(c->kind()) != drawn) {
                continue;
            }
            painter.save();
            paintControl(form, painter, *c, origin);
            painter.restore();
            if (const QWidget *inner = c->childHost()) {
                paintHost(form, painter, inner, origin + QPointF(c->left(), c->top()));
            }
        }
    }
}

} // namespace

void paintFramePicture(const Form &form, QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, form.scaleWidth(), form.scaleHeight()), form.backColor());
    paintHost(form, painter, form.clientArea(), QPointF(0, 0));
    painter.restore();
}

} // namespace ortix
