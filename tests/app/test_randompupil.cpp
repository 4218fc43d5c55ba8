// A long random pupil: the whole program, started as a pupil starts it,
// driven by a seeded stream of clicks, keys and menu choices through every
// window the menu opens, with what must always hold checked after each one.
// ORTIX_PUPIL_SEED and ORTIX_PUPIL_EVENTS send another pupil, for a
// developer hunting faults.

#include "PupilHands.h"
#include "RandomPupil.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

using namespace ortix;

namespace {

constexpr int kEvents = 100000;
constexpr quint32 kPupilSeed = 20240517;
constexpr quint32 kProgramSeed = 4242;

int intOf(const char *variable, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(variable, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestRandomPupil : public QObject
{
    Q_OBJECT

private slots:
    void hundredThousandEvents();
};

void TestRandomPupil::hundredThousandEvents()
{
    const int events = intOf("ORTIX_PUPIL_EVENTS", kEvents);
    const quint32 seed = quint32(intOf("ORTIX_PUPIL_SEED", int(kPupilSeed)));
    test::TestRun run(kProgramSeed);
    // The shipped language files, and a LangSetting.ini the menu may rewrite.
    run.copyShippedLanguageFiles();
    QElapsedTimer clock;
    clock.start();
    test::RandomPupil pupil(run, seed, QDir(run.folder()).filePath(QStringLiteral("ortix.lock")));
    const QString problem = pupil.run(events);
    pupil.report(clock.elapsed());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (const test::MenuRoute &route : test::registeredRoutes()) {
        const auto visited = pupil.stats().find(route.form);
        QVERIFY2(visited != pupil.stats().end() && visited->second.visits > 0, qPrintable(route.form));
    }
}

QTEST_MAIN(TestRandomPupil)
#include "test_randompupil.moc"
