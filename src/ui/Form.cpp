#include "ui/Form.h"

#include "ui/Accessibility.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/Services.h"
#include "ui/TouchSteps.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include <algorithm>
#include <cmath>

namespace ortix::ui {

Form::Form(const FormBlueprint &blueprint)
    : QWidget(nullptr)
    , m_name(blueprint.name)
    , m_backColor(blueprint.backColor)
    , m_canvas(newClientArea(this))
{
    setObjectName(blueprint.name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(blueprint.caption);
    m_canvas->setObjectName(blueprint.name + QStringLiteral(".client"));
    m_canvas->setAutoFillBackground(true);
    buildControls(blueprint);
    acceptRodTouches(this, m_canvas);
    setBackColor(blueprint.backColor);
    const int menuHeight = menuBarHeight();
    resize(twipsToPixels(blueprint.scaleWidth), twipsToPixels(blueprint.scaleHeight) + menuHeight);
    layoutChildren();
    m_notifiedSize = size();
}

QWidget *Form::newClientArea(Form *form)
{
    // Assistive technology may ask about the window while it is built: the
    // program's answers must be in place before the first question.
    installAccessibility();
    return new QWidget(form);
}

Form::~Form()
{
    Forms::forget(this);
}

void Form::buildControls(const FormBlueprint &blueprint)
{
    std::vector<Control *> lightweight;
    for (std::size_t i = 0; i < blueprint.controls.size(); ++i) {
        const ControlBlueprint &c = blueprint.controls[i];
        if (c.kind == ControlKind::Menu) {
            const bool holdsItems = std::any_of(blueprint.controls.begin() + long(i) + 1, blueprint.controls.end(),
                                                [&](const ControlBlueprint &other) {
                                                    return other.kind == ControlKind::Menu
                                                        && other.container == c.name;
                                                });
            m_controls.push_back(addMenu(c, holdsItems));
            continue;
        }
        QWidget *host = m_canvas;
        if (!c.container.isEmpty()) {
            if (Control *holder = control(c.container, c.containerIndex); holder && holder->childHost()) {
                host = holder->childHost();
            }
        }
        Control *created = createControl(this, c, host);
        m_controls.push_back(created);
        if (c.kind == ControlKind::Label || c.kind == ControlKind::Shape || c.kind == ControlKind::Line
            || c.kind == ControlKind::Image) {
            lightweight.push_back(created);
        }
    }
    // Drawn controls lie beneath buttons, boxes and frames, in design order.
    for (auto it = lightweight.rbegin(); it != lightweight.rend(); ++it) {
        (*it)->widget()->lower();
    }
}

namespace {

// The system's look, with one difference for the menu bar: Alt pressed and
// released alone puts it under the keyboard, as on Windows, whatever the
// style (Fusion leaves it to the mouse otherwise).
class KeyboardMenuStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *keyboardMenuStyle()
{
    // Owned by the application, so it goes before the application does.
    static QPointer<QStyle> style;
    if (!style) {
        style = new KeyboardMenuStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace

Control *Form::addMenu(const ControlBlueprint &blueprint, bool holdsItems)
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setStyle(keyboardMenuStyle());
        m_menuBar->setNativeMenuBar(false);
        m_menuBar->setObjectName(m_name + QStringLiteral(".menubar"));
    }
    QMenu *parentMenu = nullptr;
    if (!blueprint.container.isEmpty()) {
        if (auto *parent = qobject_cast<MenuControl *>(control(blueprint.container))) {
            parentMenu = parent->submenu();
        }
    }
    QMenu *submenu = nullptr;
    QAction *action = nullptr;
    if (holdsItems) {
        submenu = new QMenu(blueprint.caption, parentMenu ? static_cast<QWidget *>(parentMenu) : m_menuBar);
        action = submenu->menuAction();
        if (parentMenu) {
            parentMenu->addMenu(submenu);
        } else {
            m_menuBar->addMenu(submenu);
        }
    } else {
        action = new QAction(blueprint.caption, this);
        if (parentMenu) {
            parentMenu->addAction(action);
        } else {
            m_menuBar->addAction(action);
        }
    }
    return new MenuControl(this, blueprint, action, submenu);
}

MenuControl *Form::loadMenuArrayMember(const QString &name)
{
    const auto members = controlArray(name);
    if (members.empty()) {
        return nullptr;
    }
    auto *last = qobject_cast<MenuControl *>(members.back());
    if (!last) {
        return nullptr;
    }
    ControlBlueprint blueprint;
    blueprint.kind = ControlKind::Menu;
    blueprint.name = name;
    blueprint.index = last->index() + 1;
    blueprint.caption = last->caption();
    auto *action = new QAction(blueprint.caption, this);
    // The new item goes right after the last member, in the same menu.
    for (QObject *holder : last->action()->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(holder)) {
            const QList<QAction *> actions = menu->actions();
            const qsizetype at = actions.indexOf(last->action());
            menu->insertAction(at + 1 < actions.size() ? actions.at(at + 1) : nullptr, action);
            break;
        }
        if (auto *bar = qobject_cast<QMenuBar *>(holder)) {
            const QList<QAction *> actions = bar->actions();
            const qsizetype at = actions.indexOf(last->action());
            bar->insertAction(at + 1 < actions.size() ? actions.at(at + 1) : nullptr, action);
            break;
        }
    }
    auto *member = new MenuControl(this, blueprint, action, nullptr);
    m_controls.push_back(member);
    return member;
}

QString Form::caption() const
{
    return windowTitle();
}

void Form::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void Form::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    QPalette palette = m_canvas->palette();
    palette.setColor(QPalette::Window, colour);
    m_canvas->setPalette(palette);
}

QSize Form::frameExtra() const
{
    if (!testAttribute(Qt::WA_WState_Created)) {
        return QSize(0, 0);
    }
    return frameGeometry().size() - size();
}

double Form::left() const
{
    return (pos().x() - screenGeometry().x()) * twipsPerPixel();
}

double Form::top() const
{
    return (pos().y() - screenGeometry().y()) * twipsPerPixel();
}

double Form::width() const
{
    return (QWidget::width() + frameExtra().width()) * twipsPerPixel();
}

double Form::height() const
{
    return (QWidget::height() + frameExtra().height()) * twipsPerPixel();
}

void Form::setLeft(double twips)
{
    if (!m_filling) {
        m_filledWithFrame.reset();
    }
    QWidget::move(screenGeometry().x() + twipsToPixels(twips), pos().y());
}

void Form::setTop(double twips)
{
    if (!m_filling) {
        m_filledWithFrame.reset();
    }
    QWidget::move(pos().x(), screenGeometry().y() + twipsToPixels(twips));
}

void Form::setWidth(double twips)
{
    if (!m_filling) {
        m_filledWithFrame.reset();
    }
    const int inner = std::max(1, twipsToPixels(twips) - frameExtra().width());
    QWidget::resize(inner, QWidget::height());
    layoutChildren();
    notifyResize();
}

void Form::setHeight(double twips)
{
    if (!m_filling) {
        m_filledWithFrame.reset();
    }
    const int inner = std::max(1, twipsToPixels(twips) - frameExtra().height());
    QWidget::resize(QWidget::width(), inner);
    layoutChildren();
    notifyResize();
}

double Form::scaleWidth() const
{
    return m_canvas->width() * twipsPerPixel();
}

double Form::scaleHeight() const
{
    return m_canvas->height() * twipsPerPixel();
}

void Form::fillScreen()
{
    m_filling = true;
    setTop(0);
    setLeft(0);
    setHeight(screenHeightTwips());
    setWidth(screenWidthTwips());
    m_filling = false;
    m_filledWithFrame = frameExtra();
}

// A window manager frames a window only after it is shown, so a window
// filled before that would have its title bar above the screen; once the
// frame is known (it comes with a move), the window fills again.
void Form::fillAgainIfFrameChanged()
{
    if (m_filledWithFrame && !m_filling && frameExtra() != *m_filledWithFrame) {
        fillScreen();
    }
}

bool Form::isMinimised() const
{
    return isMinimized();
}

Control *Form::control(const QString &name, int index) const
{
    for (Control *c : m_controls) {
        if (c->index() == index && c->name() == name) {
            return c;
        }
    }
    return nullptr;
}

std::vector<Control *> Form::controlArray(const QString &name) const
{
    std::vector<Control *> members;
    for (Control *c : m_controls) {
        if (c->isArrayMember() && c->name() == name) {
            members.push_back(c);
        }
    }
    std::sort(members.begin(), members.end(),
              [](const Control *a, const Control *b) { return a->index() < b->index(); });
    return members;
}

int Form::menuBarHeight() const
{
    if (!m_menuBar) {
        return 0;
    }
    const int h = m_menuBar->heightForWidth(std::max(1, QWidget::width()));
    return h > 0 ? h : m_menuBar->sizeHint().height();
}

void Form::layoutChildren()
{
    const int menuHeight = menuBarHeight();
    if (m_menuBar) {
        m_menuBar->setGeometry(0, 0, QWidget::width(), menuHeight);
    }
    m_canvas->setGeometry(0, menuHeight, QWidget::width(), std::max(0, QWidget::height() - menuHeight));
}

void Form::notifyResize()
{
    const bool minimised = isMinimised();
    if (m_canvas->size() == m_notifiedSize && minimised == m_notifiedMinimised) {
        return;
    }
    m_notifiedSize = m_canvas->size();
    m_notifiedMinimised = minimised;
    if (m_loaded && !m_unloading) {
        Form_Resize();
    }
}

void Form::Form_Resize()
{
    if (ClsResize *resizer = Ridimensionatore(); resizer && resizer->SourceForm() == this) {
        resizer->ResizeControls();
    }
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
    notifyResize();
    fillAgainIfFrameChanged();
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    fillAgainIfFrameChanged();
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        notifyResize();
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar unloads the window like any other way out.
    event->accept();
    if (!m_unloading) {
        unload();
    }
}

void Form::load()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_notifiedSize = m_canvas->size();
    Form_Load();
}

void Form::showForm()
{
    show();
    // Headless platforms cannot raise windows and say so on every call.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
    if (!m_activated && !m_unloading) {
        m_activated = true;
        Form_Activate();
    }
}

void Form::unload()
{
    if (m_unloading) {
        return;
    }
    m_unloading = true;
    Form_Unload();
    hide();
    Forms::forget(this);
    deleteLater();
    Forms::endIfNoneOpen();
}

} // namespace ortix::ui
