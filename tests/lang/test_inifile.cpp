#include "TestSupport.h"

#include "lang/IniFile.h"
#include "lang/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ortix::lang;

namespace {

QString writeTemp(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    return ortix::test::writeFileIn(dir.path(), name, bytes);
}

// A file just over the small-file limit: padding comments first, then the
// given lines.
QByteArray largeFile(const QByteArray &lines)
{
    QByteArray padding;
    while (padding.size() <= kSmallIniFileLimit) {
        padding += "; padding line that makes the file large enough to be read line by line\r\n";
    }
    return padding + lines;
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readsSmallFiles_data();
    void readsSmallFiles();
    void cutsLongValuesTo511();
    void emptyFileHasNoKeys();
    void largeFileTakesFirstLineOfKey_data();
    void largeFileTakesFirstLineOfKey();
    void writeReplacesOneKeyAndKeepsTheRest();
    void writeCreatesFileAddsKeyAndSection();
    void readSeesChangesOnDisk();
    void decodesUtf8AndLegacyText();
    void splitsLinesAtEveryLineEnd_data();
    void splitsLinesAtEveryLineEnd();
};

void TestIniFile::readsSmallFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray file = "[Strings]\r\n"
                            "0001=\"Vuoi uscire?\"\r\n"
                            "  0002  =   Esatti   \r\n"
                            "0003='Errati'\r\n"
                            "0004=\"mismatched'\r\n"
                            "0005=\"\"\"double\"\"\"\r\n"
                            "0006=\r\n"
                            "[FormMenu]\r\n"
                            "Command1.Caption=\"Esci\"\r\n"
                            "Label2(1).Caption=centinaia\r\n"
                            "[strings]\r\n"
                            "0001=second section of the same name\r\n";
    // Also: only the first [Strings] section counts.
    QTest::newRow("quoted value") << file << "Strings" << "0001" << "Vuoi uscire?";
    QTest::newRow("blanks around key and value") << file << "Strings" << "0002" << "Esatti";
    QTest::newRow("single quotes") << file << "Strings" << "0003" << "Errati";
    QTest::newRow("quotes that do not match stay") << file << "Strings" << "0004" << "\"mismatched'";
    QTest::newRow("only one pair of quotes goes") << file << "Strings" << "0005" << "\"\"double\"\"";
    QTest::newRow("empty value") << file << "Strings" << "0006" << "";
    QTest::newRow("section and key ignore case") << file << "formmenu" << "COMMAND1.CAPTION" << "Esci";
    QTest::newRow("array member key") << file << "FormMenu" << "Label2(1).Caption" << "centinaia";
    QTest::newRow("missing key") << file << "Strings" << "0099" << "";
    QTest::newRow("missing section") << file << "Nowhere" << "0001" << "";
    QTest::newRow("key of another section") << file << "FormMenu" << "0001" << "";
    QTest::newRow("LF line ends") << QByteArray("[A]\nk=v\n") << "A" << "k" << "v";
    QTest::newRow("no line end at the end") << QByteArray("[A]\r\nk=last") << "A" << "k" << "last";
}

void TestIniFile::readsSmallFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("t.lng"), content);
    const auto value = MLSReadIni(path, section, key);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void TestIniFile::cutsLongValuesTo511()
{
    QTemporaryDir dir;
    // Quotes go first, then the cut: 511 letters and no quote.
    const QString quoted = writeTemp(dir, QStringLiteral("q.lng"), "[S]\r\nk=\"" + QByteArray(600, 'x') + "\"\r\n");
    QCOMPARE(*MLSReadIni(quoted, QStringLiteral("S"), QStringLiteral("k")), QString(511, u'x'));
}

void TestIniFile::emptyFileHasNoKeys()
{
    // An empty file is a file: every key reads as empty, and one can be set.
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("empty.lng"), QByteArray());
    const auto value = MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k"));
    QVERIFY(value.has_value());
    QCOMPARE(*value, QString());
    QVERIFY(MLSWriteIni(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(ortix::test::readBytes(path), QByteArray("[S]\r\nk=v\r\n"));
}

void TestIniFile::largeFileTakesFirstLineOfKey_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    // The first line of a key whatever its section, its quotes dropped, and
    // a missing key: test_inibounds.
    QTest::newRow("unquoted value loses first and last character") << "Strings" << "0002" << "satt";
    QTest::newRow("value of one character") << "Strings" << "0003" << "";
    QTest::newRow("key compared with its case") << "Strings" << "command1.caption" << "";
}

void TestIniFile::largeFileTakesFirstLineOfKey()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("big.lng"),
                                   largeFile("[Form1]\r\nCommand1.Caption=\"Primo\"\r\n"
                                             "[Form2]\r\nCommand1.Caption=\"Secondo\"\r\n"
                                             "[Strings]\r\n0001=\"Domanda\"\r\n0002=Esatti\r\n0003=x\r\n"));
    QVERIFY(QFileInfo(path).size() > kSmallIniFileLimit);
    const auto value = MLSReadIni(path, section, key);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void TestIniFile::writeReplacesOneKeyAndKeepsTheRest()
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("LangSetting.ini"),
                                   "; choice of language\r\n[Language]\r\nCurrentLanguage=Italiano\r\nOther=1\r\n"
                                   "[Else]\r\nCurrentLanguage=keep\r\n");
    QVERIFY(MLSWriteIni(path, QStringLiteral("language"), QStringLiteral("currentlanguage"), QStringLiteral("English")));
    QCOMPARE(ortix::test::readBytes(path), QByteArray("; choice of language\r\n[Language]\r\ncurrentlanguage=English\r\nOther=1\r\n"
                                       "[Else]\r\nCurrentLanguage=keep\r\n"));
    QCOMPARE(*MLSReadIni(path, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")), QStringLiteral("English"));
}

void TestIniFile::writeCreatesFileAddsKeyAndSection()
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("s.ini"));
    QVERIFY(MLSWriteIni(path, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QString::fromUtf8("Français")));
    QCOMPARE(ortix::test::readBytes(path), QByteArray("[Language]\r\nCurrentLanguage=Fran\xc3\xa7" "ais\r\n"));
    writeTemp(dir, QStringLiteral("s.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    QVERIFY(MLSWriteIni(path, QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3")));
    QVERIFY(MLSWriteIni(path, QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("4")));
    QCOMPARE(ortix::test::readBytes(path), QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n"));
}

void TestIniFile::readSeesChangesOnDisk()
{
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("t.lng"), "[S]\r\nk=one\r\n");
    QCOMPARE(*MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("one"));
    // Same size, rewritten in place at once.
    writeTemp(dir, QStringLiteral("t.lng"), "[S]\r\nk=two\r\n");
    QCOMPARE(*MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("two"));
    // Gone: no longer readable at all, though it was held a moment ago.
    QFile::remove(path);
    QVERIFY(!MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")));
}

void TestIniFile::decodesUtf8AndLegacyText()
{
    QCOMPARE(decodeText("\xef\xbb\xbf" "unit\xc3\xa0"), QString::fromUtf8("unità"));
    QCOMPARE(decodeText("unit\xc3\xa0"), QString::fromUtf8("unità"));
    QCOMPARE(decodeText("unit\xe0 \x80"), QString::fromUtf8("unità €"));
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("old.lng"), "[FormMenu]\r\nLabel4.Caption=unit\xe0\r\n");
    QCOMPARE(*MLSReadIni(path, QStringLiteral("FormMenu"), QStringLiteral("Label4.Caption")), QString::fromUtf8("unità"));
}

void TestIniFile::splitsLinesAtEveryLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("no line end") << QStringLiteral("a") << QStringList{"a"};
    QTest::newRow("final LF adds no line") << QStringLiteral("a\n") << QStringList{"a"};
    QTest::newRow("final CR LF adds no line") << QStringLiteral("a\r\n") << QStringList{"a"};
    QTest::newRow("final CR adds no line") << QStringLiteral("a\r") << QStringList{"a"};
    QTest::newRow("CR LF is one end") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringList{"a", "b"};
    QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("only line ends") << QStringLiteral("\r\n\n\r") << QStringList{"", "", ""};
    QTest::newRow("mixed, CR far after LF") << QStringLiteral("a\nb\nc\nd\re") << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("mixed, LF far after CR") << QStringLiteral("a\rb\rc\r\nd\ne") << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("leading blank line") << QStringLiteral("\nx") << QStringList{"", "x"};
}

void TestIniFile::splitsLinesAtEveryLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
