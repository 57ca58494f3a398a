#include "terminal.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "settings/slots.h"
#include "settings/store.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace vantor {
namespace {

enum Status : int { done, usageError, slotNotSaved, noGameDirectory, cfgNotWritten, gameNotStarted };

constexpr char platformVariable[] = "QT_QPA_PLATFORM";

constexpr char description[] = "Sets Half-Life's options and starts the game.\n"
                               "\n"
                               "--print and --run show no window and ask nothing. Exit status:\n"
                               "  0  done; for --run, the game was started\n"
                               "  1  the options are wrong\n"
                               "  2  the slot asked for is not saved\n"
                               "  3  no Game directory has been chosen in the window\n"
                               "  4  the CFG file could not be written\n"
                               "  5  the game could not be started";

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
                               QStringLiteral("Displays version information.")};
    QCommandLineOption slot{QStringLiteral("slot"),
                            QStringLiteral("Loads the options of slot <N> (1 to 3) instead of the Default slot."),
                            QStringLiteral("N")};
    QCommandLineOption print{QStringLiteral("print"),
                             QStringLiteral("Prints what Run would start, as a shell would run it, then the CFG "
                                            "file that it would write (none in the directory-not-found mode). "
                                            "Writes nothing.")};
    QCommandLineOption run{QStringLiteral("run"), QStringLiteral("Does what \"Run Half-Life Now!\" does, then ends.")};

    Options()
    {
        parser.setApplicationDescription(QLatin1String(description));
        // Qt's options have one dash (-reverse, -style NAME): a word after one dash is one option, never several.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({version, slot, print, run});
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

    bool showsNothing() const
    {
        for (const QCommandLineOption *option : {&help, &version, &print, &run})
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

int printLaunch(Form1 &form)
{
    // In Run's order: writing the CFG file repairs the numeric fields before the command line is built.
    const QByteArray cfg = inDirNotFoundMode(form) ? QByteArray() : cfgFileContent(form);
    writeOut(stdout, (shellLine(form.gameToStart(form.makecmdline())) + QLatin1Char('\n')).toLocal8Bit());
    writeOut(stdout, cfg);
    return done;
}

int runGame(Form1 &form, const Store &store)
{
    const bool dirNotFoundMode = inDirNotFoundMode(form);
    const QString never = QLatin1String(gameDirectoryNeverChosen);
    const QString stored = store.read(QLatin1String(otherSection), QLatin1String(gameDirectoryKey), never);
    // The window would use its fallback folder, which nobody chose; that mode uses no folder at all.
    if (!dirNotFoundMode && (stored.isEmpty() || stored == never))
        return fail(noGameDirectory,
                    QStringLiteral("no Game directory has been chosen; choose one in Vantor's window"));

    const QString cfgName = QLatin1String(temporaryCfgName);
    if (form.writeCfg(cfgName) == Form1::CfgWrite::Failed)
        return fail(cfgNotWritten,
                    QLatin1String("could not write the CFG file ") + cfgFilePath(form.text("hldir"), cfgName));
    if (!form.startTheGame())
        return fail(gameNotStarted, QLatin1String("could not start ") + form.gameToStart(form.makecmdline()).program);
    return done;
}

} // namespace

Terminal::Terminal(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A usage error, too, is said in the terminal without a window.
    Options options;
    if (options.read(arguments) && !options.showsNothing())
        return;
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

    Options options;
    QCommandLineParser &parser = options.parser;
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(usageError, parser.errorText() + QLatin1String(" See --help."));
    if (!parser.positionalArguments().isEmpty())
        return fail(usageError, QLatin1String("unexpected argument '") + parser.positionalArguments().constFirst() +
                                    QLatin1String("'; see --help"));
    parser.process(QCoreApplication::arguments()); // --help and --help-all end the program here
    if (parser.isSet(options.version)) {
        writeOut(stdout, QByteArrayLiteral("Vantor " VANTOR_VERSION "\n"));
        return done;
    }
    if (parser.isSet(options.print) && parser.isSet(options.run))
        return fail(usageError, QStringLiteral("--print and --run cannot go together"));
    const int slot = options.slotAsked();
    if (slot < 0)
        return fail(usageError,
                    QLatin1String("--slot takes 1, 2 or 3, not '") + parser.value(options.slot) + QLatin1Char('\''));

    Store store;
    if (slot && !isSlotSaved(store, slot))
        return fail(slotNotSaved, QStringLiteral("Slot %1 is not saved").arg(slot));
    if (!parser.isSet(options.print) && !parser.isSet(options.run))
        return StartUp{slot};

    // The Default slot loads as at start-up, but without choosing its option button: that would write the store.
    Form1 form(StartUp{slot ? slot : defaultSlot(store), false});
    return parser.isSet(options.print) ? printLaunch(form) : runGame(form, store);
}

} // namespace vantor
