#include "ui/ControlSpec.h"

namespace ortix::ui {

namespace {
ControlSpec make(ControlKind kind, const QString &name, double left, double top, double width, double height)
{
    ControlSpec spec;
    spec.kind = kind;
    spec.name = name;
    spec.left = left;
    spec.top = top;
    spec.width = width;
    spec.height = height;
    return spec;
}
} // namespace

ControlSpec label(const QString &name, double left, double top, double width, double height,
                  const QString &caption)
{
    ControlSpec spec = make(ControlKind::Label, name, left, top, width, height);
    spec.caption = caption;
    return spec;
}

ControlSpec button(const QString &name, double left, double top, double width, double height,
                   const QString &caption)
{
    ControlSpec spec = make(ControlKind::CommandButton, name, left, top, width, height);
    spec.caption = caption;
    spec.alignment = TextAlignment::Center;
    return spec;
}

ControlSpec checkBox(const QString &name, double left, double top, double width, double height,
                     const QString &caption)
{
    ControlSpec spec = make(ControlKind::CheckBox, name, left, top, width, height);
    spec.caption = caption;
    return spec;
}

ControlSpec textBox(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::TextBox, name, left, top, width, height);
}

ControlSpec optionButton(const QString &name, int index, double left, double top, double width,
                         double height, const QString &caption)
{
    ControlSpec spec = make(ControlKind::OptionButton, name, left, top, width, height);
    spec.index = index;
    spec.caption = caption;
    return spec;
}

ControlSpec frame(const QString &name, double left, double top, double width, double height,
                  const QString &caption)
{
    ControlSpec spec = make(ControlKind::Frame, name, left, top, width, height);
    spec.caption = caption;
    return spec;
}

ControlSpec pictureBox(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::PictureBox, name, left, top, width, height);
}

ControlSpec image(const QString &name, double left, double top, double width, double height)
{
    return make(ControlKind::Image, name, left, top, width, height);
}

ControlSpec shape(const QString &name, ShapeKind kind, double left, double top, double width,
                  double height, const QColor &fill)
{
    ControlSpec spec = make(ControlKind::Shape, name, left, top, width, height);
    spec.shape = kind;
    spec.fillColor = fill;
    return spec;
}

ControlSpec line(const QString &name, double x1, double y1, double x2, double y2, int borderWidth)
{
    ControlSpec spec = make(ControlKind::Line, name, x1, y1, x2, y2);
    spec.borderWidth = borderWidth;
    return spec;
}

ControlSpec hScrollBar(const QString &name, double left, double top, double width, double height, int min,
                       int max, int value)
{
    ControlSpec spec = make(ControlKind::HScrollBar, name, left, top, width, height);
    spec.min = min;
    spec.max = max;
    spec.value = value;
    return spec;
}

ControlSpec menuItem(const QString &name, const QString &caption, const QString &parentMenu)
{
    ControlSpec spec;
    spec.kind = ControlKind::Menu;
    spec.name = name;
    spec.caption = caption;
    spec.container = parentMenu;
    return spec;
}

} // namespace ortix::ui
