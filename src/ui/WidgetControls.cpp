#include "ui/WidgetControls.h"

#include "ui/Accessibility.h"
#include "ui/TouchSteps.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QPointer>
#include <QTimer>

namespace ortix::ui {

QFont fontOf(const FontBlueprint &blueprint)
{
    QFont font(blueprint.family);
    font.setPointSizeF(blueprint.pointSize);
    font.setBold(blueprint.bold);
    font.setItalic(blueprint.italic);
    return font;
}

namespace {

Qt::Alignment qtAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Right:
        return Qt::AlignRight;
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

int keyCodeOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    default:
        return event->key();
    }
}

void setWidgetBackground(QWidget *widget, const QColor &colour, QPalette::ColorRole role)
{
    if (!colour.isValid()) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

// WrapButton ------------------------------------------------------------

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    if (m_flatFill) {
        paintFlat(painter);
    } else {
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    const QRect area = rect().adjusted(4, 2, -4, -2);
    QColor text = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (m_flatFill && isEnabled()) {
        // Dark fills (blue, red, green) carry a white caption to stay legible.
        const QColor fill = palette().color(QPalette::Button);
        const int luminance = (299 * fill.red() + 587 * fill.green() + 114 * fill.blue()) / 1000;
        text = luminance < 128 ? QColor(Qt::white) : QColor(Qt::black);
    }
    painter.setPen(text);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    if (m_holdCue) {
        // A thick frame in the selection colour, inside the button's edge.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
}

void WrapButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_releasingMouse = true;
    QPushButton::mouseReleaseEvent(event);
    m_releasingMouse = false;
}

void WrapButton::showHoldCue()
{
    m_holdCue = true;
    update();
    QTimer::singleShot(400, this, [this] {
        m_holdCue = false;
        update();
    });
}

void WrapButton::paintFlat(QStylePainter &painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Button));
    // A thin dark edge, a thicker one while the button is held down.
    painter.setPen(QPen(palette().color(QPalette::Shadow), isDown() ? 3 : 1));
    painter.setBrush(Qt::NoBrush);
    const int inset = isDown() ? 1 : 0;
    painter.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// FilteredLineEdit ------------------------------------------------------

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter is a key press (13) even where the platform gives it no text.
    const QString typed = enterKey ? QStringLiteral("\r") : event->text();
    if (!keyPressFilter || typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString kept;
    for (const QChar c : typed) {
        int key = c.unicode();
        keyPressFilter(key);
        if (key != 0) {
            kept.append(QChar(char16_t(key)));
        }
    }
    if (kept.isEmpty()) {
        event->accept();
    } else if (kept == typed || enterKey || event->key() == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
    } else {
        insert(kept);
        event->accept();
    }
}

void FilteredLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (keyReleased && !event->isAutoRepeat()) {
        keyReleased(keyCodeOf(event), shiftState(event->modifiers()));
    }
}

// WidgetControl ---------------------------------------------------------

WidgetControl::WidgetControl(Form *form, const ControlBlueprint &blueprint, QWidget *widget)
    : Control(form, blueprint)
    , m_widget(widget)
{
    m_widget->setObjectName(objectName());
    bindAccessibleControl(m_widget, this);
    m_widget->installEventFilter(this);
}

void WidgetControl::setUp(const ControlBlueprint &blueprint)
{
    m_font = fontOf(blueprint.font.value_or(FontBlueprint()));
    m_widget->setFont(m_font);
    showCaption();
    showToolTip();
    showBackColor();
    showEnabled();
    applyGeometry();
    showVisible();
}

bool WidgetControl::has(Property property) const
{
    return Control::has(property) || property == Property::BackColor || property == Property::FontSize;
}

namespace {

// The button whose press a key does: Space, Enter, Up and "+" add a bead as
// the left button does; Down, "-", Delete and Backspace take one off.
int buttonForKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Plus:
        return LeftButton;
    case Qt::Key_Down:
    case Qt::Key_Minus:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return RightButton;
    default:
        break;
    }
    if (key->text() == QStringLiteral("+")) {
        return LeftButton;
    }
    if (key->text() == QStringLiteral("-") || key->text() == QString(QChar(0x2212))) {
        return RightButton;
    }
    return 0;
}

} // namespace

bool WidgetControl::stepByKey(QEvent *event)
{
    const auto *key = static_cast<QKeyEvent *>(event);
    const int button = buttonForKey(key);
    if (button == 0 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    // The release is taken too, so that Space or Enter does not also click.
    if (event->type() == QEvent::KeyPress && onMouseDown) {
        onMouseDown(button, shiftState(key->modifiers()), 0, 0);
    }
    event->accept();
    return true;
}

bool WidgetControl::stepByTouch(QEvent *event)
{
    if (!m_touch) {
        m_touch = new TouchSteps(this);
    }
    auto *b = qobject_cast<QAbstractButton *>(m_widget);
    if (b && event->type() == QEvent::TouchBegin) {
        b->setDown(true);
    } else if (b && (event->type() == QEvent::TouchEnd || event->type() == QEvent::TouchCancel)) {
        b->setDown(false);
    }
    QPointer<WidgetControl> self(this);
    m_touch->handle(
        event,
        [self](int button) {
            if (self && self->onMouseDown) {
                self->onMouseDown(button, 0, 0, 0);
            }
        },
        [self] {
            if (self) {
                if (auto *wrap = qobject_cast<WrapButton *>(self->m_widget)) {
                    wrap->setDown(false);
                    wrap->showHoldCue();
                }
            }
        });
    return true;
}

bool WidgetControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && onMouseDown && m_kind == ControlKind::CommandButton) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (stepByKey(event)) {
                return true;
            }
            break;
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            return stepByTouch(event);
        default:
            break;
        }
    }
    // A quick second click reaches Qt as a double click; for the program
    // every press is a press, so fast clicks under a rod all count.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == m_widget && press && onMouseDown) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        int button = OtherButton;
        if (mouse->button() == Qt::LeftButton) {
            button = LeftButton;
        } else if (mouse->button() == Qt::RightButton) {
            button = RightButton;
        } else if (mouse->button() == Qt::MiddleButton) {
            button = MiddleButton;
        }
        const QPointF at = mouse->position();
        onMouseDown(button, shiftState(mouse->modifiers()), pixelsToTwips(1) * at.x(), pixelsToTwips(1) * at.y());
    }
    return Control::eventFilter(watched, event);
}

void WidgetControl::showBackColor()
{
    // Buttons and boxes fill with their own role, not the window's.
    setWidgetBackground(m_widget, m_backColor, m_widget->backgroundRole());
    setWidgetBackground(m_widget, m_backColor, QPalette::Window);
    if (m_backColor.isValid()) {
        m_widget->setAutoFillBackground(true);
    }
}

void WidgetControl::showFont()
{
    m_font.setPointSizeF(m_fontSize);
    m_widget->setFont(m_font);
}

// LabelControl ----------------------------------------------------------

namespace {
// A label that reports clicks, as a designed label does.
class ClickableLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (clicked && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            clicked();
        }
    }
};
} // namespace

LabelControl::LabelControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new ClickableLabel(host))
    , m_autoSize(blueprint.autoSize)
{
    auto *l = static_cast<ClickableLabel *>(m_widget);
    l->clicked = [this] {
        if (onClick) {
            onClick();
        }
    };
    l->setWordWrap(blueprint.wordWrap && !blueprint.autoSize);
    l->setAlignment(qtAlignment(blueprint.alignment) | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    if (blueprint.foreColor) {
        setWidgetBackground(l, *blueprint.foreColor, QPalette::WindowText);
    }
    setUp(blueprint);
}

bool LabelControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Caption;
}

QLabel *LabelControl::label() const
{
    return static_cast<QLabel *>(m_widget);
}

void LabelControl::showCaption()
{
    label()->setText(m_caption);
    showAccessibleText();
    fitToCaption();
}

void LabelControl::showFont()
{
    WidgetControl::showFont();
    fitToCaption();
}

void LabelControl::showBackColor()
{
    // Without a colour of its own a label lets the window show through.
    m_widget->setAutoFillBackground(m_backColor.isValid());
    setWidgetBackground(m_widget, m_backColor, QPalette::Window);
}

void LabelControl::fitToCaption()
{
    if (!m_autoSize) {
        return;
    }
    const QFontMetrics metrics(m_widget->font());
    const QSize size = metrics.size(Qt::TextSingleLine, m_caption.isEmpty() ? QStringLiteral(" ") : m_caption);
    m_width = pixelsToTwips(m_caption.isEmpty() ? 0 : size.width() + 1);
    m_height = pixelsToTwips(size.height());
    applyGeometry();
}

// ButtonControl ---------------------------------------------------------

ButtonControl::ButtonControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new WrapButton(host))
    , m_graphical(blueprint.graphical)
{
    auto *b = static_cast<WrapButton *>(m_widget);
    // Enter on a focused button presses it, as Space does.
    b->setAutoDefault(true);
    // A rod's button takes touches itself: a tap adds, a held touch takes off.
    b->setAttribute(Qt::WA_AcceptTouchEvents);
    b->setFlatFill(m_graphical);
    connect(b, &QPushButton::clicked, this, [this, b] {
        if (onClick) {
            onClick();
        } else if (onMouseDown && !b->releasingMouse()) {
            // Pressed by assistive technology: as the left button does. A
            // mouse click was told at its press already.
            onMouseDown(LeftButton, 0, 0, 0);
        }
    });
    setUp(blueprint);
}

bool ButtonControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Caption;
}

void ButtonControl::showCaption()
{
    auto *b = static_cast<QPushButton *>(m_widget);
    b->setText(m_caption);
    showAccessibleText();
}

void ButtonControl::showBackColor()
{
    // Only a graphical button shows its own colour; a plain one keeps the
    // system's button face.
    if (m_graphical && m_backColor.isValid()) {
        setWidgetBackground(m_widget, m_backColor, QPalette::Button);
    }
}

// CheckBoxControl -------------------------------------------------------

CheckBoxControl::CheckBoxControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new QCheckBox(host))
{
    auto *c = static_cast<QCheckBox *>(m_widget);
    c->setChecked(blueprint.checked);
    connect(c, &QCheckBox::toggled, this, [this] {
        if (onClick) {
            onClick();
        }
    });
    setUp(blueprint);
}

bool CheckBoxControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Caption || property == Property::Value;
}

int CheckBoxControl::value() const
{
    return static_cast<QCheckBox *>(m_widget)->isChecked() ? 1 : 0;
}

void CheckBoxControl::setValue(int value)
{
    static_cast<QCheckBox *>(m_widget)->setChecked(value != 0);
}

void CheckBoxControl::showCaption()
{
    auto *c = static_cast<QCheckBox *>(m_widget);
    c->setText(m_caption);
    showAccessibleText();
}

void CheckBoxControl::showBackColor()
{
    WidgetControl::showBackColor();
}

// TextBoxControl --------------------------------------------------------

TextBoxControl::TextBoxControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new FilteredLineEdit(host))
{
    auto *edit = lineEdit();
    edit->setAlignment(qtAlignment(blueprint.alignment) | Qt::AlignVCenter);
    if (blueprint.maxLength > 0) {
        edit->setMaxLength(blueprint.maxLength);
    }
    edit->keyPressFilter = [this](int &key) {
        if (onKeyPress) {
            onKeyPress(key);
        }
    };
    edit->keyReleased = [this](int keyCode, int shift) {
        if (onKeyUp) {
            onKeyUp(keyCode, shift);
        }
    };
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (onChange) {
            onChange();
        }
    });
    edit->setText(blueprint.caption);
    setUp(blueprint);
}

bool TextBoxControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Text;
}

QString TextBoxControl::text() const
{
    return lineEdit()->text();
}

void TextBoxControl::setText(const QString &text)
{
    lineEdit()->setText(text);
}

FilteredLineEdit *TextBoxControl::lineEdit() const
{
    return static_cast<FilteredLineEdit *>(m_widget);
}

int TextBoxControl::maxLength() const
{
    return lineEdit()->maxLength();
}

void TextBoxControl::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length > 0 ? length : 32767);
}

void TextBoxControl::showBackColor()
{
    setWidgetBackground(m_widget, m_backColor, QPalette::Base);
}

// OptionControl ---------------------------------------------------------

OptionControl::OptionControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new QRadioButton(host))
{
    auto *r = static_cast<QRadioButton *>(m_widget);
    r->setChecked(blueprint.checked);
    connect(r, &QRadioButton::clicked, this, [this] {
        if (onClick) {
            onClick();
        }
    });
    setUp(blueprint);
}

bool OptionControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Caption || property == Property::Value;
}

bool OptionControl::checked() const
{
    return static_cast<QRadioButton *>(m_widget)->isChecked();
}

void OptionControl::setChecked(bool on)
{
    static_cast<QRadioButton *>(m_widget)->setChecked(on);
}

void OptionControl::showCaption()
{
    auto *r = static_cast<QRadioButton *>(m_widget);
    r->setText(m_caption);
    showAccessibleText();
}

void OptionControl::showBackColor()
{
    WidgetControl::showBackColor();
}

// FrameControl ----------------------------------------------------------

FrameControl::FrameControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new QGroupBox(host))
{
    setUp(blueprint);
}

bool FrameControl::has(Property property) const
{
    return WidgetControl::has(property) || property == Property::Caption;
}

void FrameControl::showCaption()
{
    auto *g = static_cast<QGroupBox *>(m_widget);
    g->setTitle(m_caption);
    showAccessibleText();
}

// PictureControl --------------------------------------------------------

PictureControl::PictureControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new QFrame(host))
{
    auto *f = static_cast<QFrame *>(m_widget);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    f->setAutoFillBackground(true);
    setUp(blueprint);
}

bool PictureControl::has(Property property) const
{
    return WidgetControl::has(property);
}

// ImageControl ----------------------------------------------------------

namespace {
class PictureWidget : public QWidget
{
public:
    using QWidget::QWidget;
    const ImageControl *owner = nullptr;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!owner || !owner->picture()) {
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        owner->picture()(painter, QRectF(rect()));
    }
};
} // namespace

ImageControl::ImageControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new PictureWidget(host))
{
    static_cast<PictureWidget *>(m_widget)->owner = this;
    setUp(blueprint);
}

bool ImageControl::has(Property property) const
{
    return WidgetControl::has(property) && property != Property::FontSize && property != Property::BackColor;
}

void ImageControl::setPicture(Picture picture)
{
    m_picture = std::move(picture);
    m_widget->update();
}

// ScrollBarControl ------------------------------------------------------

ScrollBarControl::ScrollBarControl(Form *form, const ControlBlueprint &blueprint, QWidget *host)
    : WidgetControl(form, blueprint, new QScrollBar(Qt::Horizontal, host))
{
    auto *s = scrollBar();
    s->setRange(blueprint.min, blueprint.max);
    s->setValue(blueprint.value);
    s->setSingleStep(blueprint.smallChange);
    s->setPageStep(blueprint.largeChange);
    connect(s, &QScrollBar::valueChanged, this, [this] {
        if (onChange) {
            onChange();
        }
    });
    setUp(blueprint);
}

bool ScrollBarControl::has(Property property) const
{
    return (WidgetControl::has(property) || property == Property::Value) && property != Property::FontSize;
}

int ScrollBarControl::value() const
{
    return scrollBar()->value();
}

void ScrollBarControl::setValue(int value)
{
    scrollBar()->setValue(value);
}

int ScrollBarControl::minimum() const
{
    return scrollBar()->minimum();
}

int ScrollBarControl::maximum() const
{
    return scrollBar()->maximum();
}

QScrollBar *ScrollBarControl::scrollBar() const
{
    return static_cast<QScrollBar *>(m_widget);
}

} // namespace ortix::ui
