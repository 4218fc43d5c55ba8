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

#include <sys/stat.h>

using namespace ortix;

// The free frame's settings file comes from outside the program: however
// large or strange it is, reading it takes bounded time and memory, and a
// file that is no settings file gives the defaults.

namespace {

const FrameSettings kDefaults{6, 9};

} // namespace

class TestFrameSettingsBounds : public QObject
{
    Q_OBJECT

private slots:
    void hugeSparseFileGivesDefaultsAtOnce();
    void strangeContents_data();
    void strangeContents();
    void notOrdinaryFiles_data();
    void notOrdinaryFiles();
};

// 300 MB that use no disk (a hole, read as NUL bytes): neither read whole
// nor kept; the frame starts with the defaults and closing puts them in place.
void TestFrameSettingsBounds::hugeSparseFileGivesDefaultsAtOnce()
{
    test::TestRun run;
    QVERIFY(QDir().mkpath(run.frameSettingsFolder()));
    const qint64 size = qint64(300) * 1024 * 1024;
    const QString path = test::sparseFile(run.frameSettingsFolder(), QStringLiteral("ortix.INI"), "3\r\n18\r\n", size);
    QCOMPARE(QFileInfo(path).size(), size);
    const qint64 before = test::peakMemoryMiB();
    QCOMPARE(readSmallFile(path, kFrameSettingsMaxBytes), std::nullopt);
    QCOMPARE(loadFrameSettings(path), kDefaults);
    QVERIFY2(test::peakMemoryMiB() - before < 32, qPrintable(QStringLiteral("%1 MiB more").arg(test::peakMemoryMiB() - before)));

    registerAllForms();
    auto *frame = qobject_cast<Formortix *>(ui::Forms::open(QStringLiteral("Formortix"), nullptr));
    QVERIFY(frame);
    QCOMPARE(frame->NumeroFili(), 6);
    QCOMPARE(frame->PallinePerFilo(), 9);
    frame->close();
    test::flushDeletes();
    QCOMPARE(test::readBytes(path), QByteArray("6\r\n9\r\n"));
}

void TestFrameSettingsBounds::strangeContents_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FrameSettings>("expected");

    // One line without line end, at the bound (64 KiB) and one byte past it.
    const qsizetype bound = kFrameSettingsMaxBytes;
    QTest::newRow("two numbers then letters, at the bound") << "2,7," + QByteArray(bound - 4, 'x') << FrameSettings{2, 7};
    QTest::newRow("two numbers then letters, a byte over") << "2,7," + QByteArray(bound - 3, 'x') << kDefaults;
    QTest::newRow("a number of 64 KiB digits") << "3," + QByteArray(bound - 2, '4') << kDefaults;
    QTest::newRow("blanks, then the numbers at the end") << QByteArray(bound - 4, ' ') + "5 10" << FrameSettings{5, 10};
    QTest::newRow("4 MiB of digits") << QByteArray(4 * 1024 * 1024, '1') << kDefaults;

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

void TestFrameSettingsBounds::strangeContents()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FrameSettings, expected);
    QTemporaryDir dir;
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("ortix.INI"), bytes);
    QVERIFY(!path.isEmpty());
    QCOMPARE(loadFrameSettings(path), expected);
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

QTEST_MAIN(TestFrameSettingsBounds)
#include "test_framesettingsbounds.moc"
