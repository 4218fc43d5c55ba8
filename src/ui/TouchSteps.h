#pragma once

#include <QObject>

#include <functional>

class QEvent;
class QTimer;
class QWidget;

namespace ortix::ui {

class Form;

// A finger on something that takes beads (a rod or its button): a tap
// does what a press of the left button does, a touch held for
// kHoldMilliseconds what a press of the right button does, with a cue the
// moment the hold is taken so that the pupil knows to lift the finger.
class TouchSteps : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHoldMilliseconds = 500;

    explicit TouchSteps(QObject *parent);

    // One touch event; `press` gets the mouse button (1 left, 2 right) that
    // the finger stands for, `cue` runs when a hold is taken. Only a touch
    // that began here is followed.
    void handle(QEvent *event, std::function<void(int button)> press, std::function<void()> cue);

private:
    void holdTaken();

    QTimer *m_hold;
    bool m_holdTaken = false;
    std::function<void(int)> m_press;
    std::function<void()> m_cue;
};

// Lets the window's rods be touched: a finger on a rod (within half a bead
// of it) acts as on the rod's button. The mouse still passes through the
// rods to what lies beneath.
void acceptRodTouches(Form *form, QWidget *clientArea);

} // namespace ortix::ui
