#include "settings/slots.h"
#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QSignalSpy>

using namespace vantor;

class Form1RunTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void initTestCase()
    {
        QVERIFY(m_bin.isValid());
        qputenv("PATH", m_bin.path().toLocal8Bit() + ":/usr/bin:/bin");
    }

    void saveOnRunAndStayingOpen()
    {
        GameFolder folder;
        Form1 form;
        form.show();
        form.setText("hldir", folder.dir.path());
        QSignalSpy ending(&form, &Form1::programEnding);
        for (const char *name : {"chkclosrun", "chksavrun", "chkdev", "butgonow"})
            click(form, name);
        QTRY_VERIFY(fakeProgramRecord(folder.game).contains(QStringLiteral("-dev")));
        QCOMPARE(storefile::read()["three"]["chkdev"], QStringLiteral("1"));
        QVERIFY(control(form, "load3")->isEnabled());

        QFile::remove(folder.game + QStringLiteral(".record"));
        click(form, "chkdev");
        click(form, "butgonow"); // a second game, with the options of now
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
        form.setText("hldir", folder.dir.path());
        click(form, "chksavrun");
        QSignalSpy ending(&form, &Form1::programEnding);
        duringTheWait(form, "butgonow", [&] {
            QCOMPARE(caption(form, "butgonow"), QStringLiteral("Could not start hl.exe!"));
            QVERIFY(captionFits(control(form, "butgonow")));
        });
        QCOMPARE(caption(form, "butgonow"), QStringLiteral("Run Half-Life Now!"));
        QVERIFY(ending.isEmpty());
        QVERIFY(QFile::exists(folder.cfg()));
        QVERIFY(isSlotSaved(Store(), 3));
    }

    // The failure course, then what the missing-directory flag stops and what it does not.
    void directoryThatCannotBeWritten()
    {
        GameFolder good;
        QTemporaryDir noValve;
        QVERIFY(writeFakeProgram(noValve.filePath(QStringLiteral("hl.exe"))));
        Form1 form;
        form.show();
        form.setText("hldir", noValve.path());
        click(form, "chkclosrun");
        duringTheWait(form, "butgonow", [&] {
            QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!"));
            QVERIFY(form.dirNotFoundWindow() && form.dirNotFoundWindow()->isVisible() && form.missingDirectory());
        });
        QCOMPARE(form.text("hldir"), QStringLiteral("c:\\sierra\\half-life"));
        QVERIFY(fakeProgramRecord(noValve.filePath(QStringLiteral("hl.exe"))).isEmpty());
        click(form, "buthldir"); // cancelled: the fallback shown was never chosen, and is not stored
        QCOMPARE(storefile::read()["other"]["hldir"], QStringLiteral("none"));

        // A second failure while the window is open, during which a folder is chosen: one window; the folder stays.
        duringTheWait(form, "butgonow", [&] { form.setText("hldir", good.dir.path()); });
        QCOMPARE(form.text("hldir"), good.dir.path());
        int windows = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows += window->objectName() == QLatin1String("frmdirnotfound") && window->isVisible();
        QCOMPARE(windows, 1);

        // The flag stops a Run after its write; Make CFG File says whether its own write succeeded.
        click(form, "butgonow");
        QVERIFY(QFile::exists(good.cfg()));
        QVERIFY(fakeProgramRecord(good.game).isEmpty());
        QTest::keyClicks(control(form, "txtmkcfg"), QStringLiteral("mine"));
        duringTheWait(form, "butmkcfg",
                      [&] { QCOMPARE(caption(form, "butmkcfg"), QStringLiteral("CFG file created")); });

        // The directory-not-found mode writes nothing, so the flag does not stop it: the bare hl.exe starts.
        QFile::remove(good.cfg());
        const QString bare = m_bin.filePath(QStringLiteral("hl.exe"));
        QVERIFY(writeFakeProgram(bare));
        form.setCheck("chkdnf", 1);
        click(form, "butgonow");
        QTRY_VERIFY(!fakeProgramRecord(bare).isEmpty());
        QVERIFY(!QFile::exists(good.cfg()));
        QFile::remove(bare);

        // Only a folder chosen with Browse clears the flag; it is stored at once.
        form.setCheck("chkdnf", 0);
        answerFolderDialog(good.dir.path());
        click(form, "buthldir");
        answerFolderDialog(QString());
        QCOMPARE(storefile::read()["other"]["hldir"], good.dir.path());
        click(form, "butgonow");
        QTRY_VERIFY(!fakeProgramRecord(good.game).isEmpty());

        // Ending during the wait is final: the window goes and nothing more is done.
        form.setText("hldir", noValve.path());
        duringTheWait(form, "butgonow", [&] { click(form, "butclose"); });
        QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!"));
        QTRY_VERIFY(!form.dirNotFoundWindow());
    }

    void dirNotFoundWindowClosesOnEnterAndEsc()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QPointer<frmdirnotfound> window = new frmdirnotfound;
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                              Qt::WindowMaximizeButtonHint),
                     Qt::WindowCloseButtonHint);
            QTest::keyClick(window, key);
            QTRY_VERIFY(!window);
        }
    }

    void makeCfgFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file"); // in valve, where the only file afterwards; empty: none
        for (const auto &[name, file] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"mycfg", "mycfg.cfg"}, {"mycfg.cfg", "mycfg.cfg.cfg"}, {" ", " .cfg"}, {"", ""}, {"../mycfg", ""},
                 {"..", ""}})
            QTest::addRow("'%s'", name) << QString(name) << QString(file);
    }

    void makeCfgFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        GameFolder folder;
        Form1 form;
        form.show();
        form.setText("hldir", folder.dir.path());
        QTest::keyClicks(control(form, "txtmkcfg"), name);
        duringTheWait(form, "butmkcfg", [&] {
            QCOMPARE(caption(form, "butmkcfg"),
                     QLatin1String(file.isEmpty() ? "Enter a filename!" : "CFG file created"));
            QVERIFY(captionFits(control(form, "butmkcfg")));
        });
        QCOMPARE(caption(form, "butmkcfg"), QStringLiteral("Make CFG File:"));
        QCOMPARE(QDir(folder.dir.filePath(QStringLiteral("valve"))).entryList(QDir::Files),
                 file.isEmpty() ? QStringList() : QStringList{file});
        QVERIFY(!form.missingDirectory() && !form.dirNotFoundWindow());
        QCOMPARE(control<QLineEdit>(form, "txtmkcfg")->text(), name);
    }

    void everyCaptionFitsWhole()
    {
        Form1 form;
        frmdirnotfound window;
        QCoreApplication::processEvents(); // the window's captions are fitted once it is up
        auto *deleteAll = control<QPushButton>(form, "butdelsav");
        for (const char *longest : {"Oh alright, I'll re-delete them", "That's it! You're dead, man!",
                                    "You're starting to annoy me...", "Are you really, really sure?"}) {
            deleteAll->setText(QLatin1String(longest));
            fitCaption(deleteAll);
            QVERIFY2(captionFits(deleteAll), longest);
        }
        for (QWidget *parent : {static_cast<QWidget *>(&form), static_cast<QWidget *>(&window)})
            for (QWidget *child : parent->findChildren<QWidget *>())
                QVERIFY2(captionFits(child), qPrintable(child->objectName()));
    }

private:
    QTemporaryDir m_bin; // the PATH: the only place a bare hl.exe or wine is found
};

VANTOR_TEST_MAIN(Form1RunTest, QApplication)

#include "tst_form1_run.moc"
