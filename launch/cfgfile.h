#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <span>
#include <string_view>

namespace vantor {

class OptionView;

// The first line of every CFG file that Vantor writes.
inline constexpr char cfgHeaderLine[] = "// Temporary CFG file created by Vantor,";

// A line that a check box switches. With a field, the line is the "on" text followed by the field's text, written
// only while the box is on and the field holds more than line breaks; without one, exactly one of the two texts.
struct SwitchedLine {
    std::string_view key;
    std::string_view on;
    std::string_view off = {};
    std::string_view field = {};
};

// A numeric field's line, written while its box is on and its number is not 0. The fields that must hold a 16-bit
// number are written as that number; the others as typed.
struct NumericLine {
    std::string_view field;
    std::string_view prefix;
    std::string_view recovery; // what the field gets when the file cannot use its text
};

// The lines of the file in the order of writing: the switched lines before the numeric ones, the numeric ones, then
// (after skill and scr_conspeed) the switched lines after them.
std::span<const SwitchedLine> leadingCfgLines();
std::span<const NumericLine> numericCfgLines();
std::span<const SwitchedLine> trailingCfgLines();

// The CFG file's content for the current options: the header, two empty lines, then one console command a line,
// each ended by CR LF, in the system's 8-bit encoding. A numeric field whose text the file cannot use gets its
// recovery text, through the view, and its line is formed again; the new text stays in the field.
// BETWEENSECTIONS runs once, after the numeric lines and before the skill line.
QByteArray cfgFileContent(OptionView &options, const std::function<void()> &betweenSections = {});

// Where a CFG file of that name goes: the game directory's text, "/valve/", the name, joined as they stand.
QString cfgFilePath(const QString &gameDirectory, const QString &fileName);

// Writes the content to PATH whole or not at all: an existing file stays as it was unless the new one is complete.
// Returns false on any error from creating the file to putting it in place. The content, and with it the repairs
// of the numeric fields and BETWEENSECTIONS, is made only once the file could be created.
bool writeCfgFile(const QString &path, OptionView &options, const std::function<void()> &betweenSections = {});

// Whether a typed name can name a CFG file in the valve directory: not empty, not "." or "..", no path separator.
bool isPlainFileName(const QString &name);

} // namespace vantor
