#include "steamlibraries.h"

#include "smallfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vantor {
namespace {

constexpr char halfLifeInLibrary[] = "/steamapps/common/Half-Life";
constexpr char flatpakSteamFolder[] = "/.var/app/com.valvesoftware.Steam/";
constexpr char halfLifeManifest[] = "appmanifest_70.acf";

bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

QStringList steamRoots(const QString &home)
{
    QStringList roots;
    for (const char *root :
         {"/.local/share/Steam", "/.steam/steam", "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
          "/.var/app/com.valvesoftware.Steam/data/Steam", "/snap/steam/common/.local/share/Steam"})
        if (QFileInfo(home + QLatin1String(root)).isDir())
            roots << home + QLatin1String(root);
    return roots;
}

QStringList steamLibraryPaths(const QByteArray &vdf)
{
    // Quoted strings, braces and comments; a string is a key, or the value of the key before it.
    const QString text = QString::fromUtf8(vdf);
    QStringList paths;
    QString key;
    bool valueNext = false;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'/' && text.mid(i, 2) == QLatin1String("//")) {
            i = text.indexOf(u'\n', i);
            if (i < 0)
                break;
        } else if (c == u'{' || c == u'}') {
            depth += c == u'{' ? 1 : -1;
            valueNext = false;
        } else if (c == u'"') {
            QString token;
            for (++i; i < text.size() && text[i] != u'"'; ++i) {
                if (text[i] == u'\\' && i + 1 < text.size())
                    ++i; // an escaped character stands for itself
                token += text[i];
            }
            if (i >= text.size())
                break; // a string cut short is no name
            if (!valueNext) {
                key = token;
                valueNext = true;
                continue;
            }
            valueNext = false;
            // Today a library is a numbered block with a "path"; before, the number's value was the path.
            if ((depth == 2 && key.compare(QLatin1String("path"), Qt::CaseInsensitive) == 0) ||
                (depth == 1 && isNumber(key)))
                paths << token;
        }
    }
    return paths;
}

QStringList steamHalfLifeFolders(const QString &home)
{
    const QStringList roots = steamRoots(home);
    QStringList libraries = roots;
    for (const QString &root : roots)
        libraries += steamLibraryPaths(readSmallFile(root + QStringLiteral("/steamapps/libraryfolders.vdf")));
    QStringList folders;
    for (const QString &library : libraries) {
        // ~/.steam/steam is mostly a link to ~/.local/share/Steam: the same folder is named once.
        const QString folder = QFileInfo(library + QLatin1String(halfLifeInLibrary)).canonicalFilePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString usualHalfLifeFolder(const QString &home)
{
    const QStringList found = steamHalfLifeFolders(home);
    return found.isEmpty() ? home + QLatin1String("/.local/share/Steam") + QLatin1String(halfLifeInLibrary)
                           : found.first();
}

SteamClient libraryOwner(const QString &library, const QString &home)
{
    const QString real = QFileInfo(library).canonicalFilePath();
    for (const QString &root : steamRoots(home)) {
        QStringList kept{root};
        kept += steamLibraryPaths(readSmallFile(root + QStringLiteral("/steamapps/libraryfolders.vdf")));
        for (const QString &path : kept)
            if (!real.isEmpty() && QFileInfo(path).canonicalFilePath() == real)
                return root.contains(QLatin1String(flatpakSteamFolder)) ? SteamClient::Flatpak : SteamClient::Native;
    }
    return SteamClient::Unknown;
}

QString steamLibraryOf(const QString &gameDirectory)
{
    const QString real = QFileInfo(gameDirectory).canonicalFilePath();
    QDir steamapps = QFileInfo(real).dir();
    if (real.isEmpty() || steamapps.dirName() != QLatin1String("common") || !steamapps.cdUp() ||
        steamapps.dirName() != QLatin1String("steamapps") ||
        !QFileInfo(steamapps.filePath(QLatin1String(halfLifeManifest))).isFile())
        return {};
    steamapps.cdUp();
    return steamapps.path();
}

} // namespace vantor
