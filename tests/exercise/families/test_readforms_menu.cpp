// One pupil's round in each read-the-beads window, from the start window
// through the main menu and back, with Italian settings.
#include "ReadPupil.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "ui/MenuControl.h"

#include <QDir>
#include <QLocale>
#include <QTest>

using namespace ortix;
using namespace ortix::ui;

class TestReadFormsMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void roundFromTheMenu_data();
    void roundFromTheMenu();
};

void TestReadFormsMenu::roundFromTheMenu_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Form6") << "Command16" << "Form6" << 5 << "5";
    QTest::newRow("Form99b") << "Command35" << "Form99b" << 42 << "42";
    QTest::newRow("Form999b") << "Command10" << "Form999b" << 305 << "305";
    QTest::newRow("F9999b") << "Command11" << "F9999b" << 4025 << "4.025";
    QTest::newRow("Periodo2") << "Command8" << "Periodo2" << 120345 << "120.345";
    QTest::newRow("Form5") << "Command15" << "Form5" << 7 << "sette";
    QTest::newRow("Form99b1") << "Command5" << "Form99b1" << 28 << "ventotto";
    QTest::newRow("Form999b1") << "Command3" << "Form999b1" << 121 << "centoventuno";
    QTest::newRow("F9999c") << "Command12" << "F9999c" << 4025 << "quattromilaventicinque";
    QTest::newRow("Periodo3") << "Command7" << "Periodo3" << 120345 << "centoventimilatrecentoquarantacinque";
}

void TestReadFormsMenu::roundFromTheMenu()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QString, answer);
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(QDir(run.folder()).filePath(QStringLiteral("ortix.lock")));
    QVERIFY(Main(instance));
    QTest::mouseClick(Forms::find(QStringLiteral("FormAvvio"))->control(QStringLiteral("BottoneAvvio"))->widget(),
                      Qt::LeftButton);
    test::flushDeletes();
    Form *menu = Forms::find(QStringLiteral("FormMenu"));
    QVERIFY(menu);

    auto &rnd = test::installScriptedRnd();
    test::scriptReadItem(rnd, window, number, test::startMaximumOf(window));
    QTest::mouseClick(menu->control(menuButton)->widget(), Qt::LeftButton);
    test::flushDeletes();
    test::Reader pupil{qobject_cast<ReadBeadsForm *>(Forms::find(window))};
    QVERIFY(pupil.form);
    QCOMPARE(Forms::all().size(), std::size_t(1));
    QCOMPARE(pupil.c("LabelEST")->caption(), QStringLiteral("Esatti"));

    // Read the beads, write the number, press Enter.
    QCOMPARE(pupil.beads(), number);
    pupil.type(answer);
    pupil.enter();
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));
    QCOMPARE(pupil.errati(), QStringLiteral("0"));
    QVERIFY(run.fakes.sounds->played.last().contains(QStringLiteral("/suoni/si")));

    pupil.avanti();
    QVERIFY(pupil.box()->isEnabled());
    QVERIFY(pupil.text().isEmpty());
    QVERIFY(!pupil.avantiEnabled());

    // "Esci", Yes: back to the menu.
    qobject_cast<MenuControl *>(pupil.c(QStringLiteral("mnuEsci")))->trigger();
    test::flushDeletes();
    QVERIFY(!Forms::find(window));
    QVERIFY(Forms::find(QStringLiteral("FormMenu")));
}

QTEST_MAIN(TestReadFormsMenu)
#include "test_readforms_menu.moc"
