#pragma once

#include "ui/Printing.h"

#include <QLocale>
#include <QRect>
#include <QString>

#include <memory>

class QWidget;

namespace ortix::ui {

class SoundPlayer;
class Speech;

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Information, Exclamation };
enum class MsgAnswer { Ok, Yes, No };

// Message boxes: a text, a title (empty: the program's name), buttons and
// an icon; the answer tells which button was pressed.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                           MsgIcon icon) = 0;
};

// The screen the windows fill, in pixels.
class ScreenInfo
{
public:
    virtual ~ScreenInfo() = default;
    virtual QRect geometry() const = 0;
};

// Ends the program at once, closing every window without its handlers.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

// Folders of the user's system that the program writes to: the root under
// which its fixed settings folders live (drive C: on Windows, the user's
// configuration folder elsewhere), and the folder that keeps a printout
// saved as a PDF when there is no printer (the user's documents).
class UserFolders
{
public:
    virtual ~UserFolders() = default;
    virtual QString settingsRoot() const = 0;
    virtual QString documents() const = 0;
};

// The services the windows use from the platform. The program installs the
// real ones; tests replace any of them.
struct Services
{
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<SoundPlayer> sounds;
    std::unique_ptr<Speech> speech;
    std::unique_ptr<ScreenInfo> screen;
    std::unique_ptr<ProgramEnd> end;
    std::unique_ptr<Printing> printing;
    std::unique_ptr<UserFolders> folders;
};

Services &services();

// Installs the real service for every slot that is empty.
void installRealServices();

// Closes every window and lets go of every service (and of the other Qt
// objects the window layer keeps), so that none of them outlives the
// application object.
void releaseServices();

// Installs the real services and holds them for the program's run. main()
// makes one right after its QApplication: whichever way the program ends,
// the sounds and the other Qt objects among the services are let go while
// the application still exists (destroyed after it, they crash the exit).
class RealServices
{
public:
    RealServices();
    ~RealServices();
    RealServices(const RealServices &) = delete;
    RealServices &operator=(const RealServices &) = delete;
};

// Shortcuts the windows use.
MsgAnswer messageBox(QWidget *parent, const QString &text, const QString &title, MsgButtons buttons,
                     MsgIcon icon);
void playSound(const QString &wavePath);
void startSpeech();
void sayNumber(qint64 number, QLocale::Language language);
QRect screenGeometry();
// The screen's size in twips.
double screenWidthTwips();
double screenHeightTwips();
PrintResult printPage(const PrintJob &job);
QString settingsRoot();
QString documentsFolder();

} // namespace ortix::ui
