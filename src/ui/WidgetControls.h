#pragma once

#include "ui/Control.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>

class QLabel;
class QCheckBox;
class QRadioButton;
class QGroupBox;
class QFrame;
class QScrollBar;
class QPainter;
class QStylePainter;

namespace ortix::ui {

class TouchSteps;

QFont fontOf(const FontBlueprint &blueprint);

// A push button that wraps its caption over several lines when it is too
// long for one, as the windows' designed captions expect.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    // True while a mouse button's release is handled (a click it makes was
    // a press of the mouse, which the press itself already reported).
    bool releasingMouse() const { return m_releasingMouse; }
    // A short visible sign that a held touch was taken.
    void showHoldCue();
    bool holdCueShown() const { return m_holdCue; }
    // A graphical button fills with its colour as it is, without the
    // style's shading.
    void setFlatFill(bool flat) { m_flatFill = flat; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintFlat(QStylePainter &painter);
    bool m_releasingMouse = false;
    bool m_holdCue = false;
    bool m_flatFill = false;
};

// A one-line text box whose typed characters pass through a filter that may
// replace or drop them, and which reports key releases.
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    std::function<void(int &keyAscii)> keyPressFilter;
    std::function<void(int keyCode, int shift)> keyReleased;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

// Widget-backed controls share their font, colours and mouse handling.
class WidgetControl : public Control
{
    Q_OBJECT
public:
    WidgetControl(Form *form, const ControlBlueprint &blueprint, QWidget *widget);
    QWidget *widget() const override { return m_widget; }
    bool has(Property property) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showBackColor() override;
    void showFont() override;
    void setUp(const ControlBlueprint &blueprint);

    QWidget *m_widget;
    QFont m_font;

private:
    // Keys and touches on a control that takes mouse presses (a rod's
    // button) do what the left and the right button do.
    bool stepByKey(QEvent *event);
    bool stepByTouch(QEvent *event);

    TouchSteps *m_touch = nullptr;
};

class LabelControl : public WidgetControl
{
    Q_OBJECT
public:
    LabelControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    QLabel *label() const;

protected:
    void showCaption() override;
    void showFont() override;
    void showBackColor() override;

private:
    void fitToCaption();
    bool m_autoSize;
};

class ButtonControl : public WidgetControl
{
    Q_OBJECT
public:
    ButtonControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;

protected:
    void showCaption() override;
    void showBackColor() override;

private:
    bool m_graphical;
};

class CheckBoxControl : public WidgetControl
{
    Q_OBJECT
public:
    CheckBoxControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    int value() const override;
    void setValue(int value) override;
    bool checked() const override { return value() == 1; }
    void setChecked(bool on) override { setValue(on ? 1 : 0); }

protected:
    void showCaption() override;
    void showBackColor() override;
};

class TextBoxControl : public WidgetControl
{
    Q_OBJECT
public:
    TextBoxControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    QString text() const override;
    void setText(const QString &text) override;
    FilteredLineEdit *lineEdit() const;
    int maxLength() const;
    void setMaxLength(int length);

protected:
    void showBackColor() override;
};

class OptionControl : public WidgetControl
{
    Q_OBJECT
public:
    OptionControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    bool checked() const override;
    void setChecked(bool on) override;
    int value() const override { return checked() ? 1 : 0; }
    void setValue(int value) override { setChecked(value != 0); }

protected:
    void showCaption() override;
    void showBackColor() override;
};

class FrameControl : public WidgetControl
{
    Q_OBJECT
public:
    FrameControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    QWidget *childHost() const override { return m_widget; }

protected:
    void showCaption() override;
};

class PictureControl : public WidgetControl
{
    Q_OBJECT
public:
    PictureControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    QWidget *childHost() const override { return m_widget; }
};

// An image whose picture is drawn by a function, so it stays crisp at
// every size.
class ImageControl : public WidgetControl
{
    Q_OBJECT
public:
    using Picture = std::function<void(QPainter &, const QRectF &)>;
    ImageControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    void setPicture(Picture picture);
    const Picture &picture() const { return m_picture; }

private:
    Picture m_picture;
};

class ScrollBarControl : public WidgetControl
{
    Q_OBJECT
public:
    ScrollBarControl(Form *form, const ControlBlueprint &blueprint, QWidget *host);
    bool has(Property property) const override;
    int value() const override;
    void setValue(int value) override;
    int minimum() const;
    int maximum() const;
    QScrollBar *scrollBar() const;
};

} // namespace ortix::ui
