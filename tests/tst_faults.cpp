#include "launch/cfgfile.h"
#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/memoryview.h"
#include "support/slotstates.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QGroupBox>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QThread>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace vantor;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

// Every file and folder beneath ROOT with the content of each file.
QMap<QString, QByteArray> tree(const QString &root)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        found[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(folder)");
    }
    return found;
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

    void cfgFileFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("next"); // the folder of the next Run
        QTest::newRow("game folder replaced by a file") << QString("folder") << QString("Ænima ßeta Ωmega 日本");
        QTest::newRow("valve is a file") << QString("valve") << QString("Half Life/");
        QTest::newRow("disk full") << QString("full") << QString("Ænima/");
        QTest::newRow("name longer than a file name may be") << QString("name") << QString("hl");
    }

    // Whatever stops the write, the failure course runs and nothing on disk changes. Vantor goes on working: a
    // folder chosen next, whatever its name, takes the next Run.
    void cfgFileFaults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, next);
        QTemporaryDir root;
        const QString game = root.filePath(QStringLiteral("Half-Life")), valve = game + QStringLiteral("/valve");
        QVERIFY(QDir().mkpath(valve));
        writeFile(valve + QStringLiteral("/vantortemp.cfg"), "old\r\n");
        Form1 form;
        form.show();
        form.setText("hldir", game);
        if (fault == "folder" || fault == "valve") {
            const QString broken = fault == "folder" ? game : valve;
            QVERIFY(QDir(broken).removeRecursively());
            writeFile(broken, "a file");
        }
        if (fault == "name")
            form.txtmkcfg->setText(QString(300, QLatin1Char('n')));
        const auto before = tree(root.path());
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        if (fault == "full") { // a file-size limit cuts the write short, as a full disk would
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{64, limit.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
        }
        duringTheWait(form, fault == "name" ? "butmkcfg" : "butgonow",
                      [&] { QCOMPARE(form.text("hldir"), QStringLiteral(" ERROR: Dir not found!")); });
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(tree(root.path()), before);

        const QString good = root.filePath(next);
        QVERIFY(QDir().mkpath(good + QStringLiteral("/valve")) && writeFakeProgram(good + QStringLiteral("/hl.exe")));
        answerFolderDialog(good);
        click(form, "buthldir");
        answerFolderDialog(QString());
        click(form, "butgonow");
        QTRY_COMPARE(fakeProgramRecord(good + QStringLiteral("/hl.exe")),
                     QStringList{QCoreApplication::applicationDirPath()} + startArguments);
        QVERIFY(QFile::exists(root.filePath(next + QStringLiteral("/valve/vantortemp.cfg"))));
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

    // Pasted text never breaks the command line or the CFG file, and no field takes more than its limit.
    void pastedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("100,000 characters") << QStringLiteral("Ænima 12345 ").repeated(8334);
        QTest::newRow("control characters") << QStringLiteral("a\rb\nc\r\nd\te\u0001f\u001bg");
        QTest::newRow("letters beyond ASCII") << QStringLiteral("Ænima ßeta Ωmega 日本");
        QTest::newRow("blanks") << QStringLiteral(" \u00A0\t ");
    }

    void pastedText()
    {
        QFETCH(QString, text);
        Form1 form;
        form.show();
        MemoryView plain; // the same lines with plain texts
        for (OptionView *view : {static_cast<OptionView *>(&form), static_cast<OptionView *>(&plain)})
            for (const char *box : {"chkcfg", "chkmap", "chkmaxp"})
                view->setCheck(box, 1);
        plain.apply({"txtcfg=x", "txtmap=x"});
        QGuiApplication::clipboard()->setText(text);
        for (const Option &opt : optionCatalogue()) {
            if (opt.kind != OptionKind::Text && opt.kind != OptionKind::Number)
                continue;
            auto *field = control<QLineEdit>(form, opt.key.data());
            field->selectAll();
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(!opt.typingLimit || field->text().size() <= opt.typingLimit, opt.key.data());
        }
        QVERIFY2(!preview(form).contains(QRegularExpression(QStringLiteral("[\r\n]"))), qPrintable(preview(form)));
        const QByteArray content = cfgFileContent(form);
        const qsizetype lines = cfgFileContent(plain).count("\r\n");
        QCOMPARE(content.count("\r\n"), lines);
        QCOMPARE(content.count('\r') + content.count('\n'), 2 * lines);
        QVERIFY(content.endsWith("\r\n"));
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
