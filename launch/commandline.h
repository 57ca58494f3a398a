#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vantor {

class OptionView;

// The name of the CFG file that a launch writes into the game's valve directory and has the game execute.
inline constexpr char temporaryCfgName[] = "vantortemp.cfg";

// A word of a command line as a shell splits it, and where it stands in the line.
struct ShellWord {
    QString value;
    qsizetype start = 0, end = 0;
};

// The words of TEXT as a POSIX shell splits them at blanks, with its quotes and backslashes undone. BALANCED is
// false when a quote is left open; the last word then runs to the end.
QList<ShellWord> shellWords(const QString &text, bool *balanced = nullptr);

// WORD as a shell takes it back: in single quotes where it holds anything but plain letters.
QString shellQuoted(QString word);

// Custom Parameters as Steam reads launch options: when they hold the word %command% once, what stands before it is
// the launch prefix (its leading NAME=value words the game's environment, the rest the wrapper command that runs
// the game) and what follows it the game's own parameters. Without %command%, all of it is parameters.
struct LaunchPrefix {
    QStringList environment; // NAME=value
    QStringList wrapper;
    QString parameters;
    QString problem; // why the text cannot be read so: empty when it can
    bool isEmpty() const { return environment.isEmpty() && wrapper.isEmpty(); }
    // The prefix as a shell line's words, each quoted as a shell takes it back.
    QString shellWords() const;
};
LaunchPrefix readLaunchPrefix(const QString &customParameters);

// The parameter string for hl.exe: pieces that each begin with a blank, in a fixed order. Text from the fields
// goes in exactly as typed, neither quoted nor trimmed; of Custom Parameters, what follows a %command%.
QString buildParameters(const OptionView &options);

// The text without its line breaks, which the game never takes for part of a name: a field that holds nothing else
// says nothing.
QString withoutLineBreaks(QString text);

// What the preview shows: the program name followed directly by the parameter string, on one line: a line break
// typed into a field shows as the blank that separates the game's arguments there. A launch prefix stands before the
// program, as a shell line has it; one that cannot be read is said instead.
QString commandLinePreview(const QString &parameters, const LaunchPrefix &prefix = {});

} // namespace vantor
