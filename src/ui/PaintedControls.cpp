#include "ui/PaintedControls.h"

#include "ui/Accessibility.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace ortix::ui {

namespace {

class PaintedWidget : public QWidget
{
public:
    explicit PaintedWidget(QWidget *parent, std::function<void(QPainter &)> paint)
        : QWidget(parent)
        , m_paint(std::move(paint))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter);
    }

private:
    std::function<void(QPainter &)> m_paint;
};

int marginFor(int borderWidth)
{
    return std::max(1, borderWidth) / 2 + 1;
}

} // namespace

// ShapeControl ----------------------------------------------------------

ShapeControl::ShapeControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : Control(form, blueprint)
    , m_shape(blueprint.shape)
    , m_fill(blueprint.fillColor.value_or(QColor()))
    , m_border(blueprint.borderColor)
    , m_borderWidth(blueprint.borderWidth)
{
    m_widget = new PaintedWidget(host, [this](QPainter &painter) {
        const QRectF box = outline(QSizeF(m_widget->size()));
        painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
        if (m_borderWidth > 0) {
            painter.setPen(QPen(m_border, m_borderWidth));
        } else {
            painter.setPen(Qt::NoPen);
        }
        if (m_shape == ShapeKind::Circle || m_shape == ShapeKind::Oval) {
            painter.drawEllipse(box);
        } else {
            painter.drawRect(box);
        }
    });
    m_widget->setObjectName(objectName());
    bindAccessibleControl(m_widget, this);
    applyGeometry();
    showVisible();
}

ShapeControl::~ShapeControl() = default;

bool ShapeControl::has(Property property) const
{
    switch (property) {
    case Property::Tag:
    case Property::Visible:
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
    case Property::BackColor:
        return true;
    default:
        return false;
    }
}

QRectF ShapeControl::outline(const QSizeF &box) const
{
    // Circles and squares take the smaller side, centred in the box; the
    // border lies inside the box.
    QRectF area(QPointF(0, 0), box);
    if (m_shape == ShapeKind::Circle || m_shape == ShapeKind::Square) {
        const double side = std::min(box.width(), box.height());
        area = QRectF((box.width() - side) / 2, (box.height() - side) / 2, side, side);
    }
    const double inset = m_borderWidth > 0 ? m_borderWidth / 2.0 : 0.0;
    return area.adjusted(inset, inset, -inset, -inset);
}

void ShapeControl::setFillColor(const QColor &colour)
{
    m_fill = colour;
    m_widget->update();
}

void ShapeControl::setBorderColor(const QColor &colour)
{
    m_border = colour;
    m_widget->update();
}

void ShapeControl::setBorderWidth(int pixels)
{
    m_borderWidth = pixels;
    m_widget->update();
}

// LineControl -----------------------------------------------------------

LineControl::LineControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : Control(form, blueprint)
    , m_borderWidth(blueprint.borderWidth)
    , m_colour(blueprint.borderColor)
{
    m_widget = new PaintedWidget(host, [this](QPainter &painter) {
        if (m_holdCue) {
            // The rod in the selection colour, as wide as its widget allows.
            const QColor cue = m_widget->palette().color(QPalette::Highlight);
            painter.setPen(QPen(cue, std::max(3, 2 * marginFor(m_borderWidth)), Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(localLine());
        }
        painter.setPen(QPen(m_colour, std::max(1, m_borderWidth), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(localLine());
    });
    m_widget->setObjectName(objectName());
    bindAccessibleControl(m_widget, this);
    applyGeometry();
    showVisible();
}

LineControl::~LineControl() = default;

bool LineControl::has(Property property) const
{
    switch (property) {
    case Property::Tag:
    case Property::Visible:
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        return true;
    default:
        return false;
    }
}

void LineControl::applyGeometry()
{
    const double tpp = twipsPerPixel();
    const int margin = marginFor(m_borderWidth);
    const int ax = int(std::lround(std::min(m_left, m_width) / tpp));
    const int ay = int(std::lround(std::min(m_top, m_height) / tpp));
    const int bx = int(std::lround(std::max(m_left, m_width) / tpp));
    const int by = int(std::lround(std::max(m_top, m_height) / tpp));
    m_widget->setGeometry(ax - margin, ay - margin, bx - ax + 2 * margin + 1, by - ay + 2 * margin + 1);
    m_widget->update();
}

QLineF LineControl::localLine() const
{
    const double tpp = twipsPerPixel();
    const QPointF origin = m_widget->pos();
    const QPointF a(std::lround(m_left / tpp), std::lround(m_top / tpp));
    const QPointF b(std::lround(m_width / tpp), std::lround(m_height / tpp));
    // Pixel centres, so a one-pixel line is crisp.
    const QPointF half(0.5, 0.5);
    return QLineF(a - origin + half, b - origin + half);
}

void LineControl::showHoldCue()
{
    m_holdCue = true;
    m_widget->update();
    QTimer::singleShot(400, this, [this] {
        m_holdCue = false;
        m_widget->update();
    });
}

void LineControl::setBorderWidth(int pixels)
{
    m_borderWidth = pixels;
    applyGeometry();
}

void LineControl::setBorderColor(const QColor &colour)
{
    m_colour = colour;
    m_widget->update();
}

} // namespace ortix::ui
