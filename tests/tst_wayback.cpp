// The way back: command lines and CFG files pasted or dropped, Steam's launch options brought in, and the preview,
// --print's line and the CFG file that give the same again.

#include "support/form1helpers.h"

using namespace vantor;

class WayBackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useLanguage(QLocale(QLocale::English)); }
    void init() { storefile::remove(); }

    // The preview's menu (the setup check's too) and Ctrl+Shift+V read the clipboard, and a CFG file dropped anywhere
    // or a text dropped off the fields is read too: options are set, their handling runs, and the title says for 3
    // seconds how many, holding nothing up. In a field, Ctrl+Shift+V pastes into it and a text dropped in goes in.
    void importing()
    {
        QTemporaryDir folder;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // The preview's menu offers both, opened with the right mouse button or, reached with Shift+Tab, with
        // Shift+F10, and the setup check after them; Bring in here finds no launch options. Its text is selected and
        // copied with keys.
        auto *line = control<QPlainTextEdit>(form, "prntcmdline");
        QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, line->viewport()->mapTo(&form, QPoint(5, 5)));
        for (int opened = 0; opened < 2; ++opened) {
            QTRY_VERIFY(QApplication::activePopupWidget());
            QList<QAction *> items = QApplication::activePopupWidget()->actions();
            QCOMPARE(items.at(items.size() - 4)->text() + '|' + items.at(items.size() - 3)->text() + '|' +
                         items.last()->text(),
                     "Paste Command Line or CFG|Bring in Steam's Launch Options|Check Setup");
            if (opened)
                items.at(items.size() - 3)->trigger();
            QApplication::activePopupWidget()->close();
            control(form, "customcmd")->setFocus();
            QTest::keyClick(form.focusWidget(), Qt::Key_Backtab);
            QTest::keyClick(line, Qt::Key_F10, Qt::ShiftModifier);
        }
        QCOMPARE(control<QGroupBox>(form, "cmdlinfram")->title(), "Steam keeps no launch options for Half-Life");
        QApplication::activePopupWidget()->close();
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), startPreview);
        const auto title = [&] { return control<QGroupBox>(form, "cmdlinfram")->title(); };
        QGuiApplication::clipboard()->setText("hl.exe -dev -console +map c2a5 -zone 2048");
        const auto pastePlain = [&] {
            QTest::keyClick(form.focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        };
        control(form, "chkdev")->setFocus();
        shownFor(3, "7 options set", pastePlain, title);
        QCOMPARE(shown(form, "chktocon|txtmap|prntcmdline"),
                 "chktocon=1|txtmap=c2a5|prntcmdline=hl.exe -console -toconsole -dev +exec vantortemp.cfg -zone 2048");
        act(form, "txtcfg:");
        control(form, "txtcfg")->setFocus();
        pastePlain(); // as typed, up to the field's limit
        QCOMPARE(shown(form, "txtcfg|cmdlinfram"), "txtcfg=hl.exe -dev -conso|cmdlinfram=Current Command Line:");

        QFile cfg(folder.filePath("Mine.CFG"));
        QVERIFY(cfg.open(QIODevice::WriteOnly) && cfg.write("bind w +forward\nsv_cheats 0\n") > 0);
        cfg.close();
        QMimeData file, text;
        file.setUrls({QUrl::fromLocalFile(cfg.fileName())});
        file.setText(cfg.fileName()); // as file managers give it
        text.setText("my.cfg");
        // Each drop goes to the control under it, and from there to the window where the control ignores it.
        const auto drop = [&](QMimeData *dropped, const char *onto) {
            QWidget *target = control(form, onto);
            QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(target->rect().center(), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QElapsedTimer clock;
            clock.start();
            QVERIFY(QCoreApplication::sendEvent(target, &enter) && enter.isAccepted());
            QVERIFY(QCoreApplication::sendEvent(target, &drop) && drop.isAccepted() && clock.elapsed() < 500);
        };
        act(form, "txtcfg:");
        shownFor(
            3, "1 option set, 1 line not used", [&] { drop(&file, "txtcfg"); }, title);
        drop(&text, "txtcfg");
        QCOMPARE(shown(form, "txtcfg|chkcheat|cmdlinfram"),
                 "txtcfg=my.cfg|chkcheat=0|cmdlinfram=Current Command Line:");
        shownFor(
            3, "0 options set, 1 line not used", [&] { drop(&text, "chkdev"); }, title);

        // Steam's launch options for Half-Life, of the user who logged in last, brought in as a few switches: what
        // they name is set, every other option stays, words no control takes join Custom Parameters once.
        const char *kept = "chkdev|chknumping|chktocon|customcmd|txtmap";
        const QString before = shown(form, kept);
        form.importSteamOptions->trigger();
        QCOMPARE(title(), "Steam keeps no launch options for Half-Life");
        QCOMPARE(shown(form, kept), before);
        const QString steam = QDir::home().filePath(".steam/steam"), config = steam + "/userdata/1/config";
        QFile logins(steam + "/config/loginusers.vdf"), options(config + "/localconfig.vdf");
        QVERIFY(QDir().mkpath(steam + "/config") && QDir().mkpath(config) && logins.open(QIODevice::WriteOnly) &&
                logins.write(R"("users" { "76561197960265729" { "MostRecent" "1" } })") > 0 &&
                options.open(QIODevice::WriteOnly) &&
                options.write(R"("UserLocalConfigStore" { "Software" { "Valve" { "Steam" { "apps" { "70" { )"
                              R"("LaunchOptions" "SDL_VIDEODRIVER=x11 %command% -novid -numericping +map c2a5" )"
                              R"(} } } } } })") > 0);
        logins.close(), options.close();
        form.importSteamOptions->trigger();
        QCOMPARE(shown(form, QStringLiteral("cmdlinfram|") + kept),
                 "cmdlinfram=2 options set|chkdev=1|chknumping=1|chktocon=1|"
                 "customcmd=SDL_VIDEODRIVER=x11 %command% -zone 2048 -novid|txtmap=c2a5");
        form.importSteamOptions->trigger(); // twice changes nothing more
        QVERIFY(QDir(QDir::home().filePath(".steam")).removeRecursively());
        QCOMPARE(shown(form, "cmdlinfram|customcmd"),
                 "cmdlinfram=0 options set|customcmd=SDL_VIDEODRIVER=x11 %command% -zone 2048 -novid");
    }

    // The way back, for random states with quotes, blanks, $, ' and = in Custom Parameters and names, with and without
    // a launch prefix, wrappers with options included: the preview, and the line that vantor --print shows, each
    // pasted into a window at other values, then the CFG file, give the same preview and CFG file again. (Custom
    // Parameters are typed as the way back writes them; a mod's name goes whole through the command line only
    // without blanks and double quotes.)
    void wayBack()
    {
        GameFolder folder(false);
        QTemporaryDir bin;
        QVERIFY(writeFakeProgram(folder.dir.filePath("hl.sh")));
        for (const char *wrapper : {"gamemoderun", "mangohud", "gamescope"})
            QVERIFY(writeFakeProgram(bin.filePath(wrapper)));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QStringList prefixes{
            "", "", "A=1 gamemoderun", "mangohud --dlsym", "gamescope -f -W 1280 --", "B=\"it's\" C=a=b"};
        // Each word typed for the game's parameters, and for a shell, as after %command%.
        const std::pair<const char *, const char *> words[]{{"-novid", "-novid"},
                                                            {"+name", "+name"},
                                                            {"\"John Doe\"", "\"John Doe\""},
                                                            {"it's", "\"it's\""},
                                                            {"$x", "\"\\$x\""},
                                                            {"a=b", "a=b"},
                                                            {"\"\"\"\"q\"\"\"\"", "\"\\\"q\\\"\""},
                                                            {"back\\slash", "\"back\\\\slash\""},
                                                            {"5$", "\"5\\$\""}};
        std::mt19937 random(29);
        for (int round = 0; round < 10; ++round) {
            Form1 form, other;
            randomState(form, random, QStringLiteral(" \"$'=.019ab"));
            randomState(other, random);
            QString mod;
            for (auto length = random() % 6; length > 0; --length)
                mod += QStringLiteral("$'=.ab")[qsizetype(random() % 6)];
            const QString prefix = prefixes[qsizetype(random() % prefixes.size())];
            QStringList custom{prefix.isEmpty() ? QString() : prefix + " %command%"};
            for (auto count = random() % 5; count > 0; --count) {
                const auto &word = words[random() % std::size(words)];
                custom << (prefix.isEmpty() ? word.first : word.second);
            }
            custom.removeAll(QString());
            act(form, "txtmod:" + mod + "|customcmd:" + custom.join(' '));
            storefile::write("[General]\ndef=1\n[other]\nhldir=" + folder.dir.path().toUtf8() + "\n");
            form.saveset(1);
            const QByteArray cfg = cfgFileContent(form); // repairs the numeric fields first, as Run does
            const QString line = preview(form);
            QProcess print;
            print.start(QStringLiteral(VANTOR_BINARY), {"--print"});
            QVERIFY(print.waitForFinished(30000) && print.exitCode() == 0);
            const QByteArray printed = print.readAllStandardOutput();
            QCOMPARE(printed.mid(printed.indexOf('\n') + 1), cfg);
            for (const QString &text : {line, QString::fromUtf8(printed.left(printed.indexOf('\n')))}) {
                for (const QString &pasted : {text, QString::fromLocal8Bit(cfg)}) {
                    QGuiApplication::clipboard()->setText(pasted);
                    other.importClipboard->trigger();
                }
                QCOMPARE(preview(other), line);
                QCOMPARE(cfgFileContent(other), cfg);
            }
        }
        qputenv("PATH", path);
    }

    // Vantor's own command line and then its CFG file, pasted into the window in any state, give both back as they
    // were, whatever its switching rules make of the order: over random states of the options (the
    // directory-not-found mode off), texts beyond the typing limits included.
    void pastedBackWhole()
    {
        Form1 form;
        std::mt19937 random(70);
        for (int round = 0; round < 60; ++round) {
            randomState(form, random);
            const QByteArray cfg = cfgFileContent(form);
            const QString line = preview(form);
            randomState(form, random);
            for (const QString &text : {line, QString::fromLocal8Bit(cfg)}) {
                QGuiApplication::clipboard()->setText(text);
                form.importClipboard->trigger();
            }
            QCOMPARE(preview(form), line);
            QCOMPARE(cfgFileContent(form), cfg);
        }
    }

    // Whatever is pasted into the fields that the command line carries, they hold it whole, and the preview shows it
    // on one line and settles (text that reads back otherwise than it was set once set off a rebuild without end). A
    // line longer than the preview stays one line, to be scrolled sideways.
    void pastedTextKeepsThePreviewOneLine()
    {
        const QString text = QStringLiteral(" \u00A0a\rb\nc\u2028d\u2029\uFDD0\t\u0001");
        Form1 form;
        form.show();
        act(form, "chkmod:1|chkcfg:1|chkdnf:1");
        QGuiApplication::clipboard()->setText(text);
        for (const char *name : {"txtmod", "txtcfg", "customcmd"}) {
            control<QLineEdit>(form, name)->selectAll();
            QTest::keyClick(control(form, name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(form.text(name), text);
        }
        QVERIFY2(!preview(form).contains(QRegularExpression(QStringLiteral("[\r\n]"))), qPrintable(preview(form)));
        act(form, "customcmd:" + QString("-zone 2048 ").repeated(20));
        auto *shown = control<QPlainTextEdit>(form, "prntcmdline");
        QTRY_COMPARE(shown->document()->firstBlock().layout()->lineCount(), 1);
        QVERIFY(shown->horizontalScrollBar()->isVisible() && shown->horizontalScrollBar()->maximum() > 0);
    }
};

VANTOR_TEST_MAIN(WayBackTest, QApplication)

#include "tst_wayback.moc"
