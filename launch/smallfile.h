#pragma once

#include <QByteArray>
#include <QString>

namespace vantor {

// The content of a small regular file that Vantor only reads (Steam's library list, a mod's liblist.gam), or nothing
// for anything else: a missing or unreadable file, a folder, a FIFO, a device, a file over the limit. Reading it
// never waits on another program.
QByteArray readSmallFile(const QString &path, qint64 limit = 1 << 20);

} // namespace vantor
