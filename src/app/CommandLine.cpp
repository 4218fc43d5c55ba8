#include "app/CommandLine.h"

#include "base/ProgramFolder.h"
#include "lang/LanguageSupport.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace ortix {

namespace {

const QString kProgram = QStringLiteral("ortix");

QString withoutExtension(const QString &file)
{
    return file.left(file.size() - QString::fromLatin1(lang::kLanguageExtension).size());
}

void printLine(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Ortix: place-value exercises on a counting frame for primary-school pupils."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption language({QStringLiteral("l"), QStringLiteral("language")},
                                      QStringLiteral("Start in the language file NAME.lng, for this run only "
                                                     "(the saved choice stays as it is)."),
                                      QStringLiteral("NAME"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language);

    CommandLine result;
    const auto refuse = [&](const QString &why) {
        result.outcome = CommandLine::Outcome::Refuse;
        result.message = kProgram + QStringLiteral(": ") + why + QStringLiteral(" Try 'ortix --help'.");
        return result;
    };
    if (!parser.parse(arguments)) {
        return refuse(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(help)) {
        result.outcome = CommandLine::Outcome::Print;
        // Without an application object the parser cannot know the name.
        result.message = parser.helpText().replace(QStringLiteral("<executable_name>"), kProgram).trimmed();
    } else if (parser.isSet(version)) {
        result.outcome = CommandLine::Outcome::Print;
        result.message = kProgram + u' ' + QStringLiteral(ORTIX_VERSION);
    } else if (parser.isSet(language)) {
        result.language = parser.value(language);
        if (result.language.isEmpty()) {
            return refuse(QStringLiteral("The option '--language' needs a name."));
        }
    }
    return result;
}

int answerCommandLine(const CommandLine &commandLine)
{
    if (commandLine.outcome == CommandLine::Outcome::Print) {
        printLine(stdout, commandLine.message);
        return 0;
    }
    printLine(stderr, commandLine.message);
    return 2;
}

bool useLanguageOfCommandLine(const CommandLine &commandLine)
{
    if (commandLine.language.isEmpty()) {
        return true;
    }
    const QString wanted = commandLine.language + QString::fromLatin1(lang::kLanguageExtension);
    const QStringList files =
        QDir(programFolder()).entryList({QStringLiteral("*") + QString::fromLatin1(lang::kLanguageExtension)}, QDir::Files);
    for (const QString &file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0) {
            lang::chooseLanguageForThisRun(withoutExtension(file));
            return true;
        }
    }
    QStringList names;
    for (const QString &file : files) {
        names << withoutExtension(file);
    }
    printLine(stderr, kProgram + QStringLiteral(": no language file '%1' in %2 (there are: %3).")
                                    .arg(wanted, QDir::toNativeSeparators(programFolder()), names.join(QStringLiteral(", "))));
    return false;
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

} // namespace ortix
