#include "ui/TouchSteps.h"

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/PaintedControls.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QTouchEvent>
#include <QWidget>

namespace ortix::ui {

TouchSteps::TouchSteps(QObject *parent)
    : QObject(parent)
    , m_hold(new QTimer(this))
{
    m_hold->setSingleShot(true);
    m_hold->setInterval(kHoldMilliseconds);
    connect(m_hold, &QTimer::timeout, this, &TouchSteps::holdTaken);
}

void TouchSteps::handle(QEvent *event, std::function<void(int button)> press, std::function<void()> cue)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
        m_holdTaken = false;
        m_press = std::move(press);
        m_cue = std::move(cue);
        m_hold->start();
        break;
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        // A tap adds a bead; a held touch has already taken one off.
        const bool tap = m_hold->isActive() && !m_holdTaken && event->type() == QEvent::TouchEnd;
        m_hold->stop();
        if (tap && m_press) {
            m_press(LeftButton);
        }
        m_press = nullptr;
        m_cue = nullptr;
        break;
    }
    default:
        break;
    }
    event->accept();
}

void TouchSteps::holdTaken()
{
    m_holdTaken = true;
    if (m_cue) {
        m_cue();
    }
    if (m_press) {
        m_press(RightButton);
    }
}

namespace {

// Follows touches on the client area that land on a rod.
class RodTouches : public QObject
{
public:
    RodTouches(Form *form, QWidget *clientArea)
        : QObject(clientArea)
        , m_form(form)
        , m_steps(new TouchSteps(this))
    {
        clientArea->setAttribute(Qt::WA_AcceptTouchEvents);
        clientArea->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::TouchBegin: {
            const auto *touch = static_cast<QTouchEvent *>(event);
            LineControl *rod = touch->points().isEmpty() ? nullptr : rodAt(touch->points().first().position().toPoint());
            if (!rod) {
                // Anything else is left to the mouse the platform makes of it.
                event->ignore();
                return false;
            }
            QPointer<LineControl> guarded(rod);
            m_following = true;
            m_steps->handle(
                event,
                [guarded](int button) {
                    if (guarded && guarded->onMouseDown) {
                        guarded->onMouseDown(button, 0, 0, 0);
                    }
                },
                [guarded] {
                    if (guarded) {
                        guarded->showHoldCue();
                    }
                });
            return true;
        }
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            if (!m_following) {
                return false;
            }
            m_following = event->type() == QEvent::TouchUpdate;
            m_steps->handle(event, nullptr, nullptr);
            return true;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The rod that takes beads under the point of the client area, with half
    // a bead's width on either side: a line is too thin for a finger.
    LineControl *rodAt(const QPoint &point) const
    {
        constexpr int kReach = 20;
        for (Control *c : m_form->controls()) {
            auto *rod = qobject_cast<LineControl *>(c);
            if (!rod || !rod->onMouseDown || !rod->visible() || !rod->widget()->isVisible()) {
                continue;
            }
            const QRect area = rod->widget()->geometry().adjusted(-kReach, 0, kReach, 0);
            if (rod->widget()->parentWidget() == m_form->clientArea() && area.contains(point)) {
                return rod;
            }
        }
        return nullptr;
    }

    Form *m_form;
    TouchSteps *m_steps;
    bool m_following = false;
};

} // namespace

void acceptRodTouches(Form *form, QWidget *clientArea)
{
    new RodTouches(form, clientArea);
}

} // namespace ortix::ui
