// The free frame's settings file comes from outside the program: however
// large or strange it is, reading it takes bounded time and memory, and a
// file that is no settings file gives the defaults.
#include "TestSupport.h"

#include "frame/FrameSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace ortix;

namespace {

const FrameSettings kDefaults{6, 9};

} // namespace

class TestFrameSettings : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void everyValidSettingRoundTrips();
    void notOrdinaryFiles_data();
    void notOrdinaryFiles();
    void leggimi();
};

// Rods 1 to 6; beads 1 to 10 or 18; anything else gives the defaults 6 and 9.
void TestFrameSettings::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FrameSettings>("expected");

    QTest::newRow("CR LF, 18 beads") << QByteArray("4\r\n18\r\n") << FrameSettings{4, 18};
    QTest::newRow("no final line end") << QByteArray("4\r\n18") << FrameSettings{4, 18};
    QTest::newRow("LF only, 6 rods, 10 beads") << QByteArray("6\n10\n") << FrameSettings{6, 10};
    QTest::newRow("CR only") << QByteArray("2\r5\r") << FrameSettings{2, 5};
    QTest::newRow("comma") << QByteArray("3,7") << FrameSettings{3, 7};
    QTest::newRow("tab") << QByteArray("3\t7") << FrameSettings{3, 7};
    QTest::newRow("blanks around digits") << QByteArray("  5  \r\n  10  \r\n") << FrameSettings{5, 10};
    QTest::newRow("empty lines first, 1 and 1") << QByteArray("\r\n\r\n1\r\n\r\n1\r\n") << FrameSettings{1, 1};
    QTest::newRow("plus signs") << QByteArray("+4\r\n+18\r\n") << FrameSettings{4, 18};
    QTest::newRow("text after two numbers ignored") << QByteArray("3\r\n9\r\nhello") << FrameSettings{3, 9};
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "4\r\n18\r\n") << FrameSettings{4, 18};

    QTest::newRow("empty") << QByteArray() << kDefaults;
    QTest::newRow("one number") << QByteArray("4\r\n") << kDefaults;
    QTest::newRow("text second") << QByteArray("4\r\nabc\r\n") << kDefaults;
    QTest::newRow("digits then text") << QByteArray("4x\r\n9\r\n") << kDefaults;
    QTest::newRow("0 rods") << QByteArray("0\r\n9\r\n") << kDefaults;
    QTest::newRow("7 rods") << QByteArray("7\r\n9\r\n") << kDefaults;
    QTest::newRow("negative rods") << QByteArray("-3\r\n9\r\n") << kDefaults;
    QTest::newRow("0 beads") << QByteArray("4\r\n0\r\n") << kDefaults;
    QTest::newRow("scroll position 11") << QByteArray("4\r\n11\r\n") << kDefaults;
    QTest::newRow("17 beads") << QByteArray("4\r\n17\r\n") << kDefaults;
    QTest::newRow("19 beads") << QByteArray("4\r\n19\r\n") << kDefaults;
    QTest::newRow("huge number") << QByteArray("99999999999999999999\r\n9\r\n") << kDefaults;
    QTest::newRow("sign alone") << QByteArray("+\r\n9\r\n") << kDefaults;

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

void TestFrameSettings::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FrameSettings, expected);
    QTemporaryDir dir;
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("ortix.INI"), bytes);
    QVERIFY(!path.isEmpty());
    QCOMPARE(loadFrameSettings(path), expected);
    // A file that cannot be read gives the defaults (whoever may read any
    // file, root, reads it all the same).
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    if (!QFile(path).open(QIODevice::ReadOnly)) {
        QCOMPARE(loadFrameSettings(path), kDefaults);
    }
}

// 18 beads are written as 18, not as the scroll position 11.
void TestFrameSettings::everyValidSettingRoundTrips()
{
    QCOMPARE(frameSettingsText(FrameSettings{4, 18}), QByteArray("4\r\n18\r\n"));
    for (int rods = 1; rods <= 6; ++rods) {
        for (int beads : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18}) {
            const FrameSettings settings{rods, beads};
            QCOMPARE(parseFrameSettings(frameSettingsText(settings)), settings);
        }
    }
}

void TestFrameSettings::notOrdinaryFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    // 300 MB that use no disk (a hole, read as NUL bytes): neither read
    // whole nor kept.
    QTest::newRow("huge sparse file") << "sparse";
    QTest::newRow("endless device") << "device";
    QTest::newRow("pipe nobody writes to") << "pipe";
}

// Each gives the defaults at once, in little memory. (The frame reads its
// file through loadFrameSettings.)
void TestFrameSettings::notOrdinaryFiles()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ortix.INI"));
    if (kind == u"sparse") {
        const qint64 size = qint64(300) * 1024 * 1024;
        QCOMPARE(QFileInfo(test::sparseFile(dir.path(), QStringLiteral("ortix.INI"), "3\r\n18\r\n", size)).size(), size);
    } else if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QCOMPARE(loadFrameSettings(QString()), kDefaults);
    }
    const qint64 before = test::peakMemoryMiB();
    QCOMPARE(readSmallFile(path, kFrameSettingsMaxBytes), std::nullopt);
    QCOMPARE(loadFrameSettings(path), kDefaults);
    QVERIFY2(test::peakMemoryMiB() - before < 32, qPrintable(QStringLiteral("%1 MiB more").arg(test::peakMemoryMiB() - before)));
}

void TestFrameSettings::leggimi()
{
    QCOMPARE(leggimiText(QStringLiteral("Questa cartella è dell'ortix"), QStringLiteral("b"), QStringLiteral("c")),
             QByteArray("Questa cartella \xC3\xA8 dell'ortix\r\n \r\nb\r\n \r\nc\r\n"));
}

QTEST_APPLESS_MAIN(TestFrameSettings)
#include "test_framesettings.moc"
