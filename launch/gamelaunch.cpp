#include "gamelaunch.h"

#include "steamlibraries.h"

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

QString quoted(QString word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    return QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
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

GameStart chooseGameStart(const GameFinds &finds, const QString &parameters, const QString &ownDirectory)
{
    const QStringList arguments = QProcess::splitCommand(parameters);
    const QStringList applaunch{QStringLiteral("-applaunch"), QLatin1String(halfLifeAppId)};
    const GameStart native{finds.steam, applaunch + arguments, finds.folder, false};
    const GameStart flatpak{finds.flatpak,
                            QStringList{QStringLiteral("run"), QLatin1String(flatpakSteam)} + applaunch + arguments,
                            finds.folder, false};
    if (finds.steamLibrary) {
        // The client that keeps the library first; a library that no client lists is the native one's.
        const bool flatpakFirst = finds.library == SteamClient::Flatpak;
        for (const GameStart &client : flatpakFirst ? std::array{flatpak, native} : std::array{native, flatpak})
            if (!client.program.isEmpty())
                return client;
    }
    if (finds.scriptToRead)
        return {QStringLiteral("/bin/sh"), QStringList{finds.game} + arguments, finds.folder};
    if (QFileInfo(finds.game).fileName() != QLatin1String(windowsGame))
        return {finds.game, arguments, finds.folder}; // the native edition runs in its own folder, as Steam runs it
    if (finds.windowsGame && !finds.wine.isEmpty())
        return {finds.wine, QStringList{finds.game} + arguments, ownDirectory};
    return {finds.game, arguments, ownDirectory};
}

bool startThroughSteam(const GameStart &start)
{
    return QProcess::startDetached(start.program, start.arguments, start.workingDirectory);
}

QString shellLine(const GameStart &start)
{
    QStringList words{QStringLiteral("cd"), quoted(start.workingDirectory), QStringLiteral("&&"),
                      QStringLiteral("exec")};
    for (const QString &word : QStringList{start.program} + start.arguments)
        words << quoted(word);
    return words.join(QLatin1Char(' '));
}

} // namespace vantor
