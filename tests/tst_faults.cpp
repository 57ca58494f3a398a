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

    // Killed at any moment of a save, Vantor leaves each slot as it was or as saved, never a mixture; neither a lock
    // nor a temporary file left behind stops the next start from saving.
    void killedWhileSaving()
    {
        for (int attempted = 0; attempted < 200;) {
            QProcess saver;
            saver.start(QStringLiteral(SLOT_SAVER));
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
        act(form, "chkclosrun|butgonow");
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
