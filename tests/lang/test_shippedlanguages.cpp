#include "TestSupport.h"

#include "app/Main.h"
#include "lang/IniFile.h"
#include "lang/TextDecoding.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <memory>
#include <set>

using namespace ortix;

namespace {

struct LanguageFile
{
    QString name;
    qint64 size = 0;
    // section -> keys, in file order
    std::map<QString, QStringList> sections;
    QStringList malformed;
};

LanguageFile parse(const QString &path)
{
    LanguageFile file;
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    file.name = QFileInfo(path).completeBaseName();
    file.size = bytes.size();
    QString section;
    for (const QString &line : lang::splitLines(lang::decodeText(bytes))) {
        // Blank lines, and comments that tell translators what a key is for.
        if (line.trimmed().isEmpty() || line.startsWith(u';')) {
            continue;
        }
        if (line.startsWith(u'[')) {
            section = line.mid(1, line.indexOf(u']') - 1);
            file.sections[section];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || section.isEmpty() || !line.mid(equals + 1).startsWith(u'"') || !line.endsWith(u'"')) {
            file.malformed << line;
            continue;
        }
        file.sections[section] << line.left(equals);
    }
    return file;
}

std::vector<LanguageFile> shippedFiles()
{
    std::vector<LanguageFile> files;
    const QDir data(QStringLiteral(ORTIX_DATA_DIR));
    for (const QString &name : data.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
        files.push_back(parse(data.filePath(name)));
    }
    return files;
}

const QStringList kStringIds = {"0000", "0001", "0002", "0003", "0012", "0013", "0014", "0026", "0027", "0038",
                                "0041", "0042", "0043", "0044", "0045", "0046", "0047", "0048", "0049", "9996",
                                "9997", "9998", "9999", "0060", "0061", "0062", "0200", "0201", "0202", "0203",
                                "0204", "0205", "0206", "0207", "0208", "0209", "0210", "0211", "0212", "0213"};

} // namespace

class TestShippedLanguages : public QObject
{
    Q_OBJECT

private slots:
    void everyFileIsReadBySection();
    void everyFileHasTheSameKeys();
    void stringsAreComplete();
    void keysNameRealControls();
};

// Which files there are, and that a first run speaks Italian, the menu's
// language list shows (test_menu).
void TestShippedLanguages::everyFileIsReadBySection()
{
    for (const auto &file : shippedFiles()) {
        // Larger files would be read without regard to sections.
        QVERIFY2(file.size <= lang::kSmallIniFileLimit, qPrintable(file.name));
        QVERIFY2(file.malformed.isEmpty(), qPrintable(file.name + QStringLiteral(": ") + file.malformed.join(QLatin1Char('|'))));
    }
}

void TestShippedLanguages::everyFileHasTheSameKeys()
{
    const auto files = shippedFiles();
    const LanguageFile &italian = *std::find_if(files.begin(), files.end(),
                                                [](const LanguageFile &f) { return f.name == "Italiano"; });
    for (const auto &file : files) {
        QCOMPARE(file.sections.size(), italian.sections.size());
        for (const auto &[section, keys] : italian.sections) {
            QVERIFY2(file.sections.count(section), qPrintable(file.name + QStringLiteral(" lacks ") + section));
            QStringList theirs = file.sections.at(section);
            QStringList ours = keys;
            theirs.sort();
            ours.sort();
            QVERIFY2(theirs == ours, qPrintable(file.name + QStringLiteral(": keys of ") + section + QStringLiteral(" differ")));
            QCOMPARE(QSet<QString>(ours.begin(), ours.end()).size(), ours.size());
        }
    }
}

void TestShippedLanguages::stringsAreComplete()
{
    const std::map<QString, QString> numberLanguage = {
        {"Italiano", "ITALIAN"}, {"English", "ENGLISH"}, {QString::fromUtf8("Français"), "FRENCH"},
        {"Deutsch", "GERMAN"},   {QString::fromUtf8("Español"), "SPANISH"}, {"Shqip", "ALBANIAN"}};
    const QDir data(QStringLiteral(ORTIX_DATA_DIR));
    for (const auto &[name, code] : numberLanguage) {
        const QString path = data.filePath(name + QStringLiteral(".lng"));
        QCOMPARE(*lang::MLSReadIni(path, QStringLiteral("Strings"), QStringLiteral("0000")), code);
        for (const QString &id : kStringIds) {
            QVERIFY2(!lang::MLSReadIni(path, QStringLiteral("Strings"), id)->isEmpty(),
                     qPrintable(name + QStringLiteral(" lacks ") + id));
        }
    }
}

void TestShippedLanguages::keysNameRealControls()
{
    test::TestRun run;
    registerAllForms();
    static const QRegularExpression keyPattern(
        QStringLiteral(R"(^([A-Za-z_][A-Za-z0-9_]*)(?:\((\d+)\))?\.(Caption|ToolTipText|Tag)$)"));
    const auto files = shippedFiles();
    for (const auto &[section, keys] : files.front().sections) {
        if (section == QStringLiteral("Strings")) {
            continue;
        }
        std::unique_ptr<ui::Form> form(ui::Forms::createUnloaded(section));
        QVERIFY2(form, qPrintable(QStringLiteral("no window ") + section));
        for (const QString &key : keys) {
            const auto match = keyPattern.match(key);
            QVERIFY2(match.hasMatch(), qPrintable(section + QStringLiteral(": ") + key));
            const QString name = match.captured(1);
            const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt();
            if (name == section && index < 0) {
                continue;
            }
            ui::Control *control = form->control(name, index);
            QVERIFY2(control, qPrintable(section + QStringLiteral(": no control for ") + key));
            if (match.captured(3) == QStringLiteral("Caption")) {
                QVERIFY2(control->has(ui::Property::Caption), qPrintable(section + QStringLiteral(": ") + key));
            }
        }
        // Maximum options with a thousands separator ("1.999") are written as
        // the language writes numbers, in every window that has them.
        static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
        for (const ui::Control *option : form->controlArray(QStringLiteral("OpzioneNumeroMassimo"))) {
            const QString key = QStringLiteral("OpzioneNumeroMassimo(%1).Caption").arg(option->index());
            QVERIFY2(digitsOnly.match(option->caption()).hasMatch() || keys.contains(key),
                     qPrintable(section + QStringLiteral(" lacks ") + key));
        }
    }
}

QTEST_MAIN(TestShippedLanguages)
#include "test_shippedlanguages.moc"
