#include "frame/FrameSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ortix;

class TestFrameSettings : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void everyValidSettingRoundTrips();
    void loadFallsBackToDefaults();
    void leggimi();
};

// Rods 1 to 6; beads 1 to 10 or 18; anything else gives the defaults 6 and 9.
void TestFrameSettings::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("beads");

    QTest::newRow("CR LF, 18 beads") << QByteArray("4\r\n18\r\n") << 4 << 18;
    QTest::newRow("no final line end") << QByteArray("4\r\n18") << 4 << 18;
    QTest::newRow("LF only, 6 rods, 10 beads") << QByteArray("6\n10\n") << 6 << 10;
    QTest::newRow("CR only") << QByteArray("2\r5\r") << 2 << 5;
    QTest::newRow("comma") << QByteArray("3,7") << 3 << 7;
    QTest::newRow("tab") << QByteArray("3\t7") << 3 << 7;
    QTest::newRow("blanks around digits") << QByteArray("  5  \r\n  10  \r\n") << 5 << 10;
    QTest::newRow("empty lines first, 1 and 1") << QByteArray("\r\n\r\n1\r\n\r\n1\r\n") << 1 << 1;
    QTest::newRow("plus signs") << QByteArray("+4\r\n+18\r\n") << 4 << 18;
    QTest::newRow("text after two numbers ignored") << QByteArray("3\r\n9\r\nhello") << 3 << 9;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "4\r\n18\r\n") << 4 << 18;

    QTest::newRow("empty") << QByteArray() << 6 << 9;
    QTest::newRow("one number") << QByteArray("4\r\n") << 6 << 9;
    QTest::newRow("text second") << QByteArray("4\r\nabc\r\n") << 6 << 9;
    QTest::newRow("digits then text") << QByteArray("4x\r\n9\r\n") << 6 << 9;
    QTest::newRow("0 rods") << QByteArray("0\r\n9\r\n") << 6 << 9;
    QTest::newRow("7 rods") << QByteArray("7\r\n9\r\n") << 6 << 9;
    QTest::newRow("negative rods") << QByteArray("-3\r\n9\r\n") << 6 << 9;
    QTest::newRow("0 beads") << QByteArray("4\r\n0\r\n") << 6 << 9;
    QTest::newRow("scroll position 11") << QByteArray("4\r\n11\r\n") << 6 << 9;
    QTest::newRow("17 beads") << QByteArray("4\r\n17\r\n") << 6 << 9;
    QTest::newRow("19 beads") << QByteArray("4\r\n19\r\n") << 6 << 9;
    QTest::newRow("huge number") << QByteArray("99999999999999999999\r\n9\r\n") << 6 << 9;
    QTest::newRow("sign alone") << QByteArray("+\r\n9\r\n") << 6 << 9;
}

void TestFrameSettings::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(int, rods);
    QFETCH(int, beads);
    QCOMPARE(parseFrameSettings(text), (FrameSettings{ rods, beads }));
}

// 18 beads are written as 18, not as the scroll position 11.
void TestFrameSettings::everyValidSettingRoundTrips()
{
    QCOMPARE(frameSettingsText(FrameSettings{ 4, 18 }), QByteArray("4\r\n18\r\n"));
    for (int rods = 1; rods <= 6; ++rods) {
        for (int beads : { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18 }) {
            const FrameSettings settings{ rods, beads };
            QCOMPARE(parseFrameSettings(frameSettingsText(settings)), settings);
        }
    }
}

void TestFrameSettings::loadFallsBackToDefaults()
{
    const FrameSettings defaults{ 6, 9 };
    // A missing file, or a folder in its place: test_formortix, test_faults_files.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(loadFrameSettings(QString()), defaults);

    const QString locked = dir.filePath(QStringLiteral("locked.INI"));
    QFile file(locked);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("3\r\n3\r\n") == 6);
    file.close();
    QCOMPARE(loadFrameSettings(locked), (FrameSettings{ 3, 3 }));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    // Whoever may read any file (root) reads it all the same.
    if (!QFile(locked).open(QIODevice::ReadOnly)) {
        QCOMPARE(loadFrameSettings(locked), defaults);
    }
}

void TestFrameSettings::leggimi()
{
    QCOMPARE(leggimiText(QStringLiteral("Questa cartella è dell'ortix"), QStringLiteral("b"), QStringLiteral("c")),
             QByteArray("Questa cartella \xC3\xA8 dell'ortix\r\n \r\nb\r\n \r\nc\r\n"));
}

QTEST_APPLESS_MAIN(TestFrameSettings)
#include "test_framesettings.moc"
