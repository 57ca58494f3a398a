#pragma once

#include <QString>

namespace vantor {

class OptionView;

// The name of the CFG file that a launch writes into the game's valve directory and has the game execute.
inline constexpr char temporaryCfgName[] = "vantortemp.cfg";

// The parameter string for hl.exe: pieces that each begin with a blank, in a fixed order. Text from the fields
// goes in exactly as typed, neither quoted nor trimmed.
QString buildParameters(const OptionView &options);

// The text without its line breaks, which the game never takes for part of a name: a field that holds nothing else
// says nothing.
QString withoutLineBreaks(QString text);

// What the preview shows: the program name followed directly by the parameter string, on one line: a line break
// typed into a field shows as the blank that separates the game's arguments there.
QString commandLinePreview(const QString &parameters);

} // namespace vantor
