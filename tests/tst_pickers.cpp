#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include "ui/picker.h"

#include <QCompleter>
#include <QListView>
#include <QStringListModel>

#include <memory>

using namespace vantor;

namespace {

// A game folder with maps and CFG files among other files and folders whose names only look like them, a mod with
// maps and CFG files of its own, and a folder that is no mod; and Form1 as it starts with that Game directory.
struct Started {
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;
    Started()
    {
        for (const char *folder : {"valve/maps/folder.bsp", "valve/folder.cfg", "cstrike/maps", "notamod/maps"})
            QDir(dir.path()).mkpath(QLatin1String(folder));
        for (const char *name :
             {"valve/maps/c1a0.bsp", "valve/maps/DM_X.BSP", "valve/maps/c1a0.res", "valve/maps/c1a0.bsp.txt",
              "valve/autoexec.cfg", "valve/Mine.CFG", "valve/liblist.gam", "cstrike/maps/c1a0.bsp",
              "cstrike/maps/cs_x.bsp", "cstrike/autoexec.cfg", "cstrike/server.cfg", "notamod/maps/nm.bsp"})
            QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
        QFile liblist(dir.filePath("cstrike/liblist.gam"));
        if (liblist.open(QIODevice::WriteOnly))
            liblist.write("// Counter-Strike\ngame \"Counter-Strike\"\nurl_info \"www.counter-strike.net\"\n");
        liblist.close();
        storefile::write("[other]\nhldir=" + dir.path().toUtf8() + "\n");
        form = std::make_unique<Form1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("Form1 not shown");
    }
};

// Whether a click on a check box of Form1 gets through: it turns chkdev over either way. The click goes to the window,
// as the system's would, so that a modal picker can block it.
bool formTakesInput(Form1 &form)
{
    const int before = form.check("chkdev");
    QWidget *box = control(form, "chkdev");
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, box->mapTo(&form, QPoint(6, box->height() / 2)));
    return form.check("chkdev") != before;
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void listing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("actions");  // before the click; GAME stands for the game folder
        QTest::addColumn<QString>("replaced"); // by an empty file, or removed if it ends in '/'
        QTest::addColumn<QString>("listed");   // the window, its caption, size and list; empty: none
        const QString maps = "frmmap=Select a map:=161x246=", cfgs = "frmcfg=Select a cfg:=161x245=";
        row("maps", {"butmap", "", "", maps + "c1a0.bsp DM_X.BSP"});
        row("cfgs", {"butcfg", "", "", cfgs + "autoexec.cfg Mine.CFG"});
        row("separator at the end", {"butmap", "hldir:GAME/", "", maps + "c1a0.bsp DM_X.BSP"});
        row("maps with a mod", {"butmap", "chkmod:1|txtmod:cstrike", "", maps + "c1a0.bsp cs_x.bsp DM_X.BSP"});
        row("cfgs with a mod", {"butcfg", "chkmod:1|txtmod:cstrike", "", cfgs + "autoexec.cfg Mine.CFG server.cfg"});
        row("only the mod's maps", {"butmap", "chkmod:1|txtmod:cstrike", "valve/maps/", maps + "c1a0.bsp cs_x.bsp"});
        row("a mod that is off", {"butmap", "txtmod:cstrike", "", maps + "c1a0.bsp DM_X.BSP"});
        row("a folder that is no mod", {"butmap", "chkmod:1|txtmod:notamod", "", maps + "c1a0.bsp DM_X.BSP"});
        row("no maps folder", {"butmap", "", "valve/maps/", ""});
        row("maps is a file", {"butmap", "", "valve/maps", ""});
        row("no valve folder", {"butcfg", "", "valve/", ""});
    }

    void listing()
    {
        QFETCH(QString, button);
        QFETCH(QString, actions);
        QFETCH(QString, replaced);
        QFETCH(QString, listed);
        Started started;
        if (!replaced.isEmpty())
            QVERIFY(QDir(started.dir.filePath(replaced)).removeRecursively());
        if (!replaced.isEmpty() && !replaced.endsWith('/'))
            QVERIFY(QFile(started.dir.filePath(replaced)).open(QIODevice::WriteOnly));
        Form1 &form = *started.form;
        act(form, QString(actions).replace("GAME", started.dir.path()) + '|' + button);

        auto *picker = form.findChild<FilePicker *>();
        if (listed.isEmpty()) {
            QVERIFY(!picker && form.dirNotFoundWindow() && form.dirNotFoundWindow()->isVisible());
            QVERIFY(formTakesInput(form));
            return;
        }
        QVERIFY(picker && picker->isVisible());
        const auto *names =
            qobject_cast<QStringListModel *>(picker->findChild<QListView *>("file" + button.mid(3))->model());
        const QSize size = picker->size();
        QCOMPARE(QString("%1=%2=%3x%4=")
                         .arg(picker->objectName(), picker->windowTitle())
                         .arg(size.width())
                         .arg(size.height()) +
                     names->stringList().join(' '),
                 listed);
        QVERIFY(control(*picker, "butok" + button.mid(3))->font().bold());
    }

    // The Mod field offers the mods of the Game directory as it is typed, each with its title, and follows the
    // directory when it changes.
    void modsAreOffered()
    {
        Started started;
        Form1 &form = *started.form;
        QCompleter *offered = control<QLineEdit>(form, "txtmod")->completer();
        QCOMPARE(offered->model()->rowCount(), 1);
        QCOMPARE(offered->model()->index(0, 0).data().toString(), "cstrike  (Counter-Strike)");
        act(form, "txtmod:|txtmod=c");
        QCOMPARE(offered->completionCount(), 1);
        QCOMPARE(offered->currentCompletion(), "cstrike");
        act(form, "hldir:" + started.dir.filePath("valve"));
        QCOMPARE(offered->model()->rowCount(), 0);
    }

    // Every way of closing a picker; only OK, Enter and a double click set the field. Meanwhile Form1 takes no input.
    void closing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected"); // in the picker's field, which held "old"
        row("OK, nothing selected", {"butmap", "OK", ""});
        row("one click only selects", {"butmap", "click, OK", "DM_X.BSP"});
        row("Enter on a map", {"butmap", "Enter", "DM_X.BSP"});
        row("double click on a map", {"butmap", "double click", "DM_X.BSP"});
        row("map Cancel", {"butmap", "Cancel", "old"});
        row("double click on a cfg", {"butcfg", "double click", "Mine.CFG"});
        row("cfg Esc", {"butcfg", "Esc", "old"});
        row("directory-not-found window", {"butmap", "dir not found", "old"});
    }

    void closing()
    {
        QFETCH(QString, button);
        QFETCH(QString, how);
        QFETCH(QString, expected);
        const QString field = "txt" + button.mid(3);
        Started started;
        Form1 &form = *started.form;
        act(form, field + ":old|" + button);
        auto *picker = form.findChild<FilePicker *>();
        QVERIFY(picker);
        QVERIFY(!formTakesInput(form));
        // The custom CFG reaches the command line only in the directory-not-found mode: there a rebuild shows.
        if (field == "txtcfg")
            act(form, "chkcfg:1|chkdnf:1");

        auto *list = picker->findChild<QListView *>();
        QVERIFY(QTest::qWaitForWindowActive(picker) && list->hasFocus() && !list->currentIndex().isValid());
        const QPoint second = list->viewport()->mapTo(picker, list->visualRect(list->model()->index(1, 0)).center());
        if (how.endsWith("OK")) {
            if (how.startsWith("click")) {
                QTest::mouseClick(picker->windowHandle(), Qt::LeftButton, {}, second);
                QTest::qWait(QApplication::doubleClickInterval() + 100); // and it does not make a later one a double
                QVERIFY(picker->isVisible() && form.text("txtmap") == QLatin1String("old"));
            }
            click(*picker, "butok" + button.mid(3));
        } else if (how == "Enter") {
            list->setCurrentIndex(list->model()->index(1, 0));
            QTest::keyClick(list, Qt::Key_Return);
        } else if (how == "double click") {
            QTest::mouseDClick(picker->windowHandle(), Qt::LeftButton, {}, second);
        } else if (how == "Cancel") {
            click(*picker, "butcancel" + button.mid(3));
        } else if (how == "Esc") {
            QTest::keyClick(list, Qt::Key_Escape);
        } else {
            QVERIFY(QDir(started.dir.filePath(QStringLiteral("valve"))).removeRecursively());
            control<QPushButton>(form, "butcfg")->click(); // from code, past the blocked window
            QVERIFY(form.dirNotFoundWindow());
        }
        QTRY_VERIFY(!form.findChild<FilePicker *>());
        const QString dnf = "hl.exe -console -numericping -toconsole +r_mmx 1 +sv_cheats 1";
        const QString shownPreview = field == "txtmap" ? "hl.exe -console -numericping -toconsole +exec vantortemp.cfg"
                                     : expected.isEmpty() ? dnf
                                                          : dnf + " +exec " + expected;
        QCOMPARE(shown(form, field + "|prntcmdline|chkmap"),
                 field + '=' + expected + "|prntcmdline=" + shownPreview + "|chkmap=0");
        QVERIFY(formTakesInput(form));
    }
};

VANTOR_TEST_MAIN(PickersTest, QApplication)
#include "tst_pickers.moc"
