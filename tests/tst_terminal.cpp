// Vantor's terminal options as a user runs them: the real program, with a PATH of stand-ins and no display to reach.

#include "support/fakegame.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>

#include <unistd.h>

namespace {

// The desktop's notification service as a menu entry meets it: it records what it is told, and the user takes the
// offer to open Vantor; then the notification closes, as it does with a real service.
class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit Notifications(QDBusConnection bus) : m_bus(bus) {}
    QStringList told;
    bool readsMarkup = false;

public slots:
    QStringList GetCapabilities() { return readsMarkup ? QStringList{"body", "body-markup"} : QStringList{"body"}; }
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int expires)
    {
        told << QStringList{app, icon, summary, body, actions.join(','), QString::number(expires)}.join('|');
        QTimer::singleShot(100, this, [this, id = ++m_id, offered = !actions.isEmpty()] {
            const auto send = [&](const char *name, const QVariant &value) {
                m_bus.send(
                    QDBusMessage::createSignal("/org/freedesktop/Notifications", "org.freedesktop.Notifications", name)
                    << id << value);
            };
            if (offered)
                send("ActionInvoked", QStringLiteral("open"));
            send("NotificationClosed", 2u);
        });
        return m_id;
    }

private:
    QDBusConnection m_bus;
    uint m_id = 0;
};

} // namespace

class TerminalTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void options_data() { cases(__func__); }

    void options()
    {
        FETCH(store, folder, arguments, exit, said, started);
        const int status = exit.toInt();
        QTemporaryDir root, bin;
        // Any letters, and blanks; or where a Steam library keeps the game, with the game's manifest.
        // With "odd", a name that a shell line must quote with care.
        const QDir game(root.filePath(folder.contains("steam") ? "Steam Bibliothek/steamapps/common/Half-Life"
                                      : folder.contains("odd") ? "g=1 'x' $HOME `id`"
                                                               : "Half-Life für Ærø 日本"));
        const auto named = [&](QString text) {
            return text.replace(QLatin1String("GAME"), game.path())
                .replace(QLatin1String("ROOT"), root.path())
                .replace(QLatin1String("STATE"), root.filePath("state"))
                .replace(QLatin1String("BIN"), bin.path())
                .replace(QLatin1String("OWN"), QFileInfo(QStringLiteral(VANTOR_BINARY)).absolutePath())
                .replace(QLatin1String("VANTOR"), QStringLiteral(VANTOR_BINARY));
        };
        QVERIFY(QDir().mkpath(game.filePath(folder.contains("valve") ? "valve" : "")));
        // A game that ends at once, saying why, or one that runs on and says when it ends.
        const QByteArray fails = "sleep 1; echo 'Initializing...'; echo '[S_API FAIL] SteamAPI_Init() failed; unable "
                                 "to locate a running "
                                 "instance of Steam'; exit 1\n",
                         runsOn = "sleep 7; echo still here; : > \"$0.after\"\n";
        for (const char *program : {"hl.exe", "hl.sh", "hl_linux"})
            if (folder.contains(program))
                QVERIFY(
                    writeFakeProgram(game.filePath(program), !folder.contains(":bash"),
                                     folder.contains(":fails")     ? fails
                                     : folder.contains(":runs-on") ? runsOn
                                     : folder.contains(":killed")  ? QByteArray("kill -KILL $$\n")
                                     : folder.contains(":crashes") ? QByteArray("sh -c 'kill -HUP $$'; exit $?\n")
                                     : QByteArray(program) == "hl_linux"
                                         ? QByteArray("echo \"LD_LIBRARY_PATH=$LD_LIBRARY_PATH\" >> \"$0.record\"\n")
                                         : QByteArray()));
        if (folder.contains(":bash")) { // Valve's script: bash alone runs it, and it lacks its run bit
            QFile script(game.filePath("hl.sh"));
            QVERIFY(script.open(QIODevice::ReadWrite));
            const QByteArray text = script.readAll().replace("#!/bin/sh\n", "#!/bin/bash\n[ x == x ] || exit 9\n");
            QVERIFY(script.seek(0) && script.write(text) == text.size());
        }
        // The game's log cannot be kept: its folder is a file, or the log a folder.
        if (folder.contains("nolog"))
            QVERIFY(QDir().mkpath(root.filePath("state")) &&
                    QFile(root.filePath("state/vantor")).open(QIODevice::WriteOnly));
        if (folder.contains("logdir"))
            QVERIFY(QDir().mkpath(root.filePath("state/vantor/game.log")));
        // A Steam client that says whether it runs in a session of its own, with none of the terminal's output.
        if (folder.contains("steam"))
            QVERIFY(QFile(game.filePath("../../appmanifest_70.acf")).open(QIODevice::WriteOnly) &&
                    writeFakeProgram(bin.filePath("steam"), true,
                                     "s=$(cut -d' ' -f6 /proc/$$/stat); o=$(readlink /proc/$$/fd/1 /proc/$$/fd/2)\n"
                                     "[ \"$s\" != \"$TEST_SESSION\" ] && [ \"$o\" = \"/dev/null\n/dev/null\" ] && "
                                     "echo alone >> \"$0.record\"\n"));
        QVERIFY(writeFakeProgram(bin.filePath(QStringLiteral("hl.exe"))));
        // A wrapper that runs the game, and tells what it had in its environment.
        QVERIFY(
            writeFakeProgram(bin.filePath("gamemoderun"), true,
                             "printf '%s\\n' \"SDL_VIDEODRIVER=$SDL_VIDEODRIVER\" \"A=$A\" \"HOME=${HOME:+set}\" >> "
                             "\"$0.record\"; exec \"$@\"\n"));
        if (!store.isEmpty())
            storefile::write(named(store).toUtf8());

        QProcess vantor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(display));
        environment.insert(QStringLiteral("PATH"), bin.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // asked for, but unreachable
        environment.insert(QStringLiteral("XDG_STATE_HOME"), root.filePath("state"));
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral("/opt/lib"));
        environment.insert(QStringLiteral("TEST_SESSION"), QString::number(getsid(0)));
        QStringList words = named(arguments).split(' ');
        for (; words.first().contains('=') && !words.first().startsWith('-'); words.removeFirst()) // LANGUAGE=ru …
            environment.insert(words.first().section('=', 0, 0), words.first().section('=', 1));
        vantor.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        vantor.start(QStringLiteral(VANTOR_BINARY), words);
        QVERIFY(vantor.waitForFinished(30000));
        const qint64 took = clock.elapsed();
        const QByteArray out = vantor.readAllStandardOutput(), error = vantor.readAllStandardError();
        QCOMPARE(vantor.exitStatus() == QProcess::NormalExit ? vantor.exitCode() : 134, status); // 134: aborted
        // --check says what it found on standard output, whatever it found.
        const bool failed = status && !arguments.contains("--check");
        QCOMPARE(QString::fromUtf8(failed || out.isEmpty() ? error : out).section('\n', 0, int(said.count('\n'))),
                 named(said));
        QVERIFY(!out.contains('\0') && !error.contains('\0')); // what is written, and nothing after it
        // --print shows the CFG file and writes nothing: no CFG file, and the store as it was.
        QCOMPARE(out.contains("\r\n// this file can be safely deleted.\r\n"),
                 !status && arguments.contains("--print") && !store.contains("chkdnf=1"));
        QCOMPARE(QFile::exists(game.filePath(QStringLiteral("valve/vantortemp.cfg"))),
                 arguments.contains("--run") && (started.contains("GAME") || status >= 5));
        QFile stored(storefile::path());
        QCOMPARE(stored.open(QIODevice::ReadOnly) ? QString::fromUtf8(stored.readAll()) : QString(), named(store));

        QStringList expected = started.split(' ');
        for (QString &word : expected)
            word = named(word);
        const QString program = named(started.isEmpty() ? QStringLiteral("GAME/hl.exe") : expected.value(1));
        // What --print shows starts the same, run by a shell from any folder.
        if (!started.isEmpty() && arguments.contains(QLatin1String("--print"))) {
            QProcess shell;
            shell.setProcessEnvironment(environment);
            shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(out).section('\n', 0, 0)});
            QVERIFY(shell.waitForFinished(10000));
        }
        if (!started.isEmpty())
            QTRY_COMPARE(fakeProgramRecord(program), QStringList{expected[0]} + expected.mid(2));
        else if (arguments.contains(QLatin1String("--run")))
            QVERIFY(neverRan(program));
        // A game still running after five seconds is left running, even when Vantor has ended.
        if (folder.contains(":runs-on"))
            QVERIFY2(took >= 4995 && took < 6500 &&
                         QTest::qWaitFor([&] { return QFile::exists(program + ".after"); }, 5000),
                     qPrintable(QString::number(took)));
    }

    // --help says in the user's language how Vantor is used and what it does, every status that the table above sees
    // returned and what each means, and what Qt's own help options do.
    void helpListsTheStatuses_data() { cases(__func__); }

    void helpListsTheStatuses()
    {
        FETCH(language, said);
        QProcess vantor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        vantor.setProcessEnvironment(environment);
        vantor.start(QStringLiteral(VANTOR_BINARY), {"--help"});
        QVERIFY(vantor.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(vantor.readAllStandardOutput()).split('\n');
        QStringList listed = lines.mid(0, 2);
        static const QRegularExpression listing("^  (\\d  |-h, --help |--help-all )");
        for (const QString &line : lines)
            if (listing.match(line).hasMatch())
                listed << line.simplified();
        QCOMPARE(listed.join('|'), said.replace("VANTOR", VANTOR_BINARY));
    }

    // A menu entry's Run says why it failed in a notification; for a slot that is not saved it offers the window,
    // which opens when the user takes the offer. Without the offer, it ends as --run does once the notification is
    // shown.
    void menuEntriesSayWhy()
    {
        QProcess daemon, vantor;
        // Its socket in the test's own folder, which goes when the test ends, whatever happens before.
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address",
                                     "--address=unix:dir=" + qEnvironmentVariable("XDG_RUNTIME_DIR")});
        QVERIFY(daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
        QDBusConnection bus = QDBusConnection::connectToBus(address, "notifications");
        Notifications service(bus);
        QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots) &&
                bus.registerService("org.freedesktop.Notifications"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        vantor.setProcessEnvironment(environment);
        vantor.start(QStringLiteral(VANTOR_BINARY), {"--run", "--notify"});
        QTRY_COMPARE(vantor.state(), QProcess::NotRunning);
        QCOMPARE(vantor.exitCode(), 3);
        vantor.start(QStringLiteral(VANTOR_BINARY), {"--run", "--notify", "--slot", "2"});
        QTRY_COMPARE(service.told.size(), 2);
        QCOMPARE(service.told,
                 (QStringList{"Vantor|example.corvana.Vantor|Vantor could not start Half-Life|No Game directory has "
                              "been chosen; choose one in Vantor's window.||-1", // gone when the desktop sees fit
                              // the offer stands for two minutes, and Vantor waits as long
                              "Vantor|example.corvana.Vantor|Vantor could not start Half-Life|Slot 2 is not saved.|"
                              "open,Open Vantor|120000"}));
        QTest::qWait(1000); // the window opened, and stays
        QCOMPARE(vantor.state(), QProcess::Running);
        vantor.kill();
        QVERIFY(vantor.waitForFinished());
        // A service that reads markup in the body is given the game's words as they were written.
        GameFolder folder(false);
        QVERIFY(writeFakeProgram(folder.dir.filePath("hl.sh"), true, "echo '<b>&</b>'; exit 1\n"));
        storefile::write("[other]\nhldir=" + folder.dir.path().toUtf8() + "\n");
        for (const bool markup : {false, true}) {
            service.readsMarkup = markup;
            vantor.start(QStringLiteral(VANTOR_BINARY), {"--run", "--notify"});
            QTRY_COMPARE(service.told.size(), 3 + markup);
            QTRY_COMPARE(vantor.state(), QProcess::NotRunning);
            const QString said = markup ? "&lt;b&gt;&amp;&lt;/b&gt;" : "<b>&</b>";
            QVERIFY2(
                service.told.last().contains("|Half-Life ended at once (status 1). Its last lines:\n  " + said + '\n'),
                qPrintable(service.told.last()));
        }
        daemon.terminate(); // only SIGTERM lets it remove its socket
        QVERIFY(daemon.waitForFinished());
        QVERIFY(!QFile::exists(address.section("path=", 1).section(',', 0, 0)));
    }

    // On Wayland the window gives the compositor the desktop entry's name as its app id, by which docks and task
    // switchers find the entry's name and icon.
    void waylandKnowsTheDesktopEntry()
    {
        QProcess compositor, vantor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        compositor.setProcessChannelMode(QProcess::MergedChannels);
        compositor.start(QStringLiteral(VANTOR_QML_TOOL),
                         {QStringLiteral(VANTOR_TEST_DATA "/../support/compositor.qml")});
        QVERIFY2(compositor.waitForStarted(), "no qml tool: scripts/ensure-deps.sh test installs it");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/vantor-test"), 30000);
        environment.insert("QT_QPA_PLATFORM", "wayland");
        environment.insert("WAYLAND_DISPLAY", "vantor-test");
        vantor.setProcessEnvironment(environment);
        vantor.start(QStringLiteral(VANTOR_BINARY));
        QByteArray told;
        QTRY_VERIFY_WITH_TIMEOUT((told += compositor.readAll()).contains("app id: "), 30000);
        QCOMPARE(told.mid(told.indexOf("app id: ") + 8).split('\n').first(), QByteArray(VANTOR_APP_ID));
        vantor.kill();
        compositor.kill();
        QVERIFY(vantor.waitForFinished() && compositor.waitForFinished());
    }
};

VANTOR_TEST_MAIN(TerminalTest, QCoreApplication)

#include "tst_terminal.moc"
