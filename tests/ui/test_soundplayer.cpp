#include "TestSupport.h"

#include "ui/QtSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <tuple>

using ortix::ui::QtSoundPlayer;

namespace {

constexpr int kFullScale = 32767;

QString soundPath(const QString &name)
{
    return QStringLiteral(ORTIX_RUNTIME_DIR "/suoni/") + name;
}

template <typename T>
QByteArray le(T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, sizeof(T));
}

// A chunk whose header may claim another length than its body has.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    const auto length = quint32(declared < 0 ? body.size() : declared);
    return QByteArray(id, 4) + le(length) + body + QByteArray(body.size() % 2, '\0');
}

QByteArray fmtBody(quint16 tag = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16)
{
    const quint16 block = quint16(channels * bits / 8);
    return le(tag) + le(channels) + le(rate) + le(quint32(rate * block)) + le(block) + le(bits);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// The body of the first chunk of that id in a RIFF/WAVE file.
QByteArray chunkBody(const QByteArray &wave, const char *id)
{
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const qsizetype length = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        if (wave.mid(at, 4) == id) {
            return wave.mid(at + 8, length);
        }
        at += 8 + length + length % 2;
    }
    return QByteArray();
}

// The 16-bit samples of a shipped sound.
QList<qint16> samplesOf(const QString &name)
{
    const QByteArray data = chunkBody(ortix::test::readBytes(soundPath(name)), "data");
    QList<qint16> samples(data.size() / 2);
    qFromLittleEndian<qint16>(data.constData(), samples.size(), samples.data());
    return samples;
}

int peakOf(const QList<qint16> &samples)
{
    const auto louder = [](qint16 a, qint16 b) { return std::abs(int(a)) < std::abs(int(b)); };
    return std::abs(int(*std::max_element(samples.begin(), samples.end(), louder)));
}

// Long enough for the effects to load, fail and start in the background.
constexpr int kSoundsRun = 150;

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void generatedAndStrangeWaves();
    void playerHoldsWhatItCanPlayAndNoMore();
};

void TestSoundPlayer::generatedAndStrangeWaves()
{
    // The sounds synthesised at build time.
    // Right answers are short cheerful chimes, each its own, the wrong answer
    // no louder than any; the bead sounds are brief.
    const std::tuple<const char *, double, double> sounds[] = {
        {"si1.wav", 0.3, 0.7},   {"si2.wav", 0.3, 0.7},       {"si3.wav", 0.3, 0.7},  {"si4.wav", 0.3, 0.7},
        {"no.wav", 0.2, 1.0},    {"pop1.wav", 0.02, 0.25},    {"blip01.wav", 0.02, 0.25}, {"up05.wav", 0.1, 0.6}};
    QList<QList<qint16>> chimes;
    for (const auto &[file, minSeconds, maxSeconds] : sounds) {
        const QString name = QString::fromLatin1(file);
        // Chunks within the file, a sane format before the data.
        QVERIFY2(QtSoundPlayer::isCompleteWave(soundPath(name)), file);
        const QByteArray bytes = ortix::test::readBytes(soundPath(name));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
        // 16-bit mono PCM, every field consistent.
        const QByteArray fmt = chunkBody(bytes, "fmt ");
        const auto sampleRate = qFromLittleEndian<quint32>(fmt.constData() + 4);
        QVERIFY(sampleRate >= 8000 && sampleRate <= 48000);
        QCOMPARE(fmt, fmtBody(1, 1, sampleRate, 16));
        QCOMPARE(chunkBody(bytes, "data").size() % 2, 0);
        const QList<qint16> samples = samplesOf(name);
        const double seconds = double(samples.size()) / sampleRate;
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, file);
        // Loud enough to hear, never clipped.
        const int peak = peakOf(samples);
        QVERIFY2(peak > kFullScale / 10 && peak < kFullScale * 9 / 10, file);
        // No click at either end: the sound fades in from and out to silence.
        QVERIFY(peakOf(samples.first(8)) < kFullScale / 100 && peakOf(samples.last(8)) < kFullScale / 100);
        if (name.startsWith(u"si")) {
            QVERIFY(!chimes.contains(samples));
            QVERIFY(peakOf(samplesOf(QStringLiteral("no.wav"))) <= peak);
            chimes.append(samples);
        }
    }

    // Files of any make: only a complete plain PCM wave is one.
    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QByteArray data = chunk("data", QByteArray(400, '\0'));
    const std::tuple<const char *, QByteArray, bool> waves[] = {
        {"fmt and data", riff(fmt + data), true},
        {"other chunks around", riff(chunk("JUNK", "abcd") + fmt + chunk("LIST", "ab") + data), true},
        {"odd data length", riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", "abc")), true},
        {"8-bit stereo 8000 Hz", riff(chunk("fmt ", fmtBody(1, 2, 8000, 8)) + data), true},
        {"float", riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + data), true},
        {"empty", QByteArray(), false},
        {"not RIFF", "RIFX" + riff(fmt + data).mid(4), false},
        {"not WAVE", "RIFF" + le(quint32(100)) + "AVI " + fmt + data, false},
        {"no data chunk", riff(fmt), false},
        {"data before fmt", riff(data + fmt), false},
        {"no sound in data", riff(fmt + chunk("data", QByteArray())), false},
        {"data longer than the file", riff(fmt + chunk("data", QByteArray(100, '\0'), 100000)), false},
        {"odd-length chunk before data", riff(chunk("JUNK", "abc") + fmt + data), false},
        {"fmt too short", riff(chunk("fmt ", fmtBody().left(12)) + data), false},
        {"compressed format", riff(chunk("fmt ", fmtBody(2)) + data), false},
        {"no channels", riff(chunk("fmt ", fmtBody(1, 0)) + data), false},
        {"zero bits", riff(chunk("fmt ", fmtBody(1, 1, 22050, 0)) + data), false},
        {"zero rate", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data), false},
    };
    QTemporaryDir dir;
    for (const auto &[name, bytes, complete] : waves) {
        const QString path = ortix::test::writeFileIn(dir.path(), QStringLiteral("sound.wav"), bytes);
        QVERIFY(!path.isEmpty());
        QVERIFY2(QtSoundPlayer::isCompleteWave(path) == complete, name);
    }
}

void TestSoundPlayer::playerHoldsWhatItCanPlayAndNoMore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no.wav"));
    // A file that cannot be played gives the platform's default sound.
    int defaultSounds = 0;
    QtSoundPlayer player([&defaultSounds] { ++defaultSounds; });
    // The sounds held, and the default sounds given.
    const auto state = [&] { return std::pair(player.cachedSoundCount(), defaultSounds); };
    player.play(path); // missing
    QCOMPARE(state(), std::pair(0, 1));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("no.wav")));
    QVERIFY(!QtSoundPlayer::isCompleteWave(path));
    player.play(path); // a folder of that name
    QCOMPARE(state(), std::pair(0, 2));
    QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("no.wav")));
    QVERIFY(QFile::copy(soundPath(QStringLiteral("no.wav")), path));
    player.play(path); // fixed later
    QCOMPARE(player.cachedSoundCount(), 1);
    QTest::qWait(kSoundsRun);
    QCOMPARE(defaultSounds, 2);

    // A file Qt's loader would wait on for ever is never handed to it; the
    // player going away at the end shows nothing was left waiting.
    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QString cut = ortix::test::writeFileIn(dir.path(), QStringLiteral("cut.wav"),
                                                 riff(fmt + chunk("data", QByteArray(100, '\0'), 100000)));
    const QString extra = ortix::test::writeFileIn(dir.path(), QStringLiteral("extra.wav"),
                                                   riff(chunk("JUNK", "ab") + fmt + chunk("data", QByteArray(600, '\0'))));
    int held = 1;
    for (const QString &file : {cut, extra, soundPath(QStringLiteral("si1.wav"))}) {
        player.play(file);
        player.play(file); // twice in a row, before the first has even loaded
        QTest::qWait(kSoundsRun);
        player.play(file); // again once the file has loaded or failed
        QTest::qWait(kSoundsRun);
        // A playable file is held once, however often it is played; one that
        // could not play does not stand in the way of the next.
        held += file == cut ? 0 : 1;
        QCOMPARE(player.cachedSoundCount(), held);
    }

    QtSoundPlayer bounded;
    const int files = 3 * QtSoundPlayer::CacheLimit;
    for (int i = 0; i < files; ++i) {
        const QString copy = dir.filePath(QStringLiteral("blip%1.wav").arg(i));
        QVERIFY(QFile::copy(soundPath(QStringLiteral("blip01.wav")), copy));
        bounded.play(copy);
        QCOMPARE(bounded.cachedSoundCount(), std::min(i + 1, int(QtSoundPlayer::CacheLimit)));
    }
    QTest::qWait(kSoundsRun);
    // Playing a file already held neither grows nor shrinks the cache; with
    // nothing to play the current sound just stops.
    bounded.play(dir.filePath(QStringLiteral("blip%1.wav").arg(files - 1)));
    bounded.play(QString());
    QCOMPARE(bounded.cachedSoundCount(), int(QtSoundPlayer::CacheLimit));
    QTest::qWait(kSoundsRun);
}

QTEST_MAIN(TestSoundPlayer)
#include "test_soundplayer.moc"
