#pragma once

#include "shellwords.h"

#include <QString>
#include <QStringList>

namespace vantor {

class OptionView;

// The name of the CFG file that a launch writes into the game's valve directory and has the game execute.
inline constexpr char temporaryCfgName[] = "vantortemp.cfg";

// Custom Parameters as Steam reads launch options: when they hold the word %command% once, the whole text is read
// by the shell's rules (quotes, backslashes, $NAME, ${NAME} and a leading ~ expanded from ENVIRONMENT; a command
// substitution refused, never run). What stands before %command% is the launch prefix (its leading NAME=value words
// the game's environment, the rest the wrapper command that runs the game) and what follows it the game's own
// parameters. Without %command%, all of it is parameters, split as before.
struct LaunchPrefix {
    QStringList environment; // NAME=value
    QStringList wrapper;
    QString typed;            // the prefix as it was typed, without the blanks around it
    QString parameters;       // what follows %command% as it was typed; without it, all of Custom Parameters
    QStringList arguments;    // with %command%: the game's parameters, as the shell gives them
    bool placeholder = false; // %command% is there
    QString problem;          // why the text cannot be read so: empty when it can
    bool isEmpty() const { return environment.isEmpty() && wrapper.isEmpty(); }
};
LaunchPrefix readLaunchPrefix(const QString &customParameters,
                              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// The game's arguments from the parameter string that ends in Custom Parameters: split as QProcess::splitCommand
// splits them, but for the parameters after a %command%, which are the shell's words.
QStringList gameArguments(const QString &parameters, const LaunchPrefix &prefix);

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
