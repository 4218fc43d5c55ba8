#pragma once

#include "ui/Control.h"

class QMenu;

namespace ortix::ui {

// A menu item: on the menu bar, or inside a menu. An item that holds other
// items opens its menu; any other item runs its click handler. A tick is
// shown only when the program sets it, never toggled by the click itself.
class MenuControl : public Control
{
    Q_OBJECT
public:
    MenuControl(Form *form, const ControlBlueprint &blueprint, QAction *action, QMenu *submenu);
    ~MenuControl() override;

    QWidget *widget() const override { return nullptr; }
    QAction *action() const override { return m_action; }
    QMenu *submenu() const { return m_submenu; }
    bool has(Property property) const override;
    bool checked() const override { return m_checked; }
    void setChecked(bool on) override;
    void applyGeometry() override {}

    // Runs the click handler at once, as choosing the item does once the
    // choice has returned.
    void trigger();

protected:
    void showCaption() override;
    void showVisible() override;
    void showEnabled() override;
    void showToolTip() override {}

private:
    void runClick();

    QAction *m_action;
    QMenu *m_submenu;
    bool m_checked;
};

} // namespace ortix::ui
