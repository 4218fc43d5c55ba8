#pragma once

#include "ui/Control.h"
#include "ui/ControlBlueprint.h"

#include <QWidget>

#include <optional>
#include <vector>

class QMenuBar;

namespace ortix::ui {

class MenuControl;

// A window of the program, built from its design (FormBlueprint): the client
// area holds the designed controls at their positions in twips, the menu
// bar the designed menus. Positions and sizes are read and set in twips,
// the outer size (Left, Top, Width, Height) as well as the inner one
// (ScaleWidth, ScaleHeight). The life of a window runs Form_Load when it is
// created, Form_Activate when it is first shown, Form_Resize whenever its
// size changes and Form_Unload when it is unloaded.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const FormBlueprint &blueprint);
    ~Form() override;

    const QString &name() const { return m_name; }

    QString caption() const;
    void setCaption(const QString &caption);
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);

    // Outer position and size, in twips of the screen.
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Inner size: the client area below the menu bar.
    double scaleWidth() const;
    double scaleHeight() const;
    bool isMinimised() const;
    // Top-left corner of the screen and the whole screen's size, in the
    // order Top, Left, Height, Width. The outer frame covers the screen: when
    // a window manager adds its frame later, the window fills again with it.
    void fillScreen();

    // The controls in the order of the window's collection, menu items too.
    const std::vector<Control *> &controls() const { return m_controls; }
    // A control by name, and index for a member of a control array.
    Control *control(const QString &name, int index = -1) const;
    template<class T>
    T *controlAs(const QString &name, int index = -1) const
    {
        return qobject_cast<T *>(control(name, index));
    }
    // The members of a control array, by rising index.
    std::vector<Control *> controlArray(const QString &name) const;
    // Adds a member with the next index to a menu-item array, placed after
    // the last member; it starts visible.
    MenuControl *loadMenuArrayMember(const QString &name);

    QWidget *clientArea() const { return m_canvas; }
    QMenuBar *menuBar() const { return m_menuBar; }

    // Life of the window; Forms (the collection of open windows) calls them.
    void load();
    void showForm();
    void unload();
    bool isUnloading() const { return m_unloading; }
    bool isActivated() const { return m_activated; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // Rescales the controls through the shared resize object.
    virtual void Form_Resize();
    virtual void Form_Unload() {}

    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

signals:
    // The language was changed while the window was open; its captions
    // have been translated again.
    void languageChanged();

private:
    static QWidget *newClientArea(Form *form);
    void buildControls(const FormBlueprint &blueprint);
    Control *addMenu(const ControlBlueprint &blueprint, bool holdsItems);
    void layoutChildren();
    void notifyResize();
    int menuBarHeight() const;
    QSize frameExtra() const;
    void fillAgainIfFrameChanged();

    QString m_name;
    QString m_tag;
    QColor m_backColor;
    QWidget *m_canvas;
    QMenuBar *m_menuBar = nullptr;
    std::vector<Control *> m_controls;
    bool m_loaded = false;
    bool m_activated = false;
    bool m_unloading = false;
    QSize m_notifiedSize;
    bool m_notifiedMinimised = false;
    // Set while the window fills the screen: the frame it was filled with.
    std::optional<QSize> m_filledWithFrame;
    bool m_filling = false;
};

} // namespace ortix::ui
