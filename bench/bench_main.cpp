// ortix_bench: the program's measured paths, as medians over repeated runs.
// Run it from the build tree; it reads the language files beside ortix.
#include "base/ProgramFolder.h"
#include "ui/Fonts.h"
#include "ui/Services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

void benchBounds(QTextStream &out);
void benchExercise(QTextStream &out);
void benchMenu(QTextStream &out);
void benchSpeech(QTextStream &out);
void benchWords(QTextStream &out);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("ortix-bench-runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    QApplication app(argc, argv);
    ortix::ui::installFontSubstitutes();
    ortix::ui::installRealServices();
    ortix::setProgramFolder(QStringLiteral(ORTIX_BENCH_PROGRAM_FOLDER));
    // The user's own language choice plays no part in the measures.
    ortix::setUserFolder(QStringLiteral(ORTIX_BENCH_PROGRAM_FOLDER "/no-user-folder"));
    QTextStream out(stdout);
    out << "Ortix benchmark (medians; build type " << ORTIX_BENCH_BUILD_TYPE << ")\n";
    // First, while the process is small: it reports how much it grows.
    benchBounds(out);
    benchMenu(out);
    benchExercise(out);
    benchWords(out);
    benchSpeech(out);
    return 0;
}
