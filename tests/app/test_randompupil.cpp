// A long random pupil: the whole program, started as a pupil starts it,
// driven by a seeded stream of clicks, keys and menu choices through every
// window the menu opens, with what must always hold checked after each one.
// ORTIX_PUPIL_SEED and ORTIX_PUPIL_EVENTS send another pupil, for a
// developer hunting faults.

#include "PupilHands.h"
#include "RandomPupil.h"

#include <QTest>

using namespace ortix;

class TestRandomPupil : public QObject
{
    Q_OBJECT

private slots:
    void hundredThousandEvents();
};

void TestRandomPupil::hundredThousandEvents()
{
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ORTIX_PUPIL_EVENTS", &ok);
    const int seed = qEnvironmentVariableIntValue("ORTIX_PUPIL_SEED", &ok);
    test::TestRun run(4242);
    // The shipped language files, and a LangSetting.ini the menu may rewrite.
    run.copyShippedLanguageFiles();
    test::RandomPupilRun pupil = test::playAtRandom(run, ok ? quint32(seed) : 20240517u, events > 0 ? events : 100000);
    QVERIFY2(pupil.problem.isEmpty(), qPrintable(pupil.problem));
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        QVERIFY2(pupil.visits[route.form] > 0, qPrintable(route.form + QStringLiteral(" never visited")));
    }
}

QTEST_MAIN(TestRandomPupil)
#include "test_randompupil.moc"
