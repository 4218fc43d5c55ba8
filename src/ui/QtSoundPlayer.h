#pragma once

#include "ui/SoundPlayer.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

QT_BEGIN_NAMESPACE
class QSoundEffect;
QT_END_NAMESPACE

namespace ortix::ui {

// The program's SoundPlayer, on QSoundEffect (the media player crashes on
// machines without a sound back end). Each file is loaded once and kept, so
// the feedback sounds of a busy exercise do not go back to the disk; only
// the most recently played files are kept. A file that is missing or that
// cannot be played gives the platform's default sound instead.
class QtSoundPlayer : public SoundPlayer
{
public:
    enum { CacheLimit = 12 };

    // defaultSound: the platform's beep unless a test listens for it.
    explicit QtSoundPlayer(std::function<void()> defaultSound = {});
    ~QtSoundPlayer() override;

    void play(const QString &wavePath) override;

    // How many files are held loaded; never more than CacheLimit.
    int cachedSoundCount() const;

    // True when the file is a RIFF/WAVE file whose format and sound data lie
    // wholly within it. Qt's loader waits for ever on a file that ends too
    // soon, and from then on every QSoundEffect blocks when it is deleted,
    // so nothing else is handed to it.
    static bool isCompleteWave(const QString &path);

private:
    struct CachedSound
    {
        QString path;
        std::unique_ptr<QSoundEffect> effect;
    };

    QSoundEffect *effectFor(const QString &wavePath);

    std::function<void()> m_defaultSound;
    std::vector<CachedSound> m_cache; // least recently played first
    QSoundEffect *m_current = nullptr;
};

} // namespace ortix::ui
