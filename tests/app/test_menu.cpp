#include "PupilHands.h"
#include "TestSupport.h"

#include "app/FormMenu.h"
#include "app/Main.h"
#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "lang/LanguageSupport.h"
#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"

#include <QDir>
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

// A stand-in for an exercise window: "Esci" goes back to the menu.
class StandIn : public Form
{
public:
    StandIn()
        : Form(design())
    {
    }
    static FormBlueprint design()
    {
        FormBlueprint blueprint;
        blueprint.name = QStringLiteral("Form4");
        blueprint.caption = QStringLiteral("Form4");
        blueprint.scaleWidth = 3000;
        blueprint.scaleHeight = 3000;
        blueprint.controls = {menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci"))};
        return blueprint;
    }
};

QString lockPath(const test::TestRun &run)
{
    return QDir(run.folder()).filePath(QStringLiteral("ortix.lock"));
}

void clickMenuItem(Form *form, const QString &name, int index)
{
    qobject_cast<MenuControl *>(form->control(name, index))->trigger();
}

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void startWindowOpensMenuFillingTheScreen();
    void languageMenuSwitchesAndIsRemembered();
    void languageChoiceThatCannotBeSavedHoldsForTheRun();
    void noLanguageFileKeepsDesignTexts();
    void routingAndSoundSwitchSurviveReturn();
    void quitQuestion();
    void secondInstanceIsRefused();
    void crashedInstanceDoesNotBlock();
};

void TestMenu::startWindowOpensMenuFillingTheScreen()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(lockPath(run));
    QVERIFY(Main(instance));
    Form *avvio = Forms::find(QStringLiteral("FormAvvio"));
    QVERIFY(avvio);
    QCOMPARE(avvio->width(), 15360.0);
    QCOMPARE(avvio->height(), 11520.0);
    QCOMPARE(shared().TestoEsatti, QStringLiteral("Esatti"));
    QCOMPARE(shared().LinguaNumeri, QStringLiteral("1"));
    QCOMPARE(shared().NumeroMassimo, 99);
    QTest::mouseClick(avvio->control(QStringLiteral("BottoneAvvio"))->widget(), Qt::LeftButton);
    test::flushDeletes();
    Form *menu = Forms::find(QStringLiteral("FormMenu"));
    QVERIFY(menu);
    QCOMPARE(Forms::all().size(), std::size_t(1));
    QCOMPARE(menu->left(), 0.0);
    QCOMPARE(menu->top(), 0.0);
    QCOMPARE(menu->width(), 15360.0);
    QCOMPARE(menu->height(), 11520.0);
    QCOMPARE(Ridimensionatore()->SourceForm(), menu);
    // The controls follow the window: the grid's last column ends near the right edge.
    Control *lastColumn = menu->control(QStringLiteral("Command8"));
    QCOMPARE(lastColumn->left() + lastColumn->width(), 10280.0 * menu->scaleWidth() / 10410.0);
    // The shipped files are listed by name, the Italian one ticked.
    QStringList captions;
    for (Control *item : menu->controlArray(QStringLiteral("mnuLanguage"))) {
        captions << item->caption() + (item->checked() ? QStringLiteral("*") : QString());
    }
    QCOMPARE(captions, QStringList({"Deutsch", "English", QString::fromUtf8("Español"), QString::fromUtf8("Français"),
                                    "Italiano*", "Shqip"}));
    QCOMPARE(menu->control(QStringLiteral("Check1"))->backColor(), menu->backColor());
}

void TestMenu::languageMenuSwitchesAndIsRemembered()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Alfa.lng"), kAlfa);
    run.writeFile(QStringLiteral("Beta.lng"), kBeta);
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Beta\r\n");
    {
        SingleInstance instance(lockPath(run));
        Form *menu = test::startProgram(instance);
        QVERIFY(menu);
        QCOMPARE(menu->caption(), QStringLiteral("Beta menu"));
        QCOMPARE(menu->control(QStringLiteral("mnuLanguage"), 0)->caption(), QStringLiteral("Alfa"));
        QVERIFY(!menu->control(QStringLiteral("mnuLanguage"), 0)->checked());
        QVERIFY(menu->control(QStringLiteral("mnuLanguage"), 1)->checked());
        QCOMPARE(shared().LinguaNumeri, QStringLiteral("4"));

        clickMenuItem(menu, QStringLiteral("mnuLanguage"), 0);
        QCOMPARE(menu->caption(), QStringLiteral("Alfa menu"));
        QCOMPARE(menu->control(QStringLiteral("Command1"))->caption(), QStringLiteral("Quit"));
        QVERIFY(menu->control(QStringLiteral("mnuLanguage"), 0)->checked());
        QVERIFY(!menu->control(QStringLiteral("mnuLanguage"), 1)->checked());
        QCOMPARE(shared().LinguaNumeri, QStringLiteral("2"));
        QCOMPARE(shared().ParteUnita[1], QStringLiteral("Ele"));
        // Texts read at start-up stay in the start-up language.
        QCOMPARE(shared().TestoEsatti, QStringLiteral("Richtig"));
        QCOMPARE(run.readFile(QStringLiteral("LangSetting.ini")), QByteArray("[Language]\r\nCurrentLanguage=Alfa\r\n"));
    }
    // The next start opens in the chosen language.
    test::closeAllForms();
    resetShared();
    SingleInstance again(lockPath(run));
    QVERIFY(Main(again));
    QCOMPARE(Forms::find(QStringLiteral("FormAvvio"))->caption(), QStringLiteral("Alfa start"));
    QCOMPARE(shared().TestoEsatti, QStringLiteral("Right"));
}

void TestMenu::languageChoiceThatCannotBeSavedHoldsForTheRun()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Alfa.lng"), kAlfa);
    run.writeFile(QStringLiteral("Beta.lng"), kBeta);
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Beta\r\n");
    // A read-only program folder: the choice cannot be saved.
    test::ObeyFilePermissions obey;
    test::setFolderWritable(run.folder(), false);
    SingleInstance instance(QDir::temp().filePath(QStringLiteral("ortix-test-%1.lock").arg(QCoreApplication::applicationPid())));
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    clickMenuItem(menu, QStringLiteral("mnuLanguage"), 0);
    test::setFolderWritable(run.folder(), true);
    QCOMPARE(run.readFile(QStringLiteral("LangSetting.ini")), QByteArray("[Language]\r\nCurrentLanguage=Beta\r\n"));
    QCOMPARE(menu->caption(), QStringLiteral("Alfa menu"));
    // Back in the menu later in the run, the choice still holds.
    Form *again = Forms::open(QStringLiteral("FormAvvio"), menu);
    test::flushDeletes();
    QCOMPARE(again->caption(), QStringLiteral("Alfa start"));
    QTest::mouseClick(again->control(QStringLiteral("BottoneAvvio"))->widget(), Qt::LeftButton);
    test::flushDeletes();
    menu = Forms::find(QStringLiteral("FormMenu"));
    QVERIFY(menu->control(QStringLiteral("mnuLanguage"), 0)->checked());
}

void TestMenu::noLanguageFileKeepsDesignTexts()
{
    test::TestRun run;
    SingleInstance instance(lockPath(run));
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    QCOMPARE(menu->caption(), QStringLiteral("Uso dell'ortix - Menu"));
    QCOMPARE(menu->control(QStringLiteral("Command1"))->caption(), QStringLiteral("Esci"));
    QCOMPARE(menu->controlArray(QStringLiteral("mnuLanguage")).size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &shown = run.fakes.messages->shown.front();
    QCOMPARE(shown.text, QString::fromUtf8("Non è presente alcun file di linguaggio!"));
    QCOMPARE(shown.title, QString());
    QCOMPARE(shown.icon, MsgIcon::None);
    QCOMPARE(shared().LinguaNumeri, QStringLiteral("1"));
    QCOMPARE(shared().TestoEsatti, QString());
}

void TestMenu::routingAndSoundSwitchSurviveReturn()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(lockPath(run));
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    Forms::registerForm(QStringLiteral("Form4"), [] { return new StandIn(); });

    QWidget *check = menu->control(QStringLiteral("Check1"))->widget();
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(!shared().SuoniAttivati);
    QTest::mouseClick(menu->control(QStringLiteral("Command17"))->widget(), Qt::LeftButton);
    test::flushDeletes();
    Form *exercise = Forms::find(QStringLiteral("Form4"));
    QVERIFY(exercise);
    QCOMPARE(Forms::all().size(), std::size_t(1));

    menu = Forms::open(QStringLiteral("FormMenu"), exercise);
    test::flushDeletes();
    QCOMPARE(menu->control(QStringLiteral("Check1"))->value(), 0);
    QVERIFY(!shared().SuoniAttivati);
    QCOMPARE(menu->control(QStringLiteral("Check1"))->backColor(), menu->backColor());
    QCOMPARE(menu->width(), 15360.0);
    // The language list is built anew, not doubled.
    QCOMPARE(menu->controlArray(QStringLiteral("mnuLanguage")).size(), std::size_t(6));
}

void TestMenu::quitQuestion()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(lockPath(run));
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    run.fakes.messages->shown.clear();
    run.fakes.messages->answers = {MsgAnswer::No};
    QTest::mouseClick(menu->control(QStringLiteral("Command1"))->widget(), Qt::LeftButton);
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].title, QStringLiteral("Utilizzo dell'ortix"));
    QCOMPARE(run.fakes.messages->shown[0].icon, MsgIcon::Question);
    QCOMPARE(run.fakes.messages->shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(run.fakes.messages->shown[0].text, lang::MLSGetString(QStringLiteral("0014")));
    QVERIFY(!run.fakes.messages->shown[0].text.isEmpty());
    QCOMPARE(run.fakes.end->ends, 0);
    QCOMPARE(Forms::find(QStringLiteral("FormMenu")), menu);

    run.fakes.messages->answers = {MsgAnswer::Yes};
    QTest::mouseClick(menu->control(QStringLiteral("Command1"))->widget(), Qt::LeftButton);
    QCOMPARE(run.fakes.end->ends, 1);
    QCOMPARE(Ridimensionatore(), nullptr);
    QVERIFY(Forms::all().empty());
}

void TestMenu::secondInstanceIsRefused()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Beta.lng"), kBeta);
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Beta\r\n");
    SingleInstance first(lockPath(run));
    QVERIFY(first.acquire());
    SingleInstance second(lockPath(run));
    QVERIFY(!Main(second));
    QVERIFY(Forms::all().empty());
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].text, QStringLiteral("Schon offen"));
    QCOMPARE(run.fakes.messages->shown[0].title, QStringLiteral("Ortix"));
    QCOMPARE(run.fakes.messages->shown[0].icon, MsgIcon::Critical);
}

void TestMenu::crashedInstanceDoesNotBlock()
{
    test::TestRun run;
    // The lock of an instance that died: its process no longer exists.
    run.writeFile(QStringLiteral("ortix.lock"), "2147483646\nortix\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    SingleInstance instance(lockPath(run));
    QVERIFY(instance.acquire());
}

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
