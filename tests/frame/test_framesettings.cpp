#include "frame/FrameSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ortix;

namespace {

const FrameSettings kDefaults{ 6, 9 };

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class TestFrameSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void validity_data();
    void validity();
    void parse_data();
    void parse();
    void writtenText_data();
    void writtenText();
    void everyValidSettingRoundTrips();

    void loadFromFile();
    void loadFallsBackToDefaults();
    void sizeBound();

    void leggimi();
};

void TestFrameSettings::defaults()
{
    QCOMPARE(FrameSettings{}, kDefaults);
    QVERIFY(isValidFrameSettings(kDefaults));
}

void TestFrameSettings::validity_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("beads");
    QTest::addColumn<bool>("valid");

    QTest::newRow("1 rod, 1 bead") << 1 << 1 << true;
    QTest::newRow("6 rods, 10 beads") << 6 << 10 << true;
    QTest::newRow("3 rods, 18 beads") << 3 << 18 << true;
    QTest::newRow("0 rods") << 0 << 9 << false;
    QTest::newRow("7 rods") << 7 << 9 << false;
    QTest::newRow("-1 rods") << -1 << 9 << false;
    QTest::newRow("0 beads") << 6 << 0 << false;
    QTest::newRow("11 beads") << 6 << 11 << false;
    QTest::newRow("17 beads") << 6 << 17 << false;
    QTest::newRow("19 beads") << 6 << 19 << false;
}

void TestFrameSettings::validity()
{
    QFETCH(int, rods);
    QFETCH(int, beads);
    QFETCH(bool, valid);
    QCOMPARE(isValidFrameSettings(FrameSettings{ rods, beads }), valid);
}

void TestFrameSettings::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("beads");

    QTest::newRow("two lines, CR LF") << QByteArray("4\r\n18\r\n") << 4 << 18;
    QTest::newRow("no final line end") << QByteArray("4\r\n18") << 4 << 18;
    QTest::newRow("LF only") << QByteArray("2\n5\n") << 2 << 5;
    QTest::newRow("CR only") << QByteArray("2\r5\r") << 2 << 5;
    QTest::newRow("comma") << QByteArray("3,7") << 3 << 7;
    QTest::newRow("blank") << QByteArray("3 7") << 3 << 7;
    QTest::newRow("tab") << QByteArray("3\t7") << 3 << 7;
    QTest::newRow("blanks around digits") << QByteArray("  5  \r\n  10  \r\n") << 5 << 10;
    QTest::newRow("empty lines first") << QByteArray("\r\n\r\n1\r\n\r\n1\r\n") << 1 << 1;
    QTest::newRow("two commas") << QByteArray("4,,18") << 4 << 18;
    QTest::newRow("plus signs") << QByteArray("+4\r\n+18\r\n") << 4 << 18;
    QTest::newRow("third number ignored") << QByteArray("3\r\n9\r\n7\r\n") << 3 << 9;
    QTest::newRow("text after two numbers ignored") << QByteArray("3\r\n9\r\nhello") << 3 << 9;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "4\r\n18\r\n") << 4 << 18;
    QTest::newRow("6 and 9 written") << QByteArray("6\r\n9\r\n") << 6 << 9;

    QTest::newRow("empty") << QByteArray() << 6 << 9;
    QTest::newRow("blanks only") << QByteArray(" \r\n \r\n") << 6 << 9;
    QTest::newRow("one number") << QByteArray("4\r\n") << 6 << 9;
    QTest::newRow("text first") << QByteArray("abc\r\n9\r\n") << 6 << 9;
    QTest::newRow("text second") << QByteArray("4\r\nabc\r\n") << 6 << 9;
    QTest::newRow("digits then text") << QByteArray("4x\r\n9\r\n") << 6 << 9;
    QTest::newRow("fraction") << QByteArray("4.5\r\n9\r\n") << 6 << 9;
    QTest::newRow("semicolon") << QByteArray("4;9") << 6 << 9;
    QTest::newRow("0 rods") << QByteArray("0\r\n9\r\n") << 6 << 9;
    QTest::newRow("7 rods") << QByteArray("7\r\n9\r\n") << 6 << 9;
    QTest::newRow("negative rods") << QByteArray("-3\r\n9\r\n") << 6 << 9;
    QTest::newRow("0 beads") << QByteArray("4\r\n0\r\n") << 6 << 9;
    QTest::newRow("scroll position 11") << QByteArray("4\r\n11\r\n") << 6 << 9;
    QTest::newRow("17 beads") << QByteArray("4\r\n17\r\n") << 6 << 9;
    QTest::newRow("huge number") << QByteArray("99999999999999999999\r\n9\r\n") << 6 << 9;
    QTest::newRow("sign alone") << QByteArray("+\r\n9\r\n") << 6 << 9;
    QTest::newRow("NUL byte") << QByteArray("4\0\r\n9\r\n", 7) << 6 << 9;
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE" "4\0\r\0\n\0" "9\0", 10) << 6 << 9;
}

void TestFrameSettings::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(int, rods);
    QFETCH(int, beads);
    QCOMPARE(parseFrameSettings(text), (FrameSettings{ rods, beads }));
}

void TestFrameSettings::writtenText_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("beads");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("defaults") << 6 << 9 << QByteArray("6\r\n9\r\n");
    QTest::newRow("18 stays 18") << 4 << 18 << QByteArray("4\r\n18\r\n");
    QTest::newRow("10 beads") << 1 << 10 << QByteArray("1\r\n10\r\n");
}

void TestFrameSettings::writtenText()
{
    QFETCH(int, rods);
    QFETCH(int, beads);
    QFETCH(QByteArray, text);
    QCOMPARE(frameSettingsText(FrameSettings{ rods, beads }), text);
}

void TestFrameSettings::everyValidSettingRoundTrips()
{
    for (int rods = 1; rods <= 6; ++rods) {
        for (int beads : { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18 }) {
            const FrameSettings settings{ rods, beads };
            QCOMPARE(parseFrameSettings(frameSettingsText(settings)), settings);
        }
    }
}

void TestFrameSettings::loadFromFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("ortix.INI"));
    QVERIFY(writeFile(path, frameSettingsText(FrameSettings{ 4, 18 })));
    QCOMPARE(loadFrameSettings(path), (FrameSettings{ 4, 18 }));

    QVERIFY(writeFile(path, "2\r\n3\r\n"));
    QCOMPARE(loadFrameSettings(path), (FrameSettings{ 2, 3 }));
}

void TestFrameSettings::loadFallsBackToDefaults()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QCOMPARE(loadFrameSettings(dir.filePath(QStringLiteral("missing.INI"))), kDefaults);
    QCOMPARE(loadFrameSettings(QString()), kDefaults);

    const QString folder = dir.filePath(QStringLiteral("ortix.INI"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ortix.INI")));
    QCOMPARE(loadFrameSettings(folder), kDefaults);

    const QString empty = dir.filePath(QStringLiteral("empty.INI"));
    QVERIFY(writeFile(empty, QByteArray()));
    QCOMPARE(loadFrameSettings(empty), kDefaults);

    const QString wrong = dir.filePath(QStringLiteral("wrong.INI"));
    QVERIFY(writeFile(wrong, "9\r\n9\r\n"));
    QCOMPARE(loadFrameSettings(wrong), kDefaults);

    const QString locked = dir.filePath(QStringLiteral("locked.INI"));
    QVERIFY(writeFile(locked, "3\r\n3\r\n"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    // Whoever may read any file (root) reads it all the same.
    if (!QFile(locked).open(QIODevice::ReadOnly)) {
        QCOMPARE(loadFrameSettings(locked), kDefaults);
    }
}

void TestFrameSettings::sizeBound()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // Two good numbers padded with blanks up to the bound, then one byte more.
    QByteArray contents("3\r\n18\r\n");
    contents.append(QByteArray(kFrameSettingsMaxBytes - contents.size(), ' '));
    const QString atBound = dir.filePath(QStringLiteral("at.INI"));
    QVERIFY(writeFile(atBound, contents));
    QCOMPARE(readSmallFile(atBound, kFrameSettingsMaxBytes), std::optional(contents));
    QCOMPARE(loadFrameSettings(atBound), (FrameSettings{ 3, 18 }));

    const QString overBound = dir.filePath(QStringLiteral("over.INI"));
    QVERIFY(writeFile(overBound, contents + ' '));
    QCOMPARE(readSmallFile(overBound, kFrameSettingsMaxBytes), std::nullopt);
    QCOMPARE(loadFrameSettings(overBound), kDefaults);

    QCOMPARE(readSmallFile(overBound, 0), std::nullopt);
    QCOMPARE(readSmallFile(atBound, 4), std::nullopt);
}

void TestFrameSettings::leggimi()
{
    QCOMPARE(leggimiText(QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")),
             QByteArray("uno\r\n \r\ndue\r\n \r\ntre\r\n"));
    QCOMPARE(leggimiText(QString(), QString(), QString()), QByteArray("\r\n \r\n\r\n \r\n\r\n"));
    QCOMPARE(leggimiText(QStringLiteral("Questa cartella è dell'ortix"), QStringLiteral("b"), QStringLiteral("c")),
             QByteArray("Questa cartella \xC3\xA8 dell'ortix\r\n \r\nb\r\n \r\nc\r\n"));
}

QTEST_APPLESS_MAIN(TestFrameSettings)
#include "test_framesettings.moc"
