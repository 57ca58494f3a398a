#include "launch/commandline.h"
#include "launch/numericfields.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {

// Applies "key=value" settings: check boxes take a number, text fields the text after '='.
void apply(MemoryView &view, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const qsizetype eq = setting.indexOf(QLatin1Char('='));
        const std::string key = setting.left(eq).toStdString();
        if (view.checks.count(key))
            view.setCheck(key, setting.mid(eq + 1).toInt());
        else
            view.setText(key, setting.mid(eq + 1));
    }
}

const QString start = QStringLiteral(" -console -numericping -toconsole");

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parameters_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("expected");

        QTest::newRow("start values") << QStringList{} << start + " +exec vantortemp.cfg";
        QTest::newRow("everything off, greyed is off")
            << QStringList{"chknumping=0", "chktocon=2", "chkdev=2", "chkmod=2"} << " -console +exec vantortemp.cfg";
        QTest::newRow("mod after dev, before exec")
            << QStringList{"chkdev=1", "chkmod=1", "txtmod=tfc"} << start + " -dev -game tfc +exec vantortemp.cfg";
        QTest::newRow("mod without a name") << QStringList{"chkmod=1", "txtmod="} << start + " +exec vantortemp.cfg";
        QTest::newRow("mod name with blanks as typed")
            << QStringList{"chkmod=1", "txtmod=my mod "} << start + " -game my mod  +exec vantortemp.cfg";
        QTest::newRow("normal mode leaves mmx, cheats and cfg to the file")
            << QStringList{"chkcfg=1", "txtcfg=autoexec.cfg"} << start + " +exec vantortemp.cfg";
        QTest::newRow("dir-not-found mode carries them, in order")
            << QStringList{"chkdnf=1", "chkcfg=1", "txtcfg=my.cfg", "customcmd=-zone 2048"}
            << start + " +r_mmx 1 +sv_cheats 1 +exec my.cfg -zone 2048";
        QTest::newRow("dir-not-found mode, greyed boxes")
            << QStringList{"chkdnf=1", "chkmmx=2", "chkcheat=2", "chkcfg=2", "txtcfg=x.cfg"} << start;
        QTest::newRow("dir-not-found mode, no cfg name, no map")
            << QStringList{"chkdnf=1", "chkmmx=0", "chkcheat=0", "chkcfg=1", "chkmap=1", "txtmap=crossfire"} << start;
        QTest::newRow("greyed dir-not-found box is not the normal mode")
            << QStringList{"chkdnf=2", "chkcheat=0"} << start + " +r_mmx 1";
        QTest::newRow("single blank adds nothing") << QStringList{"customcmd= "} << start + " +exec vantortemp.cfg";
        QTest::newRow("two blanks are added") << QStringList{"customcmd=  "} << start + " +exec vantortemp.cfg   ";
        QTest::newRow("custom text last, as typed")
            << QStringList{"customcmd=+connect \"a b\"\\x"} << start + " +exec vantortemp.cfg +connect \"a b\"\\x";
    }

    void parameters()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        MemoryView view;
        apply(view, settings);
        QCOMPARE(buildParameters(view), expected);
        QCOMPARE(commandLinePreview(expected), "hl.exe" + expected);
    }

    // The check alone: the view has no change handling, so no repair sets off another.
    void numericRepairs_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("repaired"); // every other text stays as set

        QTest::newRow("empty is left for the user") << QStringList{"txtfpslan="} << QStringList{};
        QTest::newRow("out of 16 bits with the box on")
            << QStringList{"chkpush=1", "txtpush=40000"} << QStringList{"txtpush=300"};
        QTest::newRow("below 16 bits with the box on")
            << QStringList{"txtpush=-32769", "txtrate=-40000"} << QStringList{"txtpush=300", "txtrate=2500"};
        QTest::newRow("smallest 16-bit value stays") << QStringList{"txtpush=-32768"} << QStringList{};
        QTest::newRow("out of 16 bits with the box off stays")
            << QStringList{"chkpush=0", "txtpush=40000"} << QStringList{};
        QTest::newRow("greyed box is off") << QStringList{"chkrate=2", "txtrate=99999"} << QStringList{};
        QTest::newRow("zero is never converted") << QStringList{"txtrate=0", "txtpush=-0"} << QStringList{};
        QTest::newRow("halves pass") << QStringList{"txtpush=22.5", "txtfpsnet=2.5"} << QStringList{};
        QTest::newRow("max players and decals take any number")
            << QStringList{"chkmaxp=1", "txtmaxp=99", "txtdecal=99999"} << QStringList{};
        QTest::newRow("each field on its own")
            << QStringList{"txtrate=abc", "txtpush=-", "txtdecal=1e3", "txtfpsnet=12"}
            << QStringList{"txtrate=2500", "txtpush=300", "txtdecal=300"};
    }

    void numericRepairs()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, repaired);
        MemoryView view, expected;
        apply(view, settings);
        apply(expected, settings + repaired);
        checkNumericFields(view);
        QCOMPARE(view.texts, expected.texts);
    }

    void fallbacks_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        const std::pair<const char *, const char *> rows[]{{"txtpush", "300"},  {"txtmaxp", "16"},
                                                           {"txtrate", "2500"}, {"txtfpsnet", "30"},
                                                           {"txtfpslan", "45"}, {"txtdecal", "300"}};
        for (const auto &[key, fallback] : rows)
            QTest::newRow(key) << QString(key) << QString(fallback);
    }

    // What a field gets back when it holds no number, and when it is left empty.
    void fallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QString, fallback);
        const std::string name = key.toStdString();
        MemoryView view;
        view.setText(name, QStringLiteral("x"));
        checkNumericFields(view);
        QCOMPARE(view.text(name), fallback);
        view.setText(name, QString());
        numericFieldLeft(view, name);
        QCOMPARE(view.text(name), fallback);
    }

    // Leaving a field that holds a number: only "Max Players" is capped, at 32.
    void focusLoss_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        for (const char *text : {"33", "32.5"})
            QTest::addRow("players %s", text) << "txtmaxp" << QString(text) << QStringLiteral("16");
        for (const char *text : {"32", "-5"})
            QTest::addRow("players %s", text) << "txtmaxp" << QString(text) << QString(text);
        QTest::newRow("decals") << "txtdecal" << QStringLiteral("9999") << QStringLiteral("9999");
    }

    void focusLoss()
    {
        QFETCH(QString, key);
        QFETCH(QString, before);
        QFETCH(QString, after);
        MemoryView view;
        view.setText(key.toStdString(), before);
        numericFieldLeft(view, key.toStdString());
        QCOMPARE(view.text(key.toStdString()), after);
    }
};

VANTOR_TEST_MAIN(CommandLineTest, QCoreApplication)

#include "tst_commandline.moc"
