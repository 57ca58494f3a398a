// What the window does: the user's actions and their rules, start-up, slots, waits, the pages' layers and keys, and the
// way back of pasted lines and files.

#include "support/form1helpers.h"

using namespace vantor;

namespace {

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, const QString &name)
{
    QWidget *widget = control(form, name);
    QWidget *top = form.childAt(widget->mapTo(&form, widget->rect().center()));
    return top && (top == widget || widget->isAncestorOf(top));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useLanguage(QLocale(QLocale::English)); }
    void init() { storefile::remove(); }

    // Whatever the user (or a slot loaded from STORE) does, the controls show what follows from it.
    void userActions_data()
    {
        cases(__func__);
        row("program-set text is kept, and may not grow",
            {"", "customcmd:" + QString(100, 'x') + "|customcmd=y", "customcmd=" + QString(100, 'x')});
        // Typed beyond its limit, a field keeps what came first; txtpush has none.
        // clang-format off
        for (const auto &[key, limit] : {std::pair{"txtmap", 30}, {"txtcfg", 18}, {"customcmd", 90}, {"txtmod", 16},
                 {"txtmaxp", 2}, {"txtrate", 5}, {"txtfpslan", 3}, {"txtfpsnet", 3}, {"txtdecal", 4}, {"txtpush", 0},
                 {"txtmkcfg", 14}}) // clang-format on
            row(qPrintable(QString("%1 typed").arg(key)), {"", QString("%1:|%1=%2").arg(key, QString(limit + 5, '1')),
                                                           QString("%1=%2").arg(key, QString(limit ? limit : 5, '1'))});
    }

    void userActions()
    {
        FETCH(store, actions, expected);
        storefile::write(store.toUtf8());
        Form1 form;
        form.show();
        act(form, actions);
        expected.replace("HOME", QDir::homePath());
        QCOMPARE(shown(form, expected), expected);
    }

    // Start-up loads the Default slot when it is saved, then takes the Game directory from the store, asking for one
    // while none was ever chosen.
    void startUp_data() { cases(__func__); }

    void startUp()
    {
        FETCH(store, steam, answer, expected);
        storefile::write(store.toUtf8());
        QDir steamFolder(QDir::home().filePath(steam.section('/', 0, 0))); // gone again once Vantor has started
        QVERIFY(steam.isEmpty() || QDir::home().mkpath(steam + "/steamapps/common/Half-Life"));
        QString asked = "-";
        setFolderDialog([&](QWidget *, const QString &title, const QString &start) {
            if (title == QLatin1String("Please select your \\Half-Life\\ directory:") &&
                !QApplication::windowIcon().isNull()) // the dialog carries Vantor's icon too
                asked = start;
            return answer;
        });
        Form1 form;
        answerFolderDialog(QString());
        QVERIFY(steam.isEmpty() || steamFolder.removeRecursively());
        int chosen = 0;
        for (int slot = 1; slot <= 3; ++slot)
            chosen += slot * control<QRadioButton>(form, QStringLiteral("def%1opt").arg(slot))->isChecked();
        const auto stored = storefile::read();
        const QStringList seen{asked,
                               form.text("hldir"),
                               QString::number(chosen),
                               QString::number(form.check("chkdev")),
                               stored["other"]["hldir"],
                               stored["General"]["def"]};
        QCOMPARE(seen.join('|'), expected.replace("HOME", QDir::homePath()));
        QCOMPARE(control(form, "load2")->isEnabled(), store.contains("[two]"));
        QVERIFY(!control(form, "load1")->isEnabled());
    }

    // Browse opens in the Game directory there is, and puts a chosen folder on screen and in the store at once;
    // cancelled, it keeps the folder there is.
    void browse()
    {
        for (const QString &answer : {QString(), QStringLiteral("/new hl")}) {
            QTemporaryDir stored;
            storefile::write("[other]\nhldir=" + stored.path().toUtf8() + "\n");
            Form1 form;
            QString opened;
            setFolderDialog([&](QWidget *, const QString &, const QString &start) { return opened = start, answer; });
            click(form, "buthldir");
            answerFolderDialog(QString());
            const QString expected = answer.isEmpty() ? stored.path() : answer;
            QCOMPARE(opened + '|' + form.text("hldir") + '|' + storefile::read()["other"]["hldir"],
                     stored.path() + '|' + expected + '|' + expected);
        }
    }

    // Every click shows its stage at once, also one made while earlier ones wait, and the caption comes back 3
    // seconds after the latest. Clicks 3, 6 and 9, and no others, delete everything, on disk at once, and leave the
    // window as it was; the twelfth ends the program once its flash is over.
    void deleteAllStages()
    {
        storefile::write("[General]\ndef=1\n[one]\nscrlskill=1\n[other]\nhldir=/hl\n");
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30))); // a dark one: light text
        Form1 form;
        form.show();
        click(form, "chkdev");
        QStringList seen;
        QElapsedTimer clock;
        qint64 lastClick = 0, ended = 0;
        connect(&form, &Form1::programEnding, [&] { ended = clock.elapsed(); });
        // Each click 100 ms into the wait of the one before; 50 ms after it, a look at its caption and at the store
        // on disk, then a save that gives the next click something to delete.
        const auto clicks = [&](int count) {
            clock.start();
            for (int i = 0; i < count; ++i) {
                QTimer::singleShot(100 * i, &form, [&] {
                    lastClick = clock.elapsed();
                    click(form, "butdelsav");
                });
                QTimer::singleShot(100 * i + 50, &form, [&] {
                    QWidget *button = control(form, "butdelsav");
                    seen << caption(form, "butdelsav") + (storefile::read().isEmpty() ? " (deleted)" : "") +
                                (notified() == caption(form, "butdelsav") ? "" : " (unsaid)") +
                                (captionFits(button) && QFontInfo(button->font()).pixelSize() >= 9 ? "" : " (cut)");
                    click(form, "save2");
                });
            }
        };
        clicks(3);
        QTRY_COMPARE(seen.size(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(caption(form, "butdelsav"), QStringLiteral("Delete all saved settings"), 5000);
        QVERIFY(clock.elapsed() - lastClick >= 3000);
        QCOMPARE(storefile::read().keys(), QStringList{"two"}); // only what was saved since
        QVERIFY(!control(form, "load1")->isEnabled() && !control(form, "def1opt")->isEnabled());
        QCOMPARE(shown(form, "chkdev|hldir"), QStringLiteral("chkdev=1|hldir=/hl"));

        // The closing flash after the twelfth click: the colours of the General Options page, each for its time.
        struct : QObject {
            QStringList colours;
            QList<qint64> at; // ms on the clock
            QElapsedTimer *clock;
            bool eventFilter(QObject *page, QEvent *event) override
            {
                if (event->type() == QEvent::PaletteChange) {
                    const QPalette now = static_cast<QWidget *>(page)->palette();
                    colours << now.color(QPalette::Window).name() + ' ' + now.color(QPalette::WindowText).name();
                    at << clock->elapsed();
                }
                return false;
            }
        } flash;
        flash.clock = &clock;
        control(form, "Frame1")->installEventFilter(&flash);
        clicks(9);
        QTRY_VERIFY_WITH_TIMEOUT(ended, 6000);
        QCOMPARE(seen, (QStringList{"Are you sure?", "Are you really, really sure?", "OK, they're deleted (deleted)",
                                    "I just did that", "No, really, I deleted them!",
                                    "Oh alright, I'll re-delete them (deleted)", "What, again?!?", "I'm tired, go away",
                                    "OK, but this is the last time (deleted)", "STOP CLICKING ME!!!",
                                    "You're starting to annoy me...", "That's it! You're dead, man!"}));
        // The flash's colours, each with dark text on it, whatever the desktop's palette.
        QStringList colours{"#ff0000", "#ff8000", "#ffff00", "#ff8000", "#ff0000",
                            "#ff8000", "#ffff00", "#ffff80", "#ffffc0", "#ffffff"};
        QCOMPARE(flash.colours, colours.replaceInStrings(QRegularExpression("$"), " #000000"));
        QApplication::setPalette(desktop);
        const int from[] = {0, 800, 900, 1000, 1100, 1200, 1300, 1400, 1600, 1800, 2000, 2600}; // the end last
        flash.at.prepend(lastClick);
        flash.at << ended;
        for (int i = 1; i < 12; ++i) // a wait may end late, never early
            QVERIFY2(flash.at[i] - flash.at[i - 1] >= from[i] - from[i - 1] - 5 &&
                         flash.at[i] - lastClick <= from[i] + 400,
                     qPrintable(QString("step %1 at %2 ms").arg(i).arg(flash.at[i] - lastClick)));
    }

    void resetEndsWithNoDefaultSlot()
    {
        storefile::write(
            "[General]\ndef=1\n[one]\nscrlskill=1\n[two]\nscrlskill=1\n[three]\nscrlskill=1\n[other]\nhldir=/hl\n");
        Form1 form;
        form.show();
        QString chosen;
        for (const char *button : {"def3opt", "def2opt"}) {
            click(form, button);
            chosen += storefile::read()["General"]["def"];
        }
        QCOMPARE(chosen, QStringLiteral("32"));
        QSignalSpy ending(&form, &Form1::programEnding);
        click(form, "resetset");
        QCOMPARE(ending.count(), 1);
        const auto stored = storefile::read();
        QCOMPARE(stored["General"]["def"] + stored["one"]["scrlskill"] + stored["other"]["hldir"],
                 QStringLiteral("01/hl"));
    }

    // A wait of nothing, or one begun once the program ends, handles no event; ending stops a wait at once.
    void pauses()
    {
        Form1 form;
        form.show();
        bool delivered = false;
        const auto post = [&] {
            delivered = false;
            QTimer::singleShot(0, &form, [&] { delivered = true; });
        };
        post();
        form.Pause(0);
        form.Pause(-1);
        QVERIFY(!delivered);
        QTimer::singleShot(50, &form, [&] { click(form, "butclose"); });
        form.Pause(1e30f); // as good as forever, until the program ends
        QVERIFY(form.isEnding() && !form.isVisible());
        post();
        form.Pause(1.0f);
        QVERIFY(!delivered);
    }
    // Pages lie over one another: after the clicks, each control named is within the reach of the mouse and of Tab,
    // or covered where a '!' leads its name; the bottom strip stays usable on every page. The focus goes to the page
    // on top, and Tab and Shift+Tab move it on to nothing but what can be seen.
    void pagesAreLayers_data() { cases(__func__); }

    void pagesAreLayers()
    {
        FETCH(clicks, reach);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, clicks);
        QStringList tabbed; // as Tab reaches them, then Shift+Tab
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int step = 0; step < 45; ++step) {
                QWidget *focus = form.focusWidget();
                QVERIFY2(focus && reachable(form, focus->objectName()),
                         focus ? qPrintable(focus->objectName()) : "none");
                tabbed << focus->objectName();
                QTest::keyClick(focus, key);
                QVERIFY2(form.focusWidget() != focus, qPrintable(focus->objectName()));
            }
        }
        const QStringList named = reach.split(' ');
        qsizetype last = -1; // where Tab reached the control named before; the first has the focus
        for (const QString &name : named + QString("buthldir hldir butmkcfg txtmkcfg chkclosrun chksavrun butgonow "
                                                   "butdelsav resetset butclose")
                                               .split(' ')) {
            QWidget *widget = control(form, name.mid(name.startsWith('!')));
            const bool covered = name.startsWith('!'), tabs = widget->isEnabled() && !covered;
            const qsizetype at = tabbed.indexOf(name);
            QVERIFY2(reachable(form, widget->objectName()) != covered && (at >= 0) == tabs &&
                         QAccessible::queryAccessibleInterface(widget)->state().invisible == covered,
                     qPrintable(name));
            if (tabs && named.contains(name)) {
                QVERIFY2(last < 0 ? at == 0 : at > last, qPrintable(name + " in " + tabbed.join(' ')));
                last = at;
            }
        }
    }

    // Enter presses the focused button, or Run; in the CFG file's name it makes the file; Esc ends the program.
    void enterRunsUnlessAButtonHasTheFocus()
    {
        GameFolder game; // Runs start a stand-in game there, and Vantor stays open
        storefile::write("[other]\nhldir=" + game.dir.path().toUtf8() + "\n");
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        act(form, "chkclosrun");
        QSignalSpy run(control<QPushButton>(form, "butgonow"), &QPushButton::clicked);
        QSignalSpy help(control<QPushButton>(form, "buthelp"), &QPushButton::clicked);
        QSignalSpy ending(&form, &Form1::programEnding);
        act(form, "txtmkcfg=keyed");
        for (const char *name :
             {"chkcheat", "customcmd", "buthelp", "txthelp", "txtmkcfg"}) { // the name makes its file
            control(form, name)->setFocus();
            QTest::keyClick(control(form, name), Qt::Key_Return);
        }
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QCoreApplication::sendEvent(control(form, "chkcheat"), &held); // Enter held down runs once, not once a repeat
        QVERIFY(run.count() == 3 && help.count() == 1 && ending.isEmpty() && QFile::exists(game.cfg("keyed.cfg")));
        QTest::keyClick(control(form, "chkdev"), Qt::Key_Escape);
        QCOMPARE(ending.count(), 1);
    }

    // An emptied or too large number field is put right as the focus leaves it within Vantor, by the mouse or
    // otherwise; not while a menu opens over it or the user is in another window.
    void numericFieldsOnFocusLoss()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, "butmulti|txtfpslan:|txtmaxp:33");
        control(form, "txtfpslan")->setFocus();
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(control(form, "txtfpslan"), &menuOpens);
        QWidget elsewhere; // the user turns to another window, and back
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form) && control(form, "txtfpslan")->hasFocus());
        QCOMPARE(form.text("txtfpslan"), QString()); // empty while edited: a context menu or a window is no leaving
        QTest::mouseClick(control(form, "txtmaxp"), Qt::LeftButton); // left with the mouse
        QCOMPARE(form.text("txtfpslan"), QStringLiteral("45"));
        control(form, "txtrate")->setFocus();
        QCOMPARE(form.text("txtmaxp"), QStringLiteral("16"));
    }

    // The directory-not-found mode turns off what only the CFG file can carry, until it ends.
    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        const auto enabled = [&] {
            QStringList names;
            for (QWidget *widget :
                 form.findChildren<QWidget *>(QRegularExpression("^(chk|txt|scrl|but|back|multi|fram|help|Command1)")))
                if (widget->isEnabled())
                    names << widget->objectName();
            names.sort();
            return names.join(' ');
        };
        const QString all = enabled();
        act(form, "buthelp|helpbrask|chkdnf");
        QCOMPARE(enabled(),
                 QStringLiteral(
                     "Command1 backhlp backsnd butclose butdelsav butgonow buthelp buthldir butperf chkcfg chkcheat "
                     "chkclosrun chkdev chkdnf chkmmx chkmod chknumping chksavrun chktocon framhelp frammod helpbrask "
                     "multifram txtcfg txthelp txtmkcfg txtmod"));
        act(form, "chkdnf");
        QCOMPARE(enabled(), all);
        QCOMPARE(preview(form), startPreview);
    }
};

VANTOR_TEST_MAIN(Form1Test, QApplication)

#include "tst_form1.moc"
