// A score pushed past the largest value its counter holds (32767): in every
// exercise window it stays there, right and wrong alike, and "Azzera
// conteggio" starts it again.

#include "PupilHands.h"
#include "TestSupport.h"

#include "base/SharedState.h"
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
    test::ProgramRun program;
    QVERIFY(program.menu);
    test::visitEveryWindow(program.menu, *program.run.fakes.messages, [this](Form *window) {
        auto *exercise = qobject_cast<ExerciseForm *>(window);
        if (!exercise) {
            return;
        }
        int scored = 0;
        connect(exercise, &ExerciseForm::scored, this, [&scored] { ++scored; });
        const auto caption = [exercise](const char *name) { return exercise->control(QString::fromLatin1(name))->caption(); };
        shared().ConteggioEsatti = 32766;
        shared().ConteggioErrati = 32766;
        for (int i = 0; i < 3; ++i) {
            test::answerRight(exercise);
            test::answerWrong(exercise);
            const QStringList shown = {test::scored(), caption("EtichettaEsatti"), caption("EtichettaErrati")};
            QCOMPARE(shown, QStringList({"32767/32767", " 32767", " 32767"}));
        }
        QCOMPARE(scored, 6);
        QVERIFY(exercise->control(QStringLiteral("ComandoIconaNo"))->visible());

        test::chooseMenu(exercise, QStringLiteral("MenuAzzera"));
        QCOMPARE(caption("EtichettaEsatti") + caption("EtichettaErrati"), QStringLiteral("00"));
        test::workWindow(exercise);
        QCOMPARE(caption("EtichettaEsatti"), QStringLiteral(" 1"));
    });
}

QTEST_MAIN(TestFaultsScore)
#include "test_faults_score.moc"
