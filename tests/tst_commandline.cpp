#include "launch/commandline.h"
#include "launch/numericfields.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {
const QString start = QStringLiteral(" -console -numericping -toconsole"), exec = QStringLiteral(" +exec vantortemp.cfg");
QStringList bars(const char *text) { return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts); }
} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parameters_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *settings, const QString &expected) {
            QTest::newRow(name) << bars(settings) << expected;
        };
        row("start values", "", start + exec);
        row("everything off, greyed is off", "chknumping=0|chktocon=2|chkdev=2|chkmod=2", " -console" + exec);
        row("mod after dev", "chkdev=1|chkmod=1|txtmod=tfc", start + " -dev -game tfc" + exec);
        row("mod without a name, one blank of custom text", "chkmod=1|txtmod=|customcmd= ", start + exec);
        row("mod name as typed", "chkmod=1|txtmod=my mod ", start + " -game my mod " + exec);
        row("normal mode leaves the cfg to the file", "chkcfg=1|txtcfg=autoexec.cfg", start + exec);
        row("dir-not-found mode, in order", "chkdnf=1|chkcfg=1|txtcfg=my.cfg|customcmd=-zone 2048",
            start + " +r_mmx 1 +sv_cheats 1 +exec my.cfg -zone 2048");
        row("dir-not-found mode, greyed boxes", "chkdnf=1|chkmmx=2|chkcheat=2|chkcfg=2|txtcfg=x.cfg", start);
        row("dir-not-found mode, no cfg name, no map",
            "chkdnf=1|chkmmx=0|chkcheat=0|chkcfg=1|chkmap=1|txtmap=crossfire", start);
        row("greyed dir-not-found box is not the normal mode", "chkdnf=2|chkcheat=0", start + " +r_mmx 1");
        row("two blanks are added", "customcmd=  ", start + exec + "   ");
        row("custom text last, as typed", "customcmd=+connect \"a b\"\\x", start + exec + " +connect \"a b\"\\x");
    }

    void parameters()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        MemoryView view;
        view.apply(settings);
        QCOMPARE(buildParameters(view), expected);
    }

    // The check of all fields (LEFT empty), or of one field as it loses the focus: an empty one gets its fallback,
    // and only "Max Players" is capped, at 32. The view has no change handling, so no repair sets off another.
    void numericRepairs_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QStringList>("repaired"); // every other text stays as set
        const auto row = [](const char *name, const char *settings, const char *left, const char *repaired) {
            QTest::newRow(name) << bars(settings) << QString(left) << bars(repaired);
        };
        row("empty is left for the user", "txtfpslan=", "", "");
        row("beyond 16 bits with the box on", "chkpush=1|txtpush=40000|txtrate=-40000", "", "txtpush=300|txtrate=2500");
        row("smallest 16-bit value, zero and halves stay", "txtpush=-32768|txtrate=-0|txtfpsnet=2.5", "", "");
        row("box off or greyed", "chkpush=0|txtpush=40000|chkrate=2|txtrate=99999", "", "");
        row("max players and decals take any number", "chkmaxp=1|txtmaxp=99|txtdecal=99999", "", "");
        row("no number, each field its own fallback", "txtpush=-|txtmaxp=x|txtrate=abc|txtfpsnet=1e3|txtfpslan=.|txtdecal=d",
            "", "txtpush=300|txtmaxp=16|txtrate=2500|txtfpsnet=30|txtfpslan=45|txtdecal=300");
        row("players 33 left", "txtmaxp=33", "txtmaxp", "txtmaxp=16");
        row("players 32.5 left", "txtmaxp=32.5", "txtmaxp", "txtmaxp=16");
        row("players 32 left", "txtmaxp=32|txtrate=", "txtmaxp", "");
        row("players -5 left", "txtmaxp=-5", "txtmaxp", "");
        row("decals 9999 left", "txtdecal=9999", "txtdecal", "");
        for (const auto &[key, fallback] : {std::pair{"txtpush", "300"}, {"txtmaxp", "16"}, {"txtrate", "2500"},
                                            {"txtfpsnet", "30"}, {"txtfpslan", "45"}, {"txtdecal", "300"}})
            QTest::addRow("%s left empty", key) << QStringList{QString(key) + '='} << QString(key)
                                                << QStringList{QString(key) + '=' + fallback};
    }

    void numericRepairs()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, left);
        QFETCH(QStringList, repaired);
        MemoryView view, expected;
        view.apply(settings);
        expected.apply(settings + repaired);
        if (left.isEmpty())
            checkNumericFields(view);
        else
            numericFieldLeft(view, left.toStdString());
        QCOMPARE(view.texts, expected.texts);
    }
};

VANTOR_TEST_MAIN(CommandLineTest, QCoreApplication)

#include "tst_commandline.moc"
