// The setup check on systems built by the tests, the report, and the causes that explain a game's early end.

#include "launch/causes.h"
#include "launch/gamelaunch.h"
#include "launch/gamewatch.h"
#include "launch/setupcheck.h"
#include "support/fakesystem.h"
#include "support/testmain.h"

#include <unistd.h>

using namespace vantor;

class SetupCheckTest : public QObject {
    Q_OBJECT
private slots:
    // What Vantor advises for a game that ended at once, from its output, the system's distribution and, for a mod
    // started natively, the mod's liblist.gam; where the game folder lies in a Steam library, from that too.
    void advice_data() { cases(__func__); }

    void advice()
    {
        FETCH(output, program, liblist, system, expected);
        QTemporaryDir root;
        const QString game = root.filePath(system.contains("library") ? "steamapps/common/Half-Life" : "game");
        const QString lines = system.section(' ', 0, 0); // in /etc/os-release, or in the file it names
        QVERIFY(writeFile(root.filePath(lines.contains(':') ? lines.section(':', 0, 0) : "etc/os-release"),
                          lines.section(':', -1).toUtf8() + '\n') &&
                QDir().mkpath(game + "/cstrike") &&
                (!system.contains("library") || writeFile(game + "/../../appmanifest_70.acf")) &&
                (liblist == "none" || writeFile(game + "/cstrike/liblist.gam", liblist.toUtf8())));
        GameStart start;
        start.arguments = program.split(' ') + QStringList{"-console", "-game", "cstrike", "+exec", "vantortemp.cfg"};
        start.program = start.arguments.takeFirst();
        start.workingDirectory = game;
        QCOMPARE(adviceFor(output, start, root.path()).join('|'), expected);
    }

    // The setup check on a system of the test's making (see the table): the lines it says, in their order among the
    // others, and how many of them stop the game or warn.
    void setupCheck_data() { cases(__func__); }

    void setupCheck()
    {
        FETCH(system, manifest, said, stops);
        if (system.contains("readonly") && geteuid() == 0)
            QSKIP("root may write into any folder, as its Run would");
        QTemporaryDir dir;
        QString failed;
        const SetupPlace place = makeFakeSystem(dir, system, manifest, &failed);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const SetupCheck check = checkSetup(place);
        const QString lines = '\n' + findingLines(check.findings, place.home);
        qsizetype at = 0;
        for (const QString &line : said.replace("GAME", place.gameFolder).split('|'))
            if (line.startsWith('!')) // a line that must not be said
                QVERIFY2(!lines.contains('\n' + line.mid(1) + '\n'), qPrintable(line));
            else
                QVERIFY2((at = lines.indexOf('\n' + line + '\n', at)) >= 0, qPrintable(line + "\nnot in:" + lines));
        QCOMPARE(QString("%1/%2").arg(lines.count("\n[blocks] ")).arg(lines.count("\n[warning] ")), stops);
        QCOMPARE(check.blocks(), !stops.startsWith("0/"));
        QCOMPARE(lines.split('\n').filter(QRegularExpression("^    ")).removeDuplicates(), 0); // each mend said once
        QCOMPARE(SetupPlace().inodeLimit, quint64(1) << 32); // what a 32-bit program's inode numbers hold
    }

    // The report for a forum post: what happened, the start, the CFG lines without comments, the branch, the check and
    // the game's last 50 lines, the home folder written as "~" and only where it is the whole folder.
    void report_data() { cases(__func__); }

    void report()
    {
        FETCH(expected);
        QTemporaryDir home;
        QByteArray log;
        for (int line = 1; line <= 60; ++line)
            log += "line " + QByteArray::number(line) + '\n';
        QVERIFY(writeFile(home.filePath("game.log"), log));
        const SetupCheck check{
            {{Finding::Mark::Blocks, "No " + home.filePath("valve"), "mend it"}, {Finding::Mark::Fine, "fine", {}}},
            "steam_legacy"};
        const QString start = "cd " + home.path() + "2 && exec " + home.filePath("hl.sh") + " -dev";
        QCOMPARE(setupReport({"It ended.", start, "// Temporary\r\n\r\nsv_cheats 1\r\n+mlook\r\n", check,
                              home.filePath("game.log")},
                             home.path()),
                 expected.replace("HOME", home.path()));
    }
};

VANTOR_TEST_MAIN(SetupCheckTest, QCoreApplication)

#include "tst_setupcheck.moc"
