#include "ui/QtSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

using ortix::ui::QtSoundPlayer;

namespace {

constexpr int kFullScale = 32767;

QString soundsFolder()
{
    return QStringLiteral(ORTIX_RUNTIME_DIR "/suoni");
}

// What a RIFF/WAVE file says about itself, read chunk by chunk.
struct Wave
{
    QString error;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QList<qint16> samples;
};

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

Wave readWave(const QString &path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wave.error = QStringLiteral("cannot open");
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.error = QStringLiteral("not RIFF/WAVE");
        return wave;
    }
    if (le32(bytes, 4) != quint32(bytes.size() - 8)) {
        wave.error = QStringLiteral("RIFF size disagrees with the file size");
        return wave;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body)) {
            wave.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.sampleRate = int(le32(bytes, body + 4));
            wave.byteRate = int(le32(bytes, body + 8));
            wave.blockAlign = le16(bytes, body + 12);
            wave.bits = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || size % 2 != 0) {
                wave.error = QStringLiteral("data before fmt or odd data size");
                return wave;
            }
            for (quint32 i = 0; i < size; i += 2) {
                wave.samples.append(qint16(le16(bytes, body + i)));
            }
            haveData = true;
        }
        at = body + size + (size % 2); // chunks are padded to even length
    }
    if (!haveFormat || !haveData) {
        wave.error = QStringLiteral("fmt or data chunk missing");
    }
    return wave;
}

int peakOf(const QList<qint16> &samples)
{
    int peak = 0;
    for (const qint16 s : samples) {
        peak = std::max(peak, std::abs(int(s)));
    }
    return peak;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A RIFF header that promises far more sound than the file holds.
QByteArray truncatedWave()
{
    QByteArray bytes("RIFF");
    const auto put32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    const auto put16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    put32(0x7ffffff0);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(0x7fffffc0);
    bytes.append(QByteArray(100, '\x10'));
    return bytes;
}

// Lets the effects load, fail and start in the background.
void letSoundsRun()
{
    QTest::qWait(150);
}

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void generatedWaveIsValid_data();
    void generatedWaveIsValid();
    void rightAnswerSoundsDiffer();
    void wrongSoundIsNoLouderThanTheRightOnes();

    void badOrGoodFilePlaysHarmlessly_data();
    void badOrGoodFilePlaysHarmlessly();
    void newSoundCutsOffTheOneStillPlaying();
    void cacheIsBounded();
    void playerGoesAwayWhileSoundsLoadAndPlay();
};

void TestSoundPlayer::generatedWaveIsValid_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");

    // Right answers are short cheerful chimes; the bead sounds are brief.
    QTest::newRow("si1") << "si1.wav" << 0.3 << 0.7;
    QTest::newRow("si2") << "si2.wav" << 0.3 << 0.7;
    QTest::newRow("si3") << "si3.wav" << 0.3 << 0.7;
    QTest::newRow("si4") << "si4.wav" << 0.3 << 0.7;
    QTest::newRow("no") << "no.wav" << 0.2 << 1.0;
    QTest::newRow("pop1") << "pop1.wav" << 0.02 << 0.25;
    QTest::newRow("blip01") << "blip01.wav" << 0.02 << 0.25;
    QTest::newRow("up05") << "up05.wav" << 0.1 << 0.6;
}

void TestSoundPlayer::generatedWaveIsValid()
{
    QFETCH(QString, name);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);

    const Wave wave = readWave(soundsFolder() + QLatin1Char('/') + name);
    QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
    QCOMPARE(wave.format, 1); // PCM
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.bits, 16);
    QCOMPARE(wave.blockAlign, 2);
    QVERIFY(wave.sampleRate >= 8000 && wave.sampleRate <= 48000);
    QCOMPARE(wave.byteRate, wave.sampleRate * 2);

    const double seconds = double(wave.samples.size()) / wave.sampleRate;
    QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));

    // Loud enough to hear, never clipped.
    const int peak = peakOf(wave.samples);
    QVERIFY(peak > kFullScale / 10);
    QVERIFY(peak < kFullScale * 9 / 10);

    // No click at either end: the sound fades in from and out to silence.
    constexpr int kEdge = 8;
    constexpr int kQuiet = kFullScale / 100;
    for (int i = 0; i < kEdge; ++i) {
        QVERIFY(std::abs(int(wave.samples.at(i))) < kQuiet);
        QVERIFY(std::abs(int(wave.samples.at(wave.samples.size() - 1 - i))) < kQuiet);
    }
}

void TestSoundPlayer::rightAnswerSoundsDiffer()
{
    QList<QList<qint16>> sounds;
    for (int k = 1; k <= 4; ++k) {
        const Wave wave = readWave(soundsFolder() + QStringLiteral("/si%1.wav").arg(k));
        QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
        for (const QList<qint16> &earlier : sounds) {
            QVERIFY(earlier != wave.samples);
        }
        sounds.append(wave.samples);
    }
}

void TestSoundPlayer::wrongSoundIsNoLouderThanTheRightOnes()
{
    const Wave wrong = readWave(soundsFolder() + QStringLiteral("/no.wav"));
    QVERIFY2(wrong.error.isEmpty(), qPrintable(wrong.error));
    for (int k = 1; k <= 4; ++k) {
        const Wave right = readWave(soundsFolder() + QStringLiteral("/si%1.wav").arg(k));
        QVERIFY2(right.error.isEmpty(), qPrintable(right.error));
        QVERIFY(peakOf(wrong.samples) <= peakOf(right.samples));
    }
}

void TestSoundPlayer::badOrGoodFilePlaysHarmlessly_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("missing file") << "missing";
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("random bytes") << "random";
    QTest::newRow("header promises more than the file holds") << "truncated";
    QTest::newRow("folder named .wav") << "folder";
    QTest::newRow("good file") << "good";
}

void TestSoundPlayer::badOrGoodFilePlaysHarmlessly()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("sound.wav"));
    if (kind == QLatin1String("missing folder")) {
        path = dir.filePath(QStringLiteral("nowhere/sound.wav"));
    } else if (kind == QLatin1String("empty")) {
        writeFile(path, QByteArray());
    } else if (kind == QLatin1String("random")) {
        QRandomGenerator generator(20240611);
        QByteArray bytes(4096, Qt::Uninitialized);
        for (char &b : bytes) {
            b = char(generator.bounded(256));
        }
        writeFile(path, bytes);
    } else if (kind == QLatin1String("truncated")) {
        writeFile(path, truncatedWave());
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sound.wav")));
    } else if (kind == QLatin1String("good")) {
        path = soundsFolder() + QStringLiteral("/si1.wav");
        QVERIFY(QFile::exists(path));
    }
    if (QTest::currentTestFailed()) {
        return;
    }

    QtSoundPlayer player;
    player.play(path);
    player.play(path); // twice in a row, before the first has even loaded
    letSoundsRun();
    player.play(path); // again once the file has loaded or failed
    letSoundsRun();
    // The same file is held once, whether it loaded or is tried again.
    QCOMPARE(player.cachedSoundCount(), 1);

    // A sound that could not play does not stand in the way of the next.
    player.play(soundsFolder() + QStringLiteral("/pop1.wav"));
    letSoundsRun();
    QCOMPARE(player.cachedSoundCount(), 2);
}

void TestSoundPlayer::newSoundCutsOffTheOneStillPlaying()
{
    // As a pupil's quick clicks on the frame would: each sound starts before
    // the last has ended, and every file is loaded only once.
    const QStringList names = {QStringLiteral("pop1.wav"), QStringLiteral("pop1.wav"),
                               QStringLiteral("blip01.wav"), QStringLiteral("pop1.wav"),
                               QStringLiteral("up05.wav"), QStringLiteral("si2.wav"),
                               QStringLiteral("no.wav"), QStringLiteral("blip01.wav")};
    QtSoundPlayer player;
    for (const QString &name : names) {
        player.play(soundsFolder() + QLatin1Char('/') + name);
        QTest::qWait(20);
    }
    letSoundsRun();
    QCOMPARE(player.cachedSoundCount(), 5);

    player.play(QString()); // nothing to play: the current sound just stops
    letSoundsRun();
    QCOMPARE(player.cachedSoundCount(), 5);
}

void TestSoundPlayer::cacheIsBounded()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString source = soundsFolder() + QStringLiteral("/blip01.wav");

    QtSoundPlayer player;
    const int files = 3 * QtSoundPlayer::CacheLimit;
    for (int i = 0; i < files; ++i) {
        const QString copy = dir.filePath(QStringLiteral("blip%1.wav").arg(i));
        QVERIFY(QFile::copy(source, copy));
        player.play(copy);
        QVERIFY(player.cachedSoundCount() <= QtSoundPlayer::CacheLimit);
    }
    QCOMPARE(player.cachedSoundCount(), int(QtSoundPlayer::CacheLimit));
    letSoundsRun();

    // Playing a file already held neither grows nor shrinks the cache.
    player.play(dir.filePath(QStringLiteral("blip%1.wav").arg(files - 1)));
    QCOMPARE(player.cachedSoundCount(), int(QtSoundPlayer::CacheLimit));
    letSoundsRun();
}

void TestSoundPlayer::playerGoesAwayWhileSoundsLoadAndPlay()
{
    {
        QtSoundPlayer player;
        player.play(soundsFolder() + QStringLiteral("/si3.wav"));
        player.play(soundsFolder() + QStringLiteral("/si4.wav"));
    }
    letSoundsRun();
    {
        QtSoundPlayer player;
        player.play(soundsFolder() + QStringLiteral("/up05.wav"));
        letSoundsRun();
    }
    letSoundsRun();
}

QTEST_MAIN(TestSoundPlayer)
#include "test_soundplayer.moc"
