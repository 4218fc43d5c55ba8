#include "ui/QtSoundPlayer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

namespace ortix::ui {

namespace {

// Short feedback sounds are a few kilobytes; a bigger file is not one of them
// and would be read whole into memory.
constexpr qint64 kMaxWaveBytes = 16 * 1024 * 1024;

// The fmt fields Qt reads; format tags: PCM, IEEE float, extensible.
bool isSaneFormat(const QByteArray &fmt)
{
    if (fmt.size() < 16) {
        return false;
    }
    const auto tag = qFromLittleEndian<quint16>(fmt.constData());
    const auto channels = qFromLittleEndian<quint16>(fmt.constData() + 2);
    const auto rate = qFromLittleEndian<quint32>(fmt.constData() + 4);
    const auto bits = qFromLittleEndian<quint16>(fmt.constData() + 14);
    return (tag == 1 || tag == 3 || tag == 0xfffe) && channels >= 1 && channels <= 8
           && rate >= 1000 && rate <= 192000 && bits >= 8 && bits <= 32 && bits % 8 == 0;
}

} // namespace

QtSoundPlayer::QtSoundPlayer(std::function<void()> defaultSound)
    : m_defaultSound(defaultSound ? std::move(defaultSound) : [] { QApplication::beep(); })
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &wavePath)
{
    // One sound at a time: a new one cuts off the one still playing.
    if (m_current) {
        m_current->stop();
        m_current = nullptr;
    }
    // QSoundEffect loads in the background and starts once the file is
    // ready, so play() never waits.
    m_current = effectFor(wavePath);
    if (m_current) {
        m_current->play();
    } else if (!wavePath.isEmpty()) {
        m_defaultSound();
    }
}

int QtSoundPlayer::cachedSoundCount() const
{
    return static_cast<int>(m_cache.size());
}

bool QtSoundPlayer::isCompleteWave(const QString &path)
{
    const QFileInfo info(path);
    const qint64 size = info.size();
    if (!info.isFile() || size < 12 || size > kMaxWaveBytes) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray riff = file.read(12);
    if (!riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return false;
    }

    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        if (!file.seek(at)) {
            return false;
        }
        const QByteArray header = file.read(8);
        if (header.size() != 8) {
            return false;
        }
        const QByteArray id = header.left(4);
        const qint64 length = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 body = at + 8;
        if (length > size - body) {
            return false;
        }
        if (id == "data") {
            return haveFormat && length > 0;
        }
        // Qt's reader does not skip the pad byte after an odd-length chunk.
        if (length % 2 != 0) {
            return false;
        }
        if (id == "fmt ") {
            if (length < 16 || !isSaneFormat(file.read(16))) {
                return false;
            }
            haveFormat = true;
        }
        at = body + length;
    }
    return false;
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &wavePath)
{
    auto found = std::find_if(m_cache.begin(), m_cache.end(),
                              [&wavePath](const CachedSound &sound) { return sound.path == wavePath; });
    if (found != m_cache.end()) {
        const QSoundEffect::Status status = found->effect->status();
        if (status != QSoundEffect::Error && status != QSoundEffect::Null) {
            // Most recently played goes last.
            std::rotate(found, found + 1, m_cache.end());
            return m_cache.back().effect.get();
        }
        // Qt could not decode it: drop it, the file may have been put right.
        m_cache.erase(found);
    }

    // Missing, unreadable or cut-short files stay silent, and are looked at
    // again next time.
    if (!isCompleteWave(wavePath)) {
        return nullptr;
    }
    if (m_cache.size() >= CacheLimit) {
        m_cache.erase(m_cache.begin());
    }
    auto effect = std::make_unique<QSoundEffect>();
    // Qt finds out only while loading that it cannot play the file.
    QSoundEffect *loading = effect.get();
    QObject::connect(loading, &QSoundEffect::statusChanged, loading, [this, loading] {
        if (loading == m_current && loading->status() == QSoundEffect::Error) {
            m_current = nullptr;
            m_defaultSound();
        }
    });
    effect->setSource(QUrl::fromLocalFile(wavePath));
    m_cache.push_back({wavePath, std::move(effect)});
    return m_cache.back().effect.get();
}

} // namespace ortix::ui
