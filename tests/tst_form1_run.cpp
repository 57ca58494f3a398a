// Running the game from the window: its messages, Steam, the missing folder, the CFG file and a store that cannot be
// written.

#include "support/form1helpers.h"

#include <sys/inotify.h>
#include <unistd.h>

using namespace vantor;

class Form1RunTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME")); // a file where the folder belongs
        QDir(storefile::path()).removeRecursively();
        storefile::remove();
    }

    void initTestCase()
    {
        qputenv("PATH", m_bin.path().toLocal8Bit());
        useLanguage(QLocale(QLocale::English));
    }

    // A game that cannot start leaves Vantor open and says so for a moment, its file written and the slot saved;
    // with "Close Vantor on Run" off, each Run saves and starts a game with the options of the moment.
    void runSavesAndStaysOpen()
    {
        GameFolder folder(false);
        Form1 form;
        form.show();
        QSignalSpy ending(&form, &Form1::programEnding);
        act(form, "hldir:" + folder.dir.path() + "|chksavrun|chkdev");
        QString tried; // what the tooltip says meanwhile
        QTimer::singleShot(100, &form, [&] { tried = control(form, "butgonow")->toolTip(); });
        shownFor(
            3, "Could not start hl.exe!", [&] { click(form, "butgonow"); }, [&] { return caption(form, "butgonow"); });
        QCOMPARE(tried, "Could not start " + folder.game + ": execvp: No such file or directory");
        QCOMPARE(control(form, "butgonow")->toolTip(),
                 QStringLiteral("Runs Half-Life using the current Vantor settings"));
        QCOMPARE(shown(form, "butgonow"), QStringLiteral("butgonow=Run Half-Life Now!"));
        QVERIFY(QFile::exists(folder.cfg()) && control(form, "load3")->isEnabled());
        QCOMPARE(storefile::read()["three"]["chkdev"], QStringLiteral("1"));

        QVERIFY(writeFakeProgram(folder.game));
        act(form, "chkclosrun|chkdev|butgonow");
        QTRY_COMPARE(fakeProgramRecord(folder.game),
                     QStringList{QCoreApplication::applicationDirPath()} + startArguments);
        QCOMPARE(storefile::read()["three"]["chkdev"], QStringLiteral("0"));
        QVERIFY(ending.isEmpty() && form.isVisible());
    }

    // A game started directly is watched: with Close on Run, the window goes at once; a game that ends at once with
    // an error brings it back, with its last eight lines, each on a line of its own, and what to do, and the watch
    // says nothing more. Then, with Close off, a Run leaves Vantor open; with it on, a game that ends well lets
    // Vantor end.
    void watchingTheGame()
    {
        GameFolder folder(false);
        const QString game = folder.dir.filePath("hl.sh");
        QVERIFY(writeFakeProgram(game, true,
                                 "for i in 1 2 3 4 5 6 7 8 9; do echo \"line $i\"; done\n"
                                 "echo 'Steam must be running to play this game'; exit 3\n"));
        Form1 form;
        form.show();
        act(form, "hldir:" + folder.dir.path());
        QSignalSpy ending(&form, &Form1::programEnding), settled(form.findChild<GameWatch *>(), &GameWatch::settled);
        click(form, "butgonow");
        QVERIFY(!form.isVisible());
        QTRY_VERIFY(form.isVisible());
        auto *message = form.findChild<QMessageBox *>("gameEnded");
        QVERIFY(message && message->isVisible() &&
                message->text() == "Half-Life ended as soon as it started (status 3).");
        for (const char *part : {"start Steam first",
                                 "\nline 3\nline 4\nline 5\nline 6\nline 7\nline 8\nline 9\nSteam must be running "
                                 "to play this game\n",
                                 ".local/state/vantor/game.log"})
            QVERIFY2(message->informativeText().contains(part), qPrintable(message->informativeText()));
        QVERIFY(!message->informativeText().contains("line 2"));
        QVERIFY(QGuiApplication::quitOnLastWindowClosed()); // the window is back: its close box ends Vantor again
        QTest::qWait(GameWatch::watchedMs + 500);           // the watch is over, and says nothing more
        QVERIFY(form.isVisible() && ending.isEmpty() && settled.isEmpty());
        message->close();
        QVERIFY(writeFakeProgram(game, true, "exit 0\n"));
        act(form, "chkclosrun|butgonow");
        QTRY_COMPARE(settled.count(), 1);
        QVERIFY(form.isVisible() && ending.isEmpty());
        act(form, "chkclosrun|butgonow");
        QTRY_COMPARE(ending.count(), 1);
    }

    // Each message of a game that did not start or ended at once, and the setup check's window, says what happened
    // and offers its buttons; those that do their work leave it open: Check Setup opens the check over it, Copy
    // Report copies the report that begins with its text, Open Log opens the game's log.
    void messages_data() { cases(__func__); }

    void messages()
    {
        FETCH(files, actions, shows, expected);
        QTemporaryDir library;
        const QString game = library.filePath(files.contains("library") ? "steamapps/common/Half-Life" : "game");
        const QString steam = m_bin.filePath("steam"); // one that the system cannot start
        QVERIFY(QDir().mkpath(game + "/valve") &&
                (!files.contains("library") || writeFile(library.filePath("steamapps/appmanifest_70.acf"))) &&
                (!files.contains("steam") ||
                 (writeFile(steam, "\x01\x02") &&
                  QFile::setPermissions(steam, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))));
        for (const char *program : {"hl.sh", "hl.exe"})
            QVERIFY(!files.contains(program) ||
                    writeFakeProgram(game + '/' + program, true, "echo 'Segmentation fault'; exit 1\n"));
        QUrl opened;
        QDesktopServices::setUrlHandler("file", this, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler("file"); });
        connect(this, &Form1RunTest::urlOpened, this, [&](const QUrl &url) { opened = url; });
        storefile::write("[other]\nhldir=" + game.toUtf8() + '\n');
        Form1 form;
        form.show();
        act(form, actions);
        if (shows == "setupCheck")
            form.setupCheckAction->trigger();
        else
            QTimer::singleShot(0, &form, [&] { click(form, "butgonow"); }); // the could-not-start caption waits
        auto *box = form.findChild<QMessageBox *>(shows);
        QTRY_VERIFY((box = form.findChild<QMessageBox *>(shows)) && box->isVisible());
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        buttons.sort();
        QCOMPARE(box->text() + "\n--\n" + box->informativeText() + "\n--\n" + buttons.join('|'),
                 expected.replace("GAME", game)
                     .replace("OWN", QCoreApplication::applicationDirPath())
                     .replace("LOG", gameLogPath())
                     .replace("STEAM", steam));
        for (QAbstractButton *button : box->buttons())
            if (button->text() != "Close")
                button->click();
        QVERIFY(box->isVisible());
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Vantor's report on Half-Life\n" +
                                                                (shows == "setupCheck" ? "\nStart:" : box->text())));
        // A report of a start that failed says why, as the message does.
        QVERIFY(shows != "couldNotStart" || QGuiApplication::clipboard()->text().contains(
                                                "\n" + box->informativeText().section("\n\n", 0, 0) + "\n"));
        QCOMPARE(box->findChild<QMessageBox *>("setupCheck") != nullptr, buttons.contains("Check Setup"));
        QCOMPARE(opened, buttons.contains("Open Log") ? QUrl::fromLocalFile(gameLogPath()) : QUrl());
        QFile::remove(steam);
    }

    // A start through Steam cannot carry a launch prefix: the preview shows the start without it, and its tooltip
    // says what it leaves out and what the client that starts the game adds itself (here the Flatpak's, whose list
    // names the library, though the native client has options too). With Close on Run, Vantor ends once it has asked
    // Steam to start the game.
    void steamLeavesThePrefixOut()
    {
        QTemporaryDir library;
        const QString game = library.filePath("steamapps/common/Half-Life"), home = QDir::homePath(),
                      flatpak = home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                      config = flatpak + "/userdata/1/config";
        const QByteArray options = R"("UserLocalConfigStore" { "Software" { "Valve" { "Steam" { "apps" { "70" { )"
                                   R"("LaunchOptions" "OPTIONS" } } } } } })";
        QVERIFY(QDir().mkpath(game + "/valve") &&
                QDir().mkpath(home + "/.local/share/flatpak/app/com.valvesoftware.Steam") &&
                writeFile(library.filePath("steamapps/appmanifest_70.acf")) &&
                writeFile(flatpak + "/steamapps/libraryfolders.vdf",
                          "\"libraryfolders\" { \"1\" { \"path\" \"" + library.path().toUtf8() + "\" } }") &&
                writeFile(config + "/localconfig.vdf", QByteArray(options).replace("OPTIONS", "-novid")) &&
                writeFile(home + "/.local/share/Steam/userdata/1/config/localconfig.vdf",
                          QByteArray(options).replace("OPTIONS", "-native")) &&
                writeFakeProgram(m_bin.filePath("flatpak")));
        Form1 form;
        act(form, "hldir:" + game + "|customcmd=MANGOHUD=1  mangohud %command% -nojoy");
        const QString usual = "This is the command line that will be executed, like from the DOS prompt";
        QTRY_COMPARE(control(form, "prntcmdline")->toolTip(),
                     usual + "\n\nSteam starts Half-Life in its own environment, so Vantor leaves out MANGOHUD=1  "
                             "mangohud: they belong in Steam's launch options for Half-Life.\n\nSteam adds its own "
                             "launch options: -novid");
        QCOMPARE(shown(form, "prntcmdline"),
                 "prntcmdline=hl.exe -console -numericping -toconsole +exec vantortemp.cfg -nojoy");
        // Keystrokes read no file: the game folder, the library and Steam's were read when the folder was chosen.
        const int reads = inotify_init1(IN_NONBLOCK);
        for (const QString &folder : {game, library.filePath("steamapps"), config, m_bin.path()})
            QVERIFY(inotify_add_watch(reads, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS) >= 0);
        char events[4096];
        act(form, "customcmd= +name x");
        QTest::qWait(200);
        QCOMPARE(read(reads, events, sizeof events), -1);
        act(form, "hldir:" + library.path() + "|hldir:" + game);
        QVERIFY(QTest::qWaitFor([&] { return read(reads, events, sizeof events) > 0; })); // where reads are, seen
        close(reads);
        act(form, "customcmd:-nojoy");
        QCOMPARE(control(form, "prntcmdline")->toolTip(), usual + "\n\nSteam adds its own launch options: -novid");
        QSignalSpy ending(&form, &Form1::programEnding);
        form.show();
        for (const bool closes : {false, true}) { // Close Vantor on Run switched off, then on again
            act(form, "chkclosrun");
            QFile::remove(m_bin.filePath("flatpak.record"));
            click(form, "butgonow");
            QTRY_COMPARE(fakeProgramRecord(m_bin.filePath("flatpak")),
                         (QStringList{game, "run", "com.valvesoftware.Steam", "-applaunch", "70", "-console",
                                      "-numericping", "-toconsole", "+exec", "vantortemp.cfg", "-nojoy"}));
            QVERIFY(ending.count() == int(closes) && form.isVisible() != closes);
        }
        // Without a client, the game starts directly, the prefix with it.
        QVERIFY(QFile::remove(m_bin.filePath("flatpak")) && QDir(home + "/.local").removeRecursively() &&
                QDir(home + "/.var").removeRecursively());
        Form1 direct;
        act(direct, "customcmd:MANGOHUD=1 mangohud %command%");
        QTRY_COMPARE(shown(direct, "prntcmdline"),
                     "prntcmdline=MANGOHUD=1 mangohud hl.exe -console -numericping -toconsole +exec vantortemp.cfg");
        QCOMPARE(control(direct, "prntcmdline")->toolTip(), usual);
    }

    // The failure course, then what the missing-directory flag stops and what it does not.
    void directoryThatCannotBeWritten()
    {
        GameFolder good;
        QTemporaryDir noValve;
        QVERIFY(writeFakeProgram(noValve.filePath(QStringLiteral("hl.exe"))));
        Form1 form;
        form.show();
        act(form, "hldir:" + noValve.path() + "|chkclosrun");
        shownFor(
            2.5, " ERROR: Dir not found!", [&] { click(form, "butgonow"); }, [&] { return form.text("hldir"); });
        QVERIFY(form.dirNotFoundWindow() && form.dirNotFoundWindow()->isVisible() && form.missingDirectory());
        QCOMPARE(form.text("hldir"), QDir::homePath() + "/.local/share/Steam/steamapps/common/Half-Life");

        // A second failure while the window is open, during which a folder is chosen: one window; the folder stays.
        QTimer::singleShot(100, &form, [&] { form.setText("hldir", good.dir.path()); });
        click(form, "butgonow");
        QCOMPARE(form.text("hldir"), good.dir.path());
        int windows = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows += window->objectName() == QLatin1String("frmdirnotfound") && window->isVisible();
        QCOMPARE(windows, 1);
        QCOMPARE(form.dirNotFoundWindow()->windowFlags() &
                     (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowCloseButtonHint);
        QTest::keyClick(form.dirNotFoundWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!form.dirNotFoundWindow());

        // Until a folder is chosen with Browse, a Run stops after its write, and Make CFG File writes its file
        // without a word of success.
        QString meanwhile;
        QTimer::singleShot(100, &form, [&] { meanwhile = caption(form, "butmkcfg"); });
        act(form, "butgonow|txtmkcfg=mine|butmkcfg");
        QVERIFY(QFile::exists(good.cfg()) && QFile::exists(good.cfg(QStringLiteral("mine.cfg"))));
        QTRY_COMPARE(meanwhile, QStringLiteral("Make CFG File:"));
        QVERIFY(neverRan(good.game) && fakeProgramRecord(noValve.filePath(QStringLiteral("hl.exe"))).isEmpty());

        // The directory-not-found mode writes nothing, so the flag does not stop it: the bare hl.exe starts.
        QFile::remove(good.cfg());
        const QString bare = m_bin.filePath(QStringLiteral("hl.exe"));
        QVERIFY(writeFakeProgram(bare));
        act(form, "chkdnf:1|butgonow");
        QTRY_VERIFY(!fakeProgramRecord(bare).isEmpty());
        QVERIFY(!QFile::exists(good.cfg()));
        QFile::remove(bare);

        // Only a folder chosen with Browse clears the flag.
        answerFolderDialog(good.dir.path());
        act(form, "chkdnf:0|buthldir|butgonow");
        answerFolderDialog(QString());
        QTRY_VERIFY(!fakeProgramRecord(good.game).isEmpty());

        // Ending during the wait is final: the window goes and nothing more is done.
        form.setText("hldir", noValve.path());
        QTimer::singleShot(100, &form, [&] { click(form, "butclose"); });
        click(form, "butgonow");
        QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!"));
        QTRY_VERIFY(!form.dirNotFoundWindow());
    }

    // The caption for a moment, then the file in valve (where it is the only one), and the name left in its field.
    void makeCfgFile_data()
    {
        cases(__func__);
        row("too long for a file", {QString(300, 'n'), " ERROR: Dir not found!", ""});
    }

    void makeCfgFile()
    {
        FETCH(name, said, files);
        GameFolder folder;
        Form1 form;
        form.show();
        act(form, "hldir:" + folder.dir.path() + "|txtmkcfg:" + name);
        // The caption says it, or HL Dir where the file could not be written.
        shownFor(
            name.size() > 255 ? 2.5 : 2, said, [&] { click(form, "butmkcfg"); },
            [&] { return form.missingDirectory() ? form.text("hldir") : caption(form, "butmkcfg"); });
        QCOMPARE(QDir(folder.dir.filePath("valve")).entryList(QDir::Files).join('|'), files);
        QCOMPARE(shown(form, "butmkcfg|txtmkcfg"), "butmkcfg=Make CFG File:|txtmkcfg=" + name);
    }

    // Without a notification service, a small window says why, and can offer the main window.
    void noticeWindow()
    {
        QVERIFY(!tellTheUser("Unseen", "No window.", true, false));
        for (const bool offered : {false, true}) {
            QString seen;
            QTimer::singleShot(100, this, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box && !box->windowIcon().isNull());
                seen = box->text() + ": " + box->informativeText() + ' ';
                for (QAbstractButton *button : box->buttons())
                    seen += button->text() + ' ';
                box->buttons().constFirst()->click();
            });
            QCOMPARE(tellTheUser("Vantor could not start Half-Life", "Slot 2 is not saved.", offered, true), offered);
            QCOMPARE(seen, QString("Vantor could not start Half-Life: Slot 2 is not saved. ") +
                               (offered ? "Open Vantor Close " : "Close "));
        }
    }

    void unwritableStore_data() { cases(__func__); }

    // Vantor starts and runs the game with a store it cannot write, and says so on a save button. It runs last: what
    // such a store refused stays pending in this process, for the next store of the same file to write.
    void unwritableStore()
    {
        FETCH(fault, language, notSaved, saved);
        if (fault == "read-only" && geteuid() == 0)
            QSKIP("root writes a read-only file all the same");
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(fault != "folder" || (QDir(config).removeRecursively() && writeFile(config)));
        QVERIFY(fault != "store" || QDir().mkpath(storefile::path()));
        QVERIFY(fault != "read-only" ||
                (writeFile(storefile::path()) && QFile::setPermissions(storefile::path(), QFile::ReadOwner)));
        for (int write = 0; write < 2; ++write) // the folder chosen at start-up, and the save
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable("Vantor could not write its settings to " + storefile::path()));
        GameFolder folder;
        answerFolderDialog(folder.dir.path());
        useLanguage(QLocale(language)); // each row in its own
        Form1 form;
        answerFolderDialog(QString());
        form.show();
        act(form, "chkclosrun|butgonow");
        QTRY_VERIFY(!fakeProgramRecord(folder.game).isEmpty());
        QVERIFY(QFile::exists(folder.cfg()));
        auto *frame = control<QGroupBox>(form, "savepreffram");
        const auto title = [&] { return frame->title() + (captionFits(frame) ? "" : " (cut)"); }; // drawn whole?
        const int usualPixels = QFontInfo(frame->font()).pixelSize();
        shownFor(
            3, notSaved, [&] { click(form, "save1"); }, title);
        QCOMPARE(QFontInfo(frame->font()).pixelSize(), usualPixels);           // the usual title as large as before
        QVERIFY(control(form, "load1")->isEnabled());                          // held for this run
        if (fault == "store" && QDir(storefile::path()).removeRecursively()) { // mended: the next save writes it all
            QTest::failOnWarning(QRegularExpression("could not write"));
            shownFor(
                2, saved, [&] { click(form, "save2"); }, title);
            QCOMPARE(storefile::read().keys(), (QStringList{"one", "other", "two"}));
        }
    }

signals:
    void urlOpened(const QUrl &url);

public slots:
    void open(const QUrl &url) { emit urlOpened(url); }

private:
    QTemporaryDir m_bin; // the PATH: the only place a bare hl.exe or wine is found
};

VANTOR_TEST_MAIN(Form1RunTest, QApplication)

#include "tst_form1_run.moc"
