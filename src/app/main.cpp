#include "app/AppIdentity.h"
#include "app/CommandLine.h"
#include "app/Main.h"
#include "app/SingleInstance.h"
#include "ui/Fonts.h"
#include "ui/Services.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a long message; one clear
// line says what to do instead.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    const ortix::CommandLine commandLine = ortix::parseCommandLine(ortix::argumentsOf(argc, argv));
    if (commandLine.outcome != ortix::CommandLine::Outcome::Run) {
        return ortix::answerCommandLine(commandLine);
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "ortix: no display found (DISPLAY is not set); "
                             "run it on a desktop, or without one under Xvfb: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "ortix");
        return 1;
    }
    QApplication app(argc, argv);
    ortix::applyAppIdentity();
    if (!ortix::useLanguageOfCommandLine(commandLine)) {
        return 2;
    }
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    ortix::ui::installFontSubstitutes();
    // Declared after the application, so destroyed before it.
    ortix::ui::RealServices services;

    ortix::SingleInstance instance;
    if (!ortix::Main(instance)) {
        return 0;
    }
    return app.exec();
}
