#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vantor {

// A key of a Valve KeyValues text (.vdf, .acf): with a text, or with a block of keys beneath it.
struct Vdf {
    QString key;
    QString value;
    QList<Vdf> children;

    // The first key of that name beneath this one, in any case (Steam's own files mix "Apps" and "apps"); null for
    // none.
    const Vdf *child(const QString &name) const;
    // The key at the end of the path, each name beneath the one before; null where one is missing.
    const Vdf *at(const QStringList &path) const;
};

// Reads a .vdf: quoted or bare tokens, blocks in braces, // comments, the escapes \" \\ \n \t, a byte-order mark, and
// the [$WIN32]-like conditions after a value, which it passes over. A text that breaks off keeps what was read whole
// before the break. The keys at the top stand beneath the one returned. With ONLY, it keeps only the keys along that
// path (names in any case) and everything beneath its end: a large file read for one value.
Vdf readVdf(const QByteArray &text, const QStringList &only = {});

} // namespace vantor
