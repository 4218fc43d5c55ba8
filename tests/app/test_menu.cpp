#include "FaultSupport.h"
#include "PupilHands.h"
#include "TestSupport.h"

#include "app/CommandLine.h"
#include "app/Main.h"
#include "app/SingleInstance.h"
#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

const QByteArray kAlfa = "[FormAvvio]\r\nFormAvvio.Caption=\"Alfa start\"\r\nBottoneAvvio.Caption=\"Go\"\r\n"
                         "[FormMenu]\r\nFormMenu.Caption=\"Alfa menu\"\r\nCommand1.Caption=\"Quit\"\r\n"
                         "[Strings]\r\n0000=\"ENGLISH\"\r\n0002=\"Right\"\r\n0014=\"Quit now?\"\r\n";
const QByteArray kBeta = "[FormAvvio]\r\nFormAvvio.Caption=\"Beta start\"\r\nBottoneAvvio.Caption=\"Los\"\r\n"
                         "[FormMenu]\r\nFormMenu.Caption=\"Beta menu\"\r\nCommand1.Caption=\"Ende\"\r\n"
                         "[Strings]\r\n0000=\"GERMAN\"\r\n0002=\"Richtig\"\r\n0012=\"Schon offen\"\r\n"
                         "0013=\"Ortix\"\r\n";
const QByteArray kGamma = "[FormMenu]\r\nFormMenu.Caption=\"Gamma menu\"\r\n[Strings]\r\n0000=\"FRENCH\"\r\n";

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void startWindowMenuAndQuit();
    void languageMenuSwitchesAndIsRemembered();
    void usersOwnLanguageWinsInOneCopy();
};

void TestMenu::startWindowMenuAndQuit()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    QVERIFY(Main(instance));
    Form *avvio = Forms::find(QStringLiteral("FormAvvio"));
    QVERIFY(avvio);
    QCOMPARE(QSizeF(avvio->width(), avvio->height()), QSizeF(15360, 11520));
    // Italian texts and number words; until the pupil chooses, the windows
    // up to 99 draw from all of them.
    const QStringList atStart = {shared().TestoEsatti, shared().LinguaNumeri, QString::number(shared().NumeroMassimo)};
    QCOMPARE(atStart, QStringList({"Esatti", "1", "99"}));
    Form *menu = test::openRoute(avvio, {QStringLiteral("BottoneAvvio"), QStringLiteral("FormMenu")});
    QVERIFY(menu);
    QCOMPARE(QRectF(menu->left(), menu->top(), menu->width(), menu->height()), QRectF(0, 0, 15360, 11520));
    // The shared resizer holds the menu (how it rescales: test_resize).
    QCOMPARE(Ridimensionatore()->SourceForm(), menu);
    // The shipped files are listed by name, the Italian one ticked.
    QStringList captions;
    for (Control *item : menu->controlArray(QStringLiteral("mnuLanguage"))) {
        captions << item->caption() + (item->checked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(captions, QStringList({"Deutsch", "English", QString::fromUtf8("Español"), QString::fromUtf8("Français"),
                                    "Italiano*", "Shqip"}));
    QCOMPARE(menu->control(QStringLiteral("Check1"))->backColor(), menu->backColor());

    // The sound switch and the language list survive a visit to a window.
    test::clickCheckBox(menu->control(QStringLiteral("Check1")));
    QVERIFY(!shared().SuoniAttivati);
    // The voice is off at every start; ticked, its engine starts getting
    // ready (what it reads: test_exerciseopening, test_formortix).
    Control *voice = menu->control(QStringLiteral("Check2"));
    QCOMPARE(voice->value(), 0);
    QVERIFY(!shared().VoceAttivata);
    QCOMPARE(voice->backColor(), menu->backColor());
    test::clickCheckBox(voice);
    QVERIFY(shared().VoceAttivata);
    QCOMPARE(run.fakes.speech->starts, 1);
    Form *window = test::openRoute(menu, test::registeredRoutes().front());
    QVERIFY(window);

    menu = test::leaveWindow(window, *run.fakes.messages);
    QVERIFY(menu);
    QCOMPARE(menu->control(QStringLiteral("Check1"))->value(), 0);
    QVERIFY(!shared().SuoniAttivati);
    QCOMPARE(menu->control(QStringLiteral("Check2"))->value(), 1);
    // The language list is built anew, not doubled.
    QCOMPARE(menu->controlArray(QStringLiteral("mnuLanguage")).size(), std::size_t(6));

    // "Esci" asks first; No keeps the menu, Yes ends the program.
    run.fakes.messages->shown.clear();
    run.fakes.messages->answers = {MsgAnswer::No};
    QTest::mouseClick(menu->control(QStringLiteral("Command1"))->widget(), Qt::LeftButton);
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const QString quit = lang::MLSGetString(QStringLiteral("0014"));
    QVERIFY(!quit.isEmpty());
    QCOMPARE(run.fakes.messages->shown[0], (test::Shown{quit, QStringLiteral("Utilizzo dell'ortix"), MsgButtons::YesNo, MsgIcon::Question}));
    QCOMPARE(run.fakes.end->ends, 0);
    QCOMPARE(Forms::find(QStringLiteral("FormMenu")), menu);

    run.fakes.messages->answers = {MsgAnswer::Yes};
    QTest::mouseClick(menu->control(QStringLiteral("Command1"))->widget(), Qt::LeftButton);
    QCOMPARE(run.fakes.end->ends, 1);
    QCOMPARE(Ridimensionatore(), nullptr);
    QVERIFY(Forms::all().empty());
}

void TestMenu::languageMenuSwitchesAndIsRemembered()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Alfa.lng"), kAlfa);
    run.writeFile(QStringLiteral("Beta.lng"), kBeta);
    run.writeFile(QStringLiteral("Gamma.LNG"), kGamma);
    // File names are matched without regard to case.
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=beta\r\n");
    {
        SingleInstance instance(run.lockPath());
        Form *menu = test::startProgram(instance);
        QVERIFY(menu);
        QCOMPARE(menu->caption(), QStringLiteral("Beta menu"));
        const auto item = [&menu](int index) {
            return qobject_cast<MenuControl *>(menu->control(QStringLiteral("mnuLanguage"), index));
        };
        QCOMPARE(item(0)->caption(), QStringLiteral("Alfa"));
        QCOMPARE(item(2)->caption(), QStringLiteral("Gamma"));
        QVERIFY(!item(0)->checked());
        QVERIFY(item(1)->checked());
        QCOMPARE(shared().LinguaNumeri, QStringLiteral("4"));

        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 0);
        QCOMPARE(menu->caption(), QStringLiteral("Alfa menu"));
        QCOMPARE(menu->control(QStringLiteral("Command1"))->caption(), QStringLiteral("Quit"));
        QVERIFY(item(0)->checked());
        QVERIFY(!item(1)->checked());
        // The item that lost its tick looks like one never ticked.
        QVERIFY(!item(1)->action()->isCheckable());
        QCOMPARE(item(1)->action()->isCheckable(), item(2)->action()->isCheckable());
        QCOMPARE(shared().LinguaNumeri, QStringLiteral("2"));
        QCOMPARE(shared().ParteUnita[1], QStringLiteral("Ele"));
        // The counters' titles follow the language into the next window.
        QCOMPARE(shared().TestoEsatti, QStringLiteral("Right"));
        Form *window = test::openRoute(menu, test::registeredRoutes().front());
        QVERIFY(window);
        QCOMPARE(window->control(QStringLiteral("LabelEST"))->caption(), QStringLiteral("Right"));
        menu = test::leaveWindow(window, *run.fakes.messages);
        QVERIFY(menu);

        // A file whose extension is in capitals translates as listed.
        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 2);
        QCOMPARE(menu->caption(), QStringLiteral("Gamma menu"));
        QCOMPARE(shared().LinguaNumeri, QStringLiteral("3"));

        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 0);
        QCOMPARE(run.readFile(QStringLiteral("LangSetting.ini")), QByteArray("[Language]\r\nCurrentLanguage=Alfa\r\n"));
    }
    // The next start opens in the chosen language.
    test::startAfresh();
    SingleInstance again(run.lockPath());
    QVERIFY(Main(again));
    QCOMPARE(Forms::find(QStringLiteral("FormAvvio"))->caption(), QStringLiteral("Alfa start"));
    QCOMPARE(shared().TestoEsatti, QStringLiteral("Right"));
    // A writable program folder keeps the choice itself.
    QVERIFY(!QFileInfo::exists(lang::userLangSettingPath()));
}

// The user's own LangSetting.ini wins over the program folder's, which stays
// the default for everyone; the user's later choices go to the user's file.
// A language given on the command line holds for that run only. A second
// copy of the program is refused, in that language.
void TestMenu::usersOwnLanguageWinsInOneCopy()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Alfa.lng"), kAlfa);
    run.writeFile(QStringLiteral("Beta.lng"), kBeta);
    const QByteArray everyone = "[Language]\r\nCurrentLanguage=Alfa\r\n";
    run.writeFile(QStringLiteral("LangSetting.ini"), everyone);
    QVERIFY(QDir().mkpath(userFolder()));
    run.writeFile(lang::userLangSettingPath(), "[language]\r\ncurrentlanguage = Beta\r\n");
    {
        SingleInstance first(run.lockPath());
        QVERIFY(first.acquire());
        SingleInstance second(run.lockPath());
        QVERIFY(!Main(second));
        QVERIFY(Forms::all().empty());
        QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
        QCOMPARE(run.fakes.messages->shown[0], (test::Shown{"Schon offen", "Ortix", MsgButtons::Ok, MsgIcon::Critical}));
    }
    test::startAfresh();
    {
        SingleInstance instance(run.lockPath());
        Form *menu = test::startProgram(instance);
        QVERIFY(menu);
        QCOMPARE(menu->caption(), QStringLiteral("Beta menu"));
        QVERIFY(menu->control(QStringLiteral("mnuLanguage"), 1)->checked());
        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 0);
        QCOMPARE(menu->caption(), QStringLiteral("Alfa menu"));
        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 1);
        test::chooseMenu(menu, QStringLiteral("mnuLanguage"), 0);
    }
    QCOMPARE(run.readFile(QStringLiteral("LangSetting.ini")), everyone);
    QCOMPARE(test::readBytes(lang::userLangSettingPath()), QByteArray("[language]\r\nCurrentLanguage=Alfa\r\n"));

    // --language beta: this run only, in any letter case; nothing is saved.
    test::startAfresh();
    const QString before = test::folderSnapshot(run.folder());
    CommandLine commandLine = parseCommandLine({QStringLiteral("ortix"), QStringLiteral("--language"), QStringLiteral("beta")});
    QCOMPARE(commandLine.outcome, CommandLine::Outcome::Run);
    QVERIFY(useLanguageOfCommandLine(commandLine));
    {
        SingleInstance instance(run.lockPath());
        Form *menu = test::startProgram(instance);
        QVERIFY(menu);
        QCOMPARE(menu->caption(), QStringLiteral("Beta menu"));
        QVERIFY(menu->control(QStringLiteral("mnuLanguage"), 1)->checked());
    }
    QCOMPARE(test::folderSnapshot(run.folder()), before);
    commandLine.language = QStringLiteral("../Alfa");
    QVERIFY(!useLanguageOfCommandLine(commandLine));

    // Without the user's file the program folder's default holds again; the
    // lock of a copy that died (its process no longer exists) keeps no one out.
    test::startAfresh();
    run.writeFile(QStringLiteral("ortix.lock"), "2147483646\nortix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QVERIFY(QFile::remove(lang::userLangSettingPath()));
    SingleInstance again(run.lockPath());
    QVERIFY(Main(again));
    QCOMPARE(Forms::find(QStringLiteral("FormAvvio"))->caption(), QStringLiteral("Alfa start"));
}

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
