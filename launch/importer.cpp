#include "importer.h"

#include "importing.h"

#include "cfgfile.h"
#include "commandline.h"
#include "numbers.h"
#include "numericfields.h"
#include "options.h"
#include "optionview.h"

#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <set>
#include <vector>

namespace vantor {

using namespace importing;

namespace {

bool isSwitch(const QString &word) { return word.startsWith(u'-') || word.startsWith(u'+'); }

bool isAssignment(const QString &word)
{
    static const QRegularExpression assignment(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*="));
    return assignment.match(word).hasMatch();
}

// A command line read as a shell reads it, and where the program that starts the game stands in it: after the
// "cd FOLDER && NAME=value exec" that --print writes, after a launch prefix (NAME=value words and a wrapper with its
// own options), wherever the game's program stands.
struct ReadLine {
    QList<ShellWord> words;
    bool printed = false;     // the line that --print shows
    QStringList environment;  // the printed line's NAME=value words before exec
    qsizetype prefixFrom = 0; // the words of the launch prefix
    qsizetype prefixTo = 0;
    qsizetype first = 0;  // the first of the game's parameters
    bool program = false; // the line names the program
};

ReadLine readLine(const QString &line)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    ShellReading reading = readShellWords(line, &environment);
    if (!reading.problem.isEmpty()) // nothing is ever run: such a line is read as it is written
        reading = readShellWords(line);
    ReadLine read;
    read.words = reading.words;
    const auto value = [&](qsizetype i) { return i < read.words.size() ? read.words[i].value : QString(); };
    // A program's name after its folder, written with / or, as a Windows shortcut has it, with \ (which the shell's
    // reading undoes where it stands unquoted).
    const auto name = [&](qsizetype i) {
        static const QRegularExpression separator(QStringLiteral("[/\\\\]"));
        if (i >= read.words.size())
            return QString();
        const ShellWord &word = read.words[i];
        const QString written = line.mid(word.start, word.end - word.start).remove(u'"').remove(u'\'');
        return written.section(separator, -1).compare(QLatin1String("hl.exe"), Qt::CaseInsensitive) == 0
                   ? written.section(separator, -1)
                   : value(i).section(separator, -1);
    };
    const auto are = [&](qsizetype from, const QStringList &expected) {
        for (qsizetype i = 0; i < expected.size(); ++i)
            if (value(from + i) != expected[i])
                return false;
        return true;
    };
    qsizetype i = 0;
    if (value(0) == QLatin1String("cd") && value(2) == QLatin1String("&&")) {
        read.printed = true;
        for (i = 3; isAssignment(value(i));)
            read.environment << value(i++);
        i += value(i) == QLatin1String("exec");
        if (value(i) == QLatin1String("env")) // as --print wrote it before
            for (++i; isAssignment(value(i));)
                read.environment << value(i++);
    }
    read.prefixFrom = read.prefixTo = read.first = i;
    for (qsizetype at = i; at < read.words.size(); ++at) {
        // How many words the program takes: the Steam clients, Steam's placeholder, the game itself.
        qsizetype taken = 0;
        if (name(at) == QLatin1String("steam") && are(at + 1, {"-applaunch", "70"}))
            taken = 3;
        else if (name(at) == QLatin1String("flatpak") &&
                 are(at + 1, {"run", "com.valvesoftware.Steam", "-applaunch", "70"}))
            taken = 5;
        else if (value(at) == QLatin1String("%command%") ||
                 QStringList{"hl.exe", "hl.sh", "hl_linux"}.contains(name(at), Qt::CaseInsensitive))
            taken = 1;
        if (!taken)
            continue;
        // Wine or a shell that runs the game is Vantor's, not the user's wrapper.
        const bool runner = at > i && value(at) != QLatin1String("%command%") &&
                            QStringList{"wine", "wine64", "sh", "bash", "dash"}.contains(name(at - 1));
        read.prefixTo = at - runner;
        read.first = at + taken;
        read.program = true;
        break;
    }
    return read;
}

// The launch prefix of a read line, each word as a user would type it: a wrapper found on the PATH by its name, and
// without the game folder that Vantor puts first on LD_LIBRARY_PATH for hl_linux.
QStringList prefixOf(const ReadLine &read)
{
    QStringList words = read.environment;
    for (qsizetype i = read.prefixFrom; i < read.prefixTo; ++i)
        words << read.words[i].value;
    const QString folder = read.program ? QFileInfo(read.words[read.first - 1].value).path() : QString();
    QStringList typed;
    bool wrapper = true; // the first word after the environment
    for (QString word : words) {
        if (word.startsWith(QLatin1String("LD_LIBRARY_PATH=")) && read.program) {
            const QString path = word.section(u'=', 1);
            if (path == folder || path.startsWith(folder + u':')) {
                const QString after = path.mid(folder.size() + 1);
                if (after.isEmpty() || after == qEnvironmentVariable("LD_LIBRARY_PATH"))
                    continue;
                word = QStringLiteral("LD_LIBRARY_PATH=") + after;
            }
        }
        if (wrapper && !isAssignment(word)) {
            wrapper = false;
            if (word.contains(u'/') && QStandardPaths::findExecutable(QFileInfo(word).fileName()) == word)
                word = QFileInfo(word).fileName();
        }
        typed << typedForShell(word);
    }
    return typed;
}

// The switches of the command line that a check box writes, in the builder's order.
constexpr std::pair<const char *, const char *> switches[]{
    {"-numericping", "chknumping"}, {"-toconsole", "chktocon"}, {"-dev", "chkdev"}};

// Sets the options that the parameters from FIRST on name (NAMED gathers their boxes), and returns the words that no
// control takes, in groups: a switch with the words that follow it.
QList<QStringList> readParameters(Setter &set, const QList<ShellWord> &all, qsizetype first,
                                  std::set<std::string_view> &named)
{
    QList<QStringList> rest;
    bool groupOpen = false;
    for (qsizetype i = first; i < all.size(); ++i) {
        const QString &word = all[i].value;
        const auto known = std::find_if(std::begin(switches), std::end(switches),
                                        [&](const auto &pair) { return word == QLatin1String(pair.first); });
        groupOpen = groupOpen && !isSwitch(word);
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
        if (groupOpen)
            rest.last() << word;
        else
            rest << QStringList{word};
        groupOpen = isSwitch(word);
    }
    return rest;
}

// Custom Parameters made of a launch prefix and the game's words, each as a user would type it.
QString customParameters(const QStringList &prefix, const QStringList &words)
{
    QStringList typed = prefix;
    if (!prefix.isEmpty())
        typed << QStringLiteral("%command%");
    for (const QString &word : words)
        if (!prefix.isEmpty())
            typed << typedForShell(word);
        else if (!word.isEmpty()) // the game's parameters have no way to write one, nor ever give one
            typed << typedForParameters(word);
    return typed.join(QLatin1Char(' '));
}

// Words in groups, as readParameters leaves them: a switch with the words that follow it.
QList<QStringList> grouped(const QStringList &words)
{
    QList<QStringList> groups;
    for (const QString &word : words) {
        if (!groups.isEmpty() && !isSwitch(word) && isSwitch(groups.last().first()))
            groups.last() << word;
        else
            groups << QStringList{word};
    }
    return groups;
}

QStringList flattened(const QList<QStringList> &groups)
{
    QStringList words;
    for (const QStringList &group : groups)
        words += group;
    return words;
}

// Vantor's own line, as --print writes it, from the first parameter on: the mod and the custom parameters come
// back as the shell gives them.
bool readOwnPrintedLine(Setter &set, const ReadLine &read)
{
    const QList<ShellWord> &all = read.words;
    qsizetype i = read.first;
    const auto is = [&](const char *word) { return i < all.size() && all[i].value == QLatin1String(word) && ++i; };
    if (!is("-console"))
        return false;
    bool on[3];
    for (int k = 0; k < 3; ++k)
        on[k] = is(switches[k].first);
    const qsizetype mod = is("-game") ? i++ : -1;
    if (!is("+exec") || !is("vantortemp.cfg") || mod >= all.size())
        return false;
    set.vantorsOwn = true;
    if (!on[1])
        set.check("chkcfg", 0), set.check("chkmap", 0);
    for (int k = 0; k < 3; ++k)
        set.check(switches[k].second, on[k] ? 1 : 0);
    set.check("chkmod", mod >= 0 && set.text("txtmod", all[mod].value) ? 1 : 0);
    QStringList custom;
    for (; i < all.size(); ++i)
        custom << all[i].value;
    set.unused += !set.text("customcmd", customParameters(prefixOf(read), custom));
    set.check("chkdnf", 0);
    return true;
}

} // namespace

Imported importCommandLine(OptionView &options, const QString &line)
{
    const ReadLine read = readLine(line);
    const QList<ShellWord> &all = read.words;
    const qsizetype first = read.first;
    Setter set(options);
    if (read.printed && readOwnPrintedLine(set, read))
        return set.result();

    // Vantor's own preview is read as the builder wrote it: the launch prefix, the mod name and the custom
    // parameters as they stand.
    const QString rest = first < all.size() ? line.mid(all[first].start) : QString();
    static const QRegularExpression own(
        QStringLiteral("^-console( -numericping)?( -toconsole)?( -dev)?(?: -game (.*?))? \\+exec vantortemp\\.cfg"
                       "(?: (.*))?$"),
        QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = own.match(rest); !read.printed && match.hasMatch()) {
        set.vantorsOwn = true;
        const QString prefix =
            read.prefixTo > read.prefixFrom
                ? line.mid(all[read.prefixFrom].start, all[read.prefixTo - 1].end - all[read.prefixFrom].start) +
                      QStringLiteral(" %command%")
                : QString();
        const QString custom = match.captured(5);
        // Without the console, the custom map and CFG were off: either would have held it on.
        if (match.capturedLength(2) == 0)
            set.check("chkcfg", 0), set.check("chkmap", 0);
        for (int i = 0; i < 3; ++i)
            set.check(switches[i].second, match.capturedLength(i + 1) > 0 ? 1 : 0);
        const bool mod = match.capturedStart(4) >= 0 && set.text("txtmod", match.captured(4));
        set.unused += match.capturedStart(4) >= 0 && !mod;
        set.check("chkmod", mod ? 1 : 0);
        set.unused += !set.text("customcmd", prefix.isEmpty() || custom.isEmpty() ? prefix + custom
                                                                                  : prefix + QLatin1Char(' ') + custom);
        set.check("chkdnf", 0); // the mark of a game folder that takes the CFG file
        return set.result();
    }

    std::set<std::string_view> named;
    const QStringList custom = flattened(readParameters(set, all, first, named));
    // What the builder writes but the line lacks is off; the mode for a game folder that cannot be written carries
    // the CFG file's cheats, MMX and custom CFG as well.
    std::vector<std::string_view> written{"chknumping", "chktocon", "chkdev", "chkmod"};
    if (options.check("chkdnf") == 1)
        written.insert(written.end(), {"chkmmx", "chkcheat", "chkcfg"});
    for (const std::string_view key : written)
        if (!named.count(key))
            set.check(key, 0);
    set.unused += !set.text("customcmd", customParameters(prefixOf(read), custom));
    return set.result();
}

Imported mergeLaunchOptions(OptionView &options, const QString &launchOptions)
{
    const auto snapshot = [&options] {
        QStringList values;
        for (const Option &opt : optionCatalogue())
            values << (opt.kind == OptionKind::Check ? QString::number(options.check(opt.key))
                       : opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar
                           ? QString::number(options.position(opt.key))
                           : options.text(opt.key));
        return values;
    };
    const QStringList before = snapshot();
    const ReadLine read = readLine(launchOptions);
    Setter set(options);
    std::set<std::string_view> named;
    const QList<QStringList> theirs = readParameters(set, read.words, read.first, named);

    // The words that no control takes join Custom Parameters, each once: the prefix's before %command%, the game's
    // (a switch with the words that follow it) after.
    const QString custom = options.text("customcmd");
    const LaunchPrefix had = readLaunchPrefix(custom);
    QStringList prefix;
    for (const QString &word : had.environment + had.wrapper)
        prefix << typedForShell(word);
    const qsizetype ownPrefix = prefix.size();
    for (const QString &word : prefixOf(read))
        if (!prefix.contains(word))
            prefix << word;
    const QStringList ours = had.placeholder ? had.arguments : QProcess::splitCommand(had.parameters);
    QList<QStringList> known = grouped(ours);
    QStringList added;
    for (const QStringList &group : theirs)
        if (!known.contains(group))
            added += group, known << group;
    if (prefix.size() > ownPrefix) {
        set.text("customcmd", customParameters(prefix, ours + added));
    } else if (!added.isEmpty()) {
        QStringList typed{custom};
        typed.removeAll(QString());
        for (const QString &word : added)
            typed << (had.placeholder ? typedForShell(word) : typedForParameters(word));
        set.text("customcmd", typed.join(QLatin1Char(' ')));
    }
    const QStringList after = snapshot();
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    return {changed, set.result().unused};
}

Imported importText(OptionView &options, const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    if (lines.size() == 1) {
        const ReadLine line = readLine(lines.first());
        if (line.program || (!line.words.isEmpty() && isSwitch(line.words.first().value) &&
                             !isCfgCommand(split(lines.first(), false).name)))
            return importCommandLine(options, withoutLineBreaks(lines.first()));
    }
    return importCfgFile(options, text);
}

} // namespace vantor
