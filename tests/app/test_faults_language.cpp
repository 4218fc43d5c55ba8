// Language files that are not there, or a choice that names no usable
// file: every window opens with its designed texts, the number words are
// Italian, and the program goes on.

#include "PupilHands.h"
#include "TestSupport.h"

#include "app/SingleInstance.h"
#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "frame/Formortix.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace ortix;
using namespace ortix::ui;

namespace {

const QString kDecoy = QStringLiteral("DECOY");

// A language file that must never be read: every window's caption, the
// menu's texts and the strings all say DECOY, and it names English words.
QByteArray decoyLanguage()
{
    QByteArray text;
    QStringList forms = {QStringLiteral("FormAvvio"), QStringLiteral("FormMenu")};
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        forms << route.form;
    }
    for (const QString &form : forms) {
        text += "[" + form.toUtf8() + "]\r\n" + form.toUtf8() + ".Caption=\"DECOY\"\r\nmnuEsci.Caption=\"DECOY\"\r\n";
    }
    return text + "[FormMenu]\r\nCommand1.Caption=\"DECOY\"\r\n"
           + "[Strings]\r\n0000=\"ENGLISH\"\r\n0001=\"DECOY\"\r\n0002=\"DECOY\"\r\n0014=\"DECOY\"\r\n0047=\"DECOY\"\r\n";
}

// The designed caption of a window, from a copy that has not loaded.
QString designedCaption(const QString &form)
{
    std::unique_ptr<Form> unloaded(Forms::createUnloaded(form));
    return unloaded ? unloaded->caption() : QString();
}

// Every text of a window that a language file could have set.
QString textsOf(const Form *window)
{
    QStringList texts = {window->caption()};
    for (const Control *control : window->controls()) {
        texts << control->caption() << control->toolTipText();
    }
    return texts.join(u'|');
}

} // namespace

class TestFaultsLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choiceNamesNoUsableFile_data();
    void choiceNamesNoUsableFile();
};

void TestFaultsLanguage::choiceNamesNoUsableFile_data()
{
    QTest::addColumn<QByteArray>("setting");
    const QByteArray head = "[Language]\r\n";
    QTest::newRow("missing file") << head + "CurrentLanguage=Klingon\r\n";
    QTest::newRow("parent folder") << head + "CurrentLanguage=../Fuori\r\n";
    QTest::newRow("parent folder, backslash") << head + "CurrentLanguage=..\\Fuori\r\n";
    QTest::newRow("subfolder") << head + "CurrentLanguage=sub/Dentro\r\n";
    QTest::newRow("absolute path") << head + "CurrentLanguage=@ROOT@/Fuori\r\n";
    QTest::newRow("empty value") << head + "CurrentLanguage=\r\n";
    QTest::newRow("blanks only") << head + "CurrentLanguage=   \r\n";
    QTest::newRow("no key") << head;
    QTest::newRow("no LangSetting.ini") << QByteArray();
    QTest::newRow("a folder named LangSetting.ini") << QByteArray("<folder>");
    QTest::newRow("no language file at all") << QByteArray("<no files>");
}

// The program starts in its designed texts, never in a file outside its
// folder; once the pupil picks a language, that one is used and saved.
// Without any language file the menu says so, and "Esci" still quits.
void TestFaultsLanguage::choiceNamesNoUsableFile()
{
    QFETCH(QByteArray, setting);
    const bool noFiles = setting == "<no files>";
    test::TestRun run;
    // The program's folder lies one level down, with a decoy beside it and
    // another in a folder of its own.
    const QString program = QDir(run.folder()).filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(QDir(program).filePath(QStringLiteral("sub"))));
    const QDir shipped(QStringLiteral(ORTIX_DATA_DIR));
    for (const QString &name : shipped.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
        QVERIFY(noFiles || QFile::copy(shipped.filePath(name), QDir(program).filePath(name)));
    }
    run.writeFile(QStringLiteral("Fuori.lng"), decoyLanguage());
    run.writeFile(QStringLiteral("program/sub/Dentro.lng"), decoyLanguage());
    const QString settingPath = QDir(program).filePath(QStringLiteral("LangSetting.ini"));
    if (setting == "<folder>") {
        QVERIFY(QDir().mkpath(settingPath));
    } else if (!setting.isEmpty() && !noFiles) {
        run.writeFile(settingPath, setting.replace("@ROOT@", run.folder().toUtf8()));
    }
    setProgramFolder(program);

    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    QCOMPARE(menu->caption(), designedCaption(QStringLiteral("FormMenu")));
    QCOMPARE(shared().LinguaNumeri, QStringLiteral("1"));
    QCOMPARE(menu->controlArray(QStringLiteral("mnuLanguage")).size(), std::size_t(noFiles ? 1 : 6));
    if (noFiles) {
        QCOMPARE(menu->control(QStringLiteral("Command1"))->caption(), QStringLiteral("Esci"));
        QCOMPARE(shared().TestoEsatti, QString());
        QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
        const QString told = QString::fromUtf8("Non è presente alcun file di linguaggio!");
        QCOMPARE(run.fakes.messages->shown[0], (test::Shown{told, QString(), MsgButtons::Ok, MsgIcon::None}));
    } else {
        for (Control *item : menu->controlArray(QStringLiteral("mnuLanguage"))) {
            QVERIFY(!item->checked());
        }
        QVERIFY(run.fakes.messages->shown.empty());
    }
    // Every window keeps its designed caption and takes no text of the
    // decoy file; a right answer in the words windows is the Italian one.
    // Leaving each asks the quit question, with whatever text there is.
    run.fakes.messages->shown.clear();
    test::visitEveryWindow(menu, *run.fakes.messages, [](Form *window) {
        QCOMPARE(window->caption(), designedCaption(window->name()));
        QVERIFY2(!textsOf(window).contains(kDecoy), qPrintable(window->name()));
        test::workWindow(window);
    });
    QVERIFY(menu && !textsOf(menu).contains(kDecoy));
    const auto &asked = run.fakes.messages->shown;
    const auto questions = std::count_if(asked.begin(), asked.end(), [](const auto &shown) { return shown.buttons == MsgButtons::YesNo; });
    QCOMPARE(std::size_t(questions), test::registeredRoutes().size());
    if (noFiles) {
        // The quit question has no text, and still quits.
        run.fakes.messages->answers = {MsgAnswer::Yes};
        test::leftClick(menu->control(QStringLiteral("Command1")));
        QCOMPARE(run.fakes.end->ends, 1);
        QVERIFY(Forms::all().empty());
        return;
    }

    // Choosing a language puts things right for the rest of the run.
    test::chooseLanguage(menu, QStringLiteral("English"));
    QCOMPARE(shared().LinguaNumeri, QStringLiteral("2"));
    QVERIFY(menu->caption() != designedCaption(QStringLiteral("FormMenu")));
    QVERIFY(menu->control(QStringLiteral("mnuLanguage"), test::languageItem(menu, QStringLiteral("English")))->checked());
    if (setting == "<folder>") {
        QVERIFY(QFileInfo(settingPath).isDir()); // nowhere to save it
    } else {
        QVERIFY(run.readFile(QStringLiteral("program/LangSetting.ini")).contains("CurrentLanguage=English\r\n"));
    }
}

QTEST_MAIN(TestFaultsLanguage)
#include "test_faults_language.moc"
