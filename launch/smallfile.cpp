#include "smallfile.h"

#include <QFile>
#include <QFileInfo>

namespace vantor {

QByteArray readSmallFile(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    // A FIFO or a device would hold the open or the read up; only a regular file is opened.
    if (!info.isFile() || info.size() > limit)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(limit);
}

} // namespace vantor
