#include "TestSupport.h"

#include "app/FormMenu.h"
#include "base/SharedState.h"
#include "lang/IniFile.h"
#include "lang/LanguageSupport.h"
#include "lang/TranslateForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace ortix;
using namespace ortix::lang;

// Language and choice files from outside the program: however large or
// strange, reading them takes bounded time and memory and gives what the
// reading rules say, and a file too large to be one of them leaves the
// program with its design texts.

namespace {

QString readValue(const QString &path, const char *section, const char *key)
{
    return MLSReadIni(path, QString::fromLatin1(section), QString::fromLatin1(key)).value_or(QStringLiteral("<unreadable>"));
}

} // namespace

class TestIniBounds : public QObject
{
    Q_OBJECT

private slots:
    void sizeBoundIsExact_data();
    void sizeBoundIsExact();
    void oneLineOfFourMiBWithoutLineEnd();
    void lineBoundIsExact_data();
    void lineBoundIsExact();
    void binaryDataWithNuls();
    void sizeOfReadingRuleChangesAfter64000Bytes_data();
    void sizeOfReadingRuleChangesAfter64000Bytes();
    void notOrdinaryFilesAreUnreadable_data();
    void notOrdinaryFilesAreUnreadable();
    void byteOrderMarksAtTheStart();
    void tooLargeLanguageFileKeepsDesignTexts();
    void tooLargeSettingKeepsTheProgramGoing();
};

void TestIniBounds::sizeBoundIsExact_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("readable");
    QTest::newRow("4 MiB") << kMaxIniFileSize << true;
    QTest::newRow("4 MiB and a byte") << kMaxIniFileSize + 1 << false;
}

void TestIniBounds::sizeBoundIsExact()
{
    QFETCH(qint64, size);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    // The line rule of large files: the first line that starts with the key.
    const QString path = test::sparseFile(dir.path(), QStringLiteral("big.lng"), "k=\"found\"\r\n", size);
    QVERIFY(!path.isEmpty());
    QCOMPARE(readValue(path, "S", "k"), readable ? QStringLiteral("found") : QStringLiteral("<unreadable>"));
    // A file too large to read is not rewritten either: its other lines would be lost.
    QCOMPARE(MLSWriteIni(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")), readable);
    if (!readable) {
        QCOMPARE(QFileInfo(path).size(), size);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(12), QByteArray("k=\"found\"\r\n\0", 12));
    }
}

void TestIniBounds::oneLineOfFourMiBWithoutLineEnd()
{
    QTemporaryDir dir;
    // key, "=", a quote, 4 MiB less 4 letters, a quote: exactly the bound.
    QByteArray line = "k=\"" + QByteArray(kMaxIniFileSize - 4, 'x') + '"';
    QCOMPARE(qint64(line.size()), kMaxIniFileSize);
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("line.lng"), line);
    const auto value = MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k"));
    QVERIFY(value.has_value());
    QCOMPARE(value->size(), kMaxIniFileSize - 4);
    QVERIFY(value->startsWith(u'x') && value->endsWith(u'x'));
    QCOMPARE(readValue(path, "S", "other"), QString());

    line += 'x';
    const QString over = test::writeFileIn(dir.path(), QStringLiteral("over.lng"), line);
    QCOMPARE(readValue(over, "S", "k"), QStringLiteral("<unreadable>"));
}

void TestIniBounds::lineBoundIsExact_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<qsizetype>("lines");
    QTest::addColumn<bool>("readable");
    QTest::newRow("65,536 lines") << QByteArray("\r\n") << kMaxIniLines << true;
    QTest::newRow("65,537 lines") << QByteArray("\r\n") << kMaxIniLines + 1 << false;
    QTest::newRow("65,537 lines ending in CR") << QByteArray("\r") << kMaxIniLines + 1 << false;
    QTest::newRow("65,536 lines ending in LF") << QByteArray("\n") << kMaxIniLines << true;
    QTest::newRow("65,537 lines ending in LF") << QByteArray("\n") << kMaxIniLines + 1 << false;
    QTest::newRow("4 MiB of line ends") << QByteArray("\n") << qsizetype(kMaxIniFileSize - 9) << false;
}

void TestIniBounds::lineBoundIsExact()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(qsizetype, lines);
    QFETCH(bool, readable);
    // The first line holds the key, every other one is empty: a file of the
    // line rule, well under 4 MiB.
    const QByteArray bytes = "k=\"found\"" + lineEnd.repeated(lines);
    QVERIFY(bytes.size() > kSmallIniFileLimit && bytes.size() <= kMaxIniFileSize);
    QTemporaryDir dir;
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("lines.lng"), bytes);
    QCOMPARE(readValue(path, "S", "k"), readable ? QStringLiteral("found") : QStringLiteral("<unreadable>"));
    // Asked again, the answer is the same.
    QCOMPARE(readValue(path, "S", "k"), readable ? QStringLiteral("found") : QStringLiteral("<unreadable>"));
    QCOMPARE(MLSWriteIni(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")), readable);
}

void TestIniBounds::binaryDataWithNuls()
{
    QTemporaryDir dir;
    QByteArray junk;
    for (int i = 0; i < 3000; ++i) {
        junk += char((i * 7919) % 256);
    }
    // Small: sections and keys still count, NUL or not.
    const QByteArray entry("\r\n[S]\r\nk=\"a\0b\"\r\n", 16);
    const QString small = test::writeFileIn(dir.path(), QStringLiteral("small.lng"), junk + entry + junk);
    QCOMPARE(readValue(small, "S", "k"), QString::fromLatin1("a\0b", 3));
    QCOMPARE(readValue(small, "S", "missing"), QString());

    // Large: NUL bytes throughout, then the key's line.
    const QString large = test::writeFileIn(dir.path(), QStringLiteral("large.lng"),
                                    QByteArray(kSmallIniFileLimit, '\0') + "\nk=\"after\"\n" + junk);
    QCOMPARE(readValue(large, "S", "k"), QStringLiteral("after"));
    QCOMPARE(readValue(large, "S", "missing"), QString());
}

void TestIniBounds::sizeOfReadingRuleChangesAfter64000Bytes_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("expected");
    // [Second] k=two, read by sections; by lines the first "k" line wins.
    QTest::newRow("64,000 bytes: sections") << kSmallIniFileLimit << "two";
    QTest::newRow("64,001 bytes: lines") << kSmallIniFileLimit + 1 << "one";
}

void TestIniBounds::sizeOfReadingRuleChangesAfter64000Bytes()
{
    QFETCH(qint64, size);
    QFETCH(QString, expected);
    const QByteArray body = "[First]\r\nk=\"one\"\r\n[Second]\r\nk=\"two\"\r\n;";
    QByteArray bytes = body + QByteArray(size - body.size() - 2, '-') + "\r\n";
    QCOMPARE(qint64(bytes.size()), size);
    QTemporaryDir dir;
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("edge.lng"), bytes);
    QCOMPARE(readValue(path, "Second", "k"), expected);
}

void TestIniBounds::notOrdinaryFilesAreUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("endless device") << "device";
    QTest::newRow("pipe nobody writes to") << "pipe";
    QTest::newRow("folder") << "folder";
}

void TestIniBounds::notOrdinaryFilesAreUnreadable()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("X.lng"));
    if (kind == u"device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("X.lng")));
    }
    // Reading must neither wait for a writer nor read forever.
    QVERIFY(!MLSReadIni(path, QStringLiteral("S"), QStringLiteral("k")));
}

void TestIniBounds::byteOrderMarksAtTheStart()
{
    for (const int marks : {1, 3}) {
        QTemporaryDir dir;
        const QString path = test::writeFileIn(dir.path(), QStringLiteral("marks.ini"),
                                       QByteArray("\xEF\xBB\xBF").repeated(marks) + "[Strings]\r\n0001=\"tre\"\r\n");
        QCOMPARE(readValue(path, "Strings", "0001"), QStringLiteral("tre"));
        // A rewrite keeps what the file said and gives back what it wrote.
        QVERIFY(MLSWriteIni(path, QStringLiteral("Strings"), QStringLiteral("nuova"), QStringLiteral("v")));
        QCOMPARE(readValue(path, "Strings", "nuova"), QStringLiteral("v"));
        QCOMPARE(readValue(path, "Strings", "0001"), QStringLiteral("tre"));
    }
}

void TestIniBounds::tooLargeLanguageFileKeepsDesignTexts()
{
    test::TestRun run;
    // Files of the right section and keys, but too large (300 MiB, or one
    // line too many) to be a language file.
    const QByteArray translated = "[FormMenu]\r\nFormMenu.Caption=\"Menu\"\r\nCommand1.Caption=\"Quit\"\r\n"
                                  "[Strings]\r\n0001=\"Quit?\"\r\n";
    QVERIFY(!test::sparseFile(run.folder(), QStringLiteral("Huge.lng"), translated, qint64(300) * 1024 * 1024).isEmpty());
    run.writeFile(QStringLiteral("Lines.lng"), translated + QByteArray("\r\n").repeated(kMaxIniLines));
    for (const char *language : {"Huge", "Lines"}) {
        shared().MLSCurrentLanguage = QString::fromLatin1(language);
        FormMenu form;
        form.setTag(QStringLiteral("designed"));
        const qint64 before = test::peakMemoryMiB();
        lang::MLSTranslateForm(form);
        QCOMPARE(form.caption(), FormMenu::design().caption);
        QCOMPARE(form.tag(), QStringLiteral("designed"));
        QCOMPARE(form.control(QStringLiteral("Command1"))->caption(), QStringLiteral("Esci"));
        QCOMPARE(form.control(QStringLiteral("Label4"))->caption(), QString::fromUtf8("unità"));
        QCOMPARE(MLSGetString(QStringLiteral("0001")), QString());
        // Reading the huge one would have held its 300 MiB (and twice that as text).
        QVERIFY2(test::peakMemoryMiB() - before < 32, qPrintable(QStringLiteral("%1 MiB more").arg(test::peakMemoryMiB() - before)));
    }
}

void TestIniBounds::tooLargeSettingKeepsTheProgramGoing()
{
    test::TestRun run;
    const QString path = test::sparseFile(run.folder(), QStringLiteral("LangSetting.ini"),
                                    "[Language]\r\nCurrentLanguage=English\r\n", kMaxIniFileSize * 2);
    QVERIFY(!path.isEmpty());
    QCOMPARE(readCurrentLanguage(), QString());
    // The choice made in the menu cannot go into that file: the user's own
    // file keeps it, and the huge one stays as it is.
    QVERIFY(writeCurrentLanguage(QStringLiteral("Deutsch")));
    forgetUnsavedLanguage();
    QCOMPARE(readCurrentLanguage(), QStringLiteral("Deutsch"));
    QCOMPARE(QFileInfo(path).size(), kMaxIniFileSize * 2);
}

QTEST_MAIN(TestIniBounds)
#include "test_inibounds.moc"
