#include "launch/options.h"
#include "settings/slots.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace vantor;

namespace {

QStringList slotKeyNames()
{
    QStringList names;
    for (const SlotKey &key : slotKeys())
        names << toQString(key.key);
    return names;
}

} // namespace

class Form1SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void onlySavedSlotsCanBeLoaded()
    {
        Form1 form;
        form.show();
        QVERIFY(control(form, "save1")->isEnabled());
        click(form, "save2");
        for (const char *name : {"load2", "def2opt"})
            QVERIFY2(control(form, name)->isEnabled(), name);
        for (const char *name : {"load1", "load3", "def1opt", "def3opt"})
            QVERIFY2(!control(form, name)->isEnabled(), name);
    }

    void saveAndLoadRestoreEveryOption()
    {
        Form1 form;
        form.show();
        int i = 0;
        for (const QString &key : slotKeyNames())
            if (key.startsWith(QLatin1String("chk"))) // every box changes, to each of the other two states in turn
                form.setCheck(key.toStdString(), (form.check(key.toStdString()) + 1 + i++ % 2) % 3);
        const QStringList texts{"customcmd= ", "txtcfg=",   "txtmap=a,b;c \"d\" \\e @x [y] = z",
                                "txtmod=",     "txtrate=0", "txtpush=22.5",
                                "txtmaxp=30",  "txtdecal=", "txtfpslan= 45",
                                "txtfpsnet=-3"};
        for (const QString &text : texts)
            form.setText(text.section('=', 0, 0).toStdString(), text.section('=', 1));
        form.setPosition("scrlskill", 3);
        form.setPosition("scrlcon", 35);
        const QStringList saved = shown(form, slotKeyNames() + QStringList{"prntcmdline", "prntskill", "prntconspd"});
        click(form, "save2");

        Form1 other; // a later run of the program
        other.show();
        QVERIFY(shown(other, saved) != saved);
        click(other, "load2");
        QCOMPARE(shown(other, saved), saved);
    }

    // Each key is put into its control in turn, and the control's own handling runs before the next key.
    void loadingRunsEachControlsHandling_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("expected"); // control=value lines

        QTest::newRow("labels; absent keys greyed, \"Error\" or repaired")
            << QStringList{}
            << QByteArray("scrlskill=3\nscrlcon=20\nchkdnf=1\nchkdev=1\nchkmod=1\ntxtmod=dmc\ntxtrate=\n")
            << QStringLiteral("prntskill=Hard\nprntconspd=2000\nchknumping=2\nprntcmdline=hl.exe -console -dev -game "
                              "dmc Error\ntxtpush=300\ntxtmaxp=16\ntxtrate=\ntxtfpsnet=30\ntxtfpslan=45\ntxtdecal=300");
        QTest::newRow("the command line is built once more at the end")
            << QStringList{"buthelp", "helpbrask", "chkdnf"} << QByteArray("chkdnf=0\n")
            << QStringLiteral("prntcmdline=hl.exe -console +exec vantortemp.cfg Error");
        QTest::newRow("console is loaded after map and cfg")
            << QStringList{"chkmap"} << QByteArray("chkmap=0\nchkcfg=0\nchktocon=0\n") << QStringLiteral("chktocon=0");
        QTest::newRow("pushlatency is loaded after its box")
            << QStringList{"butmulti", "chkpush"} << QByteArray("chkpush=1\ntxtpush=40000\n")
            << QStringLiteral("chkpush=1\ntxtpush=300");
    }

    void loadingRunsEachControlsHandling()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QByteArray, slot);
        QFETCH(QString, expected);
        storefile::write("[three]\nscrlskill=1\n" + slot);
        Form1 form;
        form.show();
        for (const QString &name : clicks)
            click(form, qPrintable(name));
        click(form, "load3");
        QCOMPARE(shown(form, expected.split('\n')), expected.split('\n'));
    }

    void gameDirectoryComesFromTheStore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stored") << QByteArray("[other]\nhldir=/games/half-life\n") << "/games/half-life";
        QTest::newRow("never chosen") << QByteArray("[other]\nhldir=none\n") << "c:\\sierra\\half-life";
        QTest::newRow("nothing stored") << QByteArray() << "c:\\sierra\\half-life";
    }

    void gameDirectoryComesFromTheStore()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        storefile::write(content);
        Form1 form;
        QCOMPARE(form.text("hldir"), shown);
    }

    void pauseOfNothingReturnsAtOnce()
    {
        Form1 form;
        bool delivered = false;
        QTimer::singleShot(0, &form, [&] { delivered = true; });
        QElapsedTimer clock;
        clock.start();
        form.Pause(0);
        form.Pause(-1);
        QVERIFY(clock.elapsed() < 50);
        QVERIFY(!delivered); // no event was handled
    }

    void pausesNestInnerFirst()
    {
        Form1 form;
        QStringList order;
        QTimer::singleShot(50, &form, [&] {
            form.Pause(0.4f); // outlasts the outer wait
            order << QStringLiteral("inner");
        });
        QElapsedTimer clock;
        clock.start();
        form.Pause(0.2f);
        order << QStringLiteral("outer");
        QCOMPARE(order, (QStringList{"inner", "outer"}));
        QVERIFY(clock.elapsed() >= 440);
    }

    void endingStopsAWait()
    {
        Form1 form;
        form.show();
        QTimer::singleShot(50, &form, [&] { click(form, "butclose"); });
        QElapsedTimer clock;
        clock.start();
        form.Pause(1e30f); // as good as forever, until the program ends
        QVERIFY(form.isEnding() && !form.isVisible());
        form.Pause(1.0f); // once ending, no new wait begins
        QVERIFY(clock.elapsed() < 2000);
    }
};

VANTOR_TEST_MAIN(Form1SlotsTest, QApplication)

#include "tst_form1_slots.moc"
