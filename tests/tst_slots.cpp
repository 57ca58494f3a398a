#include "settings/slots.h"
#include "settings/store.h"
#include "support/memoryview.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {

// Every slot key, in the order in which a slot is written and read.
const QStringList slotKeyOrder = QString(
    "chk16bit chka3d chkcfg chkcheat chkclosrun chkdecal chkdev chkdownload chkdynlit chkeax chkflip chkfpslan "
    "chkfpsnet chkhimodel chkhisnd chkjoy chkjunc chklan chkmap chkmfilt chkmmx chknumping chkprfsnd chkpush chkrate "
    "chkreverb chksavrun chkshad chktexsort chkthird chktocon chkupload chkweap chkztrk customcmd txtcfg txtdecal "
    "txtfpslan txtfpsnet txtmap txtpush txtrate scrlcon scrlskill chkdm chkmaxp txtmaxp chkmlook chkdnf chkmod txtmod")
                                     .split(' ');

// What loading takes for a key that the slot lacks.
QString absentValue(const QString &key)
{
    if (key == "chkdnf" || key == "chkmod")
        return QStringLiteral("0");
    if (key.startsWith("chk"))
        return QStringLiteral("2");
    return key == "scrlcon" ? QStringLiteral("10") : key == "txtmod" ? QStringLiteral("tfc") : QStringLiteral("Error");
}

} // namespace

class SlotsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void saveWritesOnlyItsOwnSection()
    {
        storefile::write(
            "[General]\ndef=1\n[one]\nchkdev=1\nscrlskill=2\n[other]\nhldir=/hl\n[two]\nextra=kept\nchkdev=1\n");
        auto expected = storefile::read();
        Store store;
        MemoryView view;
        view.setCheck("chkdev", 2);
        view.setPosition("scrlskill", 3);
        saveSlot(store, view, 2);

        QMap<QString, QString> &two = expected[QStringLiteral("two")]; // "extra" stays
        for (const QString &key : slotKeyOrder)
            two[key] = view.value(key.toStdString());
        QCOMPARE(storefile::read(), expected); // read while the store is open: the save is on disk when it returns
    }

    // Each key takes its stored value or, when absent or unusable, its own default, in the one order that the
    // change handling of the window relies on; nothing else changes.
    void loadSetsEveryKeyInOrder()
    {
        storefile::write("[one]\nscrlskill=3\ntxtrate=\nchkcfg=\" 0 \"\nchkdev=3\nchkmod=7\nchkdnf=x\nscrlcon=0\n"
                         "chkmap=1.5\n");
        Store store;
        MemoryView view;
        for (auto &[key, state] : view.checks)
            state = 1;
        for (auto &[key, text] : view.texts)
            text = QStringLiteral("x");
        view.setPosition("scrlcon", 30);
        view.changed.clear();
        QVERIFY(loadSlot(store, view, 1));

        QCOMPARE(view.changed, slotKeyOrder);
        const QMap<QString, QString> stored{{"scrlskill", "3"}, {"txtrate", ""}, {"chkcfg", "0"}};
        QStringList loaded, expected;
        for (const QString &key : slotKeyOrder) {
            loaded << key + '=' + view.value(key.toStdString());
            expected << key + '=' + stored.value(key, absentValue(key));
        }
        QCOMPARE(loaded, expected);
        QCOMPARE(view.text("hldir"), QStringLiteral("x"));
    }

    void savedSlotTest_data()
    {
        QTest::addColumn<QByteArray>("slotText");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("skill"); // the slider's position once loaded
        const std::tuple<const char *, bool, int> rows[]{
            {"", false, 1},          {"chkdev=1\ntxtrate=1", false, 1}, {"scrlskill=0", false, 1},
            {"scrlskill=3", true, 3}, {"scrlskill=4", true, 1},          {"scrlskill=0.5", true, 1},
            {"scrlskill=-1", false, 1}, {"scrlskill=hard", false, 1}};
        for (const auto &[text, saved, skill] : rows)
            QTest::newRow(QByteArray(text).replace('\n', ' ')) << QByteArray(text) << saved << skill;
    }

    void savedSlotTest()
    {
        QFETCH(QByteArray, slotText);
        QFETCH(bool, saved);
        QFETCH(int, skill);
        storefile::write("[two]\n" + slotText + "\n");
        Store store;
        QCOMPARE(isSlotSaved(store, 2), saved);
        QVERIFY(!isSlotSaved(store, 1));
        MemoryView view;
        QCOMPARE(loadSlot(store, view, 2), saved);
        QCOMPARE(view.changed.empty(), !saved); // an empty slot changes nothing
        QCOMPARE(view.position("scrlskill"), skill);
    }
};

VANTOR_TEST_MAIN(SlotsTest, QCoreApplication)

#include "tst_slots.moc"
