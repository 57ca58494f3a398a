#include "mods.h"

#include "smallfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace vantor {
namespace {

QString liblist(const QString &gameDirectory, const QString &folder)
{
    return gameDirectory + QLatin1Char('/') + folder + QStringLiteral("/liblist.gam");
}

} // namespace

QList<Mod> installedMods(const QString &gameDirectory)
{
    QList<Mod> mods;
    const QStringList folders =
        QDir(gameDirectory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &folder : folders)
        if (folder != QLatin1String("valve") && isInstalledMod(gameDirectory, folder))
            mods.append({folder, modTitle(readSmallFile(liblist(gameDirectory, folder)))});
    return mods;
}

bool isInstalledMod(const QString &gameDirectory, const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFileInfo(liblist(gameDirectory, name)).isFile();
}

QString modTitle(const QByteArray &liblist) { return liblistValue(liblist, QStringLiteral("game")); }

QString liblistValue(const QByteArray &liblist, const QString &key)
{
    // Lines of a key and a value, quoted or not; "//" starts a comment.
    const QRegularExpression line(
        QStringLiteral(R"re(^\s*%1\s+"?([^"\r\n]*?)"?\s*(//.*)?$)re").arg(QRegularExpression::escape(key)),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(liblist)).captured(1);
}

} // namespace vantor
