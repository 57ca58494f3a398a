#include "gamelaunch.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vantor {
namespace {

constexpr char windowsGame[] = "hl.exe";

} // namespace

QString gameFile(const QString &gameDirectory, bool dirNotFoundMode, const QString &workingDirectory)
{
    if (dirNotFoundMode) {
        const QString beside = QDir(workingDirectory).filePath(QLatin1String(windowsGame));
        if (QFileInfo(beside).isFile())
            return beside;
        const QString onPath = QStandardPaths::findExecutable(QLatin1String(windowsGame));
        return onPath.isEmpty() ? QString::fromLatin1(windowsGame) : onPath;
    }
    // Joined as it stands, then made absolute against our own current folder: the game runs in another one.
    const QString windows = QFileInfo(gameDirectory + QLatin1Char('/') + QLatin1String(windowsGame)).absoluteFilePath();
    if (QFileInfo::exists(windows))
        return windows;
    // The Linux edition: hl.sh sets up its libraries and starts hl_linux.
    for (const char *linuxGame : {"hl.sh", "hl_linux"}) {
        const QFileInfo candidate(gameDirectory + QLatin1Char('/') + QLatin1String(linuxGame));
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return windows;
}

GameStart gameStart(const QString &file, const QString &parameters, const QString &workingDirectory)
{
    return {file, QProcess::splitCommand(parameters), workingDirectory};
}

bool startGame(const GameStart &start)
{
    if (QProcess::startDetached(start.program, start.arguments, start.workingDirectory))
        return true;
    // Only a Windows game that was found, named by its own path: a bare name is no file of ours to hand to wine.
    const QFileInfo file(start.program);
    if (!start.program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) || !file.isAbsolute() || !file.isFile())
        return false;
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        return false;
    return QProcess::startDetached(wine, QStringList{start.program} + start.arguments, start.workingDirectory);
}

} // namespace vantor
