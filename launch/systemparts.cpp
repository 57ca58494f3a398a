#include "systemparts.h"

#include "smallfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <deque>

#include <dirent.h>

namespace vantor {
namespace {

constexpr char flatpakSteam[] = "com.valvesoftware.Steam";
constexpr int inodesSampled = 2000; // enough to meet the files of several folders, few enough to stay quick
constexpr qint64 loaderCacheLimit = 16 << 20;

// Where a 32-bit library lies: Debian's and Ubuntu's multiarch folders, Arch's lib32, and the plain folders that
// hold 32-bit libraries on Fedora (and 64-bit ones elsewhere: the ELF header tells them apart).
constexpr const char *libraryFolders[] = {
    "/lib/i386-linux-gnu", "/usr/lib/i386-linux-gnu", "/lib32", "/usr/lib32", "/lib", "/usr/lib"};

// The folder of the 32-bit library NAME, or empty text. The loader's cache is read only where the folders hold none.
QString folderOf32Bit(const QString &root, const QString &name, QByteArray &cache)
{
    for (const char *folder : libraryFolders)
        if (binaryKind(root + QLatin1String(folder) + u'/' + name) == Binary::I386)
            return root + QLatin1String(folder);
    if (cache.isNull())
        cache = readSmallFile(root + QStringLiteral("/etc/ld.so.cache"), loaderCacheLimit).append('\0');
    // The cache holds each library's path as a text ended by a zero byte.
    const QByteArray ending = '/' + QFile::encodeName(name) + '\0';
    for (qsizetype at = cache.indexOf(ending); at >= 0; at = cache.indexOf(ending, at + 1)) {
        const qsizetype start = cache.lastIndexOf('\0', at) + 1;
        const QString path = QFile::decodeName(cache.mid(start, at + ending.size() - 1 - start));
        if (path.startsWith(u'/') && binaryKind(root + path) == Binary::I386)
            return QFileInfo(root + path).path();
    }
    return {};
}

bool lives(const QString &root, qint64 pid)
{
    return pid > 0 && QFileInfo(root + "/proc/" + QString::number(pid)).isDir();
}

// A Steam client's pid file names a process that lives and is Steam's: a pid file left behind may name another.
bool steamRunsBy(const QString &pidFile, const QString &root)
{
    const qint64 pid = readSmallFile(pidFile).trimmed().toLongLong();
    return lives(root, pid) &&
           readSmallFile(root + "/proc/" + QString::number(pid) + "/comm").toLower().contains("steam");
}

// The filesystems that a Flatpak metadata or overrides file lists under [Context].
QStringList grantedFilesystems(const QByteArray &file)
{
    static const QRegularExpression line(QStringLiteral(R"(^\[Context\][^\[]*?^filesystems=([^\n]*))"),
                                         QRegularExpression::MultilineOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    return line.match(QString::fromUtf8(file)).captured(1).split(u';', Qt::SkipEmptyParts);
}

// The folder a filesystems entry names, without its ":ro"-like mode; empty text for one that names no folder Vantor
// can tell.
QString grantedFolder(QString entry, const QString &home)
{
    entry = entry.section(u':', 0, 0);
    if (entry == QLatin1String("host"))
        return QStringLiteral("/");
    if (entry == QLatin1String("home") || entry == QLatin1String("~"))
        return home;
    if (entry.startsWith(QLatin1String("~/")))
        return home + entry.mid(1);
    if (entry == QLatin1String("xdg-data") || entry.startsWith(QLatin1String("xdg-data/")))
        return home + QStringLiteral("/.local/share") + entry.mid(8);
    return entry.startsWith(u'/') ? entry : QString();
}

bool within(const QString &path, const QString &folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    for (const QString &name : {folder, real})
        if (!name.isEmpty() && (name == QLatin1String("/") || path == name || path.startsWith(name + u'/')))
            return true;
    return false;
}

} // namespace

Binary binaryKind(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists())
        return Binary::Missing;
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return Binary::Other;
    const QByteArray head = file.read(20);
    if (head.startsWith("MZ"))
        return Binary::Windows;
    if (head.size() < 20 ||
        !head.startsWith("\x7f"
                         "ELF") ||
        head[5] != 1) // little-endian only
        return Binary::Other;
    const int machine = quint8(head[18]) | quint8(head[19]) << 8;
    if (head[4] == 1 && machine == 3)
        return Binary::I386;
    return head[4] == 2 && machine == 62 ? Binary::X86_64 : Binary::Other;
}

QList<SystemPiece> missing32BitPieces(const QString &root)
{
    QList<SystemPiece> missing;
    QByteArray cache;
    // The game names the loader by this path, so only this path will do.
    if (binaryKind(root + QStringLiteral("/lib/ld-linux.so.2")) != Binary::I386)
        missing << SystemPiece::Loader;
    if (folderOf32Bit(root, QStringLiteral("libc.so.6"), cache).isEmpty())
        missing << SystemPiece::CLibrary;
    if (folderOf32Bit(root, QStringLiteral("libGL.so.1"), cache).isEmpty())
        missing << SystemPiece::OpenGl;
    // Mesa's driver is its GLX library with the dri folder beside it; NVIDIA's is its GLX library alone.
    const QString mesa = folderOf32Bit(root, QStringLiteral("libGLX_mesa.so.0"), cache);
    const bool mesaDriver =
        !mesa.isEmpty() && !QDir(mesa + QStringLiteral("/dri")).entryList({QStringLiteral("*_dri.so")}).isEmpty();
    if (!mesaDriver && folderOf32Bit(root, QStringLiteral("libGLX_nvidia.so.0"), cache).isEmpty())
        missing << SystemPiece::GlDriver;
    return missing;
}

RunningSteam runningSteam(const QString &home, const QString &root, const QString &runtime)
{
    RunningSteam running;
    running.native = steamRunsBy(home + QStringLiteral("/.steam/steam.pid"), root) ||
                     steamRunsBy(home + QStringLiteral("/snap/steam/common/.steam/steam.pid"), root);
    // A Flatpak's pid file holds a number of its own sandbox; flatpak keeps the instance's number outside.
    const QString instances = runtime + QStringLiteral("/.flatpak");
    for (const QString &instance : QDir(instances).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = instances + u'/' + instance;
        static const QRegularExpression steam(QStringLiteral("^name=") + QLatin1String(flatpakSteam) + u'$',
                                              QRegularExpression::MultilineOption);
        const QJsonObject bwrap =
            QJsonDocument::fromJson(readSmallFile(folder + QStringLiteral("/bwrapinfo.json"))).object();
        if (QString::fromUtf8(readSmallFile(folder + QStringLiteral("/info"))).contains(steam) &&
            lives(root, bwrap.value(QStringLiteral("child-pid")).toInteger()))
            running.flatpak = true;
    }
    return running;
}

bool flatpakReaches(const QString &path, const QString &home, const QString &root)
{
    if (within(path, home + QStringLiteral("/.var/app/") + QLatin1String(flatpakSteam)))
        return true;
    const QString app =
        QStringLiteral("/flatpak/app/") + QLatin1String(flatpakSteam) + QStringLiteral("/current/active/metadata");
    const QString overrides = QStringLiteral("/flatpak/overrides/") + QLatin1String(flatpakSteam);
    QStringList granted;
    // In the order flatpak applies them: a later "!folder" takes back what came before.
    for (const QString &file : {root + "/var/lib" + app, home + "/.local/share" + app, root + "/var/lib" + overrides,
                                home + "/.local/share" + overrides})
        for (const QString &entry : grantedFilesystems(readSmallFile(file))) {
            const bool taken = entry.startsWith(u'!');
            const QString folder = grantedFolder(entry.mid(taken ? 1 : 0), home);
            granted.removeAll(folder);
            if (!taken && !folder.isEmpty())
                granted << folder;
        }
    return std::any_of(granted.begin(), granted.end(), [&](const QString &folder) { return within(path, folder); });
}

InodeSample sampleInodes(const QString &folder, quint64 limit)
{
    InodeSample sample;
    std::deque<QByteArray> folders{QFile::encodeName(folder)};
    while (!folders.empty() && sample.looked < inodesSampled) {
        DIR *listing = ::opendir(folders.front().constData());
        const QByteArray path = folders.front() + '/';
        folders.pop_front();
        if (!listing)
            continue;
        // The listing's own numbers are the files' inode numbers: no file needs to be opened or looked up.
        while (const dirent *entry = ::readdir(listing)) {
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            ++sample.looked;
            if (quint64(entry->d_ino) >= limit)
                ++sample.tooLarge;
            if (entry->d_type == DT_DIR ||
                (entry->d_type == DT_UNKNOWN && QFileInfo(QFile::decodeName(path + name)).isDir()))
                folders.push_back(path + name);
            if (sample.looked >= inodesSampled)
                break;
        }
        ::closedir(listing);
    }
    return sample;
}

} // namespace vantor
