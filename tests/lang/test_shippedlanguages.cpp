#include "TestSupport.h"

#include "app/Main.h"
#include "lang/IniFile.h"
#include "lang/TextDecoding.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Forms.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <memory>

using namespace ortix;

namespace {

struct LanguageFile
{
    QString name;
    QStringList problems;
    // section -> key -> value
    QMap<QString, QMap<QString, QString>> sections;
};

// Every shipped file. A problem: a line that is neither blank, a comment, a
// header nor a quoted key="value" of a section, a key twice, too many bytes.
std::vector<LanguageFile> shippedFiles()
{
    std::vector<LanguageFile> files;
    const QDir data(QStringLiteral(ORTIX_DATA_DIR));
    for (const QString &name : data.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
        const QByteArray bytes = test::readBytes(data.filePath(name));
        LanguageFile &file = files.emplace_back(LanguageFile{QFileInfo(name).completeBaseName(), {}, {}});
        // Larger files would be read without regard to sections.
        if (bytes.size() > lang::kSmallIniFileLimit) {
            file.problems << file.name + QStringLiteral(" is too large");
        }
        QString section;
        for (const QString &line : lang::splitLines(lang::decodeText(bytes))) {
            if (line.trimmed().isEmpty() || line.startsWith(u';')) {
                continue;
            }
            if (line.startsWith(u'[')) {
                section = line.mid(1, line.indexOf(u']') - 1);
                file.sections[section];
                continue;
            }
            const qsizetype equals = line.indexOf(u'=');
            const bool wellFormed = equals > 0 && !section.isEmpty() && line.mid(equals + 1).startsWith(u'"')
                && line.endsWith(u'"') && !file.sections[section].contains(line.left(equals));
            if (wellFormed) {
                file.sections[section][line.left(equals)] = line.mid(equals + 2).chopped(1);
            } else {
                file.problems << file.name + QStringLiteral(": ") + line;
            }
        }
    }
    return files;
}

} // namespace

class TestShippedLanguages : public QObject
{
    Q_OBJECT

private slots:
    void keysNameRealControls();
};

// Every file has the keys of the Italian one, and they name real controls.
// (Which files there are, and that a first run speaks Italian, the menu's
// language list shows: test_menu.)
void TestShippedLanguages::keysNameRealControls()
{
    const auto files = shippedFiles();
    const auto italian = std::find_if(files.begin(), files.end(), [](const LanguageFile &f) { return f.name == "Italiano"; });
    QVERIFY(italian != files.end());
    // The texts the program asks for by number.
    for (const char *id : {"0000", "0001", "0002", "0003", "0012", "0013", "0014", "0026", "0027", "0038", "0041",
                           "0042", "0043", "0044", "0045", "0046", "0047", "0048", "0049", "9996", "9997", "9998",
                           "9999", "0060", "0061", "0062", "0200", "0201", "0202", "0203", "0204", "0205", "0206",
                           "0207", "0208", "0209", "0210", "0211", "0212", "0213"}) {
        QVERIFY2(italian->sections.value(QStringLiteral("Strings")).contains(QString::fromLatin1(id)), id);
    }
    const std::map<QString, QString> numberLanguage = {
        {"Italiano", "ITALIAN"}, {"English", "ENGLISH"}, {QString::fromUtf8("Français"), "FRENCH"},
        {"Deutsch", "GERMAN"},   {QString::fromUtf8("Español"), "SPANISH"}, {"Shqip", "ALBANIAN"}};
    QCOMPARE(files.size(), numberLanguage.size());
    for (const auto &file : files) {
        QCOMPARE(file.problems, QStringList());
        QCOMPARE(file.sections.keys(), italian->sections.keys());
        for (const auto &[section, keys] : italian->sections.asKeyValueRange()) {
            QCOMPARE(file.sections.value(section).keys(), keys.keys());
        }
        const auto strings = file.sections.value(QStringLiteral("Strings"));
        QCOMPARE(strings.value(QStringLiteral("0000")), numberLanguage.at(file.name));
        for (const auto &[id, text] : strings.asKeyValueRange()) {
            QVERIFY2(!text.isEmpty(), qPrintable(file.name + QStringLiteral(" lacks ") + id));
        }
    }

    // The keys name real controls of real windows.
    test::TestRun run;
    registerAllForms();
    static const QRegularExpression keyPattern(
        QStringLiteral(R"(^([A-Za-z_][A-Za-z0-9_]*)(?:\((\d+)\))?\.(Caption|ToolTipText|Tag)$)"));
    static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
    for (const auto &[section, keys] : italian->sections.asKeyValueRange()) {
        if (section == QStringLiteral("Strings")) {
            continue;
        }
        std::unique_ptr<ui::Form> form(ui::Forms::createUnloaded(section));
        QVERIFY2(form, qPrintable(QStringLiteral("no window ") + section));
        for (const QString &key : keys.keys()) {
            const auto match = keyPattern.match(key);
            QVERIFY2(match.hasMatch(), qPrintable(section + QStringLiteral(": ") + key));
            const QString name = match.captured(1);
            const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt();
            if (name == section && index < 0) {
                continue;
            }
            ui::Control *control = form->control(name, index);
            QVERIFY2(control, qPrintable(section + QStringLiteral(": no control for ") + key));
            QVERIFY2(match.captured(3) != QStringLiteral("Caption") || control->has(ui::Property::Caption),
                     qPrintable(section + QStringLiteral(": ") + key));
        }
        // Maximum options with a thousands separator ("1.999") are written as
        // the language writes numbers, in every window that has them.
        for (const ui::Control *option : form->controlArray(QStringLiteral("OpzioneNumeroMassimo"))) {
            const QString key = QStringLiteral("OpzioneNumeroMassimo(%1).Caption").arg(option->index());
            QVERIFY2(digitsOnly.match(option->caption()).hasMatch() || keys.contains(key),
                     qPrintable(section + QStringLiteral(" lacks ") + key));
        }
    }
}

QTEST_MAIN(TestShippedLanguages)
#include "test_shippedlanguages.moc"
