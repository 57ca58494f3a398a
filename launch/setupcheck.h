#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vantor {

// One thing the setup check found: whether it is fine, worth a warning or stops the game, what it is, and what to do
// about it (empty where nothing is to be done).
struct Finding {
    enum class Mark { Fine, Warning, Blocks };
    Mark mark = Mark::Fine;
    QString what;
    QString mend;
};

// Where the check looks: the game folder and the mod that Run would use, the user's home, and the system's own files
// under ROOT ("/" but for tests; /proc too), with the session's runtime folder for the Flatpak's running apps.
struct SetupPlace {
    QString gameFolder;
    bool folderChosen = true; // false: the folder where Half-Life usually is, shown until one is chosen
    QString mod;              // the Mod field's text while it is on; empty for none
    QString home;
    QString root = QStringLiteral("/");
    QString runtime;
    // Inode numbers from this one up are more than the 32-bit game can take.
    quint64 inodeLimit = quint64(1) << 32;
};

struct SetupCheck {
    QList<Finding> findings;
    QString branch; // the build that Steam installed, as the report names it; empty where Steam did not install it
    bool blocks() const;
};

// Looks at the game folder, Steam's manifest and clients, the system's 32-bit libraries, the mod and the valve
// folder, and says what will stop the game, in that order. It only reads: it writes nothing and runs no program, so
// that it can run anywhere, the window's thread included.
SetupCheck checkSetup(const SetupPlace &place);

// The findings as lines for a terminal or a message: each with its mark, its mend indented beneath it, the home
// folder written as "~".
QString findingLines(const QList<Finding> &findings, const QString &home);

// One line on the whole: nothing stops the game, or how many things do.
QString checkSummary(const SetupCheck &check);

// TEXT with the home folder written as "~", as a report for others shows it.
QString withTilde(QString text, const QString &home);

// What a report for a forum post or a bug report holds, as plain text: what happened, the start line, the CFG
// lines, the branch, the check's lines and the game's last lines, with the home folder written as "~".
struct ReportParts {
    QString happened;
    QString startLine;
    QByteArray cfg;
    SetupCheck check;
    QString logPath;
};
QString setupReport(const ReportParts &parts, const QString &home);

} // namespace vantor
