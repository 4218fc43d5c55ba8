#pragma once

#include <QPointer>
#include <QString>

#include <vector>

namespace ortix::ui {

class Control;
class Form;

// Keeps a window's layout proportional to its size: records where every
// control stood at design size and, whenever the window changes size,
// places each control at its recorded position and size times the ratio of
// the present client area to the recorded one. Fonts are not scaled.
// A control's tag steers it: a tag beginning with "@" scales only the
// edges whose letters follow (L left, T top, W width, H height; a line's
// X1, Y1, X2, Y2); any other tag scales all four.
class ClsResize
{
public:
    struct ControlRecord
    {
        QPointer<Control> control;
        qint32 Left = 0;
        qint32 Top = 0;
        qint32 Width = 0;
        qint32 Height = 0;
    };

    ClsResize();
    ~ClsResize();
    ClsResize(const ClsResize &) = delete;
    ClsResize &operator=(const ClsResize &) = delete;

    Form *SourceForm() const;
    void setSourceForm(Form *form);

    void ReInitialise();
    void SizeFormToScreen(quint8 percent);
    void ResizeControls();

    qint32 RecordedWidth() const { return m_recordedWidth; }
    qint32 RecordedHeight() const { return m_recordedHeight; }
    bool PositionsPending() const { return m_positionsPending; }
    const std::vector<ControlRecord> &ControlRecords() const { return m_records; }

    // The edges a tag lets the resizing change.
    struct Edges
    {
        bool left = true;
        bool top = true;
        bool width = true;
        bool height = true;
    };
    static Edges edgesForTag(const QString &tag);

private:
    void StoreControlPositions();

    QPointer<Form> m_form;
    qint32 m_recordedWidth = 0;
    qint32 m_recordedHeight = 0;
    std::vector<ControlRecord> m_records;
    bool m_positionsPending = true;
};

// The one shared resize object, bound to the window that loaded last.
ClsResize *Ridimensionatore();
// Replaces it by a new object bound to `form`, sized to `percent` of the
// screen, as every window does while it loads.
void bindNewResizer(Form *form, quint8 percent = 75);
void releaseResizer();

} // namespace ortix::ui
