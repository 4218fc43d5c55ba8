#pragma once

class QWidget;

namespace ortix::ui {

class Control;

// What assistive technology (a screen reader, through the platform's
// accessibility bus) sees of the program's own widgets: every window as a
// window named by its caption; painted controls (rods, beads, separators,
// squares, the right and wrong pictures) with a role and the name their
// window gives them; a rod with its beads as a value that assistive
// technology can also raise and lower, as the rod's button does.
// Installed once, before the first window is built.
void installAccessibility();

// Marks the widget as showing `control`, so that its accessible interface
// asks the control for its name, value and actions.
void bindAccessibleControl(QWidget *widget, Control *control);

// A picture that tells the outcome of an action (the right or the wrong
// answer): assistive technology reads it as an alert each time it is shown
// (announceNotice), with its name and its description.
void markAsNotice(Control *picture);
void announceNotice(Control *picture);

// Ties a control to the label that titles it: the label is its buddy (a
// screen reader finds the control labelled by it), and a label that shows a
// value (a counter) is named by the title and its value, "Esatti 3",
// however either caption changes.
void labelWithTitle(Control *control, Control *title);

} // namespace ortix::ui
