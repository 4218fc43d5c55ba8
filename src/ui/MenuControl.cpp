#include "ui/MenuControl.h"

#include <QAction>
#include <QMenu>

namespace ortix::ui {

MenuControl::MenuControl(Form *form, const ControlBlueprint &blueprint, QAction *action, QMenu *submenu)
    : Control(form, blueprint)
    , m_action(action)
    , m_submenu(submenu)
    , m_checked(blueprint.checked)
{
    m_action->setObjectName(objectName());
    if (!m_submenu) {
        m_action->setCheckable(m_checked);
        m_action->setChecked(m_checked);
        connect(m_action, &QAction::triggered, this, [this] {
            // The click may not change the tick: only the handler decides.
            m_action->setChecked(m_checked);
            // The handler runs once the choice has returned: it may ask a
            // modal question ("Esci"), and assistive technology that chose
            // the item waits for the answer to its action until then.
            QMetaObject::invokeMethod(this, &MenuControl::runClick, Qt::QueuedConnection);
        });
    }
    showCaption();
    showEnabled();
    showVisible();
}

MenuControl::~MenuControl() = default;

bool MenuControl::has(Property property) const
{
    switch (property) {
    case Property::Caption:
    case Property::Tag:
    case Property::Visible:
    case Property::Enabled:
    case Property::Checked:
        return true;
    default:
        return false;
    }
}

void MenuControl::setChecked(bool on)
{
    m_checked = on;
    // Only a ticked item shows a check mark: an item once ticked looks
    // again like the others of its group when the tick goes.
    m_action->setCheckable(on);
    m_action->setChecked(on);
}

void MenuControl::trigger()
{
    if (m_action->isEnabled() && m_action->isVisible() && !m_submenu) {
        m_action->setChecked(m_checked);
        runClick();
    }
}

void MenuControl::runClick()
{
    if (onClick) {
        onClick();
    }
}

void MenuControl::showCaption()
{
    m_action->setText(m_caption);
    if (m_submenu) {
        m_submenu->setTitle(m_caption);
    }
}

void MenuControl::showVisible()
{
    m_action->setVisible(m_visible);
}

void MenuControl::showEnabled()
{
    m_action->setEnabled(m_enabled);
}

} // namespace ortix::ui
