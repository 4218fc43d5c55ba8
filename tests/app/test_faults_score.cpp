// A score pushed past the largest value its counter holds (32767): in every
// exercise window it stays there, right and wrong alike, and "Azzera
// conteggio" starts it again.

#include "PupilHands.h"
#include "TestSupport.h"

#include "app/SharedState.h"
#include "app/SingleInstance.h"
#include "ui/Forms.h"

#include <QTest>

using namespace ortix;
using namespace ortix::ui;

class TestFaultsScore : public QObject
{
    Q_OBJECT

private slots:
    void countersStopAtTheirLargestValue();
};

void TestFaultsScore::countersStopAtTheirLargestValue()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    int windows = 0;
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        Form *window = test::openRoute(menu, route);
        QVERIFY2(window, qPrintable(route.form));
        auto *exercise = qobject_cast<ExerciseForm *>(window);
        if (exercise) {
            ++windows;
            int scored = 0;
            connect(exercise, &ExerciseForm::scored, this, [&scored] { ++scored; });
            const auto caption = [exercise](const char *name) {
                return exercise->control(QString::fromLatin1(name))->caption();
            };
            shared().ConteggioEsatti = 32766;
            shared().ConteggioErrati = 32766;
            for (int i = 0; i < 3; ++i) {
                test::answerRight(exercise);
                QCOMPARE(shared().ConteggioEsatti, qint16(32767));
                QCOMPARE(caption("EtichettaEsatti"), QStringLiteral(" 32767"));
                test::answerWrong(exercise);
                QCOMPARE(shared().ConteggioErrati, qint16(32767));
                QCOMPARE(caption("EtichettaErrati"), QStringLiteral(" 32767"));
            }
            QCOMPARE(scored, 6);
            QVERIFY(exercise->control(QStringLiteral("ComandoIconaNo"))->visible());

            test::chooseMenu(exercise, QStringLiteral("MenuAzzera"));
            QCOMPARE(caption("EtichettaEsatti"), QStringLiteral("0"));
            QCOMPARE(caption("EtichettaErrati"), QStringLiteral("0"));
            test::answerRight(exercise);
            QCOMPARE(shared().ConteggioEsatti, qint16(1));
            QCOMPARE(caption("EtichettaEsatti"), QStringLiteral(" 1"));
            QCOMPARE(shared().ConteggioErrati, qint16(0));
        }
        menu = test::leaveWindow(window, *run.fakes.messages);
        QVERIFY2(menu, qPrintable(route.form));
    }
    qInfo("%d exercise windows checked", windows);
}

QTEST_MAIN(TestFaultsScore)
#include "test_faults_score.moc"
