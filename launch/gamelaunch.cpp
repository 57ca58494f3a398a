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
GameStart chooseDirectOrSteam(const GameFinds &finds, const QString &parameters, const QString &ownDirectory)
{
    const QStringList arguments = QProcess::splitCommand(parameters);
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
    if (finds.scriptToRead)
        return starting(QStringLiteral("/bin/sh"), QStringList{finds.game} + arguments, finds.folder);
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
        finds.scriptToRead = finds.game.endsWith(QLatin1String("/hl.sh")) && !QFileInfo(finds.game).isExecutable();
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
    GameStart start = chooseDirectOrSteam(finds, parameters, ownDirectory);
    if (!prefix.problem.isEmpty())
        start.problem =
            QCoreApplication::translate("LaunchPrefix", "Custom Parameters cannot be read: %1").arg(prefix.problem);
    else if (!start.direct && !prefix.isEmpty())
        start.leftOut = prefix.shellWords(); // a running client starts its games in its own environment
    else if (start.direct)
        start = wrapped(start, prefix);
    return start;
}

bool startThroughSteam(const GameStart &start)
{
    return QProcess::startDetached(start.program, start.arguments, start.workingDirectory);
}

QString shellLine(const GameStart &start)
{
    QStringList words{QStringLiteral("cd"), shellQuoted(start.workingDirectory), QStringLiteral("&&"),
                      QStringLiteral("exec")};
    if (!start.environment.isEmpty()) // env sets them for the program alone, as Vantor does
        words << QStringLiteral("env");
    for (const QString &word : start.environment + QStringList{start.program} + start.arguments)
        words << shellQuoted(word);
    return words.join(QLatin1Char(' '));
}

} // namespace vantor
