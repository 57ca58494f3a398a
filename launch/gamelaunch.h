#pragma once

#include <QString>
#include <QStringList>

namespace vantor {

// How the game is started: the program, its arguments and the folder it runs in.
struct GameStart {
    QString program;
    QStringList arguments;
    QString workingDirectory;
};

// The file that starts the game. Normally the game directory's hl.exe, or where that is missing, the Linux
// edition's hl.sh or hl_linux. In the directory-not-found mode, the bare hl.exe: looked for in WORKINGDIRECTORY,
// then on the PATH.
QString gameFile(const QString &gameDirectory, bool dirNotFoundMode, const QString &workingDirectory);

// The arguments as a shell would split PARAMETERS, without any shell.
GameStart gameStart(const QString &file, const QString &parameters, const QString &workingDirectory);

// Starts the game on its own, without waiting for it. A Windows program that the system cannot run itself runs
// through wine when wine is on the PATH. Returns false when nothing could be started.
bool startGame(const GameStart &start);

} // namespace vantor
