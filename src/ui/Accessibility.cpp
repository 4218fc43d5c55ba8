#include "ui/Accessibility.h"

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace ortix::ui {

namespace {

const char *const kControlProperty = "ortixControl";
const char *const kNoticeProperty = "ortixNotice";

Control *controlOf(QObject *object)
{
    return qobject_cast<Control *>(object->property(kControlProperty).value<QObject *>());
}

// Runs a mouse-press handler of the control after the caller has returned:
// a handler may ask a modal question (a full rod of the free frame), and
// assistive technology waits for the action's answer.
void pressLater(Control *control, int button, int times = 1)
{
    QPointer<Control> guarded(control);
    QMetaObject::invokeMethod(
        control,
        [guarded, button, times] {
            for (int i = 0; guarded && guarded->onMouseDown && i < times; ++i) {
                guarded->onMouseDown(button, 0, 0, 0);
            }
        },
        Qt::QueuedConnection);
}

// A painted control: a rod (a slider whose value is its beads, with
// "increase" and "decrease" when beads can be put on it), a separator
// line, a bead or square, a picture.
class PaintedAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    PaintedAccessible(QWidget *widget, Control *control)
        : QAccessibleWidget(widget)
        , m_control(control)
    {
    }

    QAccessible::Role role() const override
    {
        if (!m_control) {
            return QAccessible::Graphic;
        }
        if (widget()->property(kNoticeProperty).toBool()) {
            return QAccessible::AlertMessage;
        }
        if (m_control->kind() == ControlKind::Line) {
            return m_control->hasAccessibleValue() ? QAccessible::Slider : QAccessible::Separator;
        }
        return QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!m_control) {
            return QString();
        }
        switch (t) {
        case QAccessible::Name:
            return m_control->accessibleName();
        case QAccessible::Description:
            return m_control->accessibleDescription();
        case QAccessible::Value:
            return m_control->hasAccessibleValue() ? QString::number(m_control->accessibleValue()) : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = !settable();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && m_control && m_control->hasAccessibleValue()) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // Value: the beads on the rod, from none to a full rod.
    QVariant currentValue() const override { return m_control ? m_control->accessibleValue() : 0; }
    QVariant maximumValue() const override { return m_control ? m_control->accessibleMaximum() : 0; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
    void setCurrentValue(const QVariant &value) override
    {
        if (!settable()) {
            return;
        }
        const int wanted = std::clamp(value.toInt(), 0, m_control->accessibleMaximum());
        const int difference = wanted - m_control->accessibleValue();
        if (difference != 0) {
            pressLater(m_control, difference > 0 ? LeftButton : RightButton, std::abs(difference));
        }
    }

    // Actions: a bead more or less, as the rod's button does.
    QStringList actionNames() const override
    {
        return settable() ? QStringList{increaseAction(), decreaseAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (!settable()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (name == increaseAction()) {
            pressLater(m_control, LeftButton);
        } else if (name == decreaseAction()) {
            pressLater(m_control, RightButton);
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool settable() const { return m_control && m_control->hasAccessibleValue() && m_control->onMouseDown; }

    QPointer<Control> m_control;
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    // A window of the program, named by its caption (the title bar's text).
    if (qobject_cast<Form *>(object)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    Control *control = controlOf(object);
    // A picture box is a pane that holds pictures or the parts of an item.
    if (qobject_cast<PictureControl *>(control)) {
        return new QAccessibleWidget(widget, QAccessible::Pane);
    }
    if (qobject_cast<ShapeControl *>(control) || qobject_cast<LineControl *>(control)
        || qobject_cast<ImageControl *>(control)) {
        return new PaintedAccessible(widget, control);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(accessibleFor);
    }
}

void markAsNotice(Control *picture)
{
    if (picture && picture->widget()) {
        picture->widget()->setProperty(kNoticeProperty, true);
    }
}

void announceNotice(Control *picture)
{
    if (!picture || !picture->widget() || !QAccessible::isActive()) {
        return;
    }
    // An alert is read when it appears: shown again, it is read again.
    QAccessibleEvent shown(picture->widget(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(picture->widget(), QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void labelWithTitle(Control *control, Control *title)
{
    if (!control || !title) {
        return;
    }
    if (auto *label = qobject_cast<LabelControl *>(title); label && control->widget()) {
        label->label()->setBuddy(control->widget());
    }
    if (control->kind() != ControlKind::Label) {
        return;
    }
    const auto name = [control, title] {
        control->setAccessibleName(title->accessibleName() + u' ' + control->caption().trimmed());
    };
    QObject::connect(title, &Control::captionChanged, control, name);
    QObject::connect(control, &Control::captionChanged, control, name);
    name();
}

void bindAccessibleControl(QWidget *widget, Control *control)
{
    widget->setProperty(kControlProperty, QVariant::fromValue<QObject *>(control));
}

} // namespace ortix::ui
