// One pupil's round in each labelled build window, from the start window
// through the main menu's row "inserisci le palline  - 1" and back.
#include "BuildDriver.h"
#include "LabelledView.h"
#include "TestSupport.h"

#include "app/Main.h"
#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "ui/Forms.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QDir>
#include <QTest>

#include <algorithm>

using namespace ortix;
using namespace ortix::ui;
using test::Pupil;

namespace {

// What the target reads: the labels from left to right, or the single
// label of the units window.
QString targetRead(const Pupil &pupil)
{
    if (!pupil.c(QStringLiteral("Picture1")) || pupil.c(QStringLiteral("EtichettaNumero"))) {
        return pupil.target();
    }
    QString text;
    for (const test::SeenLabel &label : test::seenLabels(pupil.form)) {
        text += label.text;
    }
    return text;
}

} // namespace

class TestLabelledFormsMenu : public QObject
{
    Q_OBJECT

private slots:
    void roundFromTheMenu_data();
    void roundFromTheMenu();
};

void TestLabelledFormsMenu::roundFromTheMenu_data()
{
    QTest::addColumn<QString>("menuButton");
    QTest::addColumn<QString>("window");
    QTest::newRow("Form4sem") << "Command20" << "Form4sem";
    QTest::newRow("Form99sem") << "Command6" << "Form99sem";
    QTest::newRow("Form999sem") << "Command2" << "Form999sem";
    QTest::newRow("F9999SEM") << "Command18" << "F9999SEM";
    QTest::newRow("Periodo1SEM") << "Command19" << "Periodo1SEM";
}

void TestLabelledFormsMenu::roundFromTheMenu()
{
    QFETCH(QString, menuButton);
    QFETCH(QString, window);
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
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(!pupil.enabled("BottoneAvanti"));

    // The target reads as the number's words in the Italian of the files.
    const int target = shared().NumeroACaso;
    QCOMPARE(targetRead(pupil), MaiuscoloPerCarattere(NumeroInLettere(target, LinguaItaliano)));
    if (pupil.c(QStringLiteral("Shape1"), 0)) {
        const auto squares = pupil.form->controlArray(QStringLiteral("Shape1"));
        QCOMPARE(int(std::count_if(squares.begin(), squares.end(), [](const Control *square) { return square->visible(); })),
                 target);
    } else {
        const QString fault = test::layoutFault(pupil.form);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Build it with clicks under the rods and confirm.
    pupil.build(target);
    pupil.conferma();
    QVERIFY(pupil.rightIcon());
    QCOMPARE(pupil.esatti(), QStringLiteral(" 1"));
    QCOMPARE(pupil.errati(), QStringLiteral("0"));
    QVERIFY(run.fakes.sounds->played.last().contains(QStringLiteral("/suoni/si")));
    QVERIFY(pupil.enabled("BottoneAvanti"));
    QVERIFY(!pupil.enabled("BottoneConferma"));

    pupil.avanti();
    QVERIFY(pupil.enabled("BottoneConferma"));
    QVERIFY(!pupil.enabled("BottoneAvanti"));
    QCOMPARE(targetRead(pupil), MaiuscoloPerCarattere(NumeroInLettere(shared().NumeroACaso, LinguaItaliano)));
    for (const auto &[suffix, value] : pupil.places()) {
        QCOMPARE(pupil.beads(suffix), 0);
    }

    pupil.menu(QStringLiteral("mnuEsci"));
    test::flushDeletes();
    QVERIFY(!Forms::find(window));
    QVERIFY(Forms::find(QStringLiteral("FormMenu")));
}

QTEST_MAIN(TestLabelledFormsMenu)
#include "test_labelledforms_menu.moc"
