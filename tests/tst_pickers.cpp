// The map and CFG pickers and the mods they list: what each offers, and how each closes; the Mod field's offer.

#include "support/form1helpers.h"

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
    void initTestCase()
    {
        qputenv("PATH", m_bin.path().toLocal8Bit());
        useLanguage(QLocale(QLocale::English));
    }
    void init() { storefile::remove(); }

    void listing_data() { cases(__func__); }

    void listing()
    {
        FETCH(button, actions, replaced, listed);
        Started started;
        if (!replaced.isEmpty())
            QVERIFY(QDir(started.dir.filePath(replaced)).removeRecursively());
        if (!replaced.isEmpty() && !replaced.endsWith('/'))
            QVERIFY(QFile(started.dir.filePath(replaced)).open(QIODevice::WriteOnly));
        Form1 &form = *started.form;
        act(form, QString(actions).replace("GAME", started.dir.path()) + '|' + button);
        auto *picker = form.findChild<FilePicker *>();
        if (listed.isEmpty()) {
            QVERIFY(!picker && form.dirNotFoundWindow() && form.dirNotFoundWindow()->isVisible() &&
                    formTakesInput(form));
            return;
        }
        QVERIFY(picker && picker->isVisible());
        const auto *names = qobject_cast<QStringListModel *>(picker->findChild<QListView *>()->model());
        QCOMPARE(QStringList{picker->objectName()} + names->stringList(), listed.split(' '));
    }

    // The Mod field offers the mods of the Game directory as it is typed, each with its title, and follows the
    // directory when it changes.
    void modsAreOffered()
    {
        Started started;
        Form1 &form = *started.form;
        act(form, "txtmod:|txtmod=CS");
        QCompleter *offered = control<QLineEdit>(form, "txtmod")->completer();
        QCOMPARE(offered->model()->rowCount(), 1);
        QCOMPARE(offered->model()->index(0, 0).data().toString(), "cstrike  (Counter-Strike)");
        QCOMPARE(offered->completionCount(), 1);
        QCOMPARE(offered->currentCompletion(), "cstrike");
        act(form, "txtmod=t");
        QCOMPARE(control<QLineEdit>(form, "txtmod")->completer(), offered); // one completer, made once
        act(form, "hldir:" + started.dir.filePath("valve"));
        QCOMPARE(offered->model()->rowCount(), 0);
    }

    // Every way of closing a picker; only OK, Enter and a double click set the field. Meanwhile Form1 takes no input.
    void closing_data() { cases(__func__); }

    void closing()
    {
        FETCH(button, held, how, expected);
        const QString field = "txt" + button.mid(3);
        Started started;
        for (int i = 0; i < 40 && held.startsWith("many"); ++i) // more than the list shows at once
            QVERIFY(QFile(started.dir.filePath(QString("valve/maps/many%1.bsp").arg(i, 2, 10, QChar('0'))))
                        .open(QIODevice::WriteOnly));
        Form1 &form = *started.form;
        act(form, field + ':' + held + '|' + button);
        auto *picker = form.findChild<FilePicker *>();
        QVERIFY(picker && !formTakesInput(form));
        // The custom CFG reaches the command line only in the directory-not-found mode: there a rebuild shows.
        if (field == "txtcfg")
            act(form, "chkcfg:1|chkdnf:1");

        auto *list = picker->findChild<QListView *>();
        QVERIFY(QTest::qWaitForWindowActive(picker) && list->hasFocus());
        const QModelIndex chosen = list->currentIndex();
        QCOMPARE(chosen.data().toString(), held.startsWith("many") ? held : QString());
        QVERIFY(!chosen.isValid() || list->viewport()->rect().contains(list->visualRect(chosen)));
        const QPoint second = list->viewport()->mapTo(picker, list->visualRect(list->model()->index(1, 0)).center());
        if (how.endsWith("OK")) {
            if (how.startsWith("click")) {
                QTest::mouseClick(picker->windowHandle(), Qt::LeftButton, {}, second);
                QTest::qWait(QApplication::doubleClickInterval() + 100); // and it does not make a later one a double
                QVERIFY(picker->isVisible() && form.text("txtmap") == held);
            }
            click(*picker, "butok" + button.mid(3));
        } else if (how == "Enter") {
            list->setCurrentIndex(list->model()->index(1, 0));
            QTest::keyClick(list, Qt::Key_F2); // the names are the files': none is renamed
            QTest::keyClicks(QApplication::focusWidget(), "x\r");
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
        const QString tail = field == "txtmap"
                                 ? " +exec vantortemp.cfg"
                                 : " +r_mmx 1 +sv_cheats 1" + (expected.isEmpty() ? "" : " +exec " + expected);
        QCOMPARE(shown(form, field + "|prntcmdline|chkmap"),
                 field + '=' + expected + "|prntcmdline=hl.exe -console -numericping -toconsole" + tail + "|chkmap=0");
        QVERIFY(formTakesInput(form));
    }

private:
    QTemporaryDir m_bin; // an empty PATH
};

VANTOR_TEST_MAIN(PickersTest, QApplication)

#include "tst_pickers.moc"
