#pragma once

#include "ui/ControlBlueprint.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class QAction;

namespace ortix::ui {

class Form;

// The properties a control may have. Code that walks every control of a
// window (translation, proportional resizing) asks before it sets one.
enum class Property {
    Caption,
    ToolTipText,
    Tag,
    Left,
    Top,
    Width,
    Height,
    Visible,
    Enabled,
    BackColor,
    FontSize,
    Text,
    Value,
    Checked,
};

// Mouse buttons and shift state as the handlers receive them.
// The mouse's extra buttons (back, forward) are OtherButton: like every
// button but the left one, they never add a bead.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4, OtherButton = 8 };

// One control of a window: its name, its index in a control array, the
// properties every control shares, and its event handlers. Positions and
// sizes are twips of the window's client area (a line keeps its end points
// X1, Y1, X2, Y2 in Left, Top, Width, Height), kept unrounded so that
// rescaling never accumulates errors.
class Control : public QObject
{
    Q_OBJECT

public:
    Control(Form *form, const ControlBlueprint &blueprint);
    ~Control() override;

    const QString &name() const { return m_name; }
    int index() const { return m_index; }
    bool isArrayMember() const { return m_index >= 0; }
    ControlKind kind() const { return m_kind; }
    Form *form() const { return m_form; }

    virtual bool has(Property property) const;

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString toolTipText() const { return m_toolTip; }
    void setToolTipText(const QString &text);
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void move(double left, double top, double width, double height);

    // A line's end points (the same values as Left, Top, Width, Height).
    double x1() const { return m_left; }
    double y1() const { return m_top; }
    double x2() const { return m_width; }
    double y2() const { return m_height; }
    void setX1(double twips) { setLeft(twips); }
    void setY1(double twips) { setTop(twips); }
    void setX2(double twips) { setWidth(twips); }
    void setY2(double twips) { setHeight(twips); }

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);

    virtual void setFocus();
    bool hasFocus() const;

    // What assistive technology (a screen reader) is told of the control:
    // a name in place of its caption, a description in place of its tool
    // tip, and a count with its largest value (the beads on a rod).
    QString accessibleName() const;
    void setAccessibleName(const QString &name);
    QString accessibleDescription() const;
    void setAccessibleDescription(const QString &text);
    bool hasAccessibleValue() const { return m_accessibleMaximum >= 0; }
    int accessibleValue() const { return m_accessibleValue; }
    int accessibleMaximum() const { return m_accessibleMaximum; }
    // Tells assistive technology of a change of the count.
    void setAccessibleValue(int value, int maximum);

    // Text boxes: the text; check boxes and scroll bars: the value;
    // option buttons and menu items: selected or ticked.
    virtual QString text() const { return QString(); }
    virtual void setText(const QString &) {}
    virtual int value() const { return 0; }
    virtual void setValue(int) {}
    virtual bool checked() const { return false; }
    virtual void setChecked(bool) {}

    // The widget that shows the control; none for a menu item.
    virtual QWidget *widget() const = 0;
    // The widget in which contained controls are placed (frames, pictures).
    virtual QWidget *childHost() const { return nullptr; }
    virtual QAction *action() const { return nullptr; }

    // Event handlers, set by the window; each runs on its event only.
    std::function<void()> onClick;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int &keyAscii)> onKeyPress;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void()> onChange;

    // Places the widget at the pixels of the present twips.
    virtual void applyGeometry();

signals:
    // The caption was set (by the window or by a translation).
    void captionChanged();

protected:
    virtual void showAccessibleText();
    virtual void showCaption() {}
    virtual void showToolTip();
    virtual void showBackColor() {}
    virtual void showFont() {}
    virtual void showVisible();
    virtual void showEnabled();
    // Where the widget goes for the present twips, in pixels of its parent.
    virtual void pixelGeometry(int &x, int &y, int &w, int &h) const;

    Form *m_form;
    QString m_name;
    int m_index;
    ControlKind m_kind;
    QString m_caption;
    QString m_toolTip;
    QString m_tag;
    bool m_visible;
    bool m_enabled;
    double m_left;
    double m_top;
    double m_width;
    double m_height;
    QColor m_backColor;
    double m_fontSize = 8.25;
    QString m_accessibleName;
    QString m_accessibleDescription;
    int m_accessibleValue = 0;
    int m_accessibleMaximum = -1;
};

// Builds the control of a designed kind, placed in `host`.
Control *createControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);

} // namespace ortix::ui
