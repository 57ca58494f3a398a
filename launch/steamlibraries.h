#pragma once

#include <QString>
#include <QStringList>

namespace vantor {

// The Half-Life folders that Steam's standard libraries under HOME would hold, in the order to try them: the two
// usual Steam folders, then the libraries listed in their steamapps/libraryfolders.vdf. Only folders that exist.
QStringList steamHalfLifeFolders(const QString &home);

// The "path" entries of a libraryfolders.vdf.
QStringList steamLibraryPaths(const QByteArray &vdf);

} // namespace vantor
