#include "folderbrowse.h"

#include "launch/steamlibraries.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>

namespace vantor {
namespace {

FolderDialog &replacement()
{
    static FolderDialog dialog;
    return dialog;
}

QString realDialog(QWidget *owner, const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(owner, title, startFolder);
}

} // namespace

void setFolderDialog(FolderDialog dialog) { replacement() = std::move(dialog); }

QString BrowseFolder(QWidget *owner, const QString &title, const QString &current)
{
    QString start = current;
    if (!QFileInfo(start).isDir()) {
        const QStringList steam = steamHalfLifeFolders(QDir::homePath());
        start = steam.isEmpty() ? QDir::homePath() : steam.first();
    }
    return replacement() ? replacement()(owner, title, start) : realDialog(owner, title, start);
}

} // namespace vantor
