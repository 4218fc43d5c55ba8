#include "TestSupport.h"

#include "lang/IniFile.h"
#include "lang/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>
#include <utility>

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
    void splitsLinesAndReadsSmallFiles();
    void writeReplacesOrAddsOneKeyAndKeepsTheRest();
};

void TestIniFile::splitsLinesAndReadsSmallFiles()
{
    const std::pair<QString, QStringList> texts[] = {
        {QString(), {}},
        {QStringLiteral("a\r\n"), {"a"}}, // a final line end adds no line
        {QStringLiteral("a\r"), {"a"}},
        {QStringLiteral("\na\n\rb"), {"", "a", "", "b"}}, // LF CR is two ends
        {QStringLiteral("a\r\r\nb"), {"a", "", "b"}},
        {QStringLiteral("a\nb\nc\nd\re"), {"a", "b", "c", "d", "e"}}, // mixed, CR far after LF
        {QStringLiteral("a\rb\rc\r\nd\ne"), {"a", "b", "c", "d", "e"}}, // mixed, LF far after CR
    };
    for (const auto &[text, lines] : texts) {
        QCOMPARE(splitLines(text), lines);
    }

    const QByteArray file = "[Strings]\r\n0001=\"Vuoi uscire?\"\r\n  0002  =   Esatti   \r\n0003='Errati'\r\n"
                            "0004=\"mismatched'\r\n0005=\"\"\"double\"\"\"\r\n"
                            "[FormMenu]\r\nCommand1.Caption=\"Esci\"\r\nLabel2(1).Caption=centinaia\r\n"
                            "[strings]\r\n0099=second section of the same name\r\n";
    const std::tuple<QByteArray, const char *, const char *, QString> rows[] = {
        {file, "Strings", "0001", "Vuoi uscire?"},
        {file, "Strings", "0002", "Esatti"}, // blanks around key and value go
        {file, "Strings", "0003", "Errati"},
        {file, "Strings", "0004", "\"mismatched'"}, // quotes that do not match stay
        {file, "Strings", "0005", "\"\"double\"\""}, // only one pair of quotes goes
        {file, "formmenu", "COMMAND1.CAPTION", "Esci"},
        {file, "FormMenu", "Label2(1).Caption", "centinaia"},
        {file, "Strings", "0099", ""}, // only the first section of a name counts
        {file, "Nowhere", "0001", ""},
        {file, "FormMenu", "0001", ""},
        {"[A]\nk=last", "A", "k", "last"}, // no line end at the end
        {"", "A", "k", ""}, // an empty file is a file: every key reads as empty
        // Quotes go first, then the cut: 511 letters and no quote.
        {"[S]\r\nk=\"" + QByteArray(512, 'x') + "\"\r\n", "S", "k", QString(511, u'x')},
        {"[FormMenu]\r\nLabel4.Caption=unit\xe0\r\n", "FormMenu", "Label4.Caption", QString::fromUtf8("unità")},
        // A file of the same size rewritten in place at once is read again.
        {"[S]\r\nk=one\r\n", "S", "k", "one"},
        {"[S]\r\nk=two\r\n", "S", "k", "two"},
    };
    QTemporaryDir dir;
    for (const auto &[content, section, key, expected] : rows) {
        const QString path = writeFileIn(dir.path(), QStringLiteral("t.lng"), content);
        QCOMPARE(read(path, QString::fromLatin1(section), QString::fromLatin1(key)), expected);
    }

    // Gone: no longer readable at all, though it was held a moment ago.
    const QString path = dir.filePath(QStringLiteral("t.lng"));
    QVERIFY(QFile::remove(path));
    QVERIFY(!MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")));

    // UTF-8, else Windows-1252 (as the Label4 row above reads it).
    QCOMPARE(decodeText("\xef\xbb\xbf" "unit\xc3\xa0"), QString::fromUtf8("unità"));
    QCOMPARE(decodeText("unit\xe0 \x80"), QString::fromUtf8("unità €"));
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

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
