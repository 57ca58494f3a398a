#include "launch/cfgfile.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {

const QByteArray header = "// Temporary CFG file created by Vantor,\r\n// this file can be safely deleted.\r\n"
                          "// Web page: https://corvana.example/vantor/\r\n\r\n\r\n";

QStringList bars(const char *text) { return QString::fromUtf8(text).split(QLatin1Char('|'), Qt::SkipEmptyParts); }

// The lines after the header, each of which must end in CR LF.
QStringList body(OptionView &view)
{
    const QByteArray content = cfgFileContent(view);
    if (!content.startsWith(header) || !content.endsWith("\r\n"))
        return {QStringLiteral("no header, or no line break at the end")};
    return QString::fromUtf8(content.mid(header.size()).chopped(2)).split(QStringLiteral("\r\n"));
}

} // namespace

class CfgFileTest : public QObject {
    Q_OBJECT
private slots:
    void startValuesLetterForLetter()
    {
        MemoryView view;
        QCOMPARE(body(view), bars("sv_cheats 1|r_mmx 1|r_shadows 0|chase_active 0|m_filter 0|gl_d3dflip 0|joystick 0|"
                                  "cl_allowdownload 1|cl_allowupload 1|cl_himodels 1|sv_lan 0|r_dynamic 1|"
                                  "gl_texsort 1|r_drawviewmodel 1|gl_keeptjunctions 1|gl_ztrick 0|deathmatch 0|"
                                  "hisound 1|loadas8bit 0|s_reverb 1|_snd_mixahead 0.100|s_eax 0|s_a3d 0|rate 2500|"
                                  "fps_modem 30|pushlatency -300|fps_lan 45|r_decals 300|skill 1|"
                                  "scr_conspeed 1000|+mlook"));
        QCOMPARE(cfgFilePath(QStringLiteral("g/"), QStringLiteral("x.cfg")), QStringLiteral("g//valve/x.cfg"));
    }

    // Every box the other way round (greyed where it was on: greyed counts as off), so every row writes its other
    // line in the same place, and the named lines appear.
    void everyRowTurned()
    {
        MemoryView view;
        for (auto &[key, state] : view.checks)
            state = state == 1 ? 2 : 1;
        view.apply({"txtcfg=my\r\n.cfg", "txtmap=crossfire", "txtmaxp=07", "scrlskill=3", "scrlcon=35"});
        QCOMPARE(body(view), bars("sv_cheats 0|exec my.cfg|r_mmx 0|r_shadows 1|chase_active 1|m_filter 1|"
                                  "gl_d3dflip 1|joystick 1|cl_allowdownload 0|cl_allowupload 0|cl_himodels 0|"
                                  "sv_lan 1|r_dynamic 0|gl_texsort 0|r_drawviewmodel 0|gl_keeptjunctions 0|"
                                  "gl_ztrick 1|deathmatch 1|hisound 0|loadas8bit 1|s_reverb 0|_snd_mixahead 0.200|"
                                  "s_eax 1|s_a3d 1|maxplayers 07|skill 3|scr_conspeed 3500|-mlook|map crossfire"));
    }

    void numericSections_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QStringList>("recovered"); // every other text stays as it was
        const auto row = [](const char *name, const char *settings, const QString &written, const char *recovered) {
            QTest::newRow(name) << bars(settings) << written << bars(recovered);
        };
        const QString tail = QStringLiteral("pushlatency -300|fps_lan 45|r_decals 300"), others = "fps_modem 30|" + tail;
        row("start", "", "rate 2500|" + others, "");
        row("zero, empty", "txtrate=0|txtfpsnet=", tail, "");
        row("no number, box off", "chkrate=0|txtrate=abc", others, "txtrate=2500");
        row("beyond 16 bits", "txtrate=99999", "rate 2500|" + others, "txtrate=2500");
        row("beyond 16 bits, box off or greyed", "chkrate=0|txtrate=99999|chkfpsnet=2|txtfpsnet=-40000",
            tail, "");
        row("converted or as typed",
            "chkmaxp=1|txtmaxp=099999|txtrate= 25|txtfpsnet=3.5|txtpush=22.5|txtfpslan=-5|txtdecal=99999.5",
            "maxplayers 099999|rate 25|fps_modem 4|pushlatency -22|fps_lan -5|r_decals 99999.5", "");
        row("every field recovers on its own", "chkmaxp=1|txtmaxp=x|txtrate=r|txtfpsnet=n|txtpush=p|txtfpslan=l|txtdecal=d",
            "maxplayers 16|rate 2500|fps_modem 30|pushlatency -300|fps_lan 45|r_decals 350",
            "txtmaxp=16|txtrate=2500|txtfpsnet=30|txtpush=300|txtfpslan=45|txtdecal=350");
    }

    void numericSections()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, written);
        QFETCH(QStringList, recovered);
        MemoryView view, expected;
        view.apply(settings);
        expected.apply(settings + recovered);
        static const QRegularExpression numeric(QStringLiteral("^(maxplayers|rate|fps_modem|pushlatency|fps_lan|r_decals) "));
        QCOMPARE(body(view).filter(numeric), written.split(QLatin1Char('|')));
        QCOMPARE(view.texts, expected.texts);
    }

    void betweenSectionsRunsAfterTheNumbers()
    {
        MemoryView view;
        view.setText("txtrate", QStringLiteral("abc"));
        QString rateSeen;
        const QByteArray content = cfgFileContent(view, [&] {
            rateSeen = view.text("txtrate");
            view.setPosition("scrlskill", 2);
        });
        QCOMPARE(rateSeen, QStringLiteral("2500"));
        QVERIFY(content.contains("rate 2500\r\nfps_modem") && content.contains("skill 2\r\n"));
    }
};

VANTOR_TEST_MAIN(CfgFileTest, QCoreApplication)

#include "tst_cfgfile.moc"
