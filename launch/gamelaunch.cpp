#include "gamelaunch.h"

#include "steamlibraries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

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

bool flatpakHasSteam(const QString &flatpak)
{
    QProcess info;
    info.setStandardOutputFile(QProcess::nullDevice());
    info.setStandardErrorFile(QProcess::nullDevice());
    info.start(flatpak, {QStringLiteral("info"), QLatin1String(flatpakSteam)});
    return info.waitForFinished(10000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
}

QString bareGame(const QString &ownDirectory)
{
    const QString beside = QDir(ownDirectory).filePath(QLatin1String(windowsGame));
    if (QFileInfo(beside).isFile())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(QLatin1String(windowsGame));
    return onPath.isEmpty() ? QString::fromLatin1(windowsGame) : onPath;
}

} // namespace

GameFinds findGame(const QString &gameDirectory, bool dirNotFoundMode, const QString &ownDirectory)
{
    GameFinds finds;
    finds.wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (dirNotFoundMode) {
        finds.game = bareGame(ownDirectory);
    } else {
        finds.folder = gameDirectory;
        // The native edition first: hl.sh sets up its libraries and starts hl_linux.
        for (const char *name : {"hl.sh", "hl_linux", windowsGame}) {
            // Joined as it stands, then made absolute against our own current folder: the game runs in another one.
            finds.game = QFileInfo(gameDirectory + QLatin1Char('/') + QLatin1String(name)).absoluteFilePath();
            if (QFileInfo(finds.game).isFile())
                break;
        }
        finds.steamLibrary = isSteamLibraryGame(gameDirectory);
        if (finds.steamLibrary)
            finds.steam = QStandardPaths::findExecutable(QStringLiteral("steam"));
        if (finds.steamLibrary && finds.steam.isEmpty())
            finds.flatpak = QStandardPaths::findExecutable(QStringLiteral("flatpak"));
        if (!finds.flatpak.isEmpty() && !flatpakHasSteam(finds.flatpak))
            finds.flatpak.clear();
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
    if (finds.steamLibrary && !finds.steam.isEmpty())
        return {finds.steam, applaunch + arguments, finds.folder};
    if (finds.steamLibrary && !finds.flatpak.isEmpty())
        return {finds.flatpak, QStringList{QStringLiteral("run"), QLatin1String(flatpakSteam)} + applaunch + arguments,
                finds.folder};
    if (QFileInfo(finds.game).fileName() != QLatin1String(windowsGame))
        return {finds.game, arguments, finds.folder}; // the native edition runs in its own folder, as Steam runs it
    if (finds.windowsGame && !finds.wine.isEmpty())
        return {finds.wine, QStringList{finds.game} + arguments, ownDirectory};
    return {finds.game, arguments, ownDirectory};
}

bool startGame(const GameStart &start)
{
    return QProcess::startDetached(start.program, start.arguments, start.workingDirectory);
}

QString shellLine(const GameStart &start)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    QStringList words;
    for (QString word : QStringList{start.program} + start.arguments) {
        if (!plain.match(word).hasMatch())
            word = QLatin1Char('\'') + word.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

} // namespace vantor
