#include "steamlibraries.h"

#include "smallfile.h"
#include "vdf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vantor {
namespace {

constexpr char halfLifeInLibrary[] = "/steamapps/common/Half-Life";
constexpr char flatpakSteamFolder[] = "/.var/app/com.valvesoftware.Steam/";
constexpr qint64 localConfigLimit = 16 << 20; // a large library's is a few MB
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
    QStringList paths;
    const Vdf top = readVdf(vdf);
    const Vdf *list = top.child(QStringLiteral("libraryfolders"));
    for (const Vdf &library : list ? list->children : QList<Vdf>()) {
        // Today a library is a numbered block with a "path"; before 2021, the number's value was the path.
        const Vdf *path = library.child(QStringLiteral("path"));
        if (path && !path->value.isEmpty())
            paths << path->value;
        else if (library.children.isEmpty() && isNumber(library.key))
            paths << library.value;
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

std::optional<QString> steamLaunchOptions(const QString &home)
{
    constexpr quint64 firstAccount = 76561197960265728ULL; // a SteamID64 less this is the user's folder
    for (const QString &root : steamRoots(home)) {
        const Vdf logins = readVdf(readSmallFile(root + QStringLiteral("/config/loginusers.vdf")));
        QString config;
        if (const Vdf *users = logins.child(QStringLiteral("users")))
            for (const Vdf &user : users->children)
                if (const Vdf *recent = user.child(QStringLiteral("MostRecent")); recent && recent->value == u'1')
                    config = QStringLiteral("%1/userdata/%2/config/localconfig.vdf")
                                 .arg(root)
                                 .arg(user.key.toULongLong() - firstAccount);
        if (config.isEmpty()) { // no user marked: the one who used Steam last
            QDateTime newest;
            for (const QFileInfo &account : QDir(root + QStringLiteral("/userdata")).entryInfoList(QDir::Dirs))
                if (const QFileInfo file(account.filePath() + QStringLiteral("/config/localconfig.vdf"));
                    file.isFile() && (newest.isNull() || file.lastModified() > newest))
                    newest = file.lastModified(), config = file.filePath();
        }
        const QStringList path =
            QStringLiteral("UserLocalConfigStore/Software/Valve/Steam/apps/70/LaunchOptions").split(u'/');
        const Vdf store = readVdf(readSmallFile(config, localConfigLimit), path);
        if (const Vdf *options = store.at(path))
            return options->value;
    }
    return std::nullopt;
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
