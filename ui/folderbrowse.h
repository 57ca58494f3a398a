#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vantor {

// Asks the user for a folder: the window that owns the dialog, its title, the folder it opens in. Returns the
// chosen folder's full path, or empty text when the user cancels.
using FolderDialog = std::function<QString(QWidget *owner, const QString &title, const QString &startFolder)>;

// Puts another dialog in the place of the real one, so that tests can answer it; an empty one brings the real one
// back.
void setFolderDialog(FolderDialog dialog);

// Shows the folder dialog. It opens in the CURRENT folder when that exists, else in the Half-Life folder of a Steam
// library when there is one, else in the user's home folder.
QString BrowseFolder(QWidget *owner, const QString &title, const QString &current);

} // namespace vantor
