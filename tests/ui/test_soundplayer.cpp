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

QString soundPath(const QString &name)
{
    return soundsFolder() + QLatin1Char('/') + name;
}

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray le16(quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

// A chunk whose header may claim another length than its body has.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declared = -1)
{
    const auto length = quint32(declared < 0 ? body.size() : declared);
    QByteArray bytes = QByteArray(id, 4) + le32(length) + body;
    if (body.size() % 2 != 0) {
        bytes.append('\0');
    }
    return bytes;
}

QByteArray fmtBody(quint16 tag = 1, quint16 channels = 1, quint32 rate = 22050, quint16 bits = 16)
{
    const quint16 block = quint16(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits);
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

QByteArray silence(int samples)
{
    return QByteArray(2 * samples, '\0');
}

QByteArray randomBytes()
{
    QRandomGenerator generator(20240611);
    QByteArray bytes(4096, Qt::Uninitialized);
    for (char &b : bytes) {
        b = char(generator.bounded(256));
    }
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a 16-bit RIFF/WAVE file says about itself, read chunk by chunk.
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

Wave readWave(const QString &path)
{
    Wave wave;
    const QByteArray bytes = readAll(path);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.error = QStringLiteral("not a RIFF/WAVE file");
        return wave;
    }
    if (qFromLittleEndian<quint32>(bytes.constData() + 4) != quint32(bytes.size() - 8)) {
        wave.error = QStringLiteral("RIFF length disagrees with the file size");
        return wave;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (length > quint32(bytes.size() - at - 8)) {
            wave.error = QStringLiteral("chunk runs past the end");
            return wave;
        }
        if (id == "fmt " && length >= 16) {
            wave.format = qFromLittleEndian<quint16>(body);
            wave.channels = qFromLittleEndian<quint16>(body + 2);
            wave.sampleRate = int(qFromLittleEndian<quint32>(body + 4));
            wave.byteRate = int(qFromLittleEndian<quint32>(body + 8));
            wave.blockAlign = qFromLittleEndian<quint16>(body + 12);
            wave.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || length % 2 != 0) {
                wave.error = QStringLiteral("data before fmt, or odd data length");
                return wave;
            }
            for (quint32 i = 0; i < length; i += 2) {
                wave.samples.append(qFromLittleEndian<qint16>(body + i));
            }
            haveData = true;
        }
        at += 8 + length + (length % 2);
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

    void completeWave_data();
    void completeWave();

    void anyFilePlaysHarmlessly_data();
    void anyFilePlaysHarmlessly();
    void fileFixedLaterIsPlayed();
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

    const Wave wave = readWave(soundPath(name));
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

    QVERIFY(QtSoundPlayer::isCompleteWave(soundPath(name)));
}

void TestSoundPlayer::rightAnswerSoundsDiffer()
{
    QList<QList<qint16>> sounds;
    for (int k = 1; k <= 4; ++k) {
        const Wave wave = readWave(soundPath(QStringLiteral("si%1.wav").arg(k)));
        QVERIFY2(wave.error.isEmpty(), qPrintable(wave.error));
        for (const QList<qint16> &earlier : sounds) {
            QVERIFY(earlier != wave.samples);
        }
        sounds.append(wave.samples);
    }
}

void TestSoundPlayer::wrongSoundIsNoLouderThanTheRightOnes()
{
    const Wave wrong = readWave(soundPath(QStringLiteral("no.wav")));
    QVERIFY2(wrong.error.isEmpty(), qPrintable(wrong.error));
    for (int k = 1; k <= 4; ++k) {
        const Wave right = readWave(soundPath(QStringLiteral("si%1.wav").arg(k)));
        QVERIFY2(right.error.isEmpty(), qPrintable(right.error));
        QVERIFY(peakOf(wrong.samples) <= peakOf(right.samples));
    }
}

void TestSoundPlayer::completeWave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("complete");

    const QByteArray fmt = chunk("fmt ", fmtBody());
    const QByteArray data = chunk("data", silence(200));

    QTest::newRow("fmt and data") << riff(fmt + data) << true;
    QTest::newRow("other chunks around") << riff(chunk("JUNK", "abcd") + fmt + chunk("LIST", "ab") + data)
                                         << true;
    QTest::newRow("odd data length") << riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", "abc"))
                                     << true;
    QTest::newRow("8-bit stereo 8000 Hz") << riff(chunk("fmt ", fmtBody(1, 2, 8000, 8)) + data) << true;
    QTest::newRow("float") << riff(chunk("fmt ", fmtBody(3, 1, 44100, 32)) + data) << true;

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("shorter than the RIFF header") << QByteArray("RIFF\x10\0\0\0WAV", 11) << false;
    QTest::newRow("random bytes") << randomBytes() << false;
    QTest::newRow("not RIFF") << "RIFX" + riff(fmt + data).mid(4) << false;
    QTest::newRow("not WAVE") << "RIFF" + le32(100) + "AVI " + fmt + data << false;
    QTest::newRow("no data chunk") << riff(fmt) << false;
    QTest::newRow("data before fmt") << riff(data + fmt) << false;
    QTest::newRow("no sound in data") << riff(fmt + chunk("data", QByteArray())) << false;
    QTest::newRow("data longer than the file") << riff(fmt + chunk("data", silence(50), 100000)) << false;
    QTest::newRow("fmt longer than the file") << riff(chunk("fmt ", fmtBody(), 5000)) << false;
    QTest::newRow("chunk before data runs past the end")
        << riff(fmt + chunk("LIST", "abcd", 5000) + data) << false;
    QTest::newRow("odd-length chunk before data") << riff(chunk("JUNK", "abc") + fmt + data) << false;
    QTest::newRow("fmt too short") << riff(chunk("fmt ", fmtBody().left(12)) + data) << false;
    QTest::newRow("compressed format") << riff(chunk("fmt ", fmtBody(2)) + data) << false;
    QTest::newRow("no channels") << riff(chunk("fmt ", fmtBody(1, 0)) + data) << false;
    QTest::newRow("zero bits") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 0)) + data) << false;
    QTest::newRow("zero rate") << riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data) << false;
}

void TestSoundPlayer::completeWave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, complete);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(QtSoundPlayer::isCompleteWave(path), complete);
}

void TestSoundPlayer::anyFilePlaysHarmlessly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("held");

    const QByteArray fmt = chunk("fmt ", fmtBody());
    // Files Qt's loader would wait on for ever are never handed to it; the
    // player going away at the end of each row shows nothing was left waiting.
    QTest::newRow("missing file") << "missing" << QByteArray() << 0;
    QTest::newRow("missing folder") << "missing folder" << QByteArray() << 0;
    QTest::newRow("folder named .wav") << "folder" << QByteArray() << 0;
    QTest::newRow("empty file") << "file" << QByteArray() << 0;
    QTest::newRow("random bytes") << "file" << randomBytes() << 0;
    QTest::newRow("data cut short") << "file" << riff(fmt + chunk("data", silence(50), 100000)) << 0;
    QTest::newRow("odd-length chunk") << "file" << riff(chunk("JUNK", "abc") + fmt + chunk("data", silence(300)))
                                      << 0;
    QTest::newRow("extra chunks") << "file" << riff(chunk("JUNK", "ab") + fmt + chunk("data", silence(300)))
                                  << 1;
    QTest::newRow("good file") << "good" << QByteArray() << 1;
}

void TestSoundPlayer::anyFilePlaysHarmlessly()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, held);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("sound.wav"));
    if (kind == QLatin1String("missing folder")) {
        path = dir.filePath(QStringLiteral("nowhere/sound.wav"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sound.wav")));
    } else if (kind == QLatin1String("file")) {
        QVERIFY(writeFile(path, bytes));
    } else if (kind == QLatin1String("good")) {
        path = soundPath(QStringLiteral("si1.wav"));
    }

    QtSoundPlayer player;
    player.play(path);
    player.play(path); // twice in a row, before the first has even loaded
    letSoundsRun();
    player.play(path); // again once the file has loaded or failed
    letSoundsRun();
    // A playable file is held once, however often it is played.
    QCOMPARE(player.cachedSoundCount(), held);

    // A sound that could not play does not stand in the way of the next.
    player.play(soundPath(QStringLiteral("pop1.wav")));
    letSoundsRun();
    QCOMPARE(player.cachedSoundCount(), held + 1);
}

void TestSoundPlayer::fileFixedLaterIsPlayed()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("no.wav"));

    QtSoundPlayer player;
    player.play(path);
    QCOMPARE(player.cachedSoundCount(), 0);
    QVERIFY(writeFile(path, QByteArray()));
    player.play(path);
    QCOMPARE(player.cachedSoundCount(), 0);

    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::copy(soundPath(QStringLiteral("no.wav")), path));
    player.play(path);
    QCOMPARE(player.cachedSoundCount(), 1);
    letSoundsRun();
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
        player.play(soundPath(name));
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

    QtSoundPlayer player;
    const int files = 3 * QtSoundPlayer::CacheLimit;
    for (int i = 0; i < files; ++i) {
        const QString copy = dir.filePath(QStringLiteral("blip%1.wav").arg(i));
        QVERIFY(QFile::copy(soundPath(QStringLiteral("blip01.wav")), copy));
        player.play(copy);
        QCOMPARE(player.cachedSoundCount(), std::min(i + 1, int(QtSoundPlayer::CacheLimit)));
    }
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
        player.play(soundPath(QStringLiteral("si3.wav")));
        player.play(soundPath(QStringLiteral("si4.wav")));
    }
    letSoundsRun();
    {
        QtSoundPlayer player;
        player.play(soundPath(QStringLiteral("up05.wav")));
        letSoundsRun();
    }
    letSoundsRun();
}

QTEST_MAIN(TestSoundPlayer)
#include "test_soundplayer.moc"
