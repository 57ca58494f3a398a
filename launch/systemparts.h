#pragma once

// What the setup check reads of the system, each part on its own: the kind of a program file, the 32-bit libraries,
// the running Steam clients, the Flatpak client's reach and the game folder's inode numbers. Only reading, under a
// ROOT that stands for "/".

#include "causes.h"

#include <QList>
#include <QString>

namespace vantor {

// What a file's first bytes say it is: an ELF file for i386 or x86-64, a Windows program or library, or another.
enum class Binary { Missing, I386, X86_64, Windows, Other };
Binary binaryKind(const QString &path);

// The 32-bit pieces that the native game needs and the system lacks: the loader (/lib/ld-linux.so.2), the C library,
// OpenGL and a driver for it (Mesa's with its dri folder, or NVIDIA's), found in the system's library folders or, where
// they are not, through the names in /etc/ld.so.cache.
QList<SystemPiece> missing32BitPieces(const QString &root);

// The Steam clients that run now: the native one (or the Snap's) by its pid file under HOME, the Flatpak's by the
// instance that flatpak keeps in the session's RUNTIME folder; each by a process that lives under ROOT/proc.
struct RunningSteam {
    bool native = false;
    bool flatpak = false;
};
RunningSteam runningSteam(const QString &home, const QString &root, const QString &runtime);

// Whether the Flatpak's Steam client may use PATH: its own folder, or what its metadata and the overrides (the
// system's, then the user's) grant in their filesystems lists.
bool flatpakReaches(const QString &path, const QString &home, const QString &root);

// A sample of the game folder's entries, breadth first, and how many of them have an inode number from LIMIT up.
struct InodeSample {
    int looked = 0;
    int tooLarge = 0;
};
InodeSample sampleInodes(const QString &folder, quint64 limit);

} // namespace vantor
