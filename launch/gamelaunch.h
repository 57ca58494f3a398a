#pragma once

#include "commandline.h"
#include "steamlibraries.h"

#include <QString>
#include <QStringList>

namespace vantor {

// How the game is started: the program, its arguments, the folder it runs in and what it adds to the environment
// (NAME=value). A direct start is the game itself (or wine or a shell running it, through a launch prefix's wrapper),
// which Vantor can watch; a start through Steam only asks the client.
struct GameStart {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    bool direct = true;
    QStringList environment;
    QString problem; // why it cannot start, where that is known before trying
    QString leftOut; // the launch prefix that a start through Steam cannot carry
};

// What there is on this machine to start the game with.
struct GameFinds {
    QString folder;           // the game directory as it really is; empty in the directory-not-found mode
    QString game;             // the game's own program: hl.sh, hl_linux or hl.exe, or the bare hl.exe
    bool windowsGame = false; // GAME is a Windows program, or has no run bit: the system cannot run it itself
    QStringList scriptRunner; // GAME is hl.sh without its run bit: the interpreter its #! line names runs it
    SteamClient library = SteamClient::Unknown; // the client that keeps the game's library, when it lies in one
    bool steamLibrary = false;
    QString steam;   // the Steam client on the PATH
    QString flatpak; // flatpak on the PATH, where the Steam client is installed through it
    QString wine;
};

// Looks at the game directory, the PATH and the Steam clients' folders under HOME (and the Flatpak's installation
// under HOME or SYSTEM, "/" but for tests); it runs no program. The game is the folder's hl.sh, else hl_linux, else
// hl.exe (named even when it is not there). In the directory-not-found mode it is the bare hl.exe: the one beside
// Vantor (in OWNDIRECTORY), else the one on the PATH, else the bare name; no Steam then.
GameFinds findGame(const QString &gameDirectory, bool dirNotFoundMode, const QString &ownDirectory, const QString &home,
                   const QString &system = QStringLiteral("/"));

// The start of the game with the parameter string (its Custom Parameters split as gameArguments splits them): through
// the Steam client that keeps the game's library, else the other one; else the native edition, in the game's own
// folder (hl_linux with the game folder first on LD_LIBRARY_PATH, as hl.sh would set it); else hl.exe in Vantor's
// own folder, through wine when the system cannot run it and wine is there. A direct start runs through the launch
// prefix's wrapper (found on the PATH) with its environment; a start through Steam leaves the prefix out.
GameStart chooseGameStart(const GameFinds &finds, const QString &parameters, const QString &ownDirectory,
                          const LaunchPrefix &prefix = {});

// Whether the game starts through a Steam client, which leaves a launch prefix out.
bool startsThroughSteam(const GameFinds &finds);

// Asks Steam to start the game, without waiting for it: the client runs in a session of its own, with none of
// Vantor's terminal. False when the client could not be started. A direct start is GameWatch's.
bool startThroughSteam(const GameStart &start);

// The start as one line that a shell runs as it stands, from any folder: into the folder, then the program with its
// environment set for it alone.
QString shellLine(const GameStart &start);

} // namespace vantor
