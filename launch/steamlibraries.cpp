#include "steamlibraries.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace vantor {
namespace {

constexpr char halfLifeInLibrary[] = "/steamapps/common/Half-Life";

} // namespace

QStringList steamLibraryPaths(const QByteArray &vdf)
{
    // Keys and values are quoted strings, with backslash escapes.
    static const QRegularExpression pathEntry(QStringLiteral(R"re("path"\s+"((?:[^"\\]|\\.)*)")re"));
    QStringList paths;
    for (const QRegularExpressionMatch &match : pathEntry.globalMatch(QString::fromUtf8(vdf))) {
        static const QRegularExpression escape(QStringLiteral(R"re(\\(.))re"));
        paths << match.captured(1).replace(escape, QStringLiteral("\\1"));
    }
    return paths;
}

QStringList steamHalfLifeFolders(const QString &home)
{
    const QStringList steamRoots{home + QStringLiteral("/.steam/steam"), home + QStringLiteral("/.local/share/Steam")};
    QStringList libraries = steamRoots;
    for (const QString &root : steamRoots) {
        QFile list(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        if (list.open(QIODevice::ReadOnly))
            libraries += steamLibraryPaths(list.readAll());
    }
    QStringList folders;
    for (const QString &library : libraries) {
        // ~/.steam/steam is mostly a link to the other: the same folder is named once.
        const QString folder = QFileInfo(library + QLatin1String(halfLifeInLibrary)).canonicalFilePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

} // namespace vantor
