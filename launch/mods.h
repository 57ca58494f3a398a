#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vantor {

// A mod: a folder of the game directory that holds a liblist.gam, and the title that file gives the game.
struct Mod {
    QString folder;
    QString title;
};

// The mods in the game directory, by folder name. Valve's own folder is the game itself, not a mod.
QList<Mod> installedMods(const QString &gameDirectory);

// Whether NAME is the folder of a mod in the game directory.
bool isInstalledMod(const QString &gameDirectory, const QString &name);

// The title in a liblist.gam: the value of its "game" line, or empty text.
QString modTitle(const QByteArray &liblist);

// The value of a liblist.gam's line for KEY ("gamedll_linux"), quoted or not, or empty text.
QString liblistValue(const QByteArray &liblist, const QString &key);

} // namespace vantor
