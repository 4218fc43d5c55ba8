#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace ortix::ui {

enum class ControlKind {
    Label,
    CommandButton,
    CheckBox,
    TextBox,
    OptionButton,
    Frame,
    PictureBox,
    Image,
    Shape,
    Line,
    HScrollBar,
    Menu,
};

enum class ShapeKind { Rectangle, Square, Oval, Circle };
enum class TextAlignment { Left, Right, Center };

// A designed font: family, size in points, weight.
struct FontBlueprint
{
    QString family = QStringLiteral("MS Sans Serif");
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
};

// One control of a window as designed: kind, name and array index, its
// container, geometry in twips (a line's end points X1, Y1, X2, Y2 in the
// four values) and its designed properties. Windows are declared as lists
// of these, so a window is data plus the behaviour of its family.
struct ControlBlueprint
{
    ControlKind kind = ControlKind::Label;
    QString name;
    int index = -1;
    // The frame or picture box that holds it, or the menu it belongs to;
    // empty for the window itself or the menu bar.
    QString container;
    int containerIndex = -1;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString caption;
    QString toolTip;
    QString tag;
    std::optional<FontBlueprint> font;
    std::optional<QColor> backColor;
    std::optional<QColor> foreColor;
    bool visible = true;
    bool enabled = true;
    TextAlignment alignment = TextAlignment::Left;
    bool autoSize = false;
    bool wordWrap = true;
    // A command button in graphical style shows its background colour.
    bool graphical = false;
    // Menu items and check boxes: ticked; option buttons: selected.
    bool checked = false;
    // Shapes.
    ShapeKind shape = ShapeKind::Rectangle;
    std::optional<QColor> fillColor;
    QColor borderColor = Qt::black;
    int borderWidth = 1;
    // Text boxes: 0 = no limit.
    int maxLength = 0;
    // Scroll bars.
    int min = 0;
    int max = 32767;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;

    // Modifiers for readable window tables.
    ControlBlueprint &in(const QString &containerName, int containerArrayIndex = -1)
    {
        container = containerName;
        containerIndex = containerArrayIndex;
        return *this;
    }
    ControlBlueprint &at(int arrayIndex)
    {
        index = arrayIndex;
        return *this;
    }
    ControlBlueprint &withFont(const QString &family, double size, bool isBold = false)
    {
        font = FontBlueprint{family, size, isBold, false};
        return *this;
    }
    ControlBlueprint &withTip(const QString &text)
    {
        toolTip = text;
        return *this;
    }
    ControlBlueprint &withBack(const QColor &colour)
    {
        backColor = colour;
        return *this;
    }
    ControlBlueprint &withFore(const QColor &colour)
    {
        foreColor = colour;
        return *this;
    }
    ControlBlueprint &hidden()
    {
        visible = false;
        return *this;
    }
    ControlBlueprint &disabled()
    {
        enabled = false;
        return *this;
    }
    ControlBlueprint &centred()
    {
        alignment = TextAlignment::Center;
        return *this;
    }
    ControlBlueprint &aligned(TextAlignment a)
    {
        alignment = a;
        return *this;
    }
    ControlBlueprint &sizedToCaption()
    {
        autoSize = true;
        wordWrap = false;
        return *this;
    }
    ControlBlueprint &ticked(bool on = true)
    {
        checked = on;
        return *this;
    }
    ControlBlueprint &withMaxLength(int length)
    {
        maxLength = length;
        return *this;
    }
    ControlBlueprint &withTag(const QString &text)
    {
        tag = text;
        return *this;
    }
};

ControlBlueprint label(const QString &name, double left, double top, double width, double height,
                       const QString &caption);
ControlBlueprint button(const QString &name, double left, double top, double width, double height,
                        const QString &caption);
ControlBlueprint checkBox(const QString &name, double left, double top, double width, double height,
                          const QString &caption);
ControlBlueprint textBox(const QString &name, double left, double top, double width, double height);
ControlBlueprint optionButton(const QString &name, int index, double left, double top, double width,
                              double height, const QString &caption);
ControlBlueprint frame(const QString &name, double left, double top, double width, double height,
                       const QString &caption);
ControlBlueprint pictureBox(const QString &name, double left, double top, double width, double height);
ControlBlueprint image(const QString &name, double left, double top, double width, double height);
ControlBlueprint shape(const QString &name, ShapeKind kind, double left, double top, double width,
                       double height, const QColor &fill);
ControlBlueprint line(const QString &name, double x1, double y1, double x2, double y2, int borderWidth = 1);
ControlBlueprint hScrollBar(const QString &name, double left, double top, double width, double height, int min,
                            int max, int value);
// A menu item; `parentMenu` empty puts it on the menu bar.
ControlBlueprint menuItem(const QString &name, const QString &caption, const QString &parentMenu = QString());

// A window as designed: its name (also its language-file section), caption,
// client area in twips, background colour and controls in collection order.
struct FormBlueprint
{
    QString name;
    QString caption;
    double scaleWidth = 0;
    double scaleHeight = 0;
    QColor backColor = QColor(0xF0, 0xF0, 0xF0);
    std::vector<ControlBlueprint> controls;
};

} // namespace ortix::ui
