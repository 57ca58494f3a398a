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

// What there is on this machine to start the game with.
struct GameFinds {
    QString folder;           // the game directory; empty in the directory-not-found mode
    QString game;             // the game's own program: hl.sh, hl_linux or hl.exe, or the bare hl.exe
    bool windowsGame = false; // GAME is a Windows program, or has no run bit: the system cannot run it itself
    bool steamLibrary = false;
    QString steam;   // the Steam client on the PATH
    QString flatpak; // flatpak on the PATH, where the Steam client is installed through it
    QString wine;
};

// Looks at the game directory and the PATH. The game is the folder's hl.sh, else hl_linux, else hl.exe (named even
// when it is not there). In the directory-not-found mode it is the bare hl.exe: the one beside Vantor (in
// OWNDIRECTORY), else the one on the PATH, else the bare name; no Steam then.
GameFinds findGame(const QString &gameDirectory, bool dirNotFoundMode, const QString &ownDirectory);

// The start of the game with the parameter string, as a shell would split it: through the Steam client when the game
// lies in a Steam library and a client is there; else the native edition, in the game's own folder; else hl.exe in
// Vantor's own folder, through wine when the system cannot run it and wine is there.
GameStart chooseGameStart(const GameFinds &finds, const QString &parameters, const QString &ownDirectory);

// Starts the game on its own, without waiting for it. False when nothing could be started.
bool startGame(const GameStart &start);

// The start as one line that a shell would run as it stands.
QString shellLine(const GameStart &start);

} // namespace vantor
