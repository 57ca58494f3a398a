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

    // Start-up loads the Default slot when it is saved, then takes the Game directory from the store, asking for one
    // while none was ever chosen.
    void startUp_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("answer");   // what the folder dialog gives, if it is asked
        QTest::addColumn<QString>("expected"); // asked, hldir, default option, chkdev; then the store's hldir, def
        const QString saved = "[two]\nscrlskill=2\nchkdev=1\n[three]\nscrlskill=1\nchkdev=1\n[other]\nhldir=/hl\n";
        row("first start, cancelled", {"", "", "1|c:\\sierra\\half-life|0|0|none|"});
        row("first start, chosen", {"", "/games/hl", "1|/games/hl|0|0|/games/hl|"});
        row("never chosen", {"[other]\nhldir=none\n", "", "1|c:\\sierra\\half-life|0|0|none|"});
        row("stored", {"[other]\nhldir=/my games/hl\n", "", "0|/my games/hl|0|0|/my games/hl|"});
        row("default slot 2", {"[General]\ndef=2\n" + saved, "", "0|/hl|2|1|/hl|2"});
        row("default slot 3", {"[General]\ndef=3\n" + saved, "", "0|/hl|3|1|/hl|3"});
        row("default slot empty", {"[General]\ndef=1\n" + saved, "", "0|/hl|0|0|/hl|1"});
    }

    void startUp()
    {
        QFETCH(QString, store);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        storefile::write(store.toUtf8());
        int asked = 0;
        setFolderDialog([&](QWidget *, const QString &title, const QString &start) {
            asked += title == QLatin1String("Please select your \\Half-Life\\ directory:") &&
                     start == QDir::homePath() &&
                     !QApplication::windowIcon().isNull(); // the dialog carries Vantor's icon too
            return answer;
        });
        Form1 form;
        answerFolderDialog(QString());
        int chosen = 0;
        for (int slot = 1; slot <= 3; ++slot)
            chosen += slot * control<QRadioButton>(form, QStringLiteral("def%1opt").arg(slot))->isChecked();
        const auto stored = storefile::read();
        const QStringList seen{QString::number(asked),   form.text("hldir"),
                               QString::number(chosen),  QString::number(form.check("chkdev")),
                               stored["other"]["hldir"], stored["General"]["def"]};
        QCOMPARE(seen.join('|'), expected);
        QCOMPARE(control(form, "load2")->isEnabled(), store.contains("[two]"));
        QVERIFY(!control(form, "load1")->isEnabled());
    }

    // Browse opens in the Game directory there is, and puts a chosen folder on screen and in the store at once;
    // cancelled, it keeps the folder there is.
    void browse()
    {
        for (const QString &answer : {QString(), QStringLiteral("/new hl")}) {
            QTemporaryDir stored;
            storefile::write("[other]\nhldir=" + stored.path().toUtf8() + "\n");
            Form1 form;
            QString opened;
            setFolderDialog([&](QWidget *, const QString &, const QString &start) { return opened = start, answer; });
            click(form, "buthldir");
            answerFolderDialog(QString());
            const QString expected = answer.isEmpty() ? stored.path() : answer;
            QCOMPARE(opened + '|' + form.text("hldir") + '|' + storefile::read()["other"]["hldir"],
                     stored.path() + '|' + expected + '|' + expected);
        }
    }

    // Every click shows its stage at once, also one made while earlier ones wait, and the caption comes back 3
    // seconds after the latest. Clicks 3, 6 and 9, and no others, delete everything, on disk at once, and leave the
    // window as it was; the twelfth ends the program once its flash is over.
    void deleteAllStages()
    {
        storefile::write("[General]\ndef=1\n[one]\nscrlskill=1\n[other]\nhldir=/hl\n");
        Form1 form;
        form.show();
        click(form, "chkdev");
        QStringList seen;
        QList<int> sizes; // of the caption's font, one for all
        QElapsedTimer clock;
        qint64 lastClick = 0, ended = 0;
        connect(&form, &Form1::programEnding, [&] { ended = clock.elapsed(); });
        // Each click 100 ms into the wait of the one before; 50 ms after it, a look at its caption and at the store
        // on disk, then a save that gives the next click something to delete.
        const auto clicks = [&](int count) {
            clock.start();
            for (int i = 0; i < count; ++i) {
                QTimer::singleShot(100 * i, &form, [&] {
                    lastClick = clock.elapsed();
                    click(form, "butdelsav");
                });
                QTimer::singleShot(100 * i + 50, &form, [&] {
                    seen << caption(form, "butdelsav") + (storefile::read().isEmpty() ? " (deleted)" : "") +
                                (captionFits(control(form, "butdelsav")) ? "" : " (cut)");
                    sizes << control(form, "butdelsav")->font().pixelSize();
                    click(form, "save2");
                });
            }
        };
        clicks(3);
        QTRY_COMPARE(seen.size(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(caption(form, "butdelsav"), QStringLiteral("Delete all saved settings"), 5000);
        QVERIFY(clock.elapsed() - lastClick >= 3000);
        QCOMPARE(storefile::read().keys(), QStringList{"two"}); // only what was saved since
        QVERIFY(!control(form, "load1")->isEnabled() && !control(form, "def1opt")->isEnabled());
        QCOMPARE(shown(form, "chkdev|hldir"), QStringLiteral("chkdev=1|hldir=/hl"));

        clicks(9);
        QTRY_VERIFY_WITH_TIMEOUT(ended, 6000);
        QCOMPARE(seen, (QStringList{"Are you sure?", "Are you really, really sure?", "OK, they're deleted (deleted)",
                                    "I just did that", "No, really, I deleted them!",
                                    "Oh alright, I'll re-delete them (deleted)", "What, again?!?", "I'm tired, go away",
                                    "OK, but this is the last time (deleted)", "STOP CLICKING ME!!!",
                                    "You're starting to annoy me...", "That's it! You're dead, man!"}));
        QVERIFY(ended - lastClick >= 2500);
        QCOMPARE(sizes.count(sizes.first()), 12);
        QCOMPARE(control(form, "Frame1")->palette().color(QPalette::Window), QColor(Qt::white));
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
        QCOMPARE(stored["General"]["def"] + stored["one"]["scrlskill"] + stored["other"]["hldir"],
                 QStringLiteral("01/hl"));
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
