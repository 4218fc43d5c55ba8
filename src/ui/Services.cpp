#include "ui/Services.h"

#include "ui/Forms.h"
#include "ui/QtSoundPlayer.h"
#include "ui/SoundPlayer.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace ortix::ui {

namespace {

class QtMessageBoxes : public MessageBoxes
{
public:
    MsgAnswer show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                   MsgIcon icon) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
        box.setText(text);
        switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::None:
            break;
        }
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
};

class PrimaryScreen : public ScreenInfo
{
public:
    QRect geometry() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    }
};

class QuitApplication : public ProgramEnd
{
public:
    void endNow() override
    {
        Forms::closeAllWithoutHandlers();
        QCoreApplication::exit(0);
    }
};

} // namespace

Services &services()
{
    static Services all;
    return all;
}

void installRealServices()
{
    Services &s = services();
    if (!s.messages) {
        s.messages = std::make_unique<QtMessageBoxes>();
    }
    if (!s.sounds) {
        s.sounds = std::make_unique<QtSoundPlayer>();
    }
    if (!s.screen) {
        s.screen = std::make_unique<PrimaryScreen>();
    }
    if (!s.end) {
        s.end = std::make_unique<QuitApplication>();
    }
}

MsgAnswer messageBox(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                     MsgIcon icon)
{
    installRealServices();
    return services().messages->show(parent, text, title, buttons, icon);
}

void playSound(const QString &wavePath)
{
    installRealServices();
    services().sounds->play(wavePath);
}

QRect screenGeometry()
{
    installRealServices();
    return services().screen->geometry();
}

double screenWidthTwips()
{
    return screenGeometry().width() * twipsPerPixel();
}

double screenHeightTwips()
{
    return screenGeometry().height() * twipsPerPixel();
}

} // namespace ortix::ui
