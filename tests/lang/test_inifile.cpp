#include "TestSupport.h"

#include "lang/IniFile.h"
#include "lang/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ortix::lang;
using ortix::test::readBytes;
using ortix::test::writeFileIn;

namespace {

QString read(const QString &path, const QString &section, const QString &key)
{
    return MLSReadIni(path, section, key).value_or(QStringLiteral("<unreadable>"));
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readsSmallFiles_data();
    void readsSmallFiles();
    void writeReplacesOrAddsOneKeyAndKeepsTheRest();
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
                            "[FormMenu]\r\n"
                            "Command1.Caption=\"Esci\"\r\n"
                            "Label2(1).Caption=centinaia\r\n"
                            "[strings]\r\n"
                            "0099=second section of the same name\r\n";
    QTest::newRow("quoted value") << file << "Strings" << "0001" << "Vuoi uscire?";
    QTest::newRow("blanks around key and value") << file << "Strings" << "0002" << "Esatti";
    QTest::newRow("single quotes") << file << "Strings" << "0003" << "Errati";
    QTest::newRow("quotes that do not match stay") << file << "Strings" << "0004" << "\"mismatched'";
    QTest::newRow("only one pair of quotes goes") << file << "Strings" << "0005" << "\"\"double\"\"";
    QTest::newRow("section and key ignore case") << file << "formmenu" << "COMMAND1.CAPTION" << "Esci";
    QTest::newRow("array member key") << file << "FormMenu" << "Label2(1).Caption" << "centinaia";
    QTest::newRow("only the first section of a name") << file << "Strings" << "0099" << "";
    QTest::newRow("missing section") << file << "Nowhere" << "0001" << "";
    QTest::newRow("key of another section") << file << "FormMenu" << "0001" << "";
    QTest::newRow("no line end at the end") << QByteArray("[A]\nk=last") << "A" << "k" << "last";
    // An empty file is a file: every key reads as empty.
    QTest::newRow("empty file") << QByteArray() << "A" << "k" << "";
    // Quotes go first, then the cut: 511 letters and no quote.
    QTest::newRow("one over the longest value")
        << "[S]\r\nk=\"" + QByteArray(512, 'x') + "\"\r\n" << "S" << "k" << QString(511, u'x');
}

void TestIniFile::readsSmallFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QCOMPARE(read(writeFileIn(dir.path(), QStringLiteral("t.lng"), content), section, key), expected);
}

void TestIniFile::writeReplacesOrAddsOneKeyAndKeepsTheRest()
{
    QTemporaryDir dir;
    const QString path = writeFileIn(dir.path(), QStringLiteral("LangSetting.ini"),
                                     "; choice of language\r\n[Language]\r\nCurrentLanguage=Italiano\r\nOther=1\r\n"
                                     "[Else]\r\nCurrentLanguage=keep\r\n");
    QVERIFY(MLSWriteIni(path, QStringLiteral("language"), QStringLiteral("currentlanguage"), QStringLiteral("English")));
    QCOMPARE(readBytes(path), QByteArray("; choice of language\r\n[Language]\r\ncurrentlanguage=English\r\nOther=1\r\n"
                                         "[Else]\r\nCurrentLanguage=keep\r\n"));

    const QString created = QDir(dir.path()).filePath(QStringLiteral("s.ini"));
    QVERIFY(MLSWriteIni(created, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QString::fromUtf8("Français")));
    QCOMPARE(readBytes(created), QByteArray("[Language]\r\nCurrentLanguage=Fran\xc3\xa7" "ais\r\n"));
    // A new key goes after the section's last entry, a new section at the end.
    writeFileIn(dir.path(), QStringLiteral("s.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    QVERIFY(MLSWriteIni(created, QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3")));
    QVERIFY(MLSWriteIni(created, QStringLiteral("C"), QStringLiteral("w"), QStringLiteral("4")));
    QCOMPARE(readBytes(created), QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n"));
}

void TestIniFile::readSeesChangesOnDisk()
{
    QTemporaryDir dir;
    const QString path = writeFileIn(dir.path(), QStringLiteral("t.lng"), "[S]\r\nk=one\r\n");
    QCOMPARE(read(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("one"));
    // Same size, rewritten in place at once.
    writeFileIn(dir.path(), QStringLiteral("t.lng"), "[S]\r\nk=two\r\n");
    QCOMPARE(read(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("two"));
    // Gone: no longer readable at all, though it was held a moment ago.
    QFile::remove(path);
    QVERIFY(!MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")));
}

void TestIniFile::decodesUtf8AndLegacyText()
{
    QCOMPARE(decodeText("\xef\xbb\xbf" "unit\xc3\xa0"), QString::fromUtf8("unità"));
    QCOMPARE(decodeText("unit\xe0 \x80"), QString::fromUtf8("unità €"));
    QTemporaryDir dir;
    const QString path = writeFileIn(dir.path(), QStringLiteral("old.lng"), "[FormMenu]\r\nLabel4.Caption=unit\xe0\r\n");
    QCOMPARE(read(path, QStringLiteral("FormMenu"), QStringLiteral("Label4.Caption")), QString::fromUtf8("unità"));
}

void TestIniFile::splitsLinesAtEveryLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("final CR LF adds no line") << QStringLiteral("a\r\n") << QStringList{"a"};
    QTest::newRow("final CR adds no line") << QStringLiteral("a\r") << QStringList{"a"};
    QTest::newRow("LF CR is two ends") << QStringLiteral("\na\n\rb") << QStringList{"", "a", "", "b"};
    QTest::newRow("CR CR LF") << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("mixed, CR far after LF") << QStringLiteral("a\nb\nc\nd\re") << QStringList{"a", "b", "c", "d", "e"};
    QTest::newRow("mixed, LF far after CR") << QStringLiteral("a\rb\rc\r\nd\ne") << QStringList{"a", "b", "c", "d", "e"};
}

void TestIniFile::splitsLinesAtEveryLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
