#pragma once

// A system of a test's making for the setup check: its root with library folders, /etc and /proc, a home with Steam's
// and Flatpak's folders, a session's runtime folder and a PATH of stand-ins, each under one temporary folder.

#include "launch/setupcheck.h"
#include "support/fakegame.h"

#include <QRegularExpression>

#include <unistd.h>

// Makes what SYSTEM names, token by token (see the setupCheck table in tests/data/launch.tsv), under DIR, with
// MANIFEST as appmanifest_70.acf where the game lies in a Steam library, and points PATH at its stand-ins. Returns
// where the check is to look; FAILED names what could not be made.
inline vantor::SetupPlace makeFakeSystem(const QTemporaryDir &dir, QString system, const QString &manifest,
                                         QString *failed)
{
    const QString home = dir.filePath("home"),
                  library = system.section(QRegularExpression("\\bin:"), 1).section(' ', 0, 0);
    vantor::SetupPlace place{library.isEmpty() ? dir.filePath("game")
                                               : home + '/' + library +
                                                     (system.contains("cased") ? "/SteamApps/common/Half-Life"
                                                                               : "/steamapps/common/Half-Life"),
                             true,
                             {},
                             home,
                             dir.filePath("root"),
                             dir.filePath("run")};
    QByteArray cache; // the loader's cache, as its names come
    if (!QDir().mkpath(place.gameFolder) || !QDir().mkpath(dir.filePath("bin")) ||
        (!library.isEmpty() && !writeFile(place.gameFolder + "/../../appmanifest_70.acf", manifest.toUtf8())))
        *failed = QStringLiteral("the game folder");
    const QString libs = "i386:/lib/ld-linux.so.2 i386:/usr/lib/i386-linux-gnu/libc.so.6 "
                         "i386:/usr/lib/i386-linux-gnu/libGL.so.1";
    const QString mesa = "i386:/usr/lib/i386-linux-gnu/libGLX_mesa.so.0 i386:/usr/lib/i386-linux-gnu/dri/x_dri.so";
    const QByteArray pid = QByteArray::number(getpid()), steamFlatpak = "com.valvesoftware.Steam";
    for (const QString &token : system.replace("libs", libs).replace("mesa", mesa).split(' ')) {
        const QString kind = token.section(':', 0, 0), what = token.section(':', 1);
        const QString path = (what.startsWith('/') ? place.root : place.gameFolder + '/') + what;
        QByteArray elf = QByteArray("\x7f"
                                    "ELF\x01\x01\x01")
                             .leftJustified(52, '\0');
        elf[18] = kind == "x86-64" ? 62 : kind == "arm" ? 40 : 3;
        elf[4] = kind == "x86-64" ? 2 : 1;
        bool done = true;
        if (kind == "i386" || kind == "x86-64" || kind == "arm")
            done = writeFile(path, elf);
        else if (kind == "mz" || what == "hl.exe")
            done = writeFile(path, "MZ\x90");
        else if (kind == "game")
            done = writeFakeProgram(path);
        else if (kind == "dir")
            done = QDir().mkpath(path);
        else if (kind == "cache")
            done = writeFile(place.root + "/etc/ld.so.cache",
                             cache += QByteArray("libx.so.1\0", 10) + what.toUtf8() + '\0');
        else if (kind == "os")
            done = writeFile(place.root + "/etc/os-release", "ID=" + what.section(',', 0, 0).toUtf8() + "\nID_LIKE=\"" +
                                                                 what.section(',', 1).toUtf8() + '"');
        else if (kind == "liblist")
            done = writeFile(place.gameFolder + '/' + what.section('>', 0, 0) + "/liblist.gam",
                             "game \"X\"\ngamedll_linux \"" + what.section('>', 1).toUtf8() + "\"\n");
        else if (kind == "flatpak") // a running instance of that app
            done = writeFile(place.runtime + "/.flatpak/" + what + "/info",
                             "[Application]\nname=" + what.toUtf8() + '\n') &&
                   writeFile(place.runtime + "/.flatpak/" + what + "/bwrapinfo.json", "{\"child-pid\": " + pid + '}') &&
                   QDir().mkpath(place.root + "/proc/" + pid);
        else if (kind == "pid") // the process lives; its name says whether it is Steam
            done = writeFile(home + "/.steam/steam.pid", pid + '\n') &&
                   writeFile(place.root + "/proc/" + pid + "/comm", what.toUtf8() + '\n');
        else if (kind == "client")
            done = QDir().mkpath(home + '/' + what);
        else if (kind == "flatpak-steam")
            done = QDir().mkpath(home + "/.local/share/flatpak/app/" + steamFlatpak);
        else if (kind == "list")
            done = writeFile(home + '/' + what.section('>', 0, 0) + "/steamapps/libraryfolders.vdf",
                             "\"libraryfolders\" { \"1\" { \"path\" \"" + (home + '/' + what.section('>', 1)).toUtf8() +
                                 "\" } }");
        else if (kind == "override")
            done = writeFile(home + "/.local/share/flatpak/overrides/" + steamFlatpak,
                             "[Context]\nfilesystems=" + what.toUtf8() + ";\n");
        else if (kind == "bin")
            done = writeFakeProgram(dir.filePath("bin/" + what));
        else if (kind == "mod")
            place.mod = what;
        else if (kind == "unchosen")
            place.folderChosen = false;
        else if (kind == "inodes")
            place.inodeLimit = 1;
        else if (kind == "readonly") // a folder that only its owner's Vantor could write, were it not root
            done = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        else if (kind == "gone")
            done = QDir(place.gameFolder).removeRecursively();
        if (!done)
            *failed = token;
    }
    qputenv("PATH", QFile::encodeName(dir.filePath("bin")));
    return place;
}
