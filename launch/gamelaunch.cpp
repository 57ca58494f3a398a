#include "gamelaunch.h"

#include "steamlibraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <array>

namespace vantor {
namespace {

constexpr char windowsGame[] = "hl.exe";
constexpr char halfLifeAppId[] = "70";
constexpr char flatpakSteam[] = "com.valvesoftware.Steam";

// A Windows program as Windows has it begins with "MZ"; one without its run bit the system will not start either.
bool isWindowsProgram(const QString &path)
{
    QFile file(path);
    return !QFileInfo(path).isExecutable() || (file.open(QIODevice::ReadOnly) && file.read(2) == "MZ");
}

// The Flatpak's Steam client counts as installed where its installation folder is: asking flatpak would take a
// noticeable time, and Run waits on no program.
bool flatpakHasSteam(const QString &home, const QString &system)
{
    for (const QString &installation :
         {home + QStringLiteral("/.local/share/flatpak"), system + QStringLiteral("/var/lib/flatpak")})
        if (QFileInfo(installation + QStringLiteral("/app/") + QLatin1String(flatpakSteam)).isDir())
            return true;
    return false;
}

// The interpreter that the #! line of SCRIPT names, with its one argument: found on the PATH for "/usr/bin/env
// NAME", or where the named one is missing; /bin/sh when it names none.
QStringList interpreterOf(const QString &script)
{
    QFile file(script);
    QString line;
    if (file.open(QIODevice::ReadOnly))
        line = QString::fromLocal8Bit(file.readLine(512)).trimmed();
    if (!line.startsWith(QLatin1String("#!")))
        return {QStringLiteral("/bin/sh")};
    QStringList words = line.mid(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {QStringLiteral("/bin/sh")};
    if (QFileInfo(words.first()).fileName() == QLatin1String("env")) {
        words.removeFirst();
        while (!words.isEmpty() && (words.first().startsWith(u'-') || words.first().contains(u'=')))
            words.removeFirst();
        if (words.isEmpty())
            return {QStringLiteral("/bin/sh")};
    }
    // The system's own rule: the rest of the line is the interpreter's one argument.
    QStringList runner{words.first()};
    if (words.size() > 1)
        runner << words.mid(1).join(QLatin1Char(' '));
    if (!QFileInfo(runner.first()).isAbsolute() || !QFileInfo(runner.first()).isExecutable()) {
        const QString found = QStandardPaths::findExecutable(QFileInfo(runner.first()).fileName());
        if (!found.isEmpty())
            runner.first() = found;
    }
    return runner;
}

QString bareGame(const QString &ownDirectory)
{
    const QString beside = QDir(ownDirectory).filePath(QLatin1String(windowsGame));
    if (QFileInfo(beside).isFile())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(QLatin1String(windowsGame));
    return onPath.isEmpty() ? QString::fromLatin1(windowsGame) : onPath;
}

// The direct start run through the launch prefix: the wrapper, found on the PATH, runs it with the prefix's
// environment.
GameStart wrapped(GameStart start, const LaunchPrefix &prefix)
{
    start.environment = prefix.environment;
    if (prefix.wrapper.isEmpty())
        return start;
    const QString wrapper = prefix.wrapper.first();
    const QString found = wrapper.contains(QLatin1Char('/')) ? wrapper : QStandardPaths::findExecutable(wrapper);
    if (found.isEmpty())
        start.problem = QCoreApplication::translate("LaunchPrefix", "the wrapper %1 is not on the PATH").arg(wrapper);
    start.arguments = prefix.wrapper.mid(1) + QStringList{start.program} + start.arguments;
    start.program = found.isEmpty() ? wrapper : found;
    return start;
}

// hl.sh puts the game folder first on LD_LIBRARY_PATH; hl_linux started by Vantor itself needs the same, before
// what the launch prefix or Vantor's own environment has there.
void withGameLibraries(GameStart &start, const QString &folder)
{
    const QString name = QStringLiteral("LD_LIBRARY_PATH");
    QString after = qEnvironmentVariable("LD_LIBRARY_PATH");
    for (qsizetype i = start.environment.size() - 1; i >= 0; --i)
        if (start.environment[i].section(QLatin1Char('='), 0, 0) == name)
            after = start.environment.takeAt(i).section(QLatin1Char('='), 1);
    start.environment << name + QLatin1Char('=') + folder + (after.isEmpty() ? QString() : QLatin1Char(':') + after);
}

GameStart starting(const QString &program, const QStringList &arguments, const QString &folder, bool direct = true)
{
    GameStart start;
    start.program = program;
    start.arguments = arguments;
    start.workingDirectory = folder;
    start.direct = direct;
    return start;
}

// The start without the launch prefix.
GameStart chooseDirectOrSteam(const GameFinds &finds, const QStringList &arguments, const QString &ownDirectory)
{
    const QStringList applaunch{QStringLiteral("-applaunch"), QLatin1String(halfLifeAppId)};
    const GameStart native = starting(finds.steam, applaunch + arguments, finds.folder, false);
    const GameStart flatpak =
        starting(finds.flatpak, QStringList{QStringLiteral("run"), QLatin1String(flatpakSteam)} + applaunch + arguments,
                 finds.folder, false);
    if (finds.steamLibrary) {
        // The client that keeps the library first; a library that no client lists is the native one's.
        const bool flatpakFirst = finds.library == SteamClient::Flatpak;
        for (const GameStart &client : flatpakFirst ? std::array{flatpak, native} : std::array{native, flatpak})
            if (!client.program.isEmpty())
                return client;
    }
    if (!finds.scriptRunner.isEmpty())
        return starting(finds.scriptRunner.first(), finds.scriptRunner.mid(1) + QStringList{finds.game} + arguments,
                        finds.folder);
    if (QFileInfo(finds.game).fileName() != QLatin1String(windowsGame))
        return starting(finds.game, arguments, finds.folder); // in its own folder, as Steam runs it
    if (finds.windowsGame && !finds.wine.isEmpty())
        return starting(finds.wine, QStringList{finds.game} + arguments, ownDirectory);
    return starting(finds.game, arguments, ownDirectory);
}

} // namespace

GameFinds findGame(const QString &gameDirectory, bool dirNotFoundMode, const QString &ownDirectory, const QString &home,
                   const QString &system)
{
    GameFinds finds;
    finds.wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (dirNotFoundMode) {
        finds.game = bareGame(ownDirectory);
    } else {
        // The folder it really is, whatever links or ".." lead there; made absolute against our own current folder,
        // for the game runs in another one.
        const QString real = QFileInfo(gameDirectory).canonicalFilePath();
        finds.folder = real.isEmpty() ? QFileInfo(gameDirectory).absoluteFilePath() : real;
        // The native edition first: hl.sh sets up its libraries and starts hl_linux.
        for (const char *name : {"hl.sh", "hl_linux", windowsGame}) {
            finds.game = finds.folder + QLatin1Char('/') + QLatin1String(name);
            if (QFileInfo(finds.game).isFile())
                break;
        }
        if (finds.game.endsWith(QLatin1String("/hl.sh")) && !QFileInfo(finds.game).isExecutable())
            finds.scriptRunner = interpreterOf(finds.game);
        const QString library = steamLibraryOf(finds.folder);
        finds.steamLibrary = !library.isEmpty();
        if (finds.steamLibrary) {
            finds.library = libraryOwner(library, home);
            finds.steam = QStandardPaths::findExecutable(QStringLiteral("steam"));
            if (flatpakHasSteam(home, system))
                finds.flatpak = QStandardPaths::findExecutable(QStringLiteral("flatpak"));
        }
    }
    // Only a game that was found, named by its own path, is one for wine.
    const QFileInfo game(finds.game);
    finds.windowsGame = game.fileName() == QLatin1String(windowsGame) && game.isAbsolute() && game.isFile() &&
                        isWindowsProgram(finds.game);
    return finds;
}

GameStart chooseGameStart(const GameFinds &finds, const QString &parameters, const QString &ownDirectory,
                          const LaunchPrefix &prefix)
{
    GameStart start = chooseDirectOrSteam(finds, gameArguments(parameters, prefix), ownDirectory);
    if (!prefix.problem.isEmpty())
        start.problem =
            QCoreApplication::translate("LaunchPrefix", "Custom Parameters cannot be read: %1").arg(prefix.problem);
    else if (!start.direct && !prefix.isEmpty())
        start.leftOut = prefix.typed; // a running client starts its games in its own environment
    else if (start.direct)
        start = wrapped(start, prefix);
    if (start.direct && QFileInfo(finds.game).fileName() == QLatin1String("hl_linux") && !finds.folder.isEmpty())
        withGameLibraries(start, finds.folder);
    return start;
}

bool startsThroughSteam(const GameFinds &finds)
{
    return finds.steamLibrary && !(finds.steam.isEmpty() && finds.flatpak.isEmpty());
}

bool startThroughSteam(const GameStart &start)
{
    QProcess client;
    client.setProgram(start.program);
    client.setArguments(start.arguments);
    client.setWorkingDirectory(start.workingDirectory);
    // The client may outlive the terminal that ran --run: none of it is the client's.
    client.setStandardInputFile(QProcess::nullDevice());
    client.setStandardOutputFile(QProcess::nullDevice());
    client.setStandardErrorFile(QProcess::nullDevice());
    return client.startDetached();
}

QString shellLine(const GameStart &start)
{
    QStringList words{QStringLiteral("cd"), shellQuoted(start.workingDirectory), QStringLiteral("&&")};
    // Assignments before exec set them for the program alone. (env would take a program whose path holds a "=" for
    // one more.)
    for (const QString &setting : start.environment)
        words << setting.section(QLatin1Char('='), 0, 0) + QLatin1Char('=') +
                     shellQuoted(setting.section(QLatin1Char('='), 1));
    words << QStringLiteral("exec");
    for (const QString &word : QStringList{start.program} + start.arguments)
        words << shellQuoted(word);
    return words.join(QLatin1Char(' '));
}

} // namespace vantor
