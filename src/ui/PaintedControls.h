#pragma once

#include "ui/Control.h"

namespace ortix::ui {

// Beads, squares and other filled shapes: painted, smooth at every size,
// and transparent to the mouse so clicks reach what lies beneath.
class ShapeControl : public Control
{
    Q_OBJECT
public:
    ShapeControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    ~ShapeControl() override;
    QWidget *widget() const override { return m_widget; }
    bool has(Property property) const override;

    ShapeKind shape() const { return m_shape; }
    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &colour);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor &colour);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);

    // The shape's outline inside a box of the given size in pixels.
    QRectF outline(const QSizeF &box) const;

private:
    QWidget *m_widget;
    ShapeKind m_shape;
    QColor m_fill;
    QColor m_border;
    int m_borderWidth;
};

// A straight line between two points of its container; a rod or the
// separator of a counting frame.
class LineControl : public Control
{
    Q_OBJECT
public:
    LineControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    ~LineControl() override;
    QWidget *widget() const override { return m_widget; }
    bool has(Property property) const override;
    void applyGeometry() override;

    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    QColor borderColor() const { return m_colour; }
    void setBorderColor(const QColor &colour);
    // The end points in pixels of the line's own widget.
    QLineF localLine() const;
    // A short visible sign that a touch held on the rod was taken.
    void showHoldCue();
    bool holdCueShown() const { return m_holdCue; }

private:
    QWidget *m_widget;
    int m_borderWidth;
    QColor m_colour;
    bool m_holdCue = false;
};

} // namespace ortix::ui
