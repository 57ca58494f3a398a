#pragma once

// The settings store's INI file as plain text, to prepare it or read back what reached the disk. The path is
// formed here, with no QSettings: creating one would write out the pending changes of the store under test.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

namespace storefile {

inline QString path() { return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/vantor_tovrik.ini"); }

inline void remove() { QFile::remove(path()); }

inline void write(const QByteArray &content)
{
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(content);
    file.flush();
    // Qt reads a file it has read before again only when its size or time differ: give each write a time of its own.
    static qint64 writes = 0;
    file.setFileTime(QDateTime::fromSecsSinceEpoch(++writes), QFileDevice::FileModificationTime);
}

// Sections mapped to their keys and raw values.
inline QMap<QString, QMap<QString, QString>> read()
{
    QMap<QString, QMap<QString, QString>> sections;
    QFile file(path());
    QString section;
    for (const QByteArray &raw : file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>()) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            section = line.mid(1, line.size() - 2);
        else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq > 0)
            sections[section][line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    return sections;
}

} // namespace storefile
