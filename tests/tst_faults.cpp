#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/slotstates.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QGroupBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>

#include <unistd.h>

using namespace vantor;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

// The slot as the store file holds it, "key=value" in the order of the slot keys; the file must parse.
QStringList storedSlot(int slot)
{
    QSettings ini(storefile::path(), QSettings::IniFormat);
    QStringList held;
    for (const SlotKey &slotKey : slotKeys()) {
        const QString key = toQString(slotKey.key);
        if (const QVariant value = ini.value(slotSection(slot) + '/' + key); value.isValid())
            held << key + '=' + value.toString();
    }
    return ini.status() == QSettings::NoError ? held : QStringList{QStringLiteral("the file does not parse")};
}

bool wholeOrNone(const QStringList &held)
{
    return held.isEmpty() || held == slotState(false) || held == slotState(true);
}

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME")); // a file where the folder belongs
        QDir(storefile::path()).removeRecursively();
        storefile::remove();
    }

    // A CFG file that cannot be written (the writer's own faults are its fuzz target's) takes the failure course and
    // leaves nothing behind. Vantor goes on working: a folder chosen next, whatever its name, takes the next Run.
    void cfgFileFault()
    {
        QTemporaryDir root;
        const QString valve = root.filePath(QStringLiteral("Half-Life/valve"));
        QVERIFY(QDir().mkpath(valve));
        Form1 form;
        form.show();
        form.setText("hldir", root.filePath(QStringLiteral("Half-Life")));
        form.txtmkcfg->setText(QString(300, QLatin1Char('n'))); // longer than a file name may be
        duringTheWait(form, "butmkcfg",
                      [&] { QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!")); });
        QCOMPARE(QDir(valve).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());

        const QString good = root.filePath(QStringLiteral("Ænima ßeta Ωmega 日本"));
        QVERIFY(QDir().mkpath(good + QStringLiteral("/valve")) && writeFakeProgram(good + QStringLiteral("/hl.exe")));
        answerFolderDialog(good);
        click(form, "buthldir");
        answerFolderDialog(QString());
        click(form, "butgonow");
        QTRY_COMPARE(fakeProgramRecord(good + QStringLiteral("/hl.exe")),
                     QStringList{QCoreApplication::applicationDirPath()} + startArguments);
        QVERIFY(QFile::exists(good + QStringLiteral("/valve/vantortemp.cfg")));
    }

    // Killed at any moment of a save, Vantor leaves each slot as it was or as saved, never a mixture; neither a lock
    // nor a temporary file left behind stops the next start from saving.
    void killedWhileSaving()
    {
        for (int attempted = 0; attempted < 200;) {
            QProcess saver;
            saver.start(QStringLiteral(SLOT_SAVER), {QStringLiteral("1")});
            // Seconds at most, not the half minute for which QSettings would wait on the lock left below.
            QVERIFY2(saver.waitForReadyRead(20000), "no save reached the disk in time");
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            saver.kill();
            QVERIFY(saver.waitForFinished());
            attempted += int(saver.readAllStandardOutput().count('\n')) + 1; // and the one cut short
            const QStringList held = storedSlot(1);
            QVERIFY2(wholeOrNone(held), qPrintable(held.join(' ')));
            writeFile(storefile::path() + QStringLiteral(".lock"), ""); // as a kill in the instant of locking leaves it
        }
    }

    void twoProgramsSaveAtOnce()
    {
        QProcess savers[2];
        for (int slot = 1; slot <= 2; ++slot)
            savers[slot - 1].start(QStringLiteral(SLOT_SAVER), {QString::number(slot), QStringLiteral("200")});
        for (int slot = 1; slot <= 2; ++slot) {
            QVERIFY(savers[slot - 1].waitForFinished(120000));
            QCOMPARE(savers[slot - 1].exitCode(), 0); // every save reached the disk
            const QStringList held = storedSlot(slot);
            QVERIFY2(!held.isEmpty() && wholeOrNone(held), qPrintable(held.join(' ')));
        }
    }

    // Whatever is pasted into the fields that the command line carries, the preview shows it on one line, and
    // showing it settles (text that reads back otherwise than it was set once set off a rebuild without end).
    void pastedTextKeepsThePreviewOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("line breaks") << QStringLiteral("a\rb\nc\r\nd\u2028e\u2029f\tg\u0001h");
        QTest::newRow("blanks") << QStringLiteral(" \u00A0\t ");
    }

    void pastedTextKeepsThePreviewOneLine()
    {
        QFETCH(QString, text);
        Form1 form;
        form.show();
        for (const char *box : {"chkmod", "chkcfg", "chkdnf"})
            form.setCheck(box, 1);
        QGuiApplication::clipboard()->setText(text);
        for (const char *name : {"txtmod", "txtcfg", "customcmd"}) {
            control<QLineEdit>(form, name)->selectAll();
            QTest::keyClick(control(form, name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(control<QLineEdit>(form, name)->text(), text);
        }
        auto *shown = control<QPlainTextEdit>(form, "prntcmdline");
        QCOMPARE(shown->document()->blockCount(), 1);
        QVERIFY2(!shown->toPlainText().contains(QRegularExpression(QStringLiteral("[\r\n\u2028]"))),
                 qPrintable(shown->toPlainText()));
    }

    void unwritableStore_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("settings folder is a file") << "folder";
        QTest::newRow("store is a folder") << "store";
        QTest::newRow("store is read-only") << "read-only";
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
            QDir(config).removeRecursively();
            writeFile(config, "");
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
        form.setCheck("chkclosrun", 0);
        click(form, "butgonow");
        QTRY_VERIFY(!fakeProgramRecord(folder.game).isEmpty());
        QVERIFY(QFile::exists(folder.cfg()));
        const auto title = [&] { return control<QGroupBox>(form, "savepreffram")->title(); };
        duringTheWait(form, "save1", [&] { QCOMPARE(title(), QStringLiteral("Not saved!")); });
        QCOMPARE(title(), QStringLiteral("Save:"));
        QVERIFY(control(form, "load1")->isEnabled()); // held for this run
    }
};

VANTOR_TEST_MAIN(FaultsTest, QApplication)

#include "tst_faults.moc"
