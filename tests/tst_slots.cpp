#include "settings/slots.h"
#include "settings/store.h"
#include "support/memoryview.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QElapsedTimer>

#include <sys/inotify.h>
#include <unistd.h>

using namespace vantor;

namespace {

// Every slot key, in the order in which a slot is written and read.
const QStringList slotKeyOrder =
    QStringLiteral("chk16bit chka3d chkcfg chkcheat chkclosrun chkdecal chkdev chkdownload chkdynlit chkeax chkflip "
                   "chkfpslan chkfpsnet chkhimodel chkhisnd chkjoy chkjunc chklan chkmap chkmfilt chkmmx chknumping "
                   "chkprfsnd chkpush chkrate chkreverb chksavrun chkshad chktexsort chkthird chktocon chkupload "
                   "chkweap chkztrk customcmd txtcfg txtdecal txtfpslan txtfpsnet txtmap txtpush txtrate scrlcon "
                   "scrlskill chkdm chkmaxp txtmaxp chkmlook chkdnf chkmod txtmod")
        .split(' ');

// What loading takes for a key that the slot lacks, besides "2" for a check box and "Error" for a text.
const QMap<QString, QString> absent{{"chkdnf", "0"}, {"chkmod", "0"}, {"scrlcon", "10"}, {"txtmod", "tfc"}};

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
        view.apply({"customcmd=+exec my.cfg; +map c1a0, x", "txtmap= c1a0 ", "txtcfg=a\"b\\c=d", "txtmod="});
        QVERIFY(saveSlot(store, view, 2));

        QMap<QString, QString> &two = expected[QStringLiteral("two")]; // "extra" stays
        for (const QString &key : slotKeyOrder)
            two[key] = view.value(key.toStdString());
        // Quoted and escaped, so that each reads back whole.
        two["customcmd"] = "\"+exec my.cfg; +map c1a0, x\"";
        two["txtmap"] = "\" c1a0 \"";
        two["txtcfg"] = "\"a\\\"b\\\\c=d\"";
        QCOMPARE(storefile::read(), expected); // read while the store is open: the save is on disk when it returns
        MemoryView loaded;
        QVERIFY(loadSlot(Store(), loaded, 2));
        QCOMPARE(loaded.values, view.values);
    }

    // A save is one write of the whole file, put in place at once (so that a Vantor killed meanwhile leaves the slot
    // as it was or as saved), and a lock that a killed Vantor left behind holds it up for no time.
    void saveIsOneWrite()
    {
        storefile::write("[one]\nscrlskill=1\n");
        QFile lock(storefile::path() + ".lock"); // empty: killed in the instant of taking it, a moment ago
        QVERIFY(lock.open(QIODevice::WriteOnly) &&
                lock.setFileTime(QDateTime::currentDateTime().addSecs(-1), QFileDevice::FileModificationTime));
        lock.close();
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(qEnvironmentVariable("XDG_CONFIG_HOME")), IN_MOVED_TO) >= 0);
        QElapsedTimer clock;
        clock.start();
        Store store;
        MemoryView view;
        QVERIFY(saveSlot(store, view, 2) && clock.elapsed() < 5000);
        alignas(inotify_event) char events[4096];
        int placed = 0;
        for (ssize_t size = read(watch, events, sizeof events), at = 0; at < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(events + at);
            placed += QByteArray(event->name) == "vantor_tovrik.ini";
            at += qsizetype(sizeof(inotify_event)) + event->len;
        }
        close(watch);
        QCOMPARE(placed, 1);
    }

    // Each key takes its stored value or, when absent or unusable, its own default, in the one order that the
    // change handling of the window relies on; nothing else changes.
    void loadSetsEveryKeyInOrder()
    {
        storefile::write("[one]\nscrlskill=3\ntxtrate=\nchkcfg=\" 0 \"\nchkdev=3\nchkmod=7\nchkdnf=x\nscrlcon=0\n"
                         "chkmap=1.5\ncustomcmd=a, b\ntxtmap=\"c1a0; x\"\n");
        Store store;
        MemoryView view;
        for (auto &[key, value] : view.values)
            value = option(key).kind == OptionKind::Check ? "1" : key == "scrlcon" ? "30" : "x";
        view.changed.clear();
        QVERIFY(loadSlot(store, view, 1));

        QCOMPARE(view.changed, slotKeyOrder);
        const QMap<QString, QString> stored{
            {"scrlskill", "3"}, {"txtrate", ""}, {"chkcfg", "0"}, {"customcmd", "a,b"}, {"txtmap", "c1a0; x"}};
        QStringList loaded, expected;
        for (const QString &key : slotKeyOrder) {
            loaded << key + '=' + view.value(key.toStdString());
            expected << key + '=' + stored.value(key, absent.value(key, key.startsWith("chk") ? "2" : "Error"));
        }
        QCOMPARE(loaded, expected);
        QCOMPARE(view.text("hldir"), QStringLiteral("x"));
    }

    // A slot counts as saved when its skill reads as a number above 0; then every key loads, the skill only where the
    // slider can take it.
    void savedSlotTest_data() { cases(__func__); }

    void savedSlotTest()
    {
        FETCH(slot, expected);
        storefile::write("[two]\n" + slot.toUtf8() + "\n");
        Store store;
        QVERIFY(!isSlotSaved(store, 1));
        MemoryView view;
        const bool loaded = loadSlot(store, view, 2);
        QCOMPARE(loaded, isSlotSaved(store, 2));
        QCOMPARE(loaded, !view.changed.empty()); // an empty slot changes nothing
        QCOMPARE(QString(loaded ? "saved " : "empty ") + view.value("scrlskill"), expected);
    }

    void defaultSlot() // "def" names a slot; slots 1 and 3 are saved
    {
        for (const auto &[def, slot] :
             {std::pair{"1", 1}, {"2", 0}, {"3", 3}, {"3.0", 3}, {"0", 0}, {"4", 0}, {"x", 0}}) {
            storefile::write(QByteArray("[General]\ndef=") + def + "\n[one]\nscrlskill=1\n[three]\nscrlskill=2\n");
            QVERIFY2(vantor::defaultSlot(Store()) == slot, def);
        }
    }
};

VANTOR_TEST_MAIN(SlotsTest, QCoreApplication)

#include "tst_slots.moc"
