#include "terminal.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/gamewatch.h"
#include "launch/setupcheck.h"
#include "settings/slots.h"
#include "settings/store.h"
#include "ui/notice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace vantor {
namespace {

enum Status : int {
    done,
    usageError,
    slotNotSaved,
    gameDirectoryNotChosen,
    cfgNotWritten,
    gameNotStarted,
    gameEndedAtOnce,
    setupBlocks
};

constexpr char platformVariable[] = "QT_QPA_PLATFORM";

constexpr char description[] =
    QT_TRANSLATE_NOOP("Terminal", "Sets Half-Life's options and starts the game.\n"
                                  "\n"
                                  "--print, --run and --check show no window and ask nothing. Exit status:\n"
                                  "  0  done; for --run, the game was started\n"
                                  "  1  the options are wrong\n"
                                  "  2  the slot asked for is not saved\n"
                                  "  3  no Game directory has been chosen in the window\n"
                                  "  4  the CFG file could not be written\n"
                                  "  5  the game could not be started\n"
                                  "  6  the game ended at once\n"
                                  "  7  --check found something that stops the game");

// Qt's own texts in the help, which Vantor's catalogue words as its own lines are worded: Qt's catalogues lack some in
// some languages, and word others otherwise.
[[maybe_unused]] constexpr const char *qtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"), QT_TRANSLATE_NOOP("QCommandLineParser", "[options]")};

// The options that Qt's application takes out of the command line itself (the X11 ones only on X11), and whether
// each takes a value. Known here, they are read past as Qt reads them, before the application exists and after.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},
    {"session", true},         {"qmljsdebugger", true},
    {"style", true},           {"stylesheet", true},
    {"widgetcount", false},    {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"sync", false},
};

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("Terminal", "Displays version information.")};
    QCommandLineOption slot{
        QStringLiteral("slot"),
        QCoreApplication::translate("Terminal", "Loads the options of slot <N> (1 to 3) instead of the Default slot."),
        QStringLiteral("N")};
    QCommandLineOption print{
        QStringLiteral("print"),
        QCoreApplication::translate("Terminal", "Prints what Run would start, as a shell would run it, then the CFG "
                                                "file that it would write (none in the directory-not-found mode). "
                                                "Writes nothing.")};
    QCommandLineOption run{QStringLiteral("run"), QCoreApplication::translate(
                                                      "Terminal", "Does what \"Run Half-Life Now!\" does, then ends.")};
    QCommandLineOption check{
        QStringLiteral("check"),
        QCoreApplication::translate("Terminal", "Checks Half-Life's setup, line by line: what will stop the game, and "
                                                "what to do about it. Reads only.")};
    QCommandLineOption notify{
        QStringLiteral("notify"),
        QCoreApplication::translate("Terminal", "With --run: says why the game could not be started in a desktop "
                                                "notification, or a message window, as the desktop menu's entries do; "
                                                "for a slot that is not saved it offers to open Vantor. With --check: "
                                                "says what the check found there.")};

    Options()
    {
        parser.setApplicationDescription(QCoreApplication::translate("Terminal", description));
        // Qt's options have one dash (-reverse, -style NAME): a word after one dash is one option, never several.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({version, slot, print, run, check, notify});
        for (const QtOption &qt : qtOptions) {
            QCommandLineOption option(QLatin1String(qt.name), QString(),
                                      qt.takesValue ? QStringLiteral("value") : QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    // Reads the arguments; false when they are not Vantor's options and Qt's.
    bool read(const QStringList &arguments)
    {
        return parser.parse(arguments) && parser.positionalArguments().isEmpty();
    }

    // The slot asked for: 0 for none, -1 for one that does not exist.
    int slotAsked() const
    {
        if (!parser.isSet(slot))
            return 0;
        bool ok = false;
        const int number = parser.value(slot).toInt(&ok);
        return ok && number >= 1 && number <= 3 ? number : -1;
    }

    // Whether a notice may need a window: in a graphical session, --run --notify and --check --notify can show one.
    bool mayShowNotice() const
    {
        return (parser.isSet(run) || parser.isSet(check)) && parser.isSet(notify) &&
               (qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    }

    // Whether Qt can show a window: a display to reach, or a platform chosen that needs none (offscreen, vnc …).
    bool hasGraphicalSession() const
    {
        QString platform = parser.value(QStringLiteral("platform"));
        if (platform.isEmpty())
            platform = qEnvironmentVariable(platformVariable);
        const bool needsDisplay = platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
                                  platform.startsWith(QLatin1String("wayland"));
        return !needsDisplay || qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
               parser.isSet(QStringLiteral("display"));
    }

    bool showsNothing() const
    {
        for (const QCommandLineOption *option : {&help, &version, &print, &run, &check})
            if (parser.isSet(*option))
                return true;
        if (parser.isSet(QStringLiteral("help-all")))
            return true;
        // A slot that cannot be loaded ends the program before any window.
        const int asked = slotAsked();
        return asked < 0 || (asked > 0 && !isSlotSaved(Store(), asked));
    }
};

void writeOut(std::FILE *stream, const QByteArray &bytes) { std::fwrite(bytes.constData(), 1, bytes.size(), stream); }

int fail(Status status, const QString &reason)
{
    writeOut(stderr,
             (QCoreApplication::applicationName() + QLatin1String(": ") + reason + QLatin1Char('\n')).toLocal8Bit());
    return status;
}

bool inDirNotFoundMode(const Form1 &form) { return form.check("chkdnf") == 1; }

// Why the window would start nothing that anybody chose: no Game directory chosen yet, outside the mode that uses
// none. Empty when there is one.
QString noGameDirectory(const Form1 &form, const Store &store)
{
    const QString never = QLatin1String(gameDirectoryNeverChosen);
    const QString stored = store.read(QLatin1String(otherSection), QLatin1String(gameDirectoryKey), never);
    // The window would use its fallback folder, which nobody chose.
    if (inDirNotFoundMode(form) || (!stored.isEmpty() && stored != never))
        return {};
    return QCoreApplication::translate("Terminal", "no Game directory has been chosen; choose one in Vantor's window");
}

int printLaunch(Form1 &form, const Store &store)
{
    if (const QString none = noGameDirectory(form, store); !none.isEmpty())
        return fail(gameDirectoryNotChosen, none);
    // In Run's order: writing the CFG file repairs the numeric fields before the command line is built.
    const QByteArray cfg = inDirNotFoundMode(form) ? QByteArray() : cfgFileContent(form);
    const GameStart start = form.gameToStart(form.makecmdline());
    if (!start.problem.isEmpty()) // Run would start nothing
        return fail(gameNotStarted,
                    QCoreApplication::translate("Terminal", "could not start the game: %1").arg(start.problem));
    writeOut(stdout, (shellLine(start) + QLatin1Char('\n')).toLocal8Bit());
    writeOut(stdout, cfg);
    return done;
}

// Prints what the check finds, and tells it in a notification or a small window where NOTIFY asks for it.
int checkTheSetup(const Form1 &form, bool notify)
{
    const SetupCheck check = checkSetup(form.setupPlace());
    const QString lines = findingLines(check.findings, QDir::homePath());
    writeOut(stdout, (lines + checkSummary(check) + u'\n').toLocal8Bit());
    if (notify)
        tellTheUser(checkSummary(check), lines.trimmed(), false,
                    QGuiApplication::platformName() != QLatin1String("offscreen"));
    return check.blocks() ? setupBlocks : done;
}

// Status done, or why the game was not started.
std::pair<Status, QString> runGame(Form1 &form, const Store &store)
{
    if (const QString none = noGameDirectory(form, store); !none.isEmpty())
        return {gameDirectoryNotChosen, none};

    const QString cfgName = QLatin1String(temporaryCfgName);
    if (form.writeCfg(cfgName) == Form1::CfgWrite::Failed)
        return {cfgNotWritten, QCoreApplication::translate("Terminal", "could not write the CFG file %1")
                                   .arg(cfgFilePath(form.text("hldir"), cfgName))};
    QString whyNot;
    if (!form.startTheGame(&whyNot))
        return {gameNotStarted, whyNot.left(1).toLower() + whyNot.mid(1)};
    if (const QString leftOut = form.gameToStart(form.makecmdline()).leftOut; !leftOut.isEmpty())
        writeOut(stderr, QCoreApplication::translate(
                             "Terminal", "vantor: Steam starts Half-Life in its own environment, so %1 is left out: it "
                                         "belongs in Steam's launch options for Half-Life\n")
                             .arg(leftOut)
                             .toLocal8Bit());
    // A game started directly is watched for its first seconds, as the window watches it.
    std::optional<GameEnding> ended;
    if (GameWatch *watch = form.gameWatch(); watch->watching()) {
        QEventLoop watching;
        QObject::connect(watch, &GameWatch::settled, &watching, &QEventLoop::quit);
        QObject::connect(watch, &GameWatch::endedAtOnce, &watching, [&](const GameEnding &ending) {
            ended = ending;
            watching.quit();
        });
        watching.exec();
    }
    if (!ended)
        return {done, QString()};
    QStringList said;
    if (ended->logProblem.isEmpty()) {
        said << QCoreApplication::translate("Terminal", "Half-Life ended at once (%1). Its last lines:")
                    .arg(ended->status);
        for (const QString &line : ended->lastLines)
            said << QStringLiteral("  ") + line;
    } else {
        said << QCoreApplication::translate("Terminal", "Half-Life ended at once (%1).").arg(ended->status)
             << ended->logProblem;
    }
    said << ended->advice;
    if (ended->logProblem.isEmpty())
        said << QCoreApplication::translate("Terminal", "All of its output: %1").arg(gameLogPath());
    return {gameEndedAtOnce, said.join(QLatin1Char('\n'))};
}

} // namespace

Terminal::Terminal(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A usage error, too, is said in the terminal without a window.
    Options options;
    if (options.read(arguments) && (!options.showsNothing() || options.mayShowNotice())) {
        if (options.hasGraphicalSession())
            return;
        m_noSession = true; // said in the terminal, rather than Qt's abort for want of a display
    }
    m_platformChosen = true;
    m_hadPlatform = qEnvironmentVariableIsSet(platformVariable);
    m_platform = qgetenv(platformVariable);
    qputenv(platformVariable, "offscreen");
}

std::variant<int, StartUp> Terminal::act()
{
    // The platform is chosen by now; the game is not to inherit it.
    if (m_platformChosen && m_hadPlatform)
        qputenv(platformVariable, m_platform);
    else if (m_platformChosen)
        qunsetenv(platformVariable);

    if (m_noSession)
        return fail(usageError,
                    QCoreApplication::translate("Terminal", "Vantor's window needs a graphical session (X11 "
                                                            "or Wayland); vantor --print and vantor --run "
                                                            "work without one"));
    Options options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(usageError,
                    parser.errorText() + QLatin1Char(' ') + QCoreApplication::translate("Terminal", "See --help."));
    if (!parser.positionalArguments().isEmpty())
        return fail(usageError, QCoreApplication::translate("Terminal", "unexpected argument '%1'; see --help")
                                    .arg(parser.positionalArguments().constFirst()));
    parser.process(QCoreApplication::arguments()); // --help and --help-all end the program here
    if (parser.isSet(options.version)) {
        writeOut(stdout, QByteArrayLiteral("Vantor " VANTOR_VERSION "\n"));
        return done;
    }
    if (parser.isSet(options.print) && parser.isSet(options.run))
        return fail(usageError, QCoreApplication::translate("Terminal", "--print and --run cannot go together"));
    if (parser.isSet(options.check) && (parser.isSet(options.print) || parser.isSet(options.run)))
        return fail(usageError, QCoreApplication::translate("Terminal", "--check cannot go with --print or --run"));
    const int slot = options.slotAsked();
    if (slot < 0)
        return fail(usageError, QCoreApplication::translate("Terminal", "--slot takes 1, 2 or 3, not '%1'")
                                    .arg(parser.value(options.slot)));

    // A menu entry's Run says why it failed where its user looks, and offers the window for a slot to save.
    const bool notify = parser.isSet(options.run) && parser.isSet(options.notify);
    const auto failed = [notify](Status status, const QString &reason) -> std::variant<int, StartUp> {
        fail(status, reason);
        const bool shown = QGuiApplication::platformName() != QLatin1String("offscreen");
        if (notify && tellTheUser(QCoreApplication::translate("Terminal", "Vantor could not start Half-Life"),
                                  reason.left(1).toUpper() + reason.mid(1) + u'.', status == slotNotSaved, shown))
            return StartUp{};
        return status;
    };
    Store store;
    if (slot && !isSlotSaved(store, slot))
        return failed(slotNotSaved, QCoreApplication::translate("Terminal", "Slot %1 is not saved").arg(slot));
    if (!parser.isSet(options.print) && !parser.isSet(options.run) && !parser.isSet(options.check))
        return StartUp{slot};

    // The Default slot loads as at start-up, but without choosing its option button: that would write the store.
    Form1 form(StartUp{slot ? slot : defaultSlot(store), false});
    if (parser.isSet(options.print))
        return printLaunch(form, store);
    if (parser.isSet(options.check))
        return checkTheSetup(form, parser.isSet(options.notify));
    const auto [status, reason] = runGame(form, store);
    return status == done ? std::variant<int, StartUp>(done) : failed(status, reason);
}

} // namespace vantor
