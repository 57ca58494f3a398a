#pragma once

#include <QString>

namespace vantor {

class OptionView;

// What a reading did: how many options it set, and how many lines of a CFG file (or pieces of a command line) it
// could not use.
struct Imported {
    int set = 0;
    int unused = 0;
};

// Reads a command line back into the options, as the command-line builder would have written it for them: each of
// its switches sets its control, those it writes but the line lacks are off, a "+command value" that a control
// writes into the CFG file sets that control, Vantor's own "+exec vantortemp.cfg" is dropped, and everything else,
// in its order, becomes the custom parameters. The line is read by the shell's rules, and each control gets the value
// the shell would give the game; the custom parameters get their words written as a user would type them. The
// program (hl.exe, hl.sh, hl_linux in any case, steam -applaunch 70, the Flatpak's Steam, wine or a shell with the
// game) is found wherever it stands: what stands before it is the launch prefix, which goes before %command%.
Imported importCommandLine(OptionView &options, const QString &line);

// Brings in launch options kept elsewhere (Steam's for Half-Life) as a few switches for the game, not a whole state:
// the options they name are set, every other stays as it was; the words that no control takes join Custom
// Parameters, each once (a launch prefix's words before %command%). SET counts the options that changed.
Imported mergeLaunchOptions(OptionView &options, const QString &launchOptions);

// Reads a CFG file back into the options: each line that a control writes sets that control. A file that Vantor
// wrote, by its header, is read whole, so that a line it lacks turns its box off; any other sets only what it names.
Imported importCfgFile(OptionView &options, const QString &text);

// Reads either: one line that is not a console command is a command line, anything else a CFG file.
Imported importText(OptionView &options, const QString &text);

} // namespace vantor
