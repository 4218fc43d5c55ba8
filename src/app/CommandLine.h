#pragma once

#include <QString>
#include <QStringList>

namespace ortix {

// What the command line asks for. --help and --version are answered
// without a window (and without a display); anything unknown is refused.
struct CommandLine
{
    enum class Outcome { Run, Print, Refuse };
    Outcome outcome = Outcome::Run;
    // Print: the text for standard output; Refuse: the one-line error.
    QString message;
    // --language NAME: the language of this run, empty when not given.
    QString language;
};

CommandLine parseCommandLine(const QStringList &arguments);

// Prints what a Print or Refuse outcome says; the exit status: 0 for a
// printed answer, 2 for a refused command line.
int answerCommandLine(const CommandLine &commandLine);

// Makes --language NAME the language of this run (the program folder's
// file of that name, in any letter case), saving nothing. False, after a
// one-line error, when the folder has no such file. Needs the application.
bool useLanguageOfCommandLine(const CommandLine &commandLine);

QStringList argumentsOf(int argc, char *argv[]);

} // namespace ortix
