// What the options become, without a window: the command line, the numeric fields' rules, the CFG file, reading both
// back, and the program that starts the game.

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/importer.h"
#include "launch/numbers.h"
#include "launch/numericfields.h"
#include "launch/smallfile.h"
#include "launch/steamlibraries.h"
#include "support/fakegame.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QRegularExpression>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace vantor;

namespace {

const QString start = QStringLiteral(" -console -numericping -toconsole"),
              exec = QStringLiteral(" +exec vantortemp.cfg");
const QByteArray header = "// Temporary CFG file created by Vantor,\r\n// this file can be safely deleted.\r\n"
                          "// Web page: https://corvana.example/vantor/\r\n\r\n\r\n";

QStringList bars(const QString &text) { return text.split(QLatin1Char('|'), Qt::SkipEmptyParts); }

// The lines after the header, each of which must end in CR LF.
QStringList body(const QByteArray &content)
{
    if (!content.startsWith(header) || !content.endsWith("\r\n"))
        return {QStringLiteral("no header, or no line break at the end")};
    return QString::fromUtf8(content.mid(header.size()).chopped(2)).split(QStringLiteral("\r\n"));
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("none");
}

} // namespace

class LaunchTest : public QObject {
    Q_OBJECT
private slots:
    void parameters_data()
    {
        textColumns("settings", "expected");
        row("start values", {"", start + exec});
        row("everything off, greyed is off", {"chknumping=0|chktocon=2|chkdev=2|chkmod=2", " -console" + exec});
        row("mod after dev", {"chkdev=1|chkmod=1|txtmod=tfc", start + " -dev -game tfc" + exec});
        row("no mod name, one blank of custom text", {"chkmod=1|txtmod=|customcmd= ", start + exec});
        row("mod name as typed", {"chkmod=1|txtmod=my mod ", start + " -game my mod " + exec});
        row("normal mode leaves the cfg to the file", {"chkcfg=1|txtcfg=autoexec.cfg", start + exec});
        row("dir-not-found mode, in order", {"chkdnf=1|chkcfg=1|txtcfg=my.cfg|customcmd=-zone 2048",
                                             start + " +r_mmx 1 +sv_cheats 1 +exec my.cfg -zone 2048"});
        row("dir-not-found mode, greyed boxes", {"chkdnf=1|chkmmx=2|chkcheat=2|chkcfg=2|txtcfg=x.cfg", start});
        row("dir-not-found mode, no cfg name, no map",
            {"chkdnf=1|chkmmx=0|chkcheat=0|chkcfg=1|chkmap=1|txtmap=x", start});
        row("greyed dir-not-found box is not the normal mode", {"chkdnf=2|chkcheat=0", start + " +r_mmx 1"});
        row("two blanks are added", {"customcmd=  ", start + exec + "   "});
        row("names of nothing but a line break",
            {"chkdnf=1|chkmod=1|txtmod=\n|chkcfg=1|txtcfg=\r\n|customcmd=\u2028 ", start + " +r_mmx 1 +sv_cheats 1"});
        row("custom text last, as typed", {"customcmd=+connect \"a b\"\\x", start + exec + " +connect \"a b\"\\x"});
    }

    void parameters()
    {
        QFETCH(QString, settings);
        QFETCH(QString, expected);
        MemoryView view;
        view.apply(bars(settings));
        QCOMPARE(buildParameters(view), expected);
    }

    // The preview shows the line on one line: a line break, or a text document's frame mark, shows as a blank.
    void previewIsOneLine()
    {
        QCOMPARE(commandLinePreview(" a\rb\nc\u2028d\u2029e\uFDD0f\uFDD1g"), QStringLiteral("hl.exe a b c d e f g"));
    }

    // The one reading of numbers: blanks, a sign, digits with a point somewhere (or a point and digits), blanks.
    void numbers_data()
    {
        textColumns("text", "read"); // read: the number and its 16-bit rounding, each "-" for none
                                     // clang-format off
        for (const auto &[text, read] : {
                 std::pair{"0", "0 0"}, {" +12.5\t", "12.5 12"}, {"-3.5", "-3.5 -4"}, {"22.", "22 22"}, {".5", "0.5 0"},
                 {"1.5", "1.5 2"}, {"32767.4", "32767.4 32767"}, {"32767.5", "32767.5 -"}, {"-32768.5", "-32768.5 -32768"}, {"-32769", "-32769 -"},
                 {"00000000000000000000000000000000000001", "1 1"}, {"1e3", "- -"}, {"inf", "- -"}, {"nan", "- -"},
                 {"1,000", "- -"}, {"0x10", "- -"}, {"- 1", "- -"}, {"-", "- -"}, {".", "- -"}, {"", "- -"},
                 {" ", "- -"}, {"1 2", "- -"}, {"12a", "- -"}, {"\uFF11", "- -"}})
            // clang-format on
            QTest::newRow(text) << QString::fromUtf8(text) << QString(read);
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const auto number = parseNumber(text);
        const auto whole = number ? toInt16(*number) : std::nullopt;
        QCOMPARE((number ? QString::number(*number) : "-") + ' ' + (whole ? QString::number(*whole) : "-"), read);
    }

    // Real-world lines and files read into the options: what they set, and "set N, not used M".
    void importing_data()
    {
        textColumns("text", "expected");
        const QString own = "// Temporary CFG file created by Vantor,\r\n// x\r\n// y\r\n\r\n\r\n";
        row("Steam's launch options",
            {"-dev -console +map c2a5 -zone 2048",
             "chkdev=1|chknumping=0|chktocon=0|chkmap=1|txtmap=c2a5|customcmd=-zone 2048|7 0"});
        row("Steam's own start", {"steam -applaunch 70 -game cstrike +sv_cheats 0 \"+name\" \"Gordon F\"",
                                  "chkmod=1|txtmod=cstrike|chkcheat=0|chkdev=0|customcmd=\"+name\" \"Gordon F\"|7 0"});
        row("not Steam's start of the game", {"steam -silent -dev", "chkdev=0|0 1"});
        row("the Flatpak client's start", {"/usr/bin/flatpak run com.valvesoftware.Steam -applaunch 70 -dev -game tfc",
                                           "chkdev=1|chkmod=1|txtmod=tfc|customcmd=|6 0"});
        row("Vantor's preview", {"hl.exe -console -numericping -game my mod +exec vantortemp.cfg  -x",
                                 "chknumping=1|chkmod=1|txtmod=my mod|chkdnf=0|customcmd= -x|7 0"});
        row("what --print shows", {"/usr/bin/wine '/games/Half Life/hl.exe' -console -toconsole +exec vantortemp.cfg",
                                   "chktocon=1|chknumping=0|chkmod=0|customcmd=|6 0"});
        row("what --print shows of the native game",
            {"'/games/Half Life/hl.sh' -console -dev +exec vantortemp.cfg", "chkdev=1|chktocon=0|customcmd=|6 0"});
        row("a mod name too long to type", {"-game averyveryverylongmodname", "chkmod=0|txtmod=tfc|5 1"});
        row("one console command", {"rate 5000\n", "chkrate=1|txtrate=5000|2 0"});
        row("one switch of the CFG file", {"+MLook // mouse look", "chkmlook=1|1 0"});
        row("a hand-written autoexec",
            {"// mine\nrate 5000\nCL_ALLOWDOWNLOAD \"0\"\nbind w +forward\nmap \"c1a0\"\n  skill   3 // hard\n"
             "exec userconfig.cfg\nfps_max 100\npushlatency -50\nscr_conspeed 600\nscr_conspeed 650\n-mlook",
             "chkrate=1|txtrate=5000|chkdownload=0|chkmap=1|txtmap=c1a0|scrlskill=3|chkcfg=1|txtcfg=userconfig.cfg|"
             "chkpush=1|txtpush=50|scrlcon=6|chkmlook=0|12 4"});
        row("Vantor's own file is read whole", {own + "sv_cheats 0\r\nr_decals 50\r\n",
                                                "chkcheat=0|chkdecal=1|txtdecal=50|chkcfg=0|chkmap=0|chkrate=0|10 0"});
    }

    void importing()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        MemoryView view;
        view.apply({"chkcfg=1", "chkmap=1", "chkmlook=0"});
        const Imported imported = importText(view, text);
        QStringList seen;
        for (const QString &entry : expected.split('|'))
            seen << (entry.contains('=')
                         ? entry.section('=', 0, 0) + '=' + view.value(entry.section('=', 0, 0).toStdString())
                         : QString("%1 %2").arg(imported.set).arg(imported.unused));
        QCOMPARE(seen.join('|'), expected);
    }

    // The check of all fields (LEFT empty), or of one field as it loses the focus: an empty one gets its fallback,
    // and only "Max Players" is capped, at 32. The view has no change handling, so no repair sets off another.
    void numericRepairs_data()
    {
        textColumns("settings", "left", "repaired"); // repaired: every other text stays as set
        row("empty is left for the user", {"txtfpslan=", "", ""});
        row("beyond 16 bits with the box on",
            {"chkpush=1|txtpush=40000|txtrate=-40000", "", "txtpush=300|txtrate=2500"});
        row("smallest 16-bit value, zero and halves stay", {"txtpush=-32768|txtrate=-0|txtfpsnet=2.5", "", ""});
        row("box off or greyed", {"chkpush=0|txtpush=40000|chkrate=2|txtrate=99999", "", ""});
        row("max players and decals take any number", {"chkmaxp=1|txtmaxp=99|txtdecal=99999", "", ""});
        row("no number, each its own fallback",
            {"txtpush=-|txtmaxp=x|txtrate=abc|txtfpsnet=1e3|txtfpslan=.|txtdecal=d", "",
             "txtpush=300|txtmaxp=16|txtrate=2500|txtfpsnet=30|txtfpslan=45|txtdecal=300"});
        row("players 33 left", {"txtmaxp=33", "txtmaxp", "txtmaxp=16"});
        row("players 32.5 left", {"txtmaxp=32.5", "txtmaxp", "txtmaxp=16"});
        row("players 32 left", {"txtmaxp=32|txtrate=", "txtmaxp", ""});
        row("players -5 left", {"txtmaxp=-5", "txtmaxp", ""});
        row("decals 9999 left", {"txtdecal=9999", "txtdecal", ""});
        row("left empty", {"txtfpslan=", "txtfpslan", "txtfpslan=45"});
    }

    void numericRepairs()
    {
        QFETCH(QString, settings);
        QFETCH(QString, left);
        QFETCH(QString, repaired);
        MemoryView view, expected;
        view.apply(bars(settings));
        expected.apply(bars(settings) + bars(repaired));
        if (left.isEmpty())
            checkNumericFields(view);
        else
            numericFieldLeft(view, left.toStdString());
        QCOMPARE(view.values, expected.values);
    }

    // Every line of the start values, letter for letter; then every box the other way round (greyed where it was on:
    // greyed counts as off), so every row writes its other line in the same place, and the named lines appear, one
    // line each whatever their text holds.
    void cfgEveryRow()
    {
        MemoryView view;
        QCOMPARE(body(cfgFileContent(view)),
                 bars("sv_cheats 1|r_mmx 1|r_shadows 0|chase_active 0|m_filter 0|gl_d3dflip 0|joystick 0|"
                      "cl_allowdownload 1|cl_allowupload 1|cl_himodels 1|sv_lan 0|r_dynamic 1|gl_texsort 1|"
                      "r_drawviewmodel 1|gl_keeptjunctions 1|gl_ztrick 0|deathmatch 0|hisound 1|loadas8bit 0|"
                      "s_reverb 1|_snd_mixahead 0.100|s_eax 0|s_a3d 0|rate 2500|fps_modem 30|pushlatency -300|"
                      "fps_lan 45|r_decals 300|skill 1|scr_conspeed 1000|+mlook"));
        for (auto &[key, value] : view.values)
            if (option(key).kind == OptionKind::Check)
                value = value == "1" ? "2" : "1";
        view.apply({"txtcfg=my\r\n.cfg", "txtmap=cross\u2028fire", "txtmaxp=07", "scrlskill=3", "scrlcon=35"});
        QCOMPARE(body(cfgFileContent(view)),
                 bars("sv_cheats 0|exec my.cfg|r_mmx 0|r_shadows 1|chase_active 1|m_filter 1|gl_d3dflip 1|"
                      "joystick 1|cl_allowdownload 0|cl_allowupload 0|cl_himodels 0|sv_lan 1|r_dynamic 0|"
                      "gl_texsort 0|r_drawviewmodel 0|gl_keeptjunctions 0|gl_ztrick 1|deathmatch 1|hisound 0|"
                      "loadas8bit 1|s_reverb 0|_snd_mixahead 0.200|s_eax 1|s_a3d 1|maxplayers 07|skill 3|"
                      "scr_conspeed 3500|-mlook|map cross\u2028fire"));
    }

    // The lines that a box writes only with a value, and the numeric fields that the writer puts right.
    void cfgConditionalLines_data()
    {
        textColumns("settings", "written", "recovered"); // recovered: every other text stays as it was
        const QString tail = "pushlatency -300|fps_lan 45|r_decals 300", all = "rate 2500|fps_modem 30|" + tail;
        row("start", {"", all, ""});
        row("cfg and map on without a name", {"chkcfg=1|chkmap=1", all, ""});
        row("cfg and map off with a name", {"txtcfg=a.cfg|txtmap=c1a0", all, ""});
        row("cfg and map named by a line break", {"chkcfg=1|txtcfg=\n|chkmap=1|txtmap=\r\n", all, ""});
        row("zero, empty", {"txtrate=0|txtfpsnet=", tail, ""});
        row("no number, box off", {"chkrate=0|txtrate=abc", all.mid(10), "txtrate=2500"});
        row("beyond 16 bits", {"txtrate=99999", all, "txtrate=2500"});
        row("beyond 16 bits, box off or greyed", {"chkrate=0|txtrate=99999|chkfpsnet=2|txtfpsnet=-40000", tail, ""});
        row("converted or as typed",
            {"chkmaxp=1|txtmaxp=099999|txtrate= 25|txtfpsnet=3.5|txtpush=22.5|txtfpslan=-2.5|txtdecal=99999.5",
             "maxplayers 099999|rate 25|fps_modem 4|pushlatency -22|fps_lan -2|r_decals 99999.5", ""});
        row("every field recovers on its own",
            {"chkmaxp=1|txtmaxp=x|txtrate=r|txtfpsnet=n|txtpush=p|txtfpslan=l|txtdecal=d",
             "maxplayers 16|rate 2500|fps_modem 30|pushlatency -300|fps_lan 45|r_decals 350",
             "txtmaxp=16|txtrate=2500|txtfpsnet=30|txtpush=300|txtfpslan=45|txtdecal=350"});
    }

    void cfgConditionalLines()
    {
        QFETCH(QString, settings);
        QFETCH(QString, written);
        QFETCH(QString, recovered);
        MemoryView view, expected;
        view.apply(bars(settings));
        expected.apply(bars(settings) + bars(recovered));
        // The callback runs between the numeric lines and the skill line, and sees the repairs.
        QString seen;
        const QByteArray content = cfgFileContent(view, [&] { seen = view.text("txtrate"); });
        static const QRegularExpression conditional(
            "^(exec|map|maxplayers|rate|fps_modem|pushlatency|fps_lan|r_decals) ");
        QCOMPARE(body(content).filter(conditional), bars(written));
        QCOMPARE(view.values, expected.values);
        QCOMPARE(seen, expected.text("txtrate"));
    }

    // A file is replaced whole or not at all: a disk that takes only part of it, a folder that is not there, or a
    // file where the valve folder belongs, leaves the earlier file as it was and nothing beside it.
    void cfgWrittenWholeOrNotAtAll()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkpath(QStringLiteral("a/valve")) &&
                QFile(game.filePath("valve")).open(QIODevice::WriteOnly));
        const QString path = cfgFilePath(game.filePath("a"), QStringLiteral("x.cfg"));
        QCOMPARE(path, game.filePath("a/valve/x.cfg"));
        MemoryView view;
        QVERIFY(writeCfgFile(path, view));
        QCOMPARE(body(contentOf(path)).size(), 31);

        view.setCheck("chkcheat", 0);
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending the program
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{100, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = writeCfgFile(path, view);
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(!written);
        QCOMPARE(body(contentOf(path)).first(), QStringLiteral("sv_cheats 1"));
        QCOMPARE(QDir(game.filePath("a/valve")).entryList(QDir::Files | QDir::Hidden), QStringList{"x.cfg"});
        QVERIFY(!writeCfgFile(cfgFilePath(game.filePath("gone"), QStringLiteral("x.cfg")), view));
        QVERIFY(!writeCfgFile(cfgFilePath(game.path(), QStringLiteral("x.cfg")), view));
    }

    // How the game starts from what there is: in the game folder (hl.sh, hl_linux, hl.exe; ":windows" without its
    // run bit, ":mz" a Windows program), beside Vantor (own/), on the PATH (bin/, where flatpak has no Steam with
    // ":nosteam"), whether the folder lies in a Steam library, and the directory-not-found mode. As a shell line,
    // after the folder it runs in.
    void gameStart_data()
    {
        textColumns("files", "expected");
        row("Steam client", {"library hl.sh bin/steam bin/flatpak", "GAME: BIN/steam -applaunch 70"});
        row("Flatpak client",
            {"library hl.exe bin/flatpak", "GAME: BIN/flatpak run com.valvesoftware.Steam -applaunch 70"});
        row("Flatpak without Steam", {"library hl_linux bin/flatpak:nosteam", "GAME: GAME/hl_linux"});
        row("a client, no library", {"hl.sh bin/steam", "GAME: GAME/hl.sh"});
        row("hl.sh first", {"hl_linux hl.sh hl.exe", "GAME: GAME/hl.sh"});
        row("hl_linux before hl.exe", {"hl.exe hl_linux bin/wine", "GAME: GAME/hl_linux"});
        row("a runnable hl.exe", {"hl.exe bin/wine", "OWN: GAME/hl.exe"});
        row("hl.exe without its run bit", {"hl.exe:windows bin/wine", "OWN: BIN/wine GAME/hl.exe"});
        row("hl.exe for Windows", {"hl.exe:mz bin/wine", "OWN: BIN/wine GAME/hl.exe"});
        row("no wine", {"hl.exe:windows", "OWN: GAME/hl.exe"});
        row("no game", {"bin/wine", "OWN: GAME/hl.exe"});
        row("dir not found, beside Vantor", {"dnf own/hl.exe bin/hl.exe", "OWN: OWN/hl.exe"});
        row("dir not found, a copied install", {"dnf own/hl.exe:windows bin/wine", "OWN: BIN/wine OWN/hl.exe"});
        row("dir not found, on the PATH", {"dnf library hl.sh bin/steam bin/hl.exe", "OWN: BIN/hl.exe"});
        row("dir not found, nowhere", {"dnf bin/wine", "OWN: hl.exe"});
    }

    void gameStart()
    {
        QFETCH(QString, files);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const QString game = root.filePath(files.contains("library") ? "lib/steamapps/common/Half-Life" : "game");
        for (const char *folder : {"own", "bin"})
            QVERIFY(QDir(root.path()).mkpath(folder));
        QVERIFY(QDir().mkpath(game));
        if (files.contains("library"))
            QVERIFY(QFile(game + "/../../appmanifest_70.acf").open(QIODevice::WriteOnly));
        for (const QString &file : files.split(' ', Qt::SkipEmptyParts)) {
            const QString name = file.section(':', 0, 0), kind = file.section(':', 1);
            if (name == "dnf" || name == "library")
                continue;
            const QString path = name.contains('/') ? root.filePath(name) : game + '/' + name;
            QVERIFY(writeFakeProgram(path, kind != "windows"));
            QFile program(path);
            if (kind == "mz" || kind == "nosteam") // a Flatpak without Steam fails "flatpak info"
                QVERIFY(program.open(QIODevice::WriteOnly) && program.write(kind == "mz" ? "MZ\x90" : "exit 1\n") > 0);
        }
        qputenv("PATH", QFile::encodeName(root.filePath("bin")));
        const GameFinds found = findGame(game, files.contains("dnf"), root.filePath("own"));
        const GameStart start = chooseGameStart(found, " -dev +map \"c1 a0\" \"it's\"", root.filePath("own"));
        QCOMPARE(
            start.workingDirectory + ": " + shellLine(start),
            expected.replace("GAME", game).replace("OWN", root.filePath("own")).replace("BIN", root.filePath("bin")) +
                " -dev +map 'c1 a0' 'it'\\''s'");
    }

    // The Half-Life folders of every Steam client's folder there is ("a>b": a's library list, a few kilobytes long,
    // names the library b; "a|": a FIFO stands for a's list; "a=b": a is a link to b), each once, clients first.
    void steamFolders_data()
    {
        textColumns("layout", "found");
        row("native", {".local/share/Steam", ".local/share/Steam"});
        row("the native client's other name", {".steam/steam", ".steam/steam"});
        row("Flatpak", {".var/app/com.valvesoftware.Steam/.local/share/Steam",
                        ".var/app/com.valvesoftware.Steam/.local/share/Steam"});
        row("Flatpak, older",
            {".var/app/com.valvesoftware.Steam/data/Steam", ".var/app/com.valvesoftware.Steam/data/Steam"});
        row("Snap", {"snap/steam/common/.local/share/Steam", "snap/steam/common/.local/share/Steam"});
        row("one folder, two names", {".local/share/Steam .steam/steam=.local/share/Steam", ".local/share/Steam"});
        row("libraries after the clients",
            {".steam/steam>Spiele-für-Ödön .local/share/Steam", ".local/share/Steam|.steam/steam|Spiele-für-Ödön"});
        row("a list that would hold the window up", {".steam/steam| snap/steam/common/.local/share/Steam",
                                                     ".steam/steam|snap/steam/common/.local/share/Steam"});
    }

    void steamFolders()
    {
        QFETCH(QString, layout);
        QFETCH(QString, found);
        QTemporaryDir root;
        const QString home = QFileInfo(root.path()).canonicalFilePath() + '/';
        for (const QString &entry : layout.split(' ')) {
            const QString folder = home + entry.section(QRegularExpression("[>|=]"), 0, 0);
            const QString list = folder + "/steamapps/libraryfolders.vdf", library = entry.section('>', 1);
            if (entry.contains('='))
                QVERIFY(QDir().mkpath(QFileInfo(folder).path()) && QFile::link(home + entry.section('=', 1), folder));
            else
                QVERIFY(QDir().mkpath(folder + "/steamapps/common/Half-Life"));
            if (entry.contains('|'))
                QVERIFY(mkfifo(QFile::encodeName(list).constData(), 0600) == 0);
            QFile vdf(list);
            if (!library.isEmpty())
                QVERIFY(QDir().mkpath(home + library + "/steamapps/common/Half-Life") &&
                        vdf.open(QIODevice::WriteOnly) &&
                        vdf.write("// " + QByteArray(4000, 'x') + "\n\"libraryfolders\" { \"1\" { \"path\" \"" +
                                  (home + library).toUtf8() + "\" } }") > 4000);
            vdf.close(); // read up to its limit, and not beyond
            QVERIFY(library.isEmpty() || (readSmallFile(list, vdf.size()).size() == vdf.size() &&
                                          readSmallFile(list, vdf.size() - 1).isEmpty()));
        }
        QStringList expected;
        for (const QString &folder : found.split('|'))
            expected << home + folder + "/steamapps/common/Half-Life";
        QCOMPARE(steamHalfLifeFolders(home), expected);
    }

    // Real-world library lists, and broken ones: the paths they name.
    void steamLibraryPaths_data()
    {
        textColumns("vdf", "paths");
        row("today's", {"\"libraryfolders\" { \"0\" { \"path\" \"/home/u/.local/share/Steam\" \"apps\" { \"70\" \"1\" "
                        "} } \"1\" { \"PATH\" \"/mnt/games\" } }",
                        "/home/u/.local/share/Steam|/mnt/games"});
        row("before 2021", {"\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" \"ContentStatsID\" \"-5\" \"1\" "
                            "\"/mnt/games\" \"2\" \"D:\\\\Steam\" }",
                            "/mnt/games|D:\\Steam"});
        row("escapes and comments",
            {"\"libraryfolders\" { // a comment \"9\" \"/x\"\n \"0\" { \"path\" \"/a \\\"b\\\"\" } }", "/a \"b\""});
        row("cut short", {"\"libraryfolders\" { \"0\" { \"path\" \"/mnt/ga", ""});
        row("not a list", {"\x01\x02 { } } \"", ""});
    }

    void steamLibraryPaths()
    {
        QFETCH(QString, vdf);
        QFETCH(QString, paths);
        QCOMPARE(vantor::steamLibraryPaths(vdf.toUtf8()).join('|'), paths);
    }
};

VANTOR_TEST_MAIN(LaunchTest, QCoreApplication)

#include "tst_launch.moc"
