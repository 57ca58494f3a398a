#pragma once

// The settings store's INI file as text, for tests that prepare it or read it back as any INI reader would.

#include "settings/store.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QMap>
#include <QString>
#include <QStringList>

namespace storefile {

inline QString path() { return vantor::Store().fileName(); }

inline void remove() { QFile::remove(path()); }

inline void write(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path()).path());
    QFile file(path());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

// Sections mapped to their keys and raw values, read line by line as a plain INI reader does.
inline QMap<QString, QMap<QString, QString>> read()
{
    QMap<QString, QMap<QString, QString>> sections;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    QString section;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            sections[section];
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        sections[section][line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
    }
    return sections;
}

} // namespace storefile
