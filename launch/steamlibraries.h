#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantor {

// The folders of the usual Steam clients under HOME that exist, each once whatever links lead there, in the order to
// try them: the native client's (~/.local/share/Steam, and ~/.steam/steam, root or debian-installation), the
// Flatpak's two, the Snap's.
QStringList steamRoots(const QString &home);

// The libraries that a libraryfolders.vdf names, in the format of today ("path" in numbered blocks) and the flat one
// of before 2021 ("1" "/mnt/games/SteamLibrary"): keys in any case, backslash escapes undone, comments skipped.
QStringList steamLibraryPaths(const QByteArray &vdf);

// The Half-Life folders in the Steam libraries under HOME (the installdir of each library's appmanifest_70.acf,
// Half-Life where there is none), each once, in the order of the clients and then of their library lists (config/
// and steamapps/ both). Only folders that exist.
QStringList steamHalfLifeFolders(const QString &home);

// The Steam client that keeps a library: the one whose own folder it is, or whose library list names it. The Snap's
// client counts as the native one: its `steam` is the one on the PATH.
enum class SteamClient { Unknown, Native, Flatpak };
SteamClient libraryOwner(const QString &library, const QString &home);

// The launch options that Steam keeps for Half-Life (app 70) for the user who logged in last (the one that
// config/loginusers.vdf marks "MostRecent"; where none is, the one whose userdata/*/config/localconfig.vdf is the
// newest), in the first Steam client's folder under HOME that keeps any, CLIENT's folders first. Nothing when none
// does. Steam's files are only read, each at most as large as Steam makes it.
std::optional<QString> steamLaunchOptions(const QString &home, SteamClient client);

// Where Half-Life usually is on this system, for a Game directory that was never chosen: the Half-Life folder of the
// first Steam library found under HOME, else the native Steam client's, whether it exists or not.
QString usualHalfLifeFolder(const QString &home);

// A library's steamapps folder, written in any case: older clients on NTFS or exFAT disks wrote SteamApps.
QString steamAppsFolder(const QString &library);

// The Steam library that holds the game directory as Half-Life (the folder that the manifest in its steamapps names,
// in steamapps/common; either in any case), judged by the folder it really is; empty text for none.
QString steamLibraryOf(const QString &gameDirectory);

} // namespace vantor
