#include "ui/QtSoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace ortix::ui {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &wavePath)
{
    // One sound at a time: a new one cuts off the one still playing.
    if (m_current) {
        m_current->stop();
        m_current = nullptr;
    }
    if (wavePath.isEmpty()) {
        return;
    }
    // QSoundEffect loads in the background and starts once the file is
    // ready; a file it cannot read simply stays silent.
    m_current = effectFor(wavePath);
    m_current->play();
}

int QtSoundPlayer::cachedSoundCount() const
{
    return static_cast<int>(m_cache.size());
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &wavePath)
{
    auto found = std::find_if(m_cache.begin(), m_cache.end(),
                              [&wavePath](const CachedSound &sound) { return sound.path == wavePath; });
    if (found != m_cache.end()) {
        const QSoundEffect::Status status = found->effect->status();
        // A file that was missing or broken is tried again: it may have been
        // put right since.
        if (status == QSoundEffect::Error || status == QSoundEffect::Null) {
            m_cache.erase(found);
        } else {
            // Most recently played goes last.
            std::rotate(found, found + 1, m_cache.end());
            return m_cache.back().effect.get();
        }
    }

    if (m_cache.size() >= CacheLimit) {
        m_cache.erase(m_cache.begin());
    }
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(wavePath));
    m_cache.push_back({wavePath, std::move(effect)});
    return m_cache.back().effect.get();
}

} // namespace ortix::ui
