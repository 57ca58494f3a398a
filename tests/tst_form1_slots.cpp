#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QRadioButton>
#include <QSignalSpy>

using namespace vantor;

class Form1SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    // Each key is put into its control in turn, and the control's own handling runs before the next key.
    void loadingRunsEachControlsHandling_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("expected"); // control=value lines
        QTest::newRow("labels; absent keys greyed, \"Error\" or repaired")
            << "" << QByteArray("scrlskill=3\nscrlcon=20\nchkdnf=1\nchkdev=1\nchkmod=1\ntxtmod=dmc\ntxtrate=\n")
            << QStringLiteral("prntskill=Hard\nprntconspd=2000\nchknumping=2\nprntcmdline=hl.exe -console -dev -game "
                              "dmc Error\ntxtpush=300\ntxtmaxp=16\ntxtrate=\ntxtfpsnet=30\ntxtfpslan=45\ntxtdecal=300");
        QTest::newRow("the command line is built once more at the end")
            << "buthelp helpbrask chkdnf" << QByteArray("chkdnf=0\n")
            << QStringLiteral("prntcmdline=hl.exe -console +exec vantortemp.cfg Error");
        QTest::newRow("console is loaded after map and cfg")
            << "chkmap" << QByteArray("chkmap=0\nchkcfg=0\nchktocon=0\n") << QStringLiteral("chktocon=0");
        QTest::newRow("pushlatency is loaded after its box")
            << "butmulti chkpush" << QByteArray("chkpush=1\ntxtpush=40000\n")
            << QStringLiteral("chkpush=1\ntxtpush=300");
    }

    void loadingRunsEachControlsHandling()
    {
        QFETCH(QString, clicks);
        QFETCH(QByteArray, slot);
        QFETCH(QString, expected);
        storefile::write("[three]\nscrlskill=1\n" + slot);
        Form1 form;
        form.show();
        for (const QString &name : (clicks + " load3").split(' ', Qt::SkipEmptyParts))
            click(form, qPrintable(name));
        QCOMPARE(shown(form, expected.split('\n')), expected.split('\n'));
    }

    // Start-up loads the Default slot when it is saved, then takes the Game directory from the store, asking for one
    // while none was ever chosen.
    void startUp_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("answer");   // what the folder dialog gives, if it is asked
        QTest::addColumn<QString>("expected"); // asked, hldir, default option, chkdev; then the store's hldir, def
        const QByteArray slot2 = "[two]\nscrlskill=2\nchkdev=1\n[other]\nhldir=/hl\n";
        QTest::newRow("first start, cancelled") << QByteArray() << "" << "1|c:\\sierra\\half-life|0|0|none|";
        QTest::newRow("first start, chosen") << QByteArray() << "/games/hl" << "1|/games/hl|0|0|/games/hl|";
        QTest::newRow("never chosen") << QByteArray("[other]\nhldir=none\n")
                                      << "" << "1|c:\\sierra\\half-life|0|0|none|";
        QTest::newRow("stored") << QByteArray("[other]\nhldir=/my games/hl\n")
                                << "" << "0|/my games/hl|0|0|/my games/hl|";
        QTest::newRow("default slot") << "[General]\ndef=2\n" + slot2 << "" << "0|/hl|2|1|/hl|2";
        QTest::newRow("default slot empty") << "[General]\ndef=3\n" + slot2 << "" << "0|/hl|0|0|/hl|3";
        QTest::newRow("no default slot") << "[General]\ndef=0\n" + slot2 << "" << "0|/hl|0|0|/hl|0";
    }

    void startUp()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        storefile::write(store);
        int asked = 0;
        setFolderDialog([&](QWidget *, const QString &title, const QString &start) {
            asked += title == QLatin1String("Please select your \\Half-Life\\ directory:") && start == QDir::homePath();
            return answer;
        });
        Form1 form;
        answerFolderDialog(QString());
        int chosen = 0;
        for (int slot = 1; slot <= 3; ++slot)
            if (control<QRadioButton>(form, qPrintable(QStringLiteral("def%1opt").arg(slot)))->isChecked())
                chosen = slot;
        const auto stored = storefile::read();
        const QStringList seen{QString::number(asked), form.text("hldir"), QString::number(chosen),
                               QString::number(form.check("chkdev")), stored["other"]["hldir"],
                               stored["General"]["def"]};
        QCOMPARE(seen.join('|'), expected);
        QCOMPARE(control(form, "load2")->isEnabled(), store.contains("[two]"));
    }

    // Every click shows its stage at once, also one made while an earlier one waits, and the caption comes back 3
    // seconds after the latest. The third deletes everything but leaves the window as it was.
    void deleteAllStages()
    {
        storefile::write("[General]\ndef=1\n[one]\nscrlskill=1\n[other]\nhldir=/hl\n");
        Form1 form;
        form.show();
        click(form, "chkdev");
        QStringList captions;
        for (int later : {100, 200, 300}) // two clicks during the first one's wait, then a look
            QTimer::singleShot(later, &form, [&, later] {
                captions << caption(form, "butdelsav") + (storefile::read().isEmpty() ? " (deleted)" : "");
                if (later < 300)
                    click(form, "butdelsav");
            });
        QElapsedTimer clock;
        clock.start();
        click(form, "butdelsav");
        QVERIFY(clock.elapsed() >= 3200);
        QCOMPARE(captions,
                 (QStringList{"Are you sure?", "Are you really, really sure?", "OK, they're deleted (deleted)"}));
        QCOMPARE(caption(form, "butdelsav"), QStringLiteral("Delete all saved settings"));
        QVERIFY(!control(form, "load1")->isEnabled() && !control(form, "def1opt")->isEnabled());
        QCOMPARE(form.check("chkdev"), 1);
        QCOMPARE(form.text("hldir"), QStringLiteral("/hl"));
        click(form, "save2");
        QCOMPARE(storefile::read().keys(), QStringList{"two"});
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
        QCOMPARE(stored["General"]["def"], QStringLiteral("0"));
        QCOMPARE(stored["one"]["scrlskill"] + stored["other"]["hldir"], QStringLiteral("1/hl"));
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
};

VANTOR_TEST_MAIN(Form1SlotsTest, QApplication)

#include "tst_form1_slots.moc"
