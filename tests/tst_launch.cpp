// What the options become, without a window: the command line, the numeric fields' rules, the CFG file, reading both
// back, and the program that starts the game.

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/gamewatch.h"
#include "launch/importer.h"
#include "launch/numbers.h"
#include "launch/numericfields.h"
#include "launch/smallfile.h"
#include "launch/steamlibraries.h"
#include "support/fakegame.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSignalSpy>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace vantor;

namespace {

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
    void parameters_data() { cases(__func__); }

    void parameters()
    {
        FETCH(settings, expected);
        MemoryView view;
        view.apply(bars(settings));
        QCOMPARE(buildParameters(view), expected);
    }

    // Custom Parameters read as Steam's launch options: the environment, the wrapper and the game's parameters.
    void launchPrefix_data() { cases(__func__); }

    void launchPrefix()
    {
        FETCH(custom, expected);
        QProcessEnvironment environment;
        environment.insert("HOME", "/home/u");
        environment.insert("FOO", "a  b");
        const LaunchPrefix prefix = readLaunchPrefix(custom, environment);
        QCOMPARE(QStringList({prefix.environment.join(','), prefix.wrapper.join(','), prefix.parameters,
                              prefix.arguments.join(','), prefix.problem})
                     .join(QLatin1Char('|')),
                 expected);
        QCOMPARE(commandLinePreview(" -console", prefix).endsWith(" -console"), prefix.problem.isEmpty());
    }

    // The preview shows the line on one line: a line break, or a text document's frame mark, shows as a blank.
    void previewIsOneLine()
    {
        QCOMPARE(commandLinePreview(" a\rb\nc\u2028d\u2029e\uFDD0f\uFDD1g"), QStringLiteral("hl.exe a b c d e f g"));
    }

    // The one reading of numbers: blanks, a sign, digits with a point somewhere (or a point and digits), blanks.
    void numbers_data() { cases(__func__); }

    void numbers()
    {
        FETCH(text, read);
        const auto number = parseNumber(text);
        const auto whole = number ? toInt16(*number) : std::nullopt;
        QCOMPARE((number ? QString::number(*number) : "-") + ' ' + (whole ? QString::number(*whole) : "-"), read);
    }

    // Real-world lines and files read into the options: what they set, and "set N, not used M".
    void importing_data() { cases(__func__); }

    void importing()
    {
        FETCH(text, expected);
        MemoryView view;
        view.apply({"chkcfg=1", "chkmap=1", "chkmlook=0"});
        if (text.startsWith("merge:") && text.contains('|'))
            view.setText("customcmd", text.mid(6).section('|', 0, 0)), text = "merge:" + text.section('|', 1);
        const Imported imported =
            text.startsWith("merge:") ? mergeLaunchOptions(view, text.mid(6)) : importText(view, text);
        QStringList seen;
        for (const QString &entry : expected.split('|'))
            seen << (entry.contains('=')
                         ? entry.section('=', 0, 0) + '=' + view.value(entry.section('=', 0, 0).toStdString())
                         : QString("%1 %2").arg(imported.set).arg(imported.unused));
        QCOMPARE(seen.join('|'), expected);
    }

    // The check of all fields (LEFT empty), or of one field as it loses the focus: an empty one gets its fallback,
    // and only "Max Players" is capped, at 32. The view has no change handling, so no repair sets off another.
    void numericRepairs_data() { cases(__func__); }

    void numericRepairs()
    {
        FETCH(settings, left, repaired);
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
    void cfgConditionalLines_data() { cases(__func__); }

    void cfgConditionalLines()
    {
        FETCH(settings, written, recovered);
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
    void gameStart_data() { cases(__func__); }

    void gameStart()
    {
        FETCH(files, custom, expected);
        QTemporaryDir root;
        const QString home = root.filePath("home"),
                      library = files.section(QRegularExpression("\\bin:"), 1).section(' ', 0, 0);
        const QString game = library.isEmpty() ? root.filePath("game")
                                               : home + '/' + library +
                                                     (files.contains("cased") ? "/SteamApps/Common/Half-Life"
                                                                              : "/steamapps/common/Half-Life");
        const QString installdir = files.section(QRegularExpression("\\bmanifest:"), 1).section(' ', 0, 0);
        QVERIFY(QDir().mkpath(root.filePath("own")) && QDir().mkpath(root.filePath("bin")) && QDir().mkpath(game) &&
                (library.isEmpty() || files.contains("nomanifest") ||
                 writeFile(game + "/../../appmanifest_70.acf",
                           "\"AppState\" { \"appid\" \"70\" \"installdir\" \"" + installdir.toUtf8() + "\" }")));
        for (const QString &file : files.split(' ', Qt::SkipEmptyParts)) {
            const QString name = file.section(':', 0, 0), kind = file.section(':', 1);
            const QString list = home + '/' + kind.section('>', 0, 0) + (name == "config" ? "/config" : "/steamapps");
            if (name == "client")
                QVERIFY(QDir().mkpath(list));
            if (name == "list" || name == "config")
                QVERIFY(writeFile(list + "/libraryfolders.vdf", "\"libraryfolders\" { \"1\" { \"path\" \"" +
                                                                    (home + '/' + kind.section('>', 1)).toUtf8() +
                                                                    "\" } }"));
            if (name == "alias") // a link in the home folder to a client's folder
                QVERIFY(QDir().mkpath(QFileInfo(home + '/' + kind.section('=', 0, 0)).path()) &&
                        QDir().mkpath(home + '/' + kind.section('=', 1)) &&
                        QFile::link(home + '/' + kind.section('=', 1), home + '/' + kind.section('=', 0, 0)));
            if (name.endsWith("flatpak-steam")) // for the user, or for the whole system
                QVERIFY(QDir().mkpath((name == "flatpak-steam" ? home + "/.local/share" : root.filePath("var/lib")) +
                                      "/flatpak/app/com.valvesoftware.Steam"));
            if (name.startsWith("hl") || name.contains('/')) {
                const QString path = name.contains('/') ? root.filePath(name) : game + '/' + name;
                // Its first bytes: a Windows program's, or a #! line without the run bit.
                const QByteArray head = kind == "mz"        ? "MZ\x90"
                                        : kind == "bash"    ? "#! /bin/bash\n"
                                        : kind == "envbash" ? "#!/usr/bin/env bash\n"
                                        : kind == "envopts" ? "#!/usr/bin/env -S bash -e\n"
                                                            : "";
                QVERIFY(writeFakeProgram(path, kind.isEmpty() || kind == "mz") &&
                        (head.isEmpty() || writeFile(path, head)));
            }
        }
        QVERIFY(QFile::link(game, root.filePath("link")));
        const QString given = files.contains("link")     ? root.filePath("link")
                              : files.contains("dotdot") ? game + "/../Half-Life"
                                                         : game;
        qputenv("PATH", QFile::encodeName(root.filePath("bin")));
        qputenv("LD_LIBRARY_PATH", "/opt/lib");
        const GameFinds found = findGame(given, files.contains("dnf"), root.filePath("own"), home, root.path());
        const LaunchPrefix prefix = readLaunchPrefix(custom);
        const GameStart start =
            chooseGameStart(found, " -dev +map \"c1 a0\" \"it's\" " + prefix.parameters, root.filePath("own"), prefix);
        const QString how = !start.problem.isEmpty() ? "not, " + start.problem
                            : start.direct
                                ? QString("direct")
                                : "steam" + (start.leftOut.isEmpty() ? "" : ", leaving out " + start.leftOut);
        if (!expected.contains(" ARGS"))
            expected += " ARGS";
        QCOMPARE(how + ": " + shellLine(start), expected.replace("GAME", game)
                                                    .replace("OWN", root.filePath("own"))
                                                    .replace("BIN", root.filePath("bin"))
                                                    .replace(" ARGS", " -dev +map 'c1 a0' 'it'\\''s'"));
    }

    // A game still running when the watch is over is let go: its ending later, even with an error, is no news.
    void aGameLetGoIsNoNews()
    {
        QTemporaryDir game;
        GameWatch watch;
        QSignalSpy ended(&watch, &GameWatch::endedAtOnce), settled(&watch, &GameWatch::settled);
        const QString script = "until [ -e stop ]; do sleep 0.05; done; touch ended; exit 1";
        QVERIFY(watch.start({"/bin/sh", {"-c", script}, game.path(), true, {"PATH=/usr/bin:/bin"}, {}, {}}, nullptr));
        QTRY_COMPARE_WITH_TIMEOUT(settled.count(), 1, GameWatch::watchedMs + 5000);
        QVERIFY(QFile(game.filePath("stop")).open(QIODevice::WriteOnly));
        QTRY_VERIFY(QFile::exists(game.filePath("ended")));
        QTest::qWait(1000); // for its end to have come through
        QVERIFY(!watch.watching() && ended.isEmpty() && settled.count() == 1);
    }

    // Two games share the log: each start is appended, after a line that says when and what was started, and the
    // lines a message shows are that start's own; a log grown past its limit is moved aside first.
    void twoGamesShareTheLog()
    {
        QTemporaryDir game;
        const QString log = gameLogPath();
        const QByteArray grown((1 << 20) + 1, 'o'); // past a MiB
        QVERIFY(writeFile(log, grown) && writeFile(log + ".1", "older"));
        GameWatch first, second;
        QStringList shown;
        connect(&second, &GameWatch::endedAtOnce, this, [&](const GameEnding &ending) { shown = ending.lastLines; });
        const QString waits = "echo first; n=0; until [ -e stop ] || [ $n = 400 ]; do sleep 0.05; n=$((n+1)); done; "
                              "echo first again";
        QVERIFY(first.start({"/bin/sh", {"-c", waits}, game.path(), true, {"PATH=/usr/bin:/bin"}, {}, {}}, nullptr));
        QTRY_VERIFY(contentOf(log).endsWith("first\n"));
        QVERIFY(second.start({"/bin/sh", {"-c", "echo second; exit 2"}, game.path(), true, {}, {}, {}}, nullptr));
        QTRY_COMPARE(shown, QStringList{"second"});
        QVERIFY(QFile(game.filePath("stop")).open(QIODevice::WriteOnly));
        QTRY_VERIFY(contentOf(log).endsWith("first again\n"));
        const QString header = "^==== \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d Vantor starts: cd \\S+ && "
                               "(PATH=/usr/bin:/bin )?exec /bin/sh -c ";
        const QStringList lines = QString(contentOf(log)).split('\n');
        QCOMPARE(lines.size(), 6);
        QVERIFY2(lines[0].contains(QRegularExpression(header + "'echo first;.*again'$")), qPrintable(lines[0]));
        QVERIFY2(lines[2].contains(QRegularExpression(header + "'echo second; exit 2'$")), qPrintable(lines[2]));
        QCOMPARE(lines.mid(3), (QStringList{"second", "first again", ""}));
        QCOMPARE(contentOf(log + ".1"), grown);
    }

    // The Half-Life folders of every Steam client's folder there is ("a>b": a's library list, a few kilobytes long,
    // names the library b; "a|": a FIFO stands for a's list; "a=b": a is a link to b), each once, clients first.
    void steamFolders_data() { cases(__func__); }

    void steamFolders()
    {
        FETCH(layout, found);
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
            const QByteArray vdf = "// " + QByteArray(4000, 'x') + "\n\"libraryfolders\" { \"1\" { \"path\" \"" +
                                   (home + library).toUtf8() + "\" } }";
            if (!library.isEmpty()) // read up to its limit, and not beyond
                QVERIFY(QDir().mkpath(home + library + "/steamapps/common/Half-Life") && writeFile(list, vdf) &&
                        readSmallFile(list, vdf.size()) == vdf && readSmallFile(list, vdf.size() - 1).isEmpty());
        }
        QStringList expected;
        for (const QString &folder : found.split('|'))
            expected << home + folder + "/steamapps/common/Half-Life";
        QCOMPARE(steamHalfLifeFolders(home), expected);
    }

    // Steam's launch options for Half-Life, of the user who logged in last: two users, each with a localconfig.vdf,
    // the second's older and written with keys in other case; a file up to 16 MB is read, as a large library's is.
    void steamOptions_data() { cases(__func__); }

    void steamOptions()
    {
        FETCH(marked, gone, bytes, expected);
        QTemporaryDir home;
        const QString steam = home.filePath(".local/share/Steam");
        const std::pair<const char *, const char *> users[]{
            {"1001", "\"UserLocalConfigStore\" { \"Software\" { \"Valve\" { \"Steam\" { \"apps\" { \"70\" { "
                     "\"LaunchOptions\" \"SDL_VIDEODRIVER=x11 %command% -novid +map \\\"c1 a0\\\"\" } } } } } }"},
            {"1002", "\"userlocalconfigstore\" { \"software\" { \"valve\" { \"steam\" { \"Apps\" { \"10\" { "
                     "\"LaunchOptions\" \"-x\" } \"70\" { \"launchoptions\" \"-dev\" } } } } } }"}};
        QByteArray logins = "\"users\" {";
        for (const auto &[account, config] : users) {
            QFile file(steam + "/userdata/" + account + "/config/localconfig.vdf");
            const qsizetype padding = QByteArray(account) == "1001" ? bytes.toLongLong() - qstrlen(config) : 0;
            QVERIFY(writeFile(file.fileName(),
                              (padding > 0 ? "//" + QByteArray(padding - 3, 'x') + '\n' : QByteArray()) + config) &&
                    file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addDays(-QByteArray(account).toInt() % 10),
                                     QFileDevice::FileModificationTime));
            file.close();
            QVERIFY(gone != account || file.remove());
            logins += QByteArray(" \"7656119796026") + QByteArray::number(5728 + QByteArray(account).toInt()) +
                      "\" { \"MostRecent\" \"" + (marked == account ? "1" : "0") + "\" }";
        }
        QVERIFY(writeFile(steam + "/config/loginusers.vdf", logins + " }"));
        // The Flatpak's client, when it starts the game, is asked first.
        const SteamClient client = marked == "flatpak" ? SteamClient::Flatpak : SteamClient::Unknown;
        QVERIFY(
            client != SteamClient::Flatpak ||
            writeFile(home.filePath(".var/app/com.valvesoftware.Steam/data/Steam/userdata/7/config/localconfig.vdf"),
                      QByteArray(users[1].second).replace("-dev", "-flatpak")));
        QCOMPARE(steamLaunchOptions(home.path(), client).value_or("none"), expected);
    }

    // Real-world library lists, and broken ones: the paths they name.
    void steamLibraryPaths_data() { cases(__func__); }

    void steamLibraryPaths()
    {
        FETCH(vdf, paths);
        QCOMPARE(vantor::steamLibraryPaths(vdf.toUtf8()).join('|'), paths);
    }

    // Blocks a million deep, as no Steam writes them, are passed over: the stack holds, and what came before stays.
    void deepBlocksAreRefused()
    {
        const QByteArray deep =
            "\"libraryfolders\" { \"0\" { \"path\" \"/a\" } \"1\" " + QByteArray("{ \"x\" ").repeated(1000000);
        QCOMPARE(vantor::steamLibraryPaths(deep).join('|'), QStringLiteral("/a"));
    }
};

VANTOR_TEST_MAIN(LaunchTest, QCoreApplication)

#include "tst_launch.moc"
