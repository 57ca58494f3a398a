#include "steamlibraries.h"

#include "smallfile.h"
#include "vdf.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vantor {
namespace {

constexpr char nativeHalfLife[] = "/.local/share/Steam/steamapps/common/Half-Life";
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
    QStringList roots, real;
    for (const char *root : {"/.local/share/Steam", "/.steam/steam", "/.steam/root", "/.steam/debian-installation",
                             "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                             "/.var/app/com.valvesoftware.Steam/data/Steam", "/snap/steam/common/.local/share/Steam"}) {
        // ~/.steam/steam and ~/.steam/root are mostly links to one of the others: each folder is named once.
        const QString folder = QFileInfo(home + QLatin1String(root)).canonicalFilePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !real.contains(folder)) {
            real << folder;
            roots << home + QLatin1String(root);
        }
    }
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

namespace {

// FOLDER's entry of that name, or of that name in another case where there is none; the exact name where neither is.
QString entryOf(const QString &folder, const QString &name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    // Libraries on NTFS or exFAT disks from older clients write SteamApps and Common.
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    return exact;
}

// The libraries of a Steam client: its own folder and those its lists name.
QStringList steamLibraries(const QString &root)
{
    QStringList libraries{root};
    // Today's client keeps its master list in config/; steamapps/ holds a copy that may lag behind it.
    for (const QString &list : {root + QStringLiteral("/config/libraryfolders.vdf"),
                                entryOf(root, QStringLiteral("steamapps")) + QStringLiteral("/libraryfolders.vdf")})
        for (const QString &library : steamLibraryPaths(readSmallFile(list)))
            if (!libraries.contains(library))
                libraries << library;
    return libraries;
}

// Where Steam keeps Half-Life in a library: the folder its manifest names, Half-Life where it names none.
QString halfLifeFolderIn(const QString &library)
{
    const QString steamapps = entryOf(library, QStringLiteral("steamapps"));
    const Vdf manifest = readVdf(readSmallFile(steamapps + QLatin1Char('/') + QLatin1String(halfLifeManifest)));
    const Vdf *installdir = manifest.at({QStringLiteral("AppState"), QStringLiteral("installdir")});
    return entryOf(steamapps, QStringLiteral("common")) + QLatin1Char('/') +
           (installdir && !installdir->value.isEmpty() ? installdir->value : QStringLiteral("Half-Life"));
}

// By the folder it really is, whatever links lead there: in the Flatpak's own folder under HOME (itself perhaps a
// link to another disk), or in one by that name.
SteamClient steamClientOf(const QString &root, const QString &home)
{
    const QString real = QFileInfo(root).canonicalFilePath(),
                  flatpak = QFileInfo(home + QLatin1String(flatpakSteamFolder)).canonicalFilePath();
    return (!flatpak.isEmpty() && real.startsWith(flatpak + QLatin1Char('/'))) ||
                   real.contains(QLatin1String(flatpakSteamFolder))
               ? SteamClient::Flatpak
               : SteamClient::Native;
}

} // namespace

QStringList steamHalfLifeFolders(const QString &home)
{
    QStringList libraries;
    for (const QString &root : steamRoots(home))
        libraries += steamLibraries(root);
    QStringList folders;
    for (const QString &library : libraries) {
        // Libraries named twice, or through a link, are one.
        const QString folder = QFileInfo(halfLifeFolderIn(library)).canonicalFilePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

std::optional<QString> steamLaunchOptions(const QString &home, SteamClient client)
{
    constexpr quint64 firstAccount = 76561197960265728ULL; // a SteamID64 less this is the user's folder
    QStringList roots = steamRoots(home);
    // The client that starts the game first.
    std::stable_partition(roots.begin(), roots.end(),
                          [&](const QString &root) { return steamClientOf(root, home) == client; });
    for (const QString &root : roots) {
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
    return found.isEmpty() ? home + QLatin1String(nativeHalfLife) : found.first();
}

QString steamAppsFolder(const QString &library) { return entryOf(library, QStringLiteral("steamapps")); }

SteamClient libraryOwner(const QString &library, const QString &home)
{
    const QString real = QFileInfo(library).canonicalFilePath();
    if (real.isEmpty())
        return SteamClient::Unknown;
    for (const QString &root : steamRoots(home))
        for (const QString &path : steamLibraries(root))
            if (QFileInfo(path).canonicalFilePath() == real)
                return steamClientOf(root, home);
    return SteamClient::Unknown;
}

QString steamLibraryOf(const QString &gameDirectory)
{
    const QString real = QFileInfo(gameDirectory).canonicalFilePath();
    QDir steamapps = QFileInfo(real).dir();
    if (real.isEmpty() || steamapps.dirName().compare(QLatin1String("common"), Qt::CaseInsensitive) != 0 ||
        !steamapps.cdUp() || steamapps.dirName().compare(QLatin1String("steamapps"), Qt::CaseInsensitive) != 0 ||
        !QFileInfo(steamapps.filePath(QLatin1String(halfLifeManifest))).isFile())
        return {};
    steamapps.cdUp();
    // Only the folder that the manifest names is Steam's Half-Life: a copy beside it is not.
    if (QFileInfo(halfLifeFolderIn(steamapps.path())).canonicalFilePath() != real)
        return {};
    return steamapps.path();
}

} // namespace vantor
