#pragma once

#include "gamelaunch.h"

#include <QString>
#include <QStringList>

namespace vantor {

// What stops Half-Life on Linux again and again: each cause is known by the game's own words and has its mend. The
// setup check names the same causes before the game starts, with the same mends.
enum class Cause {
    SteamNotRunning,
    SteamLibraries, // the game started without the libraries that hl.sh sets up for it
    OpenGl,
    Library32,
    Sound,
    ModBuild, // a mod built for the other branch of the game, or a broken build
};

// The distributions whose install commands Vantor knows, from /etc/os-release's ID and ID_LIKE.
enum class Distro { Debian, Fedora, Arch, Other };
Distro distroOf(const QString &root = QStringLiteral("/"));

// The 32-bit pieces of the system that the native game needs.
enum class SystemPiece { Loader, CLibrary, OpenGl, GlDriver, CppLibrary };

// The command that installs the pieces on that distribution, or what to install where Vantor knows no command.
QString installCommand(Distro distro, const QList<SystemPiece> &pieces);

// The piece that a library of that name belongs to, where Vantor knows it.
std::optional<SystemPiece> pieceOf(const QString &library);

// What to do about a cause. LIBRARY names the 32-bit library that is missing, for Library32; INLIBRARY says that
// the game's folder lies in a Steam library, for SteamNotRunning: then the client is to be installed or started,
// since Vantor would have started the game through it.
QString causeMend(Cause cause, Distro distro, const QString &library = {}, bool inLibrary = false);

// What a mod without a Linux library means.
QString windowsOnlyMod(const QString &mod);

// The causes that the game's output names, each once, in the order of the table, with the 32-bit libraries that its
// lines name.
struct NamedCauses {
    QList<Cause> causes;
    QStringList libraries;
};
NamedCauses causesIn(const QString &output);

// What to do, by what the game said and, for the native edition with a mod, by the mod's liblist.gam; a word of
// advice even where no cause is known. ROOT holds the system's files ("/" but for tests).
QStringList adviceFor(const QString &output, const GameStart &start, const QString &root = QStringLiteral("/"));

} // namespace vantor
