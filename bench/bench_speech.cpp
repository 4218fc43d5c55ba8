// The voice: what asking for a number costs the window thread, and how long
// the speech service takes to start and to end where no engine answers.
// The engine itself starts on the service's own thread; with
// ORTIX_BENCH_SPEECH_ENGINE=1 the default engine is timed there too (it
// starts speech-dispatcher with the user's settings when none runs).
#include "BenchTiming.h"

#include "ui/QtSpeech.h"

#include <QElapsedTimer>

#include <memory>

using namespace ortix;

namespace {

// Starting an engine, on the speech thread, until it has answered.
double engineStartMilliseconds(const QString &engine)
{
    QElapsedTimer timer;
    timer.start();
    ui::QtSpeech speech(engine);
    speech.start();
    speech.engineFound();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

void benchSpeech(QTextStream &out)
{
    constexpr int kRuns = 401;
    const QString none = QStringLiteral("ortix-no-such-engine");
    {
        ui::QtSpeech speech(none);
        speech.start();
        speech.engineFound();
        qint64 number = 0;
        const double ask = bench::medianMicroseconds(kRuns, [&] { speech.sayNumber(++number, QLocale::Italian); });
        out << "Speech, a number asked for on the window thread: " << ask << " us (median of " << kRuns << ")\n";
    }
    const double whole = bench::medianMicroseconds(21, [&] {
        ui::QtSpeech speech(none);
        speech.sayNumber(47, QLocale::Italian);
    });
    out << "Speech service with no engine, made, asked once and ended: " << whole << " us (median of 21)\n";
    if (qEnvironmentVariableIntValue("ORTIX_BENCH_SPEECH_ENGINE") == 1) {
        out << "Speech, default engine ready on its thread after: " << engineStartMilliseconds(QString()) << " ms\n";
    }
}
