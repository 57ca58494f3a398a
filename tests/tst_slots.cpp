#include "settings/slots.h"
#include "settings/store.h"
#include "support/memoryview.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QtTest>

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

class SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void saveWritesOnlyItsOwnSection()
    {
        storefile::write("[General]\ndef=1\n\n[one]\nchkdev=1\nscrlskill=2\n\n[two]\nextra=kept\nchkdev=1\n\n"
                         "[three]\nscrlskill=3\n\n[other]\nhldir=/games/hl\n");
        Store store;
        MemoryView view;
        view.setCheck("chkdev", 0);
        saveSlot(store, view, 2);

        // Read while the store is still open: the save is on disk when it returns.
        const auto sections = storefile::read();
        QCOMPARE(sections.keys(), (QStringList{"General", "one", "other", "three", "two"}));
        QCOMPARE(sections["General"], (QMap<QString, QString>{{"def", "1"}}));
        QCOMPARE(sections["one"], (QMap<QString, QString>{{"chkdev", "1"}, {"scrlskill", "2"}}));
        QCOMPARE(sections["three"], (QMap<QString, QString>{{"scrlskill", "3"}}));
        QCOMPARE(sections["other"], (QMap<QString, QString>{{"hldir", "/games/hl"}}));

        QStringList written = sections["two"].keys();
        QVERIFY(written.removeOne(QStringLiteral("extra")));
        QStringList expected = slotKeyNames();
        expected.sort();
        QCOMPARE(written.size(), 51);
        QCOMPARE(written, expected);
        QCOMPARE(sections["two"]["extra"], QStringLiteral("kept"));
        QCOMPARE(sections["two"]["chkdev"], QStringLiteral("0"));
        QCOMPARE(sections["two"]["chk16bit"], QStringLiteral("1"));
        QCOMPARE(sections["two"]["scrlcon"], QStringLiteral("10"));
        QCOMPARE(sections["two"]["scrlskill"], QStringLiteral("1"));
        QCOMPARE(sections["two"]["txtrate"], QStringLiteral("2500"));
        QCOMPARE(sections["two"]["txtmod"], QStringLiteral("tfc"));
        QVERIFY(sections["two"].contains(QStringLiteral("customcmd")));
    }

    void absentKeysTakeTheirDefaults()
    {
        storefile::write("[one]\nscrlskill=2\nchkweap=1\n");
        Store store;
        MemoryView view;
        view.setText("txtmod", QStringLiteral("cstrike"));
        view.setCheck("chkdnf", 1);
        view.setPosition("scrlcon", 30);
        QVERIFY(loadSlot(store, view, 1));
        QCOMPARE(view.position("scrlskill"), 2);
        QCOMPARE(view.check("chkweap"), 1);
        QCOMPARE(view.check("chkcheat"), 2);
        QCOMPARE(view.check("chkclosrun"), 2);
        QCOMPARE(view.check("chkdnf"), 0);
        QCOMPARE(view.check("chkmod"), 0);
        QCOMPARE(view.text("txtrate"), QStringLiteral("Error"));
        QCOMPARE(view.text("customcmd"), QStringLiteral("Error"));
        QCOMPARE(view.text("txtmaxp"), QStringLiteral("Error"));
        QCOMPARE(view.text("txtmod"), QStringLiteral("tfc"));
        QCOMPARE(view.position("scrlcon"), 10);
        QCOMPARE(view.text("hldir"), vantor::toQString(option("hldir").start)); // never part of a slot
    }

    void malformedValuesTakeTheAbsentDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");

        QTest::newRow("check 3") << "chkdev"
                                 << "3" << 2;
        QTest::newRow("check -1") << "chkdev"
                                  << "-1" << 2;
        QTest::newRow("check word") << "chkdev"
                                    << "yes" << 2;
        QTest::newRow("check fraction") << "chkdev"
                                        << "0.5" << 2;
        QTest::newRow("check empty") << "chkdev"
                                     << "" << 2;
        QTest::newRow("check with blanks") << "chkdev"
                                           << " 1 " << 1;
        QTest::newRow("mod check odd") << "chkmod"
                                       << "7" << 0;
        QTest::newRow("dnf check odd") << "chkdnf"
                                       << "x" << 0;
        QTest::newRow("console beyond") << "scrlcon"
                                        << "36" << 10;
        QTest::newRow("console below") << "scrlcon"
                                       << "0" << 10;
        QTest::newRow("console huge") << "scrlcon"
                                      << "99999999999999999999" << 10;
        QTest::newRow("console good") << "scrlcon"
                                      << "20" << 20;
    }

    void malformedValuesTakeTheAbsentDefault()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        {
            Store store;
            store.write(QStringLiteral("one"), QStringLiteral("scrlskill"), QStringLiteral("2"));
            store.write(QStringLiteral("one"), key, stored);
            store.flush();
        }
        Store store;
        MemoryView view;
        QVERIFY(loadSlot(store, view, 1));
        const std::string name = key.toStdString();
        QCOMPARE(view.checks.count(name) ? view.check(name) : view.position(name), expected);
    }

    void savedSlotTest_data()
    {
        QTest::addColumn<QByteArray>("slotText");
        QTest::addColumn<bool>("saved");

        QTest::newRow("never saved") << QByteArray() << false;
        QTest::newRow("other keys only") << QByteArray("chkdev=1\ntxtrate=1\n") << false;
        QTest::newRow("skill 0") << QByteArray("scrlskill=0\n") << false;
        QTest::newRow("skill 1") << QByteArray("scrlskill=1\n") << true;
        QTest::newRow("skill 3") << QByteArray("scrlskill=3\n") << true;
        QTest::newRow("skill 4") << QByteArray("scrlskill=4\n") << false;
        QTest::newRow("skill -2") << QByteArray("scrlskill=-2\n") << false;
        QTest::newRow("skill word") << QByteArray("scrlskill=hard\n") << false;
        QTest::newRow("skill fraction") << QByteArray("scrlskill=1.5\n") << false;
        QTest::newRow("skill empty") << QByteArray("scrlskill=\n") << false;
    }

    void savedSlotTest()
    {
        QFETCH(QByteArray, slotText);
        QFETCH(bool, saved);
        storefile::write("[two]\n" + slotText);
        Store store;
        QCOMPARE(isSlotSaved(store, 2), saved);
        QVERIFY(!isSlotSaved(store, 1));

        MemoryView view;
        view.setCheck("chkdev", 1);
        QCOMPARE(loadSlot(store, view, 2), saved);
        if (!saved)
            QCOMPARE(view.check("chkdev"), 1); // an empty slot changes nothing
    }

    void randomBytesNeverCrash()
    {
        QByteArray junk;
        quint32 seed = 12345;
        for (int i = 0; i < 4096; ++i) {
            seed = seed * 1103515245u + 12345u;
            junk += char(seed >> 24);
        }
        storefile::write("[one]\nscrlskill=1\n" + junk);
        Store store;
        MemoryView view;
        loadSlot(store, view, 1);
        QVERIFY(isCheckState(view.check("chkdev")));
        QVERIFY(view.position("scrlcon") >= 3 && view.position("scrlcon") <= 35);
    }
};

VANTOR_TEST_MAIN(SlotsTest, QCoreApplication)

#include "tst_slots.moc"
