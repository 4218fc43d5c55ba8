#pragma once

#include "base/Rnd.h"
#include "ui/ControlBlueprint.h"
#include "ui/Services.h"
#include "ui/SoundPlayer.h"
#include "ui/Speech.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace ortix::test {

// A message box that records what it was asked and gives scripted answers
// (Yes when the script is empty).
class RecordingMessageBoxes : public ui::MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        QString title;
        ui::MsgButtons buttons;
        ui::MsgIcon icon;
        bool operator==(const Shown &) const = default;
    };
    ui::MsgAnswer show(QWidget *parent, const QString &text, const QString &title, ui::MsgButtons buttons,
                       ui::MsgIcon icon) override;

    std::vector<Shown> shown;
    std::deque<ui::MsgAnswer> answers;
};
using Shown = RecordingMessageBoxes::Shown;
// How QCOMPARE prints a message shown.
char *toString(const Shown &shown);

class RecordingSoundPlayer : public ui::SoundPlayer
{
public:
    void play(const QString &wavePath) override { played.append(wavePath); }
    QStringList played;
};

// A speech engine that keeps every number it is asked to read, in order,
// with the voice's language, and whether it was asked to start.
class RecordingSpeech : public ui::Speech
{
public:
    struct Said
    {
        qint64 number;
        QLocale::Language language;
    };
    void start() override { ++starts; }
    void sayNumber(qint64 number, QLocale::Language language) override { said.push_back({number, language}); }
    // The numbers said, in order, each as "number/language" (47/Italian).
    QStringList heard() const;

    std::vector<Said> said;
    int starts = 0;
};

class FixedScreen : public ui::ScreenInfo
{
public:
    explicit FixedScreen(QRect area)
        : m_area(area)
    {
    }
    QRect geometry() const override { return m_area; }
    QRect m_area;
};

class RecordingProgramEnd : public ui::ProgramEnd
{
public:
    void endNow() override;
    int ends = 0;
};

// The user's folders, inside a folder of the test's own.
class FixedUserFolders : public ui::UserFolders
{
public:
    explicit FixedUserFolders(const QString &root);
    QString settingsRoot() const override { return m_settingsRoot; }
    QString documents() const override { return m_documents; }
    QString m_settingsRoot;
    QString m_documents;
};

// A printer that saves every page as a PDF file of its folder
// ("printed-1.pdf", ...) and keeps a picture of the last page, 1000 pixels
// wide, for checks of what was drawn. It reports `answer` (Printed unless
// a test asks for another outcome).
class PdfPrinting : public ui::Printing
{
public:
    explicit PdfPrinting(const QString &folder)
        : m_folder(folder)
    {
    }
    ui::PrintResult print(const ui::PrintJob &job) override;

    QStringList files;
    QImage lastPage;
    ui::PrintOutcome answer = ui::PrintOutcome::Printed;
    QString m_folder;
};

// The number of pages of a PDF file (its "/Type /Page" objects).
int pdfPageCount(const QString &path);

// Puts a new service (a fake, or a real one watched) in a slot of
// ui::services(); the service, for the test's checks.
template <typename Service, typename Slot, typename... Args>
Service *install(Slot &slot, Args &&...args)
{
    auto service = std::make_unique<Service>(std::forward<Args>(args)...);
    Service *kept = service.get();
    slot = std::move(service);
    return kept;
}

// The services every test starts from, reachable for its checks.
struct Fakes
{
    RecordingMessageBoxes *messages = nullptr;
    RecordingSoundPlayer *sounds = nullptr;
    RecordingSpeech *speech = nullptr;
    FixedScreen *screen = nullptr;
    RecordingProgramEnd *end = nullptr;
    PdfPrinting *printing = nullptr;
    FixedUserFolders *folders = nullptr;
};

// A fresh run: shared values as at start, every window gone, recording
// services, a 1024 x 768 screen at 15 twips a pixel, a generator with a
// fixed seed, and a program folder of its own (empty until filled). The
// user's folders and the printer's PDF files lie in its subfolder "user".
class TestRun
{
public:
    explicit TestRun(quint32 seed = 12345);
    ~TestRun();

    Fakes fakes;
    QString folder() const { return m_folder.path(); }
    // Copies the shipped language files and LangSetting.ini in.
    void copyShippedLanguageFiles() const;
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    // Where the program's lock (that keeps a second instance out) lies.
    QString lockPath() const;
    // The free frame's settings folder in the user's folders.
    QString frameSettingsFolder() const;

private:
    QTemporaryDir m_folder;
};

// While it lives, the process obeys file permissions even when it runs as
// the administrator (as CI machines often do), so a read-only folder
// really refuses writes.
class ObeyFilePermissions
{
public:
    ObeyFilePermissions();
    ~ObeyFilePermissions();
    ObeyFilePermissions(const ObeyFilePermissions &) = delete;
    ObeyFilePermissions &operator=(const ObeyFilePermissions &) = delete;

private:
    bool m_lowered = false;
    quint32 m_effective[2] = {0, 0};
};

// Makes a folder read-only (or writable again).
void setFolderWritable(const QString &folder, bool writable);

// A generator that gives the values it is told to, then seeded ones; it
// counts every draw.
class ScriptedRnd : public Rnd
{
public:
    float next() override;
    std::deque<float> script;
    int calls = 0;

private:
    SeededRnd m_fallback{7};
};

// A ScriptedRnd installed as the program's generator.
ScriptedRnd &installScriptedRnd();

// A value v for which Int(v * n) gives `whole`.
float pick(int whole, int n);

// Writes a file of `folder`: its path, or an empty text when it could not
// be written whole.
QString writeFileIn(const QString &folder, const QString &name, const QByteArray &bytes);
// A file of the given size that holds only `head`: the rest is a hole,
// which costs no disk and reads as NUL bytes. Its path, or an empty text.
QString sparseFile(const QString &folder, const QString &name, const QByteArray &head, qint64 size);
// A file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);

// The most memory the process has held so far, in MiB.
qint64 peakMemoryMiB();

// A test window "FormProva" ("Prova"), 6000 x 4500 twips, of these controls.
ui::FormBlueprint sampleForm(std::vector<ui::ControlBlueprint> controls);

// Unloads and deletes every open window now.
void closeAllForms();
// What a new process of the program starts from: no window, the shared
// values as at start, no unsaved language choice, no resizer.
void startAfresh();
// Runs pending deletions, so unloaded windows are really gone.
void flushDeletes();

} // namespace ortix::test
