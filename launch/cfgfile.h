#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace vantor {

class OptionView;

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
