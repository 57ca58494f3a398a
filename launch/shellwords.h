#pragma once

// Words as a POSIX shell reads them, and written back so that they read the same again: the one rule for a launch
// prefix, a pasted line and the line that --print shows.

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vantor {

// A word of a command line as a shell splits it, and where it stands in the line.
struct ShellWord {
    QString value;
    qsizetype start = 0, end = 0;
};

struct ShellReading {
    QList<ShellWord> words;
    bool balanced = true; // false when a quote is left open; the last word then runs to the end
    QString problem;      // a command substitution or an expansion that is not read; empty when there is none
};

// The words of TEXT as a POSIX shell splits them at blanks, with its quotes and backslashes undone. With an
// ENVIRONMENT, $NAME, ${NAME} and a leading ~ are expanded from it, and an unquoted expansion is split at blanks as
// a shell splits it; a command substitution ($(…) or `…`) is never run: it is kept as written and named as the
// problem. Without one, a dollar sign is a character like any other. Patterns (*, ?) are never matched to files.
ShellReading readShellWords(const QString &text, const QProcessEnvironment *environment = nullptr);

// WORD as a shell takes it back whole: as it stands where it holds only plain characters, else in single quotes.
QString shellQuoted(QString word);

// WORD as a user would type it for a shell: as it stands where it can, else in double quotes with the four
// characters that double quotes give meaning escaped. NAME=value keeps its name outside the quotes.
QString typedForShell(const QString &word);

// WORD as a user would type it for the game's parameters, which are split as QProcess::splitCommand splits them:
// in double quotes where it holds a blank or a quote, a quote written three times.
QString typedForParameters(const QString &word);

} // namespace vantor
