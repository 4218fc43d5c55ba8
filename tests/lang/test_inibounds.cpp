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

#include <tuple>

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
    void sizeAndLineBoundsSmallLargeAndStrangeFiles();
    void tooLargeFilesKeepTheProgramGoing();
};

void TestIniBounds::sizeAndLineBoundsSmallLargeAndStrangeFiles()
{
    QTemporaryDir dir;
    // The line rule of large files: the first line that starts with the key.
    const QByteArray found = "k=\"found\"";
    const QString unreadable = QStringLiteral("<unreadable>");
    // key, "=", a quote, 4 MiB less 4 letters, a quote and no line end.
    const QByteArray line = "k=\"" + QByteArray(kMaxIniFileSize - 4, 'x') + '"';
    // Beyond the head, a file of this size is a hole of NUL bytes.
    QList<std::tuple<QByteArray, qint64, QString>> files = {
        {found + "\r\n", kMaxIniFileSize, "found"},
        {found + "\r\n", kMaxIniFileSize + 1, unreadable},
        {line, kMaxIniFileSize, QString(kMaxIniFileSize - 4, u'x')}};
    // The key's line, then empty ones (65,536 lines, one more, 4 MiB of
    // them): well under 4 MiB.
    const std::pair<QByteArray, qsizetype> lineEnds[] = {{"\r\n", kMaxIniLines}, {"\r\n", kMaxIniLines + 1},
                                                         {"\r", kMaxIniLines + 1},  {"\n", kMaxIniLines},
                                                         {"\n", qsizetype(kMaxIniFileSize - 9)}};
    for (const auto &[lineEnd, lines] : lineEnds) {
        const QByteArray bytes = found + lineEnd.repeated(lines);
        files.emplace_back(bytes, bytes.size(), lines > kMaxIniLines ? unreadable : QStringLiteral("found"));
    }
    for (const auto &[head, size, expected] : files) {
        const QString path = test::sparseFile(dir.path(), QStringLiteral("big.lng"), head, size);
        QVERIFY(!path.isEmpty());
        QCOMPARE(readValue(path, "S", "k"), expected);
        // Asked again, the answer is the same.
        QCOMPARE(readValue(path, "S", "k"), expected);
        // A file too large to read is not rewritten either: its other lines would be lost.
        QCOMPARE(MLSWriteIni(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new")), expected != unreadable);
        if (expected == unreadable) {
            QCOMPARE(QFileInfo(path).size(), size);
            QCOMPARE(test::readBytes(path).left(head.size()), head);
        }
    }

    QByteArray junk;
    for (int i = 0; i < 3000; ++i) {
        junk += char((i * 7919) % 256);
    }
    // Small: sections and keys still count, NUL or not.
    const QString small = test::writeFileIn(dir.path(), QStringLiteral("small.lng"),
                                            junk + QByteArray("\r\n[S]\r\nk=\"a\0b\"\r\n", 16) + junk);
    QCOMPARE(readValue(small, "S", "k"), QString::fromLatin1("a\0b", 3));
    QCOMPARE(readValue(small, "S", "missing"), QString());
    // Large: NUL bytes throughout, then the lines of the keys. The first line
    // of a key whatever its section (its case counts), less the key, the
    // "=" and the first and last character of the rest.
    const QString large = test::writeFileIn(dir.path(), QStringLiteral("large.lng"),
                                            QByteArray(kSmallIniFileLimit, '\0')
                                                + "\nk=\"after\"\n[T]\nk=\"second\"\nu=Esatti\nv=x\nW=\"case\"\n" + junk);
    const char *keys[][2] = {{"k", "after"}, {"u", "satt"}, {"v", ""}, {"w", ""}, {"missing", ""}};
    for (const auto &[key, value] : keys) {
        QCOMPARE(readValue(large, "T", key), QString::fromLatin1(value));
    }
    // Exactly at the limit: [Second] k=two, read by sections; a byte more and
    // it is read by lines, where the first "k" line wins.
    const QByteArray body = "[First]\r\nk=\"one\"\r\n[Second]\r\nk=\"two\"\r\n;";
    for (const qint64 size : {kSmallIniFileLimit, kSmallIniFileLimit + 1}) {
        const QString path = test::writeFileIn(dir.path(), QStringLiteral("edge%1.lng").arg(size),
                                               body + QByteArray(size - body.size() - 2, '-') + "\r\n");
        QCOMPARE(QFileInfo(path).size(), size);
        QCOMPARE(readValue(path, "Second", "k"), QString::fromLatin1(size == kSmallIniFileLimit ? "two" : "one"));
    }

    const QDir folder(dir.path());
    // An endless device, a pipe nobody writes to, a folder: reading must
    // neither wait for a writer nor read forever.
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("device.lng"))));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.lng"))).constData(), 0600), 0);
    QVERIFY(folder.mkdir(QStringLiteral("folder.lng")));
    for (const char *name : {"device.lng", "pipe.lng", "folder.lng"}) {
        QVERIFY2(!MLSReadIni(folder.filePath(QString::fromLatin1(name)), QStringLiteral("S"), QStringLiteral("k")), name);
    }
    // Byte order marks at the start, one or more.
    for (const int marks : {1, 3}) {
        const QString path = test::writeFileIn(dir.path(), QStringLiteral("marks%1.ini").arg(marks),
                                       QByteArray("\xEF\xBB\xBF").repeated(marks) + "[Strings]\r\n0001=\"tre\"\r\n");
        QCOMPARE(readValue(path, "Strings", "0001"), QStringLiteral("tre"));
        // A rewrite keeps what the file said and gives back what it wrote.
        QVERIFY(MLSWriteIni(path, QStringLiteral("Strings"), QStringLiteral("nuova"), QStringLiteral("v")));
        QCOMPARE(readValue(path, "Strings", "nuova"), QStringLiteral("v"));
        QCOMPARE(readValue(path, "Strings", "0001"), QStringLiteral("tre"));
    }
}

void TestIniBounds::tooLargeFilesKeepTheProgramGoing()
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
        const QStringList texts = {form.caption(), form.tag(), form.control(QStringLiteral("Command1"))->caption(),
                                   form.control(QStringLiteral("Label4"))->caption(), MLSGetString(QStringLiteral("0001"))};
        QCOMPARE(texts, QStringList({FormMenu::design().caption, "designed", "Esci", QString::fromUtf8("unità"), ""}));
        // Reading the huge one would have held its 300 MiB (and twice that as text).
        QVERIFY(test::peakMemoryMiB() - before < 32);
    }

    // A settings file too large to read: the choice made in the menu cannot
    // go into it, the user's own file keeps it, and the huge one stays as it is.
    const QString path = test::sparseFile(run.folder(), QStringLiteral("LangSetting.ini"),
                                          "[Language]\r\nCurrentLanguage=English\r\n", kMaxIniFileSize * 2);
    QVERIFY(!path.isEmpty());
    QCOMPARE(readCurrentLanguage(), QString());
    QVERIFY(writeCurrentLanguage(QStringLiteral("Deutsch")));
    forgetUnsavedLanguage();
    QCOMPARE(readCurrentLanguage(), QStringLiteral("Deutsch"));
    QCOMPARE(QFileInfo(path).size(), kMaxIniFileSize * 2);
}

QTEST_MAIN(TestIniBounds)
#include "test_inibounds.moc"
