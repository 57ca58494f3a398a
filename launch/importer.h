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
// in its order, becomes the custom parameters. A leading program (hl.exe, hl.sh, hl_linux, steam -applaunch 70, the
// Flatpak's Steam, wine with hl.exe) is passed over.
Imported importCommandLine(OptionView &options, const QString &line);

// Reads a CFG file back into the options: each line that a control writes sets that control. A file that Vantor
// wrote, by its header, is read whole, so that a line it lacks turns its box off; any other sets only what it names.
Imported importCfgFile(OptionView &options, const QString &text);

// Reads either: one line that is not a console command is a command line, anything else a CFG file.
Imported importText(OptionView &options, const QString &text);

} // namespace vantor
