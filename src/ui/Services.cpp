#include "ui/Services.h"

#include "ui/ClsResize.h"
#include "ui/Forms.h"
#include "ui/QtMessageBoxes.h"
#include "ui/QtSoundPlayer.h"
#include "ui/QtSpeech.h"
#include "ui/SoundPlayer.h"
#include "ui/Speech.h"
#include "ui/ToolkitLanguage.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace ortix::ui {

namespace {

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

class SystemFolders : public UserFolders
{
public:
    QString settingsRoot() const override
    {
#ifdef Q_OS_WIN
        return QStringLiteral("C:/");
#else
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    }
    QString documents() const override
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
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
    if (!s.speech) {
        // Costs nothing until the voice is first used.
        s.speech = std::make_unique<QtSpeech>();
    }
    if (!s.screen) {
        s.screen = std::make_unique<PrimaryScreen>();
    }
    if (!s.end) {
        s.end = std::make_unique<QuitApplication>();
    }
    if (!s.printing) {
        s.printing = std::make_unique<SystemPrinting>();
    }
    if (!s.folders) {
        s.folders = std::make_unique<SystemFolders>();
    }
}

void releaseServices()
{
    Forms::closeAllWithoutHandlers();
    // The closed windows go now, not in an event loop that will not run again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    releaseResizer();
    installToolkitLanguage(0);
    services() = Services();
}

RealServices::RealServices()
{
    installRealServices();
}

RealServices::~RealServices()
{
    releaseServices();
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

void startSpeech()
{
    installRealServices();
    services().speech->start();
}

void sayNumber(qint64 number, QLocale::Language language)
{
    installRealServices();
    services().speech->sayNumber(number, language);
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

PrintResult printPage(const PrintJob &job)
{
    installRealServices();
    return services().printing->print(job);
}

QString settingsRoot()
{
    installRealServices();
    return services().folders->settingsRoot();
}

QString documentsFolder()
{
    installRealServices();
    return services().folders->documents();
}

} // namespace ortix::ui
