// Vantor's terminal options as a user runs them: the real program, with a PATH of stand-ins and no display to reach.

#include "support/fakegame.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QDBusConnection>
#include <QDBusMessage>
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

const QByteArray chosen = "[other]\nhldir=GAME\n";
const QByteArray slotOne = "[General]\ndef=1\n[one]\nscrlskill=1\nchkdev=1\ncustomcmd=\n" + chosen;
const QString start = QStringLiteral("-console -numericping -toconsole +exec vantortemp.cfg");

} // namespace

class TerminalTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void options_data()
    {
        QTest::addColumn<QByteArray>("store"); // GAME stands for the game folder, BIN for the PATH's only folder
        QTest::addColumn<QString>("folder");   // what the game folder holds; "steam": it lies in a Steam library
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");    // the first line on standard output, or on error for a failure
        QTest::addColumn<QString>("started"); // the folder the stand-in ran in, the stand-in, and its arguments
        const auto row = [](const char *name, const QByteArray &store, const char *folder, const char *arguments,
                            int status, const QString &said, const QString &started = {}) {
            QTest::newRow(name) << store << folder << arguments << status << said << started;
        };
        const char *game = "valve hl.exe";
        row("version", "", "", "--version", 0, "Vantor 1.2");
        row("help", "", "", "--help-all", 0, "Usage: VANTOR [options]");
        row("print", chosen, game, "--print", 0, "'GAME/hl.exe' " + start);
        row("print the Default slot", slotOne, game, "--print", 0, "'GAME/hl.exe' -console -dev +exec vantortemp.cfg");
        row("a slot asked for wins", slotOne + "[two]\nscrlskill=1\nchkmod=1\ncustomcmd=\n", game, "--print --slot 2",
            0, "'GAME/hl.exe' -console -game tfc +exec vantortemp.cfg");
        row("run", chosen, game, "--run", 0, "", "OWN GAME/hl.exe " + start);
        row("run a slot", slotOne, game, "--slot 1 --run", 0, "", "OWN GAME/hl.exe -console -dev +exec vantortemp.cfg");
        row("run the native game", chosen, "valve hl.exe hl.sh", "--run", 0, "", "GAME GAME/hl.sh " + start);
        row("print through Steam", chosen, "steam valve hl.sh", "--print", 0, "BIN/steam -applaunch 70 " + start);
        row("run through Steam", chosen, "steam valve hl.sh", "--run", 0, "", "GAME BIN/steam -applaunch 70 " + start);
        row("run the bare game, no folder chosen", "[General]\ndef=1\n[one]\nscrlskill=1\nchkdnf=1\ncustomcmd=\n", "",
            "--run", 0, "", "OWN BIN/hl.exe -console");
        row("print the bare game, and no file", "[General]\ndef=1\n[one]\nscrlskill=1\nchkdnf=1\ncustomcmd=\n", game,
            "--print", 0, "BIN/hl.exe -console");
        row("no folder chosen", "", game, "--run", 3,
            "vantor: no Game directory has been chosen; choose one in Vantor's window");
        row("no valve folder", chosen, "hl.exe", "--run", 4,
            "vantor: could not write the CFG file GAME/valve/vantortemp.cfg");
        row("no game", chosen, "valve", "--run", 5, "vantor: could not start GAME/hl.exe");
        for (const char *arguments : {"--run --slot 2", "--print --slot 2", "--slot 2"})
            row(arguments, chosen, game, arguments, 2, "vantor: Slot 2 is not saved");
        for (const char *slot : {"4", "0", "-1"})
            row(slot, chosen, game, QByteArray("--slot ").append(slot), 1,
                QStringLiteral("vantor: --slot takes 1, 2 or 3, not '%1'").arg(slot));
        row("print and run", chosen, game, "--print --run", 1, "vantor: --print and --run cannot go together");
        row("a wrong option", chosen, game, "--bogus", 1, "vantor: Unknown option 'bogus'. See --help.");
        row("an argument", chosen, game, "foo", 1, "vantor: unexpected argument 'foo'; see --help");
        row("Qt's options are Qt's", chosen, game, "-reverse -style fusion -stylesheet BIN/x.qss --print", 0,
            "'GAME/hl.exe' " + start);
        row("the window, with every option of Qt's", chosen, game,
            "-reverse -style fusion -stylesheet BIN/x.qss -platformpluginpath BIN -platformtheme none -plugin none "
            "-qwindowgeometry 9x9 -qwindowicon BIN/i.png -qwindowtitle T -session S -qmljsdebugger port:1 -widgetcount "
            "-geometry 9x9 -title T -icon BIN/i.png -display :77 -name N -visual 1 -sync",
            134, "qt.qpa.xcb: could not connect to display :77"); // asked for the window, and Qt found no display
    }

    void options()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, folder);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QString, started);
        QTemporaryDir root, bin;
        // Any letters, and blanks; or where a Steam library keeps the game, with the game's manifest.
        const QDir game(root.filePath(folder.contains("steam") ? "Steam Bibliothek/steamapps/common/Half-Life"
                                                               : "Half-Life für Ærø 日本"));
        const auto named = [&](QString text) {
            return text.replace(QLatin1String("GAME"), game.path())
                .replace(QLatin1String("BIN"), bin.path())
                .replace(QLatin1String("OWN"), QFileInfo(QStringLiteral(VANTOR_BINARY)).absolutePath())
                .replace(QLatin1String("VANTOR"), QStringLiteral(VANTOR_BINARY));
        };
        QVERIFY(QDir().mkpath(game.filePath(folder.contains("valve") ? "valve" : "")));
        for (const char *program : {"hl.exe", "hl.sh"})
            if (folder.contains(program))
                QVERIFY(writeFakeProgram(game.filePath(program)));
        if (folder.contains("steam"))
            QVERIFY(QFile(game.filePath("../../appmanifest_70.acf")).open(QIODevice::WriteOnly) &&
                    writeFakeProgram(bin.filePath("steam")));
        QVERIFY(writeFakeProgram(bin.filePath(QStringLiteral("hl.exe"))));
        if (!store.isEmpty())
            storefile::write(named(QString::fromUtf8(store)).toUtf8());

        QProcess vantor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(display));
        environment.insert(QStringLiteral("PATH"), bin.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // asked for, but unreachable
        vantor.setProcessEnvironment(environment);
        vantor.start(QStringLiteral(VANTOR_BINARY), named(arguments).split(' '));
        QVERIFY(vantor.waitForFinished(30000));
        const QByteArray out = vantor.readAllStandardOutput(), error = vantor.readAllStandardError();
        QCOMPARE(vantor.exitStatus() == QProcess::NormalExit ? vantor.exitCode() : 134, status); // 134: aborted
        QCOMPARE(QString::fromUtf8(status ? error : out).section('\n', 0, 0), named(said));
        QVERIFY(!out.contains('\0') && !error.contains('\0')); // what is written, and nothing after it
        // --print shows the CFG file and writes nothing: no CFG file, and the store as it was.
        QCOMPARE(out.contains("\r\n// this file can be safely deleted.\r\n"),
                 !status && arguments.contains("--print") && !store.contains("chkdnf=1"));
        QCOMPARE(QFile::exists(game.filePath(QStringLiteral("valve/vantortemp.cfg"))),
                 started.contains("GAME") || status == 5);
        QFile stored(storefile::path());
        QCOMPARE(stored.open(QIODevice::ReadOnly) ? QString::fromUtf8(stored.readAll()) : QString(),
                 named(QString::fromUtf8(store)));

        const QStringList expected = started.split(' ');
        const QString program = named(started.isEmpty() ? QStringLiteral("GAME/hl.exe") : expected.value(1));
        if (!started.isEmpty())
            QTRY_COMPARE(fakeProgramRecord(program), QStringList{named(expected[0])} + expected.mid(2));
        else if (arguments.contains(QLatin1String("--run")))
            QVERIFY(neverRan(program));
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
                              "4 the CFG file could not be written", "5 the game could not be started"}));
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
