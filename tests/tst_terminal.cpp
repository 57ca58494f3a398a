// Vantor's terminal options as a user runs them: the real program, with a PATH of stand-ins and no display to reach.

#include "support/fakegame.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>

namespace {

// The desktop's notification service as a menu entry meets it: it records what it is told, and the user takes the
// offer to open Vantor; then the notification closes, as it does with a real service.
class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit Notifications(QDBusConnection bus) : m_bus(bus) {}
    QStringList told;

public slots:
    uint Notify(const QString &app, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int expires)
    {
        told << QStringList{app, summary, body, actions.join(','), QString::number(expires)}.join('|');
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
        QFETCH(QString, store);
        QFETCH(QString, folder);
        QFETCH(QString, arguments);
        QFETCH(QString, exit);
        const int status = exit.toInt();
        QFETCH(QString, said);
        QFETCH(QString, started);
        QTemporaryDir root, bin;
        // Any letters, and blanks; or where a Steam library keeps the game, with the game's manifest.
        const QDir game(root.filePath(folder.contains("steam") ? "Steam Bibliothek/steamapps/common/Half-Life"
                                                               : "Half-Life für Ærø 日本"));
        const auto named = [&](QString text) {
            return text.replace(QLatin1String("GAME"), game.path())
                .replace(QLatin1String("STATE"), root.filePath("state"))
                .replace(QLatin1String("BIN"), bin.path())
                .replace(QLatin1String("OWN"), QFileInfo(QStringLiteral(VANTOR_BINARY)).absolutePath())
                .replace(QLatin1String("VANTOR"), QStringLiteral(VANTOR_BINARY));
        };
        QVERIFY(QDir().mkpath(game.filePath(folder.contains("valve") ? "valve" : "")));
        // A game that ends at once, saying why, or one that runs on and says when it ends.
        const QByteArray fails = "sleep 1; echo '[S_API FAIL] SteamAPI_Init() failed; unable to locate a running "
                                 "instance of Steam'; exit 1\n",
                         runsOn = "sleep 7; : > \"$0.after\"\n";
        for (const char *program : {"hl.exe", "hl.sh"})
            if (folder.contains(program))
                QVERIFY(writeFakeProgram(game.filePath(program), true,
                                         folder.contains(":fails")     ? fails
                                         : folder.contains(":runs-on") ? runsOn
                                                                       : ""));
        if (folder.contains("steam"))
            QVERIFY(QFile(game.filePath("../../appmanifest_70.acf")).open(QIODevice::WriteOnly) &&
                    writeFakeProgram(bin.filePath("steam")));
        QVERIFY(writeFakeProgram(bin.filePath(QStringLiteral("hl.exe"))));
        // A wrapper that runs the game, and tells what it had in its environment.
        QVERIFY(writeFakeProgram(bin.filePath("gamemoderun"), true,
                                 "echo \"SDL_VIDEODRIVER=$SDL_VIDEODRIVER\" >> \"$0.record\"; exec \"$@\"\n"));
        if (!store.isEmpty())
            storefile::write(named(store).toUtf8());

        QProcess vantor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(display));
        environment.insert(QStringLiteral("PATH"), bin.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // asked for, but unreachable
        environment.insert(QStringLiteral("XDG_STATE_HOME"), root.filePath("state"));
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
                 started.contains("GAME") || (status >= 5 && arguments.contains("--run")));
        QFile stored(storefile::path());
        QCOMPARE(stored.open(QIODevice::ReadOnly) ? QString::fromUtf8(stored.readAll()) : QString(), named(store));

        QStringList expected = started.split(' ');
        for (QString &word : expected)
            word = named(word);
        const QString program = named(started.isEmpty() ? QStringLiteral("GAME/hl.exe") : expected.value(1));
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

    // --help lists every status that the table above sees returned, and what each means.
    void helpListsTheStatuses()
    {
        QProcess vantor;
        vantor.start(QStringLiteral(VANTOR_BINARY), {"--help"});
        QVERIFY(vantor.waitForFinished(30000));
        QStringList listed;
        static const QRegularExpression status("^  (\\d)  (.+)$", QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &line : status.globalMatch(vantor.readAllStandardOutput()))
            listed << line.captured(1) + ' ' + line.captured(2);
        QCOMPARE(listed,
                 (QStringList{"0 done; for --run, the game was started", "1 the options are wrong",
                              "2 the slot asked for is not saved", "3 no Game directory has been chosen in the window",
                              "4 the CFG file could not be written", "5 the game could not be started",
                              "6 the game ended at once", "7 --check found something that stops the game"}));
    }

    // A menu entry's Run says why it failed in a notification; for a slot that is not saved it offers the window,
    // which opens when the user takes the offer. Without the offer, it ends as --run does once the notification is
    // shown.
    void menuEntriesSayWhy()
    {
        QProcess daemon, vantor;
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
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
                 (QStringList{"Vantor|Vantor could not start Half-Life|No Game directory has been chosen; "
                              "choose one in Vantor's window.||-1", // gone when the desktop sees fit
                              // the offer stands for two minutes, and Vantor waits as long
                              "Vantor|Vantor could not start Half-Life|Slot 2 is not saved.|open,Open Vantor|120000"}));
        QTest::qWait(1000); // the window opened, and stays
        QCOMPARE(vantor.state(), QProcess::Running);
        vantor.kill();
        daemon.kill();
        QVERIFY(vantor.waitForFinished() && daemon.waitForFinished());
    }
};

VANTOR_TEST_MAIN(TerminalTest, QCoreApplication)

#include "tst_terminal.moc"
