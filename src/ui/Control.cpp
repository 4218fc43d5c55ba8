#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QWidget>

#include <cmath>

namespace ortix::ui {

Control::Control(Form *form, const ControlBlueprint &blueprint)
    : QObject(form)
    , m_form(form)
    , m_name(blueprint.name)
    , m_index(blueprint.index)
    , m_kind(blueprint.kind)
    , m_caption(blueprint.caption)
    , m_toolTip(blueprint.toolTip)
    , m_tag(blueprint.tag)
    , m_visible(blueprint.visible)
    , m_enabled(blueprint.enabled)
    , m_left(blueprint.left)
    , m_top(blueprint.top)
    , m_width(blueprint.width)
    , m_height(blueprint.height)
    , m_backColor(blueprint.backColor.value_or(QColor()))
    , m_fontSize(blueprint.font ? blueprint.font->pointSize : 8.25)
{
    setObjectName(blueprint.index >= 0 ? QStringLiteral("%1(%2)").arg(blueprint.name).arg(blueprint.index) : blueprint.name);
}

Control::~Control() = default;

bool Control::has(Property property) const
{
    switch (property) {
    case Property::Tag:
    case Property::Visible:
    case Property::Enabled:
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
    case Property::ToolTipText:
        return true;
    default:
        return false;
    }
}

void Control::setCaption(const QString &caption)
{
    m_caption = caption;
    showCaption();
    emit captionChanged();
}

QString Control::accessibleName() const
{
    if (!m_accessibleName.isEmpty()) {
        return m_accessibleName;
    }
    QString text = m_caption;
    if (m_kind == ControlKind::Label) {
        return text.trimmed();
    }
    // "&&" shows one ampersand; a single one marks the access key.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(QChar(1), u'&');
    return text.trimmed();
}

void Control::setAccessibleName(const QString &name)
{
    if (name != m_accessibleName) {
        m_accessibleName = name;
        showAccessibleText();
    }
}

QString Control::accessibleDescription() const
{
    return m_accessibleDescription.isEmpty() ? m_toolTip : m_accessibleDescription;
}

void Control::setAccessibleDescription(const QString &text)
{
    if (text != m_accessibleDescription) {
        m_accessibleDescription = text;
        showAccessibleText();
    }
}

void Control::setAccessibleValue(int value, int maximum)
{
    const bool changed = value != m_accessibleValue || maximum != m_accessibleMaximum;
    m_accessibleValue = value;
    m_accessibleMaximum = maximum;
    if (changed && widget() && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(widget(), value);
        QAccessible::updateAccessibility(&event);
    }
}

void Control::showAccessibleText()
{
    QWidget *w = widget();
    if (!w) {
        return;
    }
    w->setAccessibleName(accessibleName());
    w->setAccessibleDescription(m_accessibleDescription);
}

void Control::setToolTipText(const QString &text)
{
    m_toolTip = text;
    showToolTip();
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    showVisible();
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    showEnabled();
}

void Control::setLeft(double twips)
{
    m_left = twips;
    applyGeometry();
}

void Control::setTop(double twips)
{
    m_top = twips;
    applyGeometry();
}

void Control::setWidth(double twips)
{
    m_width = twips;
    applyGeometry();
}

void Control::setHeight(double twips)
{
    m_height = twips;
    applyGeometry();
}

void Control::move(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    showBackColor();
}

void Control::setFontSize(double points)
{
    m_fontSize = points;
    showFont();
}

void Control::setFocus()
{
    if (QWidget *w = widget()) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

bool Control::hasFocus() const
{
    const QWidget *w = widget();
    return w && w->hasFocus();
}

void Control::showToolTip()
{
    if (QWidget *w = widget()) {
        w->setToolTip(m_toolTip);
    }
}

void Control::showVisible()
{
    if (QWidget *w = widget()) {
        w->setVisible(m_visible);
    }
}

void Control::showEnabled()
{
    if (QWidget *w = widget()) {
        w->setEnabled(m_enabled);
    }
}

void Control::pixelGeometry(int &x, int &y, int &w, int &h) const
{
    const double tpp = twipsPerPixel();
    // Edges are rounded, not sizes, so neighbours that touch in twips
    // touch on the screen too.
    x = int(std::lround(m_left / tpp));
    y = int(std::lround(m_top / tpp));
    w = std::max(0, int(std::lround((m_left + m_width) / tpp)) - x);
    h = std::max(0, int(std::lround((m_top + m_height) / tpp)) - y);
}

void Control::applyGeometry()
{
    QWidget *w = widget();
    if (!w) {
        return;
    }
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    pixelGeometry(x, y, width, height);
    w->setGeometry(x, y, width, height);
}

} // namespace ortix::ui
