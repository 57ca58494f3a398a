#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"
#include "ui/picker.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolTip>

using namespace vantor;

namespace {

const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, const QString &name)
{
    QWidget *widget = control(form, name);
    QWidget *top = form.childAt(widget->mapTo(&form, widget->rect().center()));
    return top && (top == widget || widget->isAncestorOf(top));
}

// The named controls of the windows, by name, with the windows themselves.
QMap<QString, QWidget *> namedControls(std::initializer_list<QWidget *> windows)
{
    QMap<QString, QWidget *> controls;
    for (QWidget *window : windows) {
        controls[window->objectName()] = window;
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->window() == window && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                controls[child->objectName()] = child;
    }
    return controls;
}

QString captionOf(const QWidget *widget)
{
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    const bool captioned = qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLabel *>(widget);
    return captioned ? widget->property("text").toString() : QString(); // a field's text is no caption
}

// The rows of a table in tests/, each split at its tabs; comments and empty lines left out.
QList<QStringList> designTable(const char *name)
{
    QFile file(QFINDTESTDATA(name));
    QList<QStringList> rows;
    for (const QString &line :
         file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList())
        if (!line.isEmpty() && !line.startsWith('#'))
            rows << line.split('\t');
    if (rows.isEmpty())
        qFatal("no table %s", name);
    return rows;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { m_opened << url.toString(); }

private slots:
    void init() { storefile::remove(); }

    void startState()
    {
        Form1 form;
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        QTRY_VERIFY(!form.windowIcon().pixmap(32).isNull()); // it follows once the window is up
        const QString start = "prntcmdline=" + startPreview +
                              "|prntskill=Easy|prntconspd=1000|hldir=c:\\sierra\\half-life|scrlcon=10|chkclosrun=1";
        QCOMPARE(shown(form, start), start);
        control<QPlainTextEdit>(form, "prntcmdline")->setPlainText("edited"); // even a change by code is replaced
        QCOMPARE(preview(form), startPreview);
    }

    // Every named control of every window: its caption and tooltip as the design's table gives them, letter for
    // letter; its place where the design fixes it, else in line with the controls it belongs with; and no control
    // of a page over another.
    void windowsAsDesigned()
    {
        Form1 form;
        frmdirnotfound dirNotFound;
        frmmap maps(&form);
        frmcfg cfgs(&form);
        const QMap<QString, QWidget *> controls = namedControls({&form, &dirNotFound, &maps, &cfgs});
        QStringList texts, expected;
        for (QWidget *widget : controls)
            texts << widget->objectName() + '\t' + captionOf(widget) + '\t' + widget->toolTip();
        for (const QStringList &row : designTable("texts.tsv"))
            expected << row.join('\t');
        expected.sort();
        QCOMPARE(texts, expected);

        const auto place = [&](const QString &name) {
            QWidget *widget = controls.value(name);
            return widget ? QRect(widget->mapTo(widget->window(), QPoint()), widget->size()) : QRect(-1, -1, 0, 0);
        };
        for (const QStringList &row : designTable("layout.tsv")) {
            const QStringList names = row.value(1).split(' '), rect = row.value(2).split(' ');
            if (row[0] == "rect") {
                QWidget *widget = controls.value(row[1]);
                const QRect at = widget && !widget->isWindow() ? widget->geometry() : place(row[1]);
                const int seen[] = {at.x(), at.y(), at.width(), at.height()};
                for (int i = 0; i < 4; ++i)
                    QVERIFY2(rect.value(i) == "-" || rect.value(i).toInt() == seen[i], qPrintable(row.join(' ')));
                continue;
            }
            QList<int> values; // one for each control, or for each step between two
            for (qsizetype i = 0; i < names.size(); ++i) {
                const QRect at = place(names[i]), before = place(names.value(i - 1));
                const QMap<QString, int> edges{
                    {"left", at.left()},
                    {"right", at.right()},
                    {"top", at.top()},
                    {"width", at.width()},
                    {"height", at.height()},
                    {"middle", 2 * at.top() + at.height()},
                    {"down", at.top() - before.top()},
                    {"offset", (at.left() - before.left()) * 1000 + at.top() - before.top()}};
                if ((row[0] != "down" || i > 0) && (row[0] != "offset" || i % 2))
                    values << edges.value(row[0], -1);
            }
            QVERIFY2(values.count(values.value(0)) == values.size() && !values.contains(-1), qPrintable(row.join(' ')));
        }

        // A picture (a label without text) or a page may lie beneath other controls.
        for (QWidget *parent : controls) {
            QList<QWidget *> laid;
            for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (controls.contains(child->objectName()) && child->isVisibleTo(parent) &&
                    !qobject_cast<QGroupBox *>(child) && !(qobject_cast<QLabel *>(child) && captionOf(child).isEmpty()))
                    laid << child;
            for (QWidget *a : laid)
                for (QWidget *b : laid)
                    QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " over " + b->objectName()));
        }
    }

    // Whatever the user (or a slot loaded from STORE) does, the controls show what follows from it.
    void userActions_data()
    {
        QTest::addColumn<QByteArray>("store");
        textColumns("actions", "expected"); // actions: see act()
        const QString on = "prntcmdline=hl.exe -console -numericping -toconsole", exec = " +exec vantortemp.cfg",
                      dnf = "buthelp|helpbrask|chkdnf", dnfOn = on + " +r_mmx 1 +sv_cheats 1";
        const auto row = [](const char *name, const QString &actions, const QString &expected,
                            const QByteArray &store = {}) { QTest::newRow(name) << store << actions << expected; };
        row("ping", "chknumping", "prntcmdline=hl.exe -console -toconsole" + exec);
        row("console", "chktocon", "prntcmdline=hl.exe -console -numericping" + exec);
        row("dev", "chkdev", on + " -dev" + exec);
        row("mod", "chkmod", on + " -game tfc" + exec);
        row("mod typed", "chkmod|txtmod=dmc", on + " -game tfcdmc" + exec);
        row("custom typed", "customcmd=+map c1a0", on + exec + " +map c1a0");
        row("dir-not-found mode", dnf, dnfOn);
        row("cheats and mmx", dnf + "|chkcheat|chkmmx", on);
        row("cfg", dnf + "|txtcfg=x.cfg|chkcfg", dnfOn + " +exec x.cfg");
        row("cfg typed", dnf + "|chkcfg|txtcfg=x|txtcfg=.cfg", dnfOn + " +exec x.cfg");
        row("greyed box clicks on", "chkdev:2|chkdev", "chkdev=1");
        row("and off again", "chkdev:2|chkdev|chkdev", "chkdev=0");
        row("cfg, then map, turn console on", "chktocon|chkcfg|chkcfg|chktocon|chkmap", "chktocon=1|" + on + exec);
        row("console stays on with cfg or map, and after", "chkcfg|chktocon|chkmap|chkcfg|chktocon|chkmap",
            "chktocon=1");
        row("letter typed into a number", "butmulti|txtrate=a", "txtrate=2500");
        row("out of range while its box is off", "butmulti|chkpush|txtpush=000|chkpush", "txtpush=300000");
        row("caught by the next numeric change", "butmulti|chkpush|txtpush=000|chkpush|txtrate=1",
            "txtrate=25001|txtpush=300");
        row("slider labels, sliders kept to their range", "scrlskill:9|scrlcon:40",
            "scrlskill=3|prntskill=Hard|scrlcon=35|prntconspd=3500");
        row("slider labels follow a drag", "scrlskill~2|scrlcon~35", "prntskill=Medium|prntconspd=3500");
        row("neither the game directory nor the preview can be typed", "hldir=abc\b|prntcmdline=abc\b",
            "hldir=c:\\sierra\\half-life|prntcmdline=" + startPreview);
        row("program-set text is kept, and may not grow", "customcmd:" + QString(100, 'x') + "|customcmd=y",
            "customcmd=" + QString(100, 'x'));
        // Typed beyond its limit, a field keeps what came first; txtpush has none.
        // clang-format off
        for (const auto &[key, limit] : {std::pair{"txtmap", 30}, {"txtcfg", 18}, {"customcmd", 90}, {"txtmod", 16},
                 {"txtmaxp", 2}, {"txtrate", 5}, {"txtfpslan", 3}, {"txtfpsnet", 3}, {"txtdecal", 4}, {"txtpush", 0},
                 {"txtmkcfg", 14}}) // clang-format on
            QTest::addRow("%s typed", key) << QByteArray() << QString("%1:|%1=%2").arg(key, QString(limit + 5, '1'))
                                           << QString("%1=%2").arg(key, QString(limit ? limit : 5, '1'));

        // Loading a slot puts each key into its control in turn, and the control's own handling runs before the next.
        row("labels; absent keys greyed, \"Error\" or repaired", "load3",
            "prntskill=Hard|prntconspd=2000|chknumping=2|prntcmdline=hl.exe -console -dev -game dmc Error|"
            "txtpush=300|txtmaxp=16|txtrate=|txtfpsnet=30|txtfpslan=45|txtdecal=300",
            "[three]\nscrlskill=3\nscrlcon=20\nchkdnf=1\nchkdev=1\nchkmod=1\ntxtmod=dmc\ntxtrate=\n");
        row("the command line is built once more at the end", dnf + "|load3",
            "prntcmdline=hl.exe -console +exec vantortemp.cfg Error", "[three]\nscrlskill=1\nchkdnf=0\n");
        row("console is loaded after map and cfg", "chkmap|load3", "chktocon=0",
            "[three]\nscrlskill=1\nchkmap=0\nchkcfg=0\nchktocon=0\n");
        row("pushlatency is loaded after its box", "butmulti|chkpush|load3", "chkpush=1|txtpush=300",
            "[three]\nscrlskill=1\nchkpush=1\ntxtpush=40000\n");
    }

    void userActions()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        storefile::write(store);
        Form1 form;
        form.show();
        act(form, actions);
        QCOMPARE(shown(form, expected), expected);
    }

    // Start-up loads the Default slot when it is saved, then takes the Game directory from the store, asking for one
    // while none was ever chosen.
    void startUp_data()
    {
        // answer: what the folder dialog gives, if it is asked
        // expected: asked, hldir, default option, chkdev; then the store's hldir, def
        textColumns("store", "answer", "expected");
        const QString saved = "[two]\nscrlskill=2\nchkdev=1\n[three]\nscrlskill=1\nchkdev=1\n[other]\nhldir=/hl\n";
        row("first start, cancelled", {"", "", "1|c:\\sierra\\half-life|0|0|none|"});
        row("first start, chosen", {"", "/games/hl", "1|/games/hl|0|0|/games/hl|"});
        row("never chosen", {"[other]\nhldir=none\n", "", "1|c:\\sierra\\half-life|0|0|none|"});
        row("stored", {"[other]\nhldir=/my games/hl\n", "", "0|/my games/hl|0|0|/my games/hl|"});
        row("default slot 3", {"[General]\ndef=3\n" + saved, "", "0|/hl|3|1|/hl|3"});
        row("default slot empty", {"[General]\ndef=1\n" + saved, "", "0|/hl|0|0|/hl|1"});
    }

    void startUp()
    {
        QFETCH(QString, store);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        storefile::write(store.toUtf8());
        int asked = 0;
        setFolderDialog([&](QWidget *, const QString &title, const QString &start) {
            asked += title == QLatin1String("Please select your \\Half-Life\\ directory:") &&
                     start == QDir::homePath() &&
                     !QApplication::windowIcon().isNull(); // the dialog carries Vantor's icon too
            return answer;
        });
        Form1 form;
        answerFolderDialog(QString());
        int chosen = 0;
        for (int slot = 1; slot <= 3; ++slot)
            chosen += slot * control<QRadioButton>(form, QStringLiteral("def%1opt").arg(slot))->isChecked();
        const auto stored = storefile::read();
        const QStringList seen{QString::number(asked),   form.text("hldir"),
                               QString::number(chosen),  QString::number(form.check("chkdev")),
                               stored["other"]["hldir"], stored["General"]["def"]};
        QCOMPARE(seen.join('|'), expected);
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
        Form1 form;
        form.show();
        click(form, "chkdev");
        QStringList seen;
        QList<int> sizes; // of the caption's font, one for all
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
                    seen << caption(form, "butdelsav") + (storefile::read().isEmpty() ? " (deleted)" : "") +
                                (captionFits(control(form, "butdelsav")) ? "" : " (cut)");
                    sizes << control(form, "butdelsav")->font().pixelSize();
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

        // The closing flash: the colours of the General Options page, each for its time, after the twelfth click.
        struct Flash : QObject {
            QList<std::pair<QString, qint64>> colours;
            QElapsedTimer *clock;
            bool eventFilter(QObject *page, QEvent *event) override
            {
                if (event->type() == QEvent::PaletteChange)
                    colours.append(
                        {static_cast<QWidget *>(page)->palette().color(QPalette::Window).name(), clock->elapsed()});
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
        QCOMPARE(sizes.count(sizes.first()), 12);
        const std::pair<const char *, int> expected[]{{"#ff0000", 800},  {"#ff8000", 900},  {"#ffff00", 1000},
                                                      {"#ff8000", 1100}, {"#ff0000", 1200}, {"#ff8000", 1300},
                                                      {"#ffff00", 1400}, {"#ffff80", 1600}, {"#ffffc0", 1800},
                                                      {"#ffffff", 2000}, {"the end", 2600}};
        flash.colours << std::pair{QString("the end"), ended};
        QCOMPARE(flash.colours.size(), 11);
        for (int i = 0; i < 11; ++i) { // a wait may end late, never early
            const qint64 at = flash.colours[i].second - lastClick, before = i ? expected[i - 1].second : 0;
            QVERIFY2(flash.colours[i].first == expected[i].first &&
                         at - (i ? flash.colours[i - 1].second - lastClick : 0) >= expected[i].second - before - 5 &&
                         at <= expected[i].second + 400,
                     qPrintable(QString("%1 at %2 ms").arg(flash.colours[i].first).arg(at)));
        }
    }

    void resetEndsWithNoDefaultSlot()
    {
        storefile::write("[General]\ndef=1\n[one]\nscrlskill=1\n[two]\nscrlskill=1\n[other]\nhldir=/hl\n");
        Form1 form;
        form.show();
        click(form, "def2opt");
        QCOMPARE(storefile::read()["General"]["def"], QStringLiteral("2"));
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
    void pagesAreLayers_data()
    {
        textColumns("clicks", "reach");
        const QString dnf = "buthelp|helpbrask|chkdnf|braskbackbut|backhlp|";
        row("general", {"", "chkdev butcfg buthelp !chkdm !chkdynlit !chkmod !chk16bit !txthelp !chkdnf"});
        row("multiplayer", {"butmulti", "chkdm txtpush !chkdev"});
        row("back from multiplayer, all of the header and the page", // what takes the focus, save the empty slots'
            {"butmulti|Command1",
             "customcmd save1 save2 save3 buthelp chknumping chkmmx chktocon chkcheat chkmlook "
             "chkmfilt chkshad chkmap butmap txtmap chkcfg butcfg txtcfg scrlskill chkthird chkdev "
             "chkflip chkjoy butmulti butperf !chkdm"});
        row("performance", {"butperf", "chkdynlit chkmod chk16bit !butcfg"});
        row("back from performance", {"butperf|backsnd", "butcfg !chkdynlit !chkmod !chk16bit"});
        row("help over multiplayer", {"butmulti|buthelp", "txthelp !chkdm"});
        row("back from help", {"butmulti|buthelp|backhlp", "chkdm !txthelp"});
        row("comic covers the header", {"buthelp|helpbrask", "chkdnf !buthelp !load1"});
        row("back from comic", {"buthelp|helpbrask|braskbackbut", "txthelp !chkdnf"});
        row("dir-not-found mode, performance", {dnf + "butperf", "chkmod !chkdev"});
        row("dir-not-found mode, back from multiplayer", {"butmulti|" + dnf + "Command1", "chkdev !chkdm"});
    }

    void pagesAreLayers()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, reach);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, clicks);
        QSet<QString> tabbed;
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
        for (const QString &name :
             (reach + " buthldir hldir butmkcfg txtmkcfg chkclosrun chksavrun butgonow butdelsav resetset butclose")
                 .split(' ')) {
            const bool covered = name.startsWith('!'), tabs = control(form, name.mid(covered))->isEnabled() && !covered;
            QVERIFY2(reachable(form, name.mid(covered)) != covered && tabbed.contains(name) == tabs, qPrintable(name));
        }
    }

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
        for (const char *name : {"chkcheat", "customcmd", "buthelp", "txthelp"}) {
            control(form, name)->setFocus();
            QTest::keyClick(control(form, name), Qt::Key_Return);
        }
        QVERIFY(run.count() == 3 && help.count() == 1 && ending.isEmpty());
        QTest::keyClick(control(form, "chkdev"), Qt::Key_Escape);
        QCOMPARE(ending.count(), 1);
    }

    // The preview's menu and Ctrl+Shift+V read the clipboard, and a CFG file or a text dropped onto the window is read
    // too: options are set, their handling runs, and the frame's title says for 3 seconds how many.
    void importing()
    {
        QTemporaryDir folder;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        emit control<QPlainTextEdit>(form, "prntcmdline")->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(QApplication::activePopupWidget());
        QVERIFY(QApplication::activePopupWidget()->actions().contains(form.findChild<QAction *>("importClipboard")));
        QApplication::activePopupWidget()->close();
        const auto says = [&](const QString &title) {
            return [&form, title] { QCOMPARE(control<QGroupBox>(form, "cmdlinfram")->title(), title); };
        };
        QGuiApplication::clipboard()->setText("hl.exe -dev -console +map c2a5 -zone 2048");
        forTheWait(
            &form, 3, [&] { QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier); },
            says("7 options set"));
        QCOMPARE(shown(form, "chktocon|txtmap|cmdlinfram|prntcmdline"),
                 "chktocon=1|txtmap=c2a5|cmdlinfram=Current Command Line:|prntcmdline=hl.exe -console -toconsole -dev "
                 "+exec vantortemp.cfg -zone 2048");

        QFile cfg(folder.filePath("Mine.CFG"));
        QVERIFY(cfg.open(QIODevice::WriteOnly) && cfg.write("bind w +forward\nsv_cheats 0\n") > 0);
        cfg.close();
        QMimeData file, text;
        file.setUrls({QUrl::fromLocalFile(cfg.fileName())});
        text.setText("bind w +forward");
        for (const auto &[dropped, title] :
             {std::pair{&file, "1 option set, 1 line not used"}, {&text, "0 options set, 1 line not used"}}) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, dropped, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&form, &enter);
            QVERIFY(enter.isAccepted());
            forTheWait(
                &form, 3, [&] { QCoreApplication::sendEvent(&form, &drop); }, says(title));
        }
        QCOMPARE(shown(form, "chkcheat"), "chkcheat=0");
    }

    // The help text cannot be changed. Where each comic panel stands after the clicks, "-" for a hidden one; the
    // page keeps its state while hidden.
    void helpPages()
    {
        Form1 form;
        form.show();
        act(form, "buthelp");
        auto *help = control<QPlainTextEdit>(form, "txthelp");
        const QString text = help->toPlainText();
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        help->paste();
        act(form, "txthelp=x\b|backhlp");
        QVERIFY(help->toPlainText() == text && !text.contains('{'));
        for (const char *part : {"tovrik@corvana.example", "https://corvana.example/\n",
                                 "https://corvana.example/vantor/\n", "5.  Disclaimer:"})
            QVERIFY2(text.contains(QLatin1String(part)), part);
        QStringList seen;
        for (const char *clicks :
             {"buthelp|helpbrask", "braskscrlr", "brask3but|braskscrlr", "brask2but", "braskscrlr|braskscrlr",
              "brask4but|braskscrlr|braskbackbut|helpbrask", "braskscrll"}) {
            act(form, clicks);
            QStringList places;
            for (const char *name : {"brask1", "brask2", "brask3", "brask4"})
                places << (control(form, name)->isVisibleTo(&form) ? QString::number(control(form, name)->x()) : "-");
            seen << places.join(' ');
        }
        QCOMPARE(seen, (QStringList{"8 - - -", "-152 - - -", "- - -104 -", "- 8 - -", "- -152 - -", "- - - -120",
                                    "- - - 136"}));

        // Every picture at its size, once a page that shows it has been opened.
        act(form, "braskbackbut|backhlp|butperf");
        QStringList sizes;
        for (const char *name : {"brask1", "brask2", "brask3", "brask4", "braskback", "Image1"})
            sizes << QString("%1x%2")
                         .arg(control<QLabel>(form, name)->pixmap().width())
                         .arg(control<QLabel>(form, name)->pixmap().height());
        QCOMPARE(sizes.join(' '), "635x195 635x195 583x188 599x189 222x222 32x32");
    }

    // A tooltip wider than the window's text shows on lines of a readable width; a short one on one line.
    void tooltipsWrap()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const auto &[name, wraps] : {std::pair{"chkflip", true}, {"chkclosrun", false}}) {
            QWidget *box = control(form, name);
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(box, &hover);
            QTRY_VERIFY(QToolTip::isVisible());
            const QStringList shown = QToolTip::text().split('\n');
            QCOMPARE(shown.join(' '), box->toolTip());
            QCOMPARE(shown.size() > 1, wraps);
            for (const QString &line : shown)
                QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(line) <= 360, qPrintable(line));
            QToolTip::hideText();
        }
    }

    void linksOpenTheirPages()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        Form1 form;
        form.show();
        act(form, "corvanalink|butperf|Image1|buthelp|Label7|helpbrask|Label9");
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(m_opened,
                 (QStringList{"https://corvana.example/", "https://corvana.example/tovrik/",
                              "https://corvana.example/vantor/", "https://corvana.example/vantor/depressed/"}));
        QCOMPARE(control(form, "Label9")->cursor().shape(), Qt::PointingHandCursor);
    }

    // Whatever is pasted into the fields that the command line carries, they hold it whole, and the preview shows it
    // on one line and settles (text that reads back otherwise than it was set once set off a rebuild without end).
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
    }

    void numericFieldsOnFocusLoss()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        act(form, "butmulti|txtfpslan:|txtmaxp:33");
        control(form, "txtfpslan")->setFocus();
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(control(form, "txtfpslan"), &menuOpens);
        QCOMPARE(form.text("txtfpslan"), QString()); // empty while edited, and a context menu is no leaving
        control(form, "txtmaxp")->setFocus();
        control(form, "txtrate")->setFocus();
        QCOMPARE(shown(form, "txtfpslan|txtmaxp"), QStringLiteral("txtfpslan=45|txtmaxp=16"));
    }

    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        act(form, "buthelp|helpbrask|chkdnf");
        QStringList enabled;
        for (QWidget *widget :
             form.findChildren<QWidget *>(QRegularExpression("^(chk|txt|scrl|but|back|multi|fram|help|Command1)")))
            if (widget->isEnabled())
                enabled << widget->objectName();
        enabled.sort();
        QCOMPARE(enabled.join(' '),
                 QStringLiteral(
                     "Command1 backhlp backsnd butclose butdelsav butgonow buthelp buthldir butperf chkcfg chkcheat "
                     "chkclosrun chkdev chkdnf chkmmx chkmod chknumping chksavrun chktocon framhelp frammod helpbrask "
                     "multifram txtcfg txthelp txtmkcfg txtmod"));
        act(form, "chkdnf"); // the mode ends, the controls stay off and the preview stays
        QVERIFY(!control(form, "chkdm")->isEnabled() && preview(form).endsWith("-toconsole +r_mmx 1 +sv_cheats 1"));
    }

private:
    QStringList m_opened;
};

VANTOR_TEST_MAIN(Form1Test, QApplication)

#include "tst_form1.moc"
