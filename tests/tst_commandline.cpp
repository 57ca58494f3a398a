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
        const QString value = setting.mid(eq + 1);
        if (view.checks.count(key))
            view.setCheck(key, value.toInt());
        else
            view.setText(key, value);
    }
}

const QStringList allChecksOff{"chknumping=0", "chktocon=0", "chkcheat=0", "chkmmx=0", "chkdev=0",
                               "chkmod=0",     "chkcfg=0",   "chkmap=0",   "chkdnf=0"};

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parameters_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("expected");

        QTest::newRow("start values") << QStringList{} << " -console -numericping -toconsole +exec vantortemp.cfg";
        QTest::newRow("everything off") << allChecksOff << " -console +exec vantortemp.cfg";
        QTest::newRow("greyed boxes count as off")
            << QStringList{"chknumping=2", "chktocon=2", "chkdev=2", "chkmod=2"} << " -console +exec vantortemp.cfg";
        QTest::newRow("mod after dev, before exec")
            << QStringList{"chkdev=1", "chkmod=1", "txtmod=tfc"}
            << " -console -numericping -toconsole -dev -game tfc +exec vantortemp.cfg";
        QTest::newRow("mod without a name")
            << QStringList{"chkmod=1", "txtmod="} << " -console -numericping -toconsole +exec vantortemp.cfg";
        QTest::newRow("mod name with blanks as typed")
            << QStringList{"chkmod=1", "txtmod=my mod "}
            << " -console -numericping -toconsole -game my mod  +exec vantortemp.cfg";
        QTest::newRow("mod name kept while off")
            << QStringList{"chkmod=0", "txtmod=cstrike"} << " -console -numericping -toconsole +exec vantortemp.cfg";
        QTest::newRow("normal mode leaves mmx, cheats and cfg to the file")
            << QStringList{"chkmmx=1", "chkcheat=1", "chkcfg=1", "txtcfg=autoexec.cfg"}
            << " -console -numericping -toconsole +exec vantortemp.cfg";
        QTest::newRow("dir-not-found mode carries them, in order")
            << QStringList{"chkdnf=1", "chkmmx=1", "chkcheat=1", "chkcfg=1", "txtcfg=my.cfg", "customcmd=-zone 2048"}
            << " -console -numericping -toconsole +r_mmx 1 +sv_cheats 1 +exec my.cfg -zone 2048";
        QTest::newRow("dir-not-found mode, nothing to carry")
            << QStringList{"chkdnf=1", "chkmmx=0", "chkcheat=0", "chkcfg=1", "txtcfg="}
            << " -console -numericping -toconsole";
        QTest::newRow("dir-not-found mode, greyed boxes")
            << QStringList{"chkdnf=1", "chkmmx=2", "chkcheat=2", "chkcfg=2", "txtcfg=x.cfg"}
            << " -console -numericping -toconsole";
        QTest::newRow("greyed dir-not-found box is not the normal mode")
            << QStringList{"chkdnf=2", "chkmmx=1"} << " -console -numericping -toconsole +r_mmx 1 +sv_cheats 1";
        QTest::newRow("custom map never on the command line")
            << QStringList{"chkdnf=1", "chkmap=1", "txtmap=crossfire", "chkmmx=0", "chkcheat=0"}
            << " -console -numericping -toconsole";
        QTest::newRow("single blank adds nothing")
            << QStringList{"customcmd= "} << " -console -numericping -toconsole +exec vantortemp.cfg";
        QTest::newRow("two blanks are added")
            << QStringList{"customcmd=  "} << " -console -numericping -toconsole +exec vantortemp.cfg   ";
        QTest::newRow("custom text last, as typed")
            << QStringList{"customcmd=+connect \"a b\"\\x"}
            << " -console -numericping -toconsole +exec vantortemp.cfg +connect \"a b\"\\x";
    }

    void parameters()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        MemoryView view;
        apply(view, settings);
        const QString params = buildParameters(view);
        QCOMPARE(params, expected);
        QCOMPARE(commandLinePreview(params), QStringLiteral("hl.exe") + expected);
    }

    // Which fields a check repairs, given the field texts and boxes; the view has no change handling, so this is
    // the rule alone.
    void numericRepairs_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("expectedTexts"); // key=text after the check

        QTest::newRow("start values pass")
            << QStringList{}
            << QStringList{"txtpush=300", "txtmaxp=16", "txtrate=2500", "txtfpsnet=30", "txtfpslan=45", "txtdecal=300"};
        QTest::newRow("letters give the fallback, box on or off")
            << QStringList{"txtrate=25a", "chkmaxp=0", "txtmaxp=x"} << QStringList{"txtrate=2500", "txtmaxp=16"};
        QTest::newRow("empty is left for the user") << QStringList{"txtfpslan="} << QStringList{"txtfpslan="};
        QTest::newRow("out of 16 bits with the box on")
            << QStringList{"chkpush=1", "txtpush=40000"} << QStringList{"txtpush=300"};
        QTest::newRow("out of 16 bits with the box off stays")
            << QStringList{"chkpush=0", "txtpush=40000"} << QStringList{"txtpush=40000"};
        QTest::newRow("greyed box is off") << QStringList{"chkrate=2", "txtrate=99999"} << QStringList{"txtrate=99999"};
        QTest::newRow("zero is never converted")
            << QStringList{"chkrate=1", "txtrate=0", "txtpush=-0"} << QStringList{"txtrate=0", "txtpush=-0"};
        QTest::newRow("halves pass") << QStringList{"txtpush=22.5", "txtfpsnet=2.5"}
                                     << QStringList{"txtpush=22.5", "txtfpsnet=2.5"};
        QTest::newRow("max players and decals take any number")
            << QStringList{"chkmaxp=1", "txtmaxp=99", "chkdecal=1", "txtdecal=99999"}
            << QStringList{"txtmaxp=99", "txtdecal=99999"};
        QTest::newRow("each field on its own")
            << QStringList{"txtrate=abc", "txtpush=-", "txtdecal=1e3", "txtfpsnet=12"}
            << QStringList{"txtrate=2500", "txtpush=300", "txtdecal=300", "txtfpsnet=12"};
    }

    void numericRepairs()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, expectedTexts);
        MemoryView view;
        apply(view, settings);
        checkNumericFields(view);
        for (const QString &expected : expectedTexts) {
            const qsizetype eq = expected.indexOf(QLatin1Char('='));
            QCOMPARE(view.text(expected.left(eq).toStdString()), expected.mid(eq + 1));
        }
    }

    void focusLoss_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        QTest::newRow("empty push") << "txtpush"
                                    << ""
                                    << "300";
        QTest::newRow("empty rate") << "txtrate"
                                    << ""
                                    << "2500";
        QTest::newRow("empty decal") << "txtdecal"
                                     << ""
                                     << "300";
        QTest::newRow("rate kept") << "txtrate"
                                   << "12"
                                   << "12";
        QTest::newRow("players over 32") << "txtmaxp"
                                         << "33"
                                         << "16";
        QTest::newRow("players 32") << "txtmaxp"
                                    << "32"
                                    << "32";
        QTest::newRow("players fraction over") << "txtmaxp"
                                               << "32.5"
                                               << "16";
        QTest::newRow("players 0") << "txtmaxp"
                                   << "0"
                                   << "0";
        QTest::newRow("players negative") << "txtmaxp"
                                          << "-5"
                                          << "-5";
        QTest::newRow("players empty") << "txtmaxp"
                                       << ""
                                       << "16";
        QTest::newRow("decal has no cap") << "txtdecal"
                                          << "9999"
                                          << "9999";
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
