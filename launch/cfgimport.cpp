// Reading a CFG file back into the options, and the console commands that a command line shares with it.

#include "importing.h"

#include "cfgfile.h"
#include "commandline.h"
#include "numbers.h"
#include "numericfields.h"

#include <QRegularExpression>

namespace vantor {
namespace importing {

Command split(const QString &line, bool own)
{
    QString text = line;
    if (!own) {
        static const QRegularExpression comment(QStringLiteral("(^|\\s)//.*$"));
        text = text.remove(comment).trimmed();
    }
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    Command command{blank < 0 ? text : text.left(blank), blank < 0 ? QString() : text.mid(blank + 1)};
    if (!own) {
        command.name = command.name.toLower();
        command.value = command.value.trimmed();
        if (command.value.size() >= 2 && command.value.startsWith(u'"') && command.value.endsWith(u'"'))
            command.value = command.value.mid(1, command.value.size() - 2);
    }
    return command;
}

namespace {

Command split(std::string_view line) { return importing::split(toQString(line), true); }

} // namespace

bool readCfgLine(Setter &set, const QString &line, bool own, std::set<std::string_view> &named)
{
    const Command command = split(line, own);
    for (const auto lines : {leadingCfgLines(), trailingCfgLines()}) {
        for (const SwitchedLine &switched : lines) {
            const Command on = split(switched.on), off = split(switched.off);
            const auto is = [&](const Command &line) {
                return line.name == command.name && line.value == command.value;
            };
            if (!switched.field.empty() && on.name == command.name) {
                if (withoutLineBreaks(command.value).isEmpty() || !set.text(switched.field, command.value))
                    return false;
                set.check(switched.key, 1);
            } else if (switched.field.empty() && (is(on) || is(off))) {
                set.check(switched.key, is(on) ? 1 : 0);
            } else {
                continue;
            }
            named.insert(switched.key);
            return true;
        }
    }
    for (const NumericLine &numeric : numericCfgLines()) {
        const Command prefix = split(numeric.prefix);
        if (prefix.name != command.name)
            continue;
        // The latency is written as its negative: "pushlatency -" and the field's text. A 16-bit field's line holds
        // the rounded number, and one of 0 comes from a number that rounds to 0 (a 0 itself is left out): 0.5 is the
        // text that gives that line back.
        QString value = command.value.mid(prefix.value.size());
        if (numericField(numeric.field)->sixteenBit && parseNumber(value) == 0.0)
            value = QStringLiteral("0.5");
        if (!command.value.startsWith(prefix.value) || value.isEmpty() || !set.text(numeric.field, value))
            return false;
        set.check(numericField(numeric.field)->checkKey, 1);
        named.insert(numericField(numeric.field)->checkKey);
        return true;
    }
    const auto slider = [&](std::string_view key, int step) {
        const Option &opt = option(key);
        const auto value = parseStoredInteger(command.value, opt.minimum * step, opt.maximum * step);
        if (!value || *value % step != 0)
            return false;
        set.position(key, *value / step);
        return true;
    };
    if (command.name == QLatin1String("skill"))
        return slider("scrlskill", 1);
    if (command.name == QLatin1String("scr_conspeed"))
        return slider("scrlcon", consoleSpeed(1));
    return false;
}

bool isCfgCommand(const QString &name)
{
    for (const auto lines : {leadingCfgLines(), trailingCfgLines()})
        for (const SwitchedLine &line : lines)
            if (split(line.on).name == name || split(line.off).name == name)
                return true;
    return false;
}

} // namespace importing

using namespace importing;

Imported importCfgFile(OptionView &options, const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    // Vantor's own file, by its header of three comment lines, is read whole.
    const bool own = lines.first() == QLatin1String(cfgHeaderLine) && lines.size() > 3;
    Setter set(options);
    set.vantorsOwn = own;
    std::set<std::string_view> named;
    for (qsizetype i = own ? 3 : 0; i < lines.size(); ++i)
        if (!lines[i].trimmed().isEmpty() && !readCfgLine(set, lines[i], own, named))
            ++set.unused;
    if (own) {
        // A line written only with a value: its absence turns the box off.
        for (const auto cfgLines : {leadingCfgLines(), trailingCfgLines()})
            for (const SwitchedLine &line : cfgLines)
                if (!line.field.empty() && !named.count(line.key))
                    set.check(line.key, 0);
        for (const NumericLine &line : numericCfgLines())
            if (const std::string_view box = numericField(line.field)->checkKey; !named.count(box))
                set.check(box, 0);
    }
    return set.result();
}

} // namespace vantor
