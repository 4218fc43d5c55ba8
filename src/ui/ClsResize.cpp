#include "ui/ClsResize.h"

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Services.h"

#include <cmath>
#include <memory>

namespace ortix::ui {

namespace {
std::unique_ptr<ClsResize> &sharedResizer()
{
    static std::unique_ptr<ClsResize> resizer;
    return resizer;
}

qint32 wholeTwips(double value)
{
    return qint32(std::lround(value));
}
} // namespace

ClsResize *Ridimensionatore()
{
    return sharedResizer().get();
}

void bindNewResizer(Form *form, quint8 percent)
{
    sharedResizer() = std::make_unique<ClsResize>();
    sharedResizer()->setSourceForm(form);
    sharedResizer()->SizeFormToScreen(percent);
}

void releaseResizer()
{
    sharedResizer().reset();
}

ClsResize::ClsResize() = default;

ClsResize::~ClsResize()
{
    m_records.clear();
    m_form = nullptr;
}

Form *ClsResize::SourceForm() const
{
    return m_form.data();
}

void ClsResize::setSourceForm(Form *form)
{
    m_form = form;
}

void ClsResize::ReInitialise()
{
    StoreControlPositions();
}

ClsResize::Edges ClsResize::edgesForTag(const QString &tag)
{
    const QString upper = tag.toUpper();
    if (upper.isEmpty() || !upper.startsWith(u'@')) {
        return Edges{};
    }
    return Edges{upper.contains(u'L'), upper.contains(u'T'), upper.contains(u'W'), upper.contains(u'H')};
}

void ClsResize::StoreControlPositions()
{
    if (!m_form) {
        return;
    }
    m_recordedWidth = wholeTwips(m_form->scaleWidth());
    m_recordedHeight = wholeTwips(m_form->scaleHeight());
    const auto &controls = m_form->controls();
    m_records.assign(controls.size(), ControlRecord{});
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control *c = controls[i];
        ControlRecord &record = m_records[i];
        record.control = c;
        // A line's end points are kept in the same four values.
        if (c->has(Property::Left)) {
            record.Left = wholeTwips(c->left());
        }
        if (c->has(Property::Top)) {
            record.Top = wholeTwips(c->top());
        }
        if (c->has(Property::Width)) {
            record.Width = wholeTwips(c->width());
        }
        if (c->has(Property::Height)) {
            record.Height = wholeTwips(c->height());
        }
    }
    m_positionsPending = false;
}

void ClsResize::SizeFormToScreen(quint8 percent)
{
    if (!m_form) {
        return;
    }
    if (m_positionsPending) {
        StoreControlPositions();
    }
    const double screenHeight = screenHeightTwips();
    const double screenWidth = screenWidthTwips();
    const double h = std::floor(percent / 100.0 * screenHeight);
    const double w = std::floor(percent / 100.0 * screenWidth);
    m_form->setTop((screenHeight - h) / 2);
    m_form->setLeft((screenWidth - w) / 2);
    m_form->setHeight(h);
    m_form->setWidth(w);
    ResizeControls();
}

void ClsResize::ResizeControls()
{
    if (!m_form || m_form->controls().empty() || m_form->isMinimised()) {
        return;
    }
    if (m_positionsPending) {
        StoreControlPositions();
        return;
    }
    if (m_recordedWidth == 0 || m_recordedHeight == 0) {
        // A window recorded with no client area has nothing to scale from.
        return;
    }
    // Redrawing waits until every control stands at its new place.
    const bool wasUpdating = m_form->updatesEnabled();
    m_form->setUpdatesEnabled(false);
    const double vertical = m_form->scaleHeight() / m_recordedHeight;
    const double horizontal = m_form->scaleWidth() / m_recordedWidth;
    for (const ControlRecord &record : m_records) {
        Control *c = record.control.data();
        if (!c) {
            continue;
        }
        const Edges edges = edgesForTag(c->tag());
        double left = c->left();
        double top = c->top();
        double width = c->width();
        double height = c->height();
        if (edges.left && c->has(Property::Left)) {
            left = record.Left * horizontal;
        }
        if (edges.top && c->has(Property::Top)) {
            top = record.Top * vertical;
        }
        if (edges.width && c->has(Property::Width)) {
            width = record.Width * horizontal;
        }
        if (edges.height && c->has(Property::Height)) {
            height = record.Height * vertical;
        }
        if (c->has(Property::Left)) {
            c->move(left, top, width, height);
        }
    }
    m_form->setUpdatesEnabled(wasUpdating);
}

} // namespace ortix::ui
