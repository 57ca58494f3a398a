#include "launch/options.h"
#include "settings/slots.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

using namespace vantor;

namespace {

// Every slot option set away from its start value, with the values that are easy to lose on the way.
void setUnusualOptions(Form1 &form)
{
    int i = 0;
    for (const SlotKey &key : slotKeys()) {
        const Option &opt = option(key.key);
        if (opt.kind == OptionKind::Check)
            form.setCheck(opt.key, form.check(opt.key) == 1 ? (i++ % 2 ? 0 : 2) : 1);
    }
    form.setCheck("chkdnf", 0); // keeps the window usable for the rest of the test
    form.setText("customcmd", QStringLiteral(" "));
    form.setText("txtcfg", QString());
    form.setText("txtmap", QStringLiteral("a,b;c \"d\" \\e @x [y] = z"));
    form.setText("txtmod", QString());
    form.setText("txtrate", QStringLiteral("0"));
    form.setText("txtpush", QStringLiteral("22.5"));
    form.setText("txtmaxp", QStringLiteral("30"));
    form.setText("txtdecal", QString());
    form.setText("txtfpslan", QStringLiteral(" 45"));
    form.setText("txtfpsnet", QStringLiteral("-3"));
    form.setPosition("scrlskill", 3);
    form.setPosition("scrlcon", 35);
}

struct Snapshot {
    QMap<QString, QString> values;
    explicit Snapshot(const Form1 &form)
    {
        for (const SlotKey &key : slotKeys()) {
            const Option &opt = option(key.key);
            QString value;
            if (opt.kind == OptionKind::Check)
                value = QString::number(form.check(opt.key));
            else if (opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar)
                value = QString::number(form.position(opt.key));
            else
                value = form.text(opt.key);
            values.insert(toQString(opt.key), value);
        }
    }
};

} // namespace

class Form1SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void emptyStoreDisablesLoading()
    {
        Form1 form;
        for (const char *name : {"load1", "load2", "load3", "def1opt", "def2opt", "def3opt"})
            QVERIFY2(!control(form, name)->isEnabled(), name);
        for (const char *name : {"save1", "save2", "save3"})
            QVERIFY2(control(form, name)->isEnabled(), name);
    }

    void savingEnablesItsSlot()
    {
        Form1 form;
        form.show();
        click(form, "save2");
        QVERIFY(control(form, "load2")->isEnabled());
        QVERIFY(control(form, "def2opt")->isEnabled());
        for (const char *name : {"load1", "load3", "def1opt", "def3opt"})
            QVERIFY2(!control(form, name)->isEnabled(), name);
    }

    void saveAndLoadRestoreEveryOption()
    {
        Form1 form;
        form.show();
        setUnusualOptions(form);
        const Snapshot saved(form);
        click(form, "save2");

        Form1 other; // a later run of the program
        other.show();
        QVERIFY(Snapshot(other).values != saved.values);
        click(other, "load2");
        QCOMPARE(Snapshot(other).values, saved.values);
        QCOMPARE(control<QLabel>(other, "prntskill")->text(), QStringLiteral("Hard"));
        QCOMPARE(control<QLabel>(other, "prntconspd")->text(), QStringLiteral("3500"));
        QCOMPARE(preview(other), preview(form));
    }

    void loadingRunsEachControlsHandling()
    {
        storefile::write("[three]\nscrlskill=3\nscrlcon=20\nchkdnf=1\nchkdev=1\nchkmod=1\ntxtmod=dmc\n"
                         "customcmd=-zone 1024\ntxtrate=\ntxtmap=\n");
        Form1 form;
        form.show();
        QVERIFY(control(form, "load3")->isEnabled());
        QVERIFY(control(form, "multifram")->isEnabled());
        click(form, "load3");

        QCOMPARE(control<QLabel>(form, "prntskill")->text(), QStringLiteral("Hard"));
        QCOMPARE(control<QLabel>(form, "prntconspd")->text(), QStringLiteral("2000"));
        QVERIFY(!control(form, "multifram")->isEnabled()); // the dir-not-found mode came on
        // Absent boxes are greyed and count as off; the absent custom-CFG name reads "Error" but is not used.
        QCOMPARE(form.check("chknumping"), 2);
        QCOMPARE(preview(form), QStringLiteral("hl.exe -console -dev -game dmc -zone 1024"));

        // An absent numeric field loads "Error", which is no number: it takes its default at once.
        QCOMPARE(form.text("txtpush"), QStringLiteral("300"));
        QCOMPARE(form.text("txtfpslan"), QStringLiteral("45"));
        QCOMPARE(form.text("txtdecal"), QStringLiteral("300"));
        QCOMPARE(form.text("txtmaxp"), QStringLiteral("16"));
        QCOMPARE(form.text("txtrate"), QString()); // stored empty, loaded empty
        QCOMPARE(form.text("txtmap"), QString());
        QCOMPARE(form.text("txtcfg"), QStringLiteral("Error"));
        QCOMPARE(form.check("chkweap"), 2);
    }

    void loadingKeepsWhatIsNotInASlot()
    {
        Form1 form;
        form.show();
        click(form, "save1");
        storefile::write("[one]\nscrlskill=1\n[other]\nhldir=/elsewhere\n");
        QTest::keyClicks(control(form, "txtmkcfg"), QStringLiteral("mine"));
        const QString dir = form.text("hldir");
        click(form, "load1");
        QCOMPARE(form.text("hldir"), dir);
        QCOMPARE(control<QLineEdit>(form, "txtmkcfg")->text(), QStringLiteral("mine"));
    }

    void gameDirectoryComesFromTheStore_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stored") << QByteArray("[other]\nhldir=/games/half-life\n") << "/games/half-life";
        QTest::newRow("with blanks") << QByteArray("[other]\nhldir=\"/my games/hl \"\n") << "/my games/hl ";
        QTest::newRow("never chosen") << QByteArray("[other]\nhldir=none\n") << "c:\\sierra\\half-life";
        QTest::newRow("no store") << QByteArray() << "c:\\sierra\\half-life";
    }

    void gameDirectoryComesFromTheStore()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        if (!content.isEmpty())
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
        QTRY_VERIFY(delivered);
    }

    void clickDuringPauseIsHandled()
    {
        Form1 form;
        form.show();
        QTimer::singleShot(50, &form, [&] { click(form, "chkdev"); });
        QElapsedTimer clock;
        clock.start();
        form.Pause(0.3f);
        QVERIFY(clock.elapsed() >= 290);
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(form.check("chkdev"), 1);
        QVERIFY(preview(form).contains(QStringLiteral(" -dev")));
    }

    void pausesNestInnerFirst()
    {
        Form1 form;
        QStringList order;
        QElapsedTimer clock;
        clock.start();
        qint64 innerEnd = 0;
        QTimer::singleShot(50, &form, [&] {
            form.Pause(0.4f); // outlasts the outer wait
            innerEnd = clock.elapsed();
            order << QStringLiteral("inner");
        });
        form.Pause(0.2f);
        order << QStringLiteral("outer");
        QCOMPARE(order, (QStringList{"inner", "outer"}));
        QVERIFY(innerEnd >= 440);
        QVERIFY(clock.elapsed() >= innerEnd);
    }

    void endingStopsAWait()
    {
        Form1 form;
        form.show();
        QTimer::singleShot(50, &form, [&] { click(form, "butclose"); });
        QElapsedTimer clock;
        clock.start();
        form.Pause(1e30f); // as good as forever, until the program ends
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(form.isEnding());
        form.Pause(1.0f); // once ending, no new wait begins
        QVERIFY(clock.elapsed() < 2000);
    }
};

VANTOR_TEST_MAIN(Form1SlotsTest, QApplication)

#include "tst_form1_slots.moc"
