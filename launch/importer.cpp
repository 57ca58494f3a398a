#include "importer.h"

#include "cfgfile.h"
#include "commandline.h"
#include "numbers.h"
#include "numericfields.h"
#include "options.h"
#include "optionview.h"

#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <set>
#include <vector>

namespace vantor {
namespace {

// Sets options through the view as a user would type them, and keeps count.
class Setter {
public:
    explicit Setter(OptionView &options) : m_options(options) {}

    void check(std::string_view key, int state)
    {
        m_options.setCheck(key, state);
        m_set.insert(key);
    }
    void position(std::string_view key, int position)
    {
        m_options.setPosition(key, position);
        m_set.insert(key);
    }
    // A text longer than a user may type into the field is refused whole, unless Vantor itself wrote it: a picker
    // or a slot can put a longer one into the field.
    bool text(std::string_view key, const QString &text)
    {
        const int limit = option(key).typingLimit;
        if (!vantorsOwn && limit > 0 && text.toUcs4().size() > limit)
            return false;
        m_options.setText(key, text);
        m_set.insert(key);
        return true;
    }
    bool isOn(std::string_view key) const { return m_options.isOn(key); }

    int unused = 0;
    bool vantorsOwn = false; // what is read is Vantor's own command line or CFG file
    Imported result() const { return {int(m_set.size()), unused}; }

private:
    OptionView &m_options;
    std::set<std::string_view> m_set;
};

// A console command and its value, as a line gives them. Vantor's own lines are taken as they stand (one blank
// between the two, the value verbatim); a user's may have other blanks, a quoted value, upper case and a comment.
struct Command {
    QString name, value;
};

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

Command split(std::string_view line) { return split(toQString(line), true); }

// Sets the control that writes this line; false when no control writes it. NAMED gathers the keys of the boxes
// whose lines were there.
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

bool isSwitch(const QString &word) { return word.startsWith(u'-') || word.startsWith(u'+'); }

// Where the program that starts the game stands in a command line's words: after the "cd FOLDER && exec env" that
// --print writes, and after a launch prefix (NAME=value words and a wrapper, as the preview and --print show them).
struct Program {
    qsizetype prefixFrom = 0, prefixTo = 0;
    qsizetype end = 0; // the first word after the program; 0 when the line names none
};

Program programOf(const QList<ShellWord> &words)
{
    const auto are = [&](qsizetype from, const QStringList &expected) {
        for (qsizetype i = 0; i < expected.size(); ++i)
            if (from + i >= words.size() || (!expected[i].isEmpty() && words[from + i].value != expected[i]))
                return false;
        return true;
    };
    const auto name = [&](qsizetype i) { return i < words.size() ? QFileInfo(words[i].value).fileName() : QString(); };
    // How many words the program takes at I: the Steam clients, wine or a shell with the game, the game itself.
    const auto program = [&](qsizetype i) -> qsizetype {
        if (name(i) == QLatin1String("steam") && are(i + 1, {"-applaunch", "70"}))
            return 3;
        if (name(i) == QLatin1String("flatpak") && are(i + 1, {"run", "com.valvesoftware.Steam", "-applaunch", "70"}))
            return 5;
        if ((name(i) == QLatin1String("wine") || name(i) == QLatin1String("sh")) &&
            QStringList{"hl.exe", "hl.sh"}.contains(name(i + 1), Qt::CaseInsensitive))
            return 2;
        return QStringList{"hl.exe", "hl.sh", "hl_linux"}.contains(name(i), Qt::CaseInsensitive) ? 1 : 0;
    };
    qsizetype from = are(0, {"cd", "", "&&", "exec"}) ? 4 : 0;
    from += are(from, {"env"});
    for (qsizetype at = from; at < words.size() && !isSwitch(words[at].value); ++at)
        if (const qsizetype taken = program(at))
            return {from, at, at + taken};
    return {};
}

// Whether a control writes a line of this command into the CFG file (+mlook, say).
bool isCfgCommand(const QString &name)
{
    for (const auto lines : {leadingCfgLines(), trailingCfgLines()})
        for (const SwitchedLine &line : lines)
            if (split(line.on).name == name || split(line.off).name == name)
                return true;
    return false;
}

// The switches of the command line that a check box writes, in the builder's order.
constexpr std::pair<const char *, const char *> switches[]{
    {"-numericping", "chknumping"}, {"-toconsole", "chktocon"}, {"-dev", "chkdev"}};

} // namespace

Imported importCommandLine(OptionView &options, const QString &line)
{
    const QList<ShellWord> all = shellWords(line);
    const Program program = programOf(all);
    const qsizetype first = program.end;
    const QString rest = first < all.size() ? line.mid(all[first].start) : QString();
    // A launch prefix before the program goes back before %command% in the custom parameters.
    const QString prefix =
        program.prefixTo > program.prefixFrom
            ? line.mid(all[program.prefixFrom].start, all[program.prefixTo - 1].end - all[program.prefixFrom].start) +
                  QStringLiteral(" %command%")
            : QString();
    const auto customParameters = [&](const QString &custom) {
        return prefix.isEmpty() || custom.isEmpty() ? prefix + custom : prefix + QLatin1Char(' ') + custom;
    };
    Setter set(options);

    // Vantor's own line is read as the builder wrote it: the mod name and the custom parameters as they stand.
    static const QRegularExpression own(
        QStringLiteral("^-console( -numericping)?( -toconsole)?( -dev)?(?: -game (.*?))? \\+exec vantortemp\\.cfg"
                       "(?: (.*))?$"),
        QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = own.match(rest); match.hasMatch()) {
        set.vantorsOwn = true;
        // Without the console, the custom map and CFG were off: either would have held it on.
        if (match.capturedLength(2) == 0)
            set.check("chkcfg", 0), set.check("chkmap", 0);
        for (int i = 0; i < 3; ++i)
            set.check(switches[i].second, match.capturedLength(i + 1) > 0 ? 1 : 0);
        const bool mod = match.capturedStart(4) >= 0 && set.text("txtmod", match.captured(4));
        set.unused += match.capturedStart(4) >= 0 && !mod;
        set.check("chkmod", mod ? 1 : 0);
        set.unused += !set.text("customcmd", customParameters(match.captured(5)));
        set.check("chkdnf", 0); // the mark of a game folder that takes the CFG file
        return set.result();
    }

    std::set<std::string_view> named;
    QStringList custom;
    for (qsizetype i = first; i < all.size(); ++i) {
        const QString &word = all[i].value;
        const auto known = std::find_if(std::begin(switches), std::end(switches),
                                        [&](const auto &pair) { return word == QLatin1String(pair.first); });
        if (word == QLatin1String("-console"))
            continue;
        if (known != std::end(switches)) {
            set.check(known->second, 1);
            named.insert(known->second);
            continue;
        }
        if (word == QLatin1String("-game") && i + 1 < all.size()) {
            if (set.text("txtmod", all[++i].value)) {
                set.check("chkmod", 1);
                named.insert("chkmod");
            } else {
                ++set.unused;
            }
            continue;
        }
        // A console command with its arguments, up to the next switch: one that a control writes sets it.
        qsizetype next = i + 1;
        QStringList arguments;
        while (word.startsWith(u'+') && next < all.size() && !isSwitch(all[next].value))
            arguments << all[next++].value;
        const QString command = (QStringList{word.mid(1)} + arguments).join(QLatin1Char(' '));
        if (word.startsWith(u'+') && command == QLatin1String("exec vantortemp.cfg"))
            set.check("chkdnf", 0);
        if (word.startsWith(u'+') &&
            (command == QLatin1String("exec vantortemp.cfg") || readCfgLine(set, command, false, named) ||
             readCfgLine(set, QLatin1Char('+') + command, false, named))) {
            i = next - 1;
            continue;
        }
        custom << line.mid(all[i].start, all[i].end - all[i].start);
    }
    // What the builder writes but the line lacks is off; the mode for a game folder that cannot be written carries
    // the CFG file's cheats, MMX and custom CFG as well.
    std::vector<std::string_view> written{"chknumping", "chktocon", "chkdev", "chkmod"};
    if (options.check("chkdnf") == 1)
        written.insert(written.end(), {"chkmmx", "chkcheat", "chkcfg"});
    for (const std::string_view key : written)
        if (!named.count(key))
            set.check(key, 0);
    set.unused += !set.text("customcmd", customParameters(custom.join(QLatin1Char(' '))));
    return set.result();
}

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

Imported importText(OptionView &options, const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    if (lines.size() == 1) {
        const QList<ShellWord> line = shellWords(lines.first());
        if (programOf(line).end > 0 ||
            (isSwitch(line.first().value) && !isCfgCommand(split(lines.first(), false).name)))
            return importCommandLine(options, withoutLineBreaks(lines.first()));
    }
    return importCfgFile(options, text);
}

} // namespace vantor
