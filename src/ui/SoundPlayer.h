#pragma once

#include <QString>

namespace ortix::ui {

// Plays short wave files asynchronously: play() returns at once, a new sound
// cuts off the one still playing, and a missing or unreadable file or a
// machine without audio is silently ignored. The program uses the Qt
// Multimedia player; tests install a recorder.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavePath) = 0;
};

} // namespace ortix::ui
