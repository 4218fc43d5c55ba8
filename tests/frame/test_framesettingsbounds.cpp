#include "TestSupport.h"

#include "app/Main.h"
#include "frame/FrameSettings.h"
#include "frame/Formortix.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace ortix;

// The free frame's settings file comes from outside the program: however
// large or strange it is, reading it takes bounded time and memory, and a
// file that is no settings file gives the defaults.

namespace {

const FrameSettings kDefaults{6, 9};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// head, then a hole up to size: no disk used, read as NUL bytes.
bool writeSparse(const QString &path, const QByteArray &head, qint64 size)
{
    QFile file(path);
    return writeFile(path, head) && file.open(QIODevice::ReadWrite) && file.resize(size);
}

// The settings read from an "ortix.INI" holding exactly these bytes; none
// when the file could not be written.
std::optional<FrameSettings> loadWritten(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ortix.INI"));
    if (!writeFile(path, bytes)) {
        return std::nullopt;
    }
    return loadFrameSettings(path);
}

qint64 peakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) / 1024;
}

} // namespace

class TestFrameSettingsBounds : public QObject
{
    Q_OBJECT

private slots:
    void hugeSparseFileGivesDefaultsAtOnce();
    void oneLineWithoutLineEnd_data();
    void oneLineWithoutLineEnd();
    void binaryData_data();
    void binaryData();
    void notOrdinaryFiles_data();
    void notOrdinaryFiles();
    void frameStartsWithDefaultsFromAHugeFile();
};

void TestFrameSettingsBounds::hugeSparseFileGivesDefaultsAtOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ortix.INI"));
    const qint64 size = qint64(300) * 1024 * 1024;
    QVERIFY(writeSparse(path, "3\r\n18\r\n", size));
    QCOMPARE(QFileInfo(path).size(), size);
    const qint64 before = peakMemoryMiB();
    QCOMPARE(readSmallFile(path, kFrameSettingsMaxBytes), std::nullopt);
    QCOMPARE(loadFrameSettings(path), kDefaults);
    QVERIFY2(peakMemoryMiB() - before < 32, qPrintable(QStringLiteral("%1 MiB more").arg(peakMemoryMiB() - before)));
}

void TestFrameSettingsBounds::oneLineWithoutLineEnd_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<char>("filler");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<FrameSettings>("expected");

    const qint64 bound = kFrameSettingsMaxBytes;
    QTest::newRow("two numbers then letters, at the bound") << QByteArray("2,7,") << 'x' << bound << FrameSettings{2, 7};
    QTest::newRow("two numbers then letters, a byte over") << QByteArray("2,7,") << 'x' << bound + 1 << kDefaults;
    QTest::newRow("a number of 64 KiB digits") << QByteArray("3,") << '4' << bound << kDefaults;
    QTest::newRow("blanks, then the numbers at the end") << QByteArray() << ' ' << bound << FrameSettings{5, 10};
    QTest::newRow("4 MiB of digits") << QByteArray() << '1' << qint64(4) * 1024 * 1024 << kDefaults;
}

void TestFrameSettingsBounds::oneLineWithoutLineEnd()
{
    QFETCH(QByteArray, head);
    QFETCH(char, filler);
    QFETCH(qint64, size);
    QFETCH(FrameSettings, expected);
    QByteArray bytes = head;
    const QByteArray tail = head.isEmpty() && filler == ' ' ? QByteArray("5 10") : QByteArray();
    bytes += QByteArray(size - head.size() - tail.size(), filler) + tail;
    QCOMPARE(qint64(bytes.size()), size);
    QVERIFY(!bytes.contains('\n'));

    const std::optional<FrameSettings> loaded = loadWritten(bytes);
    QVERIFY(loaded);
    QCOMPARE(*loaded, expected);
}

void TestFrameSettingsBounds::binaryData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FrameSettings>("expected");

    QByteArray noise;
    for (int i = 0; i < 5000; ++i) {
        noise += char((i * 131 + 7) % 256);
    }
    QTest::newRow("NUL inside a number") << QByteArray("4\0" "5\r\n", 5) << kDefaults;
    QTest::newRow("NUL bytes after the numbers") << QByteArray("4\r\n5\r\n") + QByteArray(60000, '\0') << FrameSettings{4, 5};
    QTest::newRow("NUL bytes before the numbers") << QByteArray(100, '\0') + "4\r\n5\r\n" << kDefaults;
    QTest::newRow("noise after the numbers") << QByteArray("1,18,") + noise << FrameSettings{1, 18};
    QTest::newRow("noise only") << noise << kDefaults;
    QTest::newRow("byte order mark of UTF-16") << QByteArray("\xFF\xFE" "4\0\r\0\n\0" "5\0", 10) << kDefaults;
}

void TestFrameSettingsBounds::binaryData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FrameSettings, expected);
    const std::optional<FrameSettings> loaded = loadWritten(bytes);
    QVERIFY(loaded);
    QCOMPARE(*loaded, expected);
}

void TestFrameSettingsBounds::notOrdinaryFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("endless device") << "device";
    QTest::newRow("pipe nobody writes to") << "pipe";
}

void TestFrameSettingsBounds::notOrdinaryFiles()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ortix.INI"));
    if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    // Neither waits for a writer nor reads forever.
    QCOMPARE(readSmallFile(path, kFrameSettingsMaxBytes), std::nullopt);
    QCOMPARE(loadFrameSettings(path), kDefaults);
}

void TestFrameSettingsBounds::frameStartsWithDefaultsFromAHugeFile()
{
    test::TestRun run;
    const QString folder = QDir(run.fakes.folders->settingsRoot()).filePath(QStringLiteral("ImpostazioniProgrammiQuirn"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath(QStringLiteral("ortix.INI"));
    QVERIFY(writeSparse(path, "2\r\n5\r\n", qint64(300) * 1024 * 1024));

    registerAllForms();
    auto *frame = qobject_cast<Formortix *>(ui::Forms::open(QStringLiteral("Formortix"), nullptr));
    QVERIFY(frame);
    QCOMPARE(frame->NumeroFili(), 6);
    QCOMPARE(frame->PallinePerFilo(), 9);
    // Closing keeps the settings in use: the huge file gives way to them.
    frame->close();
    test::flushDeletes();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("6\r\n9\r\n"));
}

QTEST_MAIN(TestFrameSettingsBounds)
#include "test_framesettingsbounds.moc"
