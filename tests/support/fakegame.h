#pragma once

// A stand-in for the game (or for wine): a script that records the folder it runs in and its arguments, one a line,
// in PROGRAM.record, written whole once it is complete.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The arguments that the game gets from Vantor's start values.
inline const QStringList startArguments{"-console", "-numericping", "-toconsole", "+exec", "vantortemp.cfg"};

// Writes BYTES to PATH whole, its folders made first.
inline bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The script brings its own PATH: the programs under test get one that holds nothing but stand-ins. Once its record is
// written, it runs THEN.
inline bool writeFakeProgram(const QString &program, bool runnable = true, const QByteArray &then = {})
{
    const auto run = QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;
    return writeFile(program, "#!/bin/sh\nPATH=/usr/bin:/bin\n"
                              "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$0.record.part\"\n"
                              "mv \"$0.record.part\" \"$0.record\"\n" +
                                  then) &&
           QFile::setPermissions(program, runnable ? QFile::permissions(program) | run
                                                   : QFile::permissions(program) & ~run);
}

// The folder and the arguments, or nothing while the program has not run.
inline QStringList fakeProgramRecord(const QString &program)
{
    QFile file(program + QStringLiteral(".record"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Whether the program has still not run once a start would long have left its record.
inline bool neverRan(const QString &program)
{
    QTest::qWait(1000);
    return fakeProgramRecord(program).isEmpty();
}

// A game folder with a valve directory and a stand-in hl.exe.
struct GameFolder {
    QTemporaryDir dir;
    QString game = dir.filePath(QStringLiteral("hl.exe"));
    explicit GameFolder(bool withGame = true)
    {
        QDir(dir.path()).mkdir(QStringLiteral("valve"));
        if (withGame)
            writeFakeProgram(game);
    }
    QString cfg(const QString &name = "vantortemp.cfg") const { return dir.filePath("valve/" + name); }
};
