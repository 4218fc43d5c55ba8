#pragma once

#include "ui/Services.h"
#include "ui/SoundPlayer.h"

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
    };
    ui::MsgAnswer show(QWidget *parent, const QString &text, const QString &title, ui::MsgButtons buttons,
                       ui::MsgIcon icon) override;

    std::vector<Shown> shown;
    std::deque<ui::MsgAnswer> answers;
};

class RecordingSoundPlayer : public ui::SoundPlayer
{
public:
    void play(const QString &wavePath) override { played.append(wavePath); }
    QStringList played;
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

// The services every test starts from, reachable for its checks.
struct Fakes
{
    RecordingMessageBoxes *messages = nullptr;
    RecordingSoundPlayer *sounds = nullptr;
    FixedScreen *screen = nullptr;
    RecordingProgramEnd *end = nullptr;
};

// A fresh run: shared values as at start, every window gone, recording
// services, a 1024 x 768 screen at 15 twips a pixel, a generator with a
// fixed seed, and a program folder of its own (empty until filled).
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

// Unloads and deletes every open window now.
void closeAllForms();
// Runs pending deletions, so unloaded windows are really gone.
void flushDeletes();

} // namespace ortix::test
