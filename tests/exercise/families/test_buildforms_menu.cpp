// One pupil's round in each build window, from the start window through the
// main menu and back.
#include "BuildDriver.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "ui/Forms.h"

#include <QDir>
#include <QTest>

using namespace ortix;
using namespace ortix::ui;
using test::Pupil;

class TestBuildFormsMenu : public QObject
{
    Q_OBJECT

private slots:
    void roundFromTheMenu_data();
    void roundFromTheMenu();
};

void TestBuildFormsMenu::roundFromTheMenu_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("rodCaptions");
    QTest::newRow("Form4") << "Command17" << "Form4" << QStringList{"u"};
    QTest::newRow("Form99a") << "Command9" << "Form99a" << QStringList{"da", "u"};
    QTest::newRow("Form999a") << "Command14" << "Form999a" << QStringList{"h", "da", "u"};
    QTest::newRow("F9999a") << "Command13" << "F9999a" << QStringList{"uk", "h", "da", "u"};
    QTest::newRow("Periodo1") << "Command4" << "Periodo1" << QStringList{"hk", "dak", "uk", "h", "da", "u"};
}

void TestBuildFormsMenu::roundFromTheMenu()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, window);
    QFETCH(QStringList, rodCaptions);
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(QDir(run.folder()).filePath(QStringLiteral("ortix.lock")));
    QVERIFY(Main(instance));
    QTest::mouseClick(Forms::find(QStringLiteral("FormAvvio"))->control(QStringLiteral("BottoneAvvio"))->widget(),
                      Qt::LeftButton);
    test::flushDeletes();
    Form *menu = Forms::find(QStringLiteral("FormMenu"));
    QVERIFY(menu);

    QTest::mouseClick(menu->control(menuButton)->widget(), Qt::LeftButton);
    test::flushDeletes();
    Pupil pupil{Forms::find(window)};
    QVERIFY(pupil.form);
    QCOMPARE(Forms::all().size(), std::size_t(1));
    QCOMPARE(pupil.form->width(), 15360.0);
    QCOMPARE(pupil.esatti(), QStringLiteral("0"));
    QCOMPARE(pupil.c("LabelEST")->caption(), QStringLiteral("Esatti"));
    // Rod buttons carry the place texts of the Italian file, highest first.
    QStringList captions;
    for (const auto &[suffix, value] : pupil.places()) {
        captions << pupil.c("Bot_" + suffix)->caption();
    }
    QCOMPARE(captions, rodCaptions);

    // Read the number, build it, confirm.
    const int target = shared().NumeroACaso;
    QVERIFY(!pupil.target().isEmpty());
    pupil.build(target);
    pupil.conferma();
    QVERIFY(pupil.rightIcon());
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));
    QCOMPARE(pupil.errati(), QStringLiteral("0"));
    QVERIFY(run.fakes.sounds->played.last().contains(QStringLiteral("/suoni/si")));

    pupil.avanti();
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(!pupil.enabled("BottoneAvanti"));
    for (const auto &[suffix, value] : pupil.places()) {
        QCOMPARE(pupil.beads(suffix), 0);
    }

    // "Esci", Yes: back to the menu.
    pupil.menu(QStringLiteral("mnuEsci"));
    test::flushDeletes();
    QVERIFY(!Forms::find(window));
    QVERIFY(Forms::find(QStringLiteral("FormMenu")));
    QCOMPARE(Forms::all().size(), std::size_t(1));
}

QTEST_MAIN(TestBuildFormsMenu)
#include "test_buildforms_menu.moc"
