#include "settings/slots.h"
#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"
#include "ui/notice.h"

#include <QMessageBox>
#include <QGroupBox>

#include <QSignalSpy>

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

    void initTestCase() { qputenv("PATH", m_bin.path().toLocal8Bit()); }

    void saveOnRunAndStayingOpen()
    {
        GameFolder folder;
        Form1 form;
        form.show();
        QSignalSpy ending(&form, &Form1::programEnding);
        act(form, "hldir:" + folder.dir.path() + "|chkclosrun|chksavrun|chkdev|butgonow");
        QTRY_VERIFY(fakeProgramRecord(folder.game).contains(QStringLiteral("-dev")));
        QCOMPARE(storefile::read()["three"]["chkdev"], QStringLiteral("1"));
        QVERIFY(control(form, "load3")->isEnabled());

        QFile::remove(folder.game + QStringLiteral(".record"));
        act(form, "chkdev|butgonow"); // a second game, with the options of now
        QTRY_COMPARE(fakeProgramRecord(folder.game),
                     QStringList{QCoreApplication::applicationDirPath()} + startArguments);
        QCOMPARE(storefile::read()["three"]["chkdev"], QStringLiteral("0"));
        QVERIFY(ending.isEmpty() && form.isVisible());
    }

    void gameThatCannotStartKeepsVantorOpen()
    {
        GameFolder folder(false);
        Form1 form;
        form.show();
        act(form, "hldir:" + folder.dir.path() + "|chksavrun");
        QSignalSpy ending(&form, &Form1::programEnding);
        duringTheWait(form, "butgonow", [&] {
            QCOMPARE(caption(form, "butgonow"), QStringLiteral("Could not start hl.exe!"));
            QVERIFY(captionFits(control(form, "butgonow")));
        });
        QCOMPARE(caption(form, "butgonow"), QStringLiteral("Run Half-Life Now!"));
        QVERIFY(ending.isEmpty() && QFile::exists(folder.cfg()) && isSlotSaved(Store(), 3));
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
        duringTheWait(form, "butgonow", [&] {
            QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!"));
            QVERIFY(form.dirNotFoundWindow() && form.dirNotFoundWindow()->isVisible() && form.missingDirectory());
        });
        QCOMPARE(form.text("hldir"), QStringLiteral("c:\\sierra\\half-life"));

        // A second failure while the window is open, during which a folder is chosen: one window; the folder stays.
        duringTheWait(form, "butgonow", [&] { form.setText("hldir", good.dir.path()); });
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
        duringTheWait(form, "butgonow", [&] { click(form, "butclose"); });
        QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!"));
        QTRY_VERIFY(!form.dirNotFoundWindow());
    }

    // The caption for a moment, then the file in valve (where it is the only one), and the name left in its field.
    void makeCfgFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        row("name", {"mycfg", "CFG file created|mycfg.cfg"});
        row("one .cfg more", {"mycfg.cfg", "CFG file created|mycfg.cfg.cfg"});
        row("a blank", {" ", "CFG file created| .cfg"});
        row("no name", {"", "Enter a filename!|"});
        row("a path", {"../mycfg", "Enter a filename!|"});
        row("the parent", {"..", "Enter a filename!|"});
        row("too long for a file", {QString(300, 'n'), "Make CFG File:| ERROR: Dir not found!"});
    }

    void makeCfgFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        GameFolder folder;
        Form1 form;
        form.show();
        act(form, "hldir:" + folder.dir.path() + "|txtmkcfg:" + name);
        QString seen;
        duringTheWait(form, "butmkcfg", [&] {
            seen = caption(form, "butmkcfg") + '|' +
                   QDir(folder.dir.filePath(QStringLiteral("valve"))).entryList(QDir::Files).join(' ');
            QVERIFY(captionFits(control(form, "butmkcfg")));
            if (form.missingDirectory())
                seen += form.text("hldir");
        });
        QCOMPARE(seen, expected);
        QCOMPARE(shown(form, "butmkcfg|txtmkcfg"), "butmkcfg=Make CFG File:|txtmkcfg=" + name);
    }

    void everyCaptionFitsWhole()
    {
        Form1 form;
        frmdirnotfound window;
        QCoreApplication::processEvents(); // the window's captions are fitted once it is up
        for (QWidget *parent : {static_cast<QWidget *>(&form), static_cast<QWidget *>(&window)})
            for (QWidget *child : parent->findChildren<QWidget *>())
                QVERIFY2(captionFits(child), qPrintable(child->objectName()));
        // The explanation's paragraphs in one size, inside the window's margins.
        QSet<int> sizes;
        for (QLabel *paragraph : window.findChildren<QLabel *>(QRegularExpression("^Labeldirnotfound"))) {
            sizes << paragraph->font().pixelSize();
            QVERIFY(paragraph->x() >= 8 && paragraph->geometry().right() < window.width() - 8);
        }
        QCOMPARE(sizes.size(), 1);
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
                for (QAbstractButton *button : box->buttons())
                    seen += button->text() + ' ';
                box->buttons().constFirst()->click();
            });
            QCOMPARE(tellTheUser("Vantor could not start Half-Life", "Slot 2 is not saved.", offered, true), offered);
            QCOMPARE(seen, offered ? "Open Vantor Close " : "Close ");
        }
    }

    void unwritableStore_data()
    {
        QTest::addColumn<QString>("fault");
        row("settings folder is a file", {"folder"});
        row("store is a folder", {"store"});
        row("store is read-only", {"read-only"});
    }

    // Vantor starts and runs the game with a store it cannot write, and says so on a save button. It runs last: what
    // such a store refused stays pending in this process, for the next store of the same file to write.
    void unwritableStore()
    {
        QFETCH(QString, fault);
        if (fault == "read-only" && geteuid() == 0)
            QSKIP("root writes a read-only file all the same");
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (fault == "folder") {
            QVERIFY(QDir(config).removeRecursively() && QFile(config).open(QIODevice::WriteOnly));
        } else if (fault == "store") {
            QVERIFY(QDir().mkpath(storefile::path()));
        } else {
            storefile::write("");
            QVERIFY(QFile::setPermissions(storefile::path(), QFile::ReadOwner));
        }
        for (int write = 0; write < 2; ++write) // the folder chosen at start-up, and the save
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable("Vantor could not write its settings to " + storefile::path()));
        GameFolder folder;
        answerFolderDialog(folder.dir.path());
        Form1 form;
        answerFolderDialog(QString());
        form.show();
        act(form, "chkclosrun|butgonow");
        QTRY_VERIFY(!fakeProgramRecord(folder.game).isEmpty());
        QVERIFY(QFile::exists(folder.cfg()));
        const auto title = [&] { return control<QGroupBox>(form, "savepreffram")->title(); };
        duringTheWait(form, "save1", [&] { QCOMPARE(title(), QStringLiteral("Not saved!")); });
        QCOMPARE(title(), QStringLiteral("Save:"));
        QVERIFY(control(form, "load1")->isEnabled()); // held for this run
    }

private:
    QTemporaryDir m_bin; // the PATH: the only place a bare hl.exe or wine is found
};

VANTOR_TEST_MAIN(Form1RunTest, QApplication)

#include "tst_form1_run.moc"
