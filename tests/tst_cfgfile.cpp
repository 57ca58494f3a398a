#include "launch/cfgfile.h"
#include "support/memoryview.h"
#include "support/testmain.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

using namespace vantor;

namespace {

const QByteArray header = "// Temporary CFG file created by Vantor,\r\n"
                          "// this file can be safely deleted.\r\n"
                          "// Web page: https://corvana.example/vantor/\r\n"
                          "\r\n"
                          "\r\n";

QByteArray crlfLines(const QStringList &lines) { return (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8(); }

// The lines after the header.
QStringList body(OptionView &view)
{
    const QByteArray content = cfgFileContent(view);
    if (!content.startsWith(header) || !content.endsWith("\r\n"))
        return {QStringLiteral("bad header or ending")};
    return QString::fromUtf8(content.mid(header.size()).chopped(2)).split(QStringLiteral("\r\n"));
}

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

QStringList numericLines(const QStringList &lines)
{
    QStringList found;
    for (const QString &line : lines)
        for (const char *prefix : {"maxplayers ", "rate ", "fps_modem ", "pushlatency ", "fps_lan ", "r_decals "})
            if (line.startsWith(QLatin1String(prefix)))
                found << line;
    return found;
}

} // namespace

class CfgFileTest : public QObject {
    Q_OBJECT
private slots:
    void startValuesLetterForLetter()
    {
        MemoryView view;
        QCOMPARE(cfgFileContent(view), header + crlfLines({"sv_cheats 1",
                                                           "r_mmx 1",
                                                           "r_shadows 0",
                                                           "chase_active 0",
                                                           "m_filter 0",
                                                           "gl_d3dflip 0",
                                                           "joystick 0",
                                                           "cl_allowdownload 1",
                                                           "cl_allowupload 1",
                                                           "cl_himodels 1",
                                                           "sv_lan 0",
                                                           "r_dynamic 1",
                                                           "gl_texsort 1",
                                                           "r_drawviewmodel 1",
                                                           "gl_keeptjunctions 1",
                                                           "gl_ztrick 0",
                                                           "deathmatch 0",
                                                           "hisound 1",
                                                           "loadas8bit 0",
                                                           "s_reverb 1",
                                                           "_snd_mixahead 0.100",
                                                           "s_eax 0",
                                                           "s_a3d 0",
                                                           "rate 2500",
                                                           "fps_modem 30",
                                                           "pushlatency -300",
                                                           "fps_lan 45",
                                                           "r_decals 300",
                                                           "skill 1",
                                                           "scr_conspeed 1000",
                                                           "+mlook"}));
    }

    // Every box the other way round from its start value (greyed where it was on, which counts as off), with the
    // named lines and every numeric line switched on: each row's other line, in the same order.
    void everyRowTurned()
    {
        MemoryView view;
        for (auto &[key, state] : view.checks)
            state = state == 1 ? 2 : 1;
        apply(view, {"txtcfg=my.cfg", "txtmap=crossfire", "txtmaxp=07", "txtrate= 25", "txtfpsnet=3.5", "txtpush=22.5",
                     "txtfpslan=-5", "txtdecal=4096"});
        view.setPosition("scrlskill", 3);
        view.setPosition("scrlcon", 35);
        QCOMPARE(body(view), (QStringList{"sv_cheats 0",
                                          "exec my.cfg",
                                          "r_mmx 0",
                                          "r_shadows 1",
                                          "chase_active 1",
                                          "m_filter 1",
                                          "gl_d3dflip 1",
                                          "joystick 1",
                                          "cl_allowdownload 0",
                                          "cl_allowupload 0",
                                          "cl_himodels 0",
                                          "sv_lan 1",
                                          "r_dynamic 0",
                                          "gl_texsort 0",
                                          "r_drawviewmodel 0",
                                          "gl_keeptjunctions 0",
                                          "gl_ztrick 1",
                                          "deathmatch 1",
                                          "hisound 0",
                                          "loadas8bit 1",
                                          "s_reverb 0",
                                          "_snd_mixahead 0.200",
                                          "s_eax 1",
                                          "s_a3d 1",
                                          "maxplayers 07",
                                          "skill 3",
                                          "scr_conspeed 3500",
                                          "-mlook",
                                          "map crossfire"}));
        // The numeric boxes are greyed above, so their lines went; on, the texts convert or stand as typed.
        apply(view, {"chkmaxp=1", "chkrate=1", "chkfpsnet=1", "chkpush=1", "chkfpslan=1", "chkdecal=1"});
        QCOMPARE(numericLines(body(view)), (QStringList{"maxplayers 07", "rate 25", "fps_modem 4", "pushlatency -22",
                                                        "fps_lan -5", "r_decals 4096"}));
    }

    void numericSections_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("textsAfter");

        const QStringList startLines{"rate 2500", "fps_modem 30", "pushlatency -300", "fps_lan 45", "r_decals 300"};
        QTest::newRow("zero writes nothing and stays")
            << QStringList{"txtrate=0"} << QStringList{"fps_modem 30", "pushlatency -300", "fps_lan 45", "r_decals 300"}
            << QStringList{"txtrate=0"};
        QTest::newRow("empty writes nothing and stays")
            << QStringList{"txtfpslan="} << QStringList{"rate 2500", "fps_modem 30", "pushlatency -300", "r_decals 300"}
            << QStringList{"txtfpslan="};
        QTest::newRow("no number with the box off is put right, unwritten")
            << QStringList{"chkrate=0", "txtrate=abc", "txtmaxp=x"}
            << QStringList{"fps_modem 30", "pushlatency -300", "fps_lan 45", "r_decals 300"}
            << QStringList{"txtrate=2500", "txtmaxp=16"};
        QTest::newRow("beyond 16 bits with the box on")
            << QStringList{"txtrate=99999"} << startLines << QStringList{"txtrate=2500"};
        QTest::newRow("beyond 16 bits with the box off stays")
            << QStringList{"chkrate=0", "txtrate=99999"}
            << QStringList{"fps_modem 30", "pushlatency -300", "fps_lan 45", "r_decals 300"}
            << QStringList{"txtrate=99999"};
        QTest::newRow("below 16 bits") << QStringList{"txtfpslan=-32769"} << startLines << QStringList{"txtfpslan=45"};
        QTest::newRow("every field recovers on its own")
            << QStringList{"chkmaxp=1", "txtmaxp=x",   "txtrate=r", "txtfpsnet=n",
                           "txtpush=p", "txtfpslan=l", "txtdecal=d"}
            << QStringList{"maxplayers 16",    "rate 2500",  "fps_modem 30",
                           "pushlatency -300", "fps_lan 45", "r_decals 350"}
            << QStringList{"txtmaxp=16", "txtrate=2500", "txtfpsnet=30", "txtpush=300", "txtfpslan=45", "txtdecal=350"};
        QTest::newRow("max players and decals as typed, any number")
            << QStringList{"chkmaxp=1", "txtmaxp=99", "txtdecal=99999.5"}
            << QStringList{"maxplayers 99",    "rate 2500",  "fps_modem 30",
                           "pushlatency -300", "fps_lan 45", "r_decals 99999.5"}
            << QStringList{"txtmaxp=99", "txtdecal=99999.5"};
    }

    void numericSections()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, textsAfter);
        MemoryView view;
        apply(view, settings);
        QCOMPARE(numericLines(body(view)), lines);
        for (const QString &expected : textsAfter) {
            const qsizetype eq = expected.indexOf(QLatin1Char('='));
            QCOMPARE(view.text(expected.left(eq).toStdString()), expected.mid(eq + 1));
        }
    }

    void namedLines_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("map");

        QTest::newRow("boxes off") << QStringList{"txtcfg=a.cfg", "txtmap=b"} << QString() << QString();
        QTest::newRow("names empty") << QStringList{"chkcfg=1", "chkmap=1"} << QString() << QString();
        QTest::newRow("as typed") << QStringList{"chkcfg=1", "txtcfg= my cfg.cfg", "chkmap=1", "txtmap=c1a0 "}
                                  << "exec  my cfg.cfg"
                                  << "map c1a0 ";
        QTest::newRow("a line break never starts a line")
            << QStringList{"chkcfg=1", "txtcfg=a\r\nquit", "chkmap=1", "txtmap=b\nquit"} << "exec aquit"
            << "map bquit";
    }

    void namedLines()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, exec);
        QFETCH(QString, map);
        MemoryView view;
        apply(view, settings);
        const QStringList lines = body(view);
        QCOMPARE(lines.size(), 31 + !exec.isEmpty() + !map.isEmpty());
        QCOMPARE(lines.at(1) == exec, !exec.isEmpty());
        QCOMPARE(lines.last() == map, !map.isEmpty());
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
        QVERIFY(content.contains("rate 2500\r\n"));
        QVERIFY(content.contains("skill 2\r\n"));
    }

    void filesAreWrittenWholeOrNotAtAll()
    {
        QTemporaryDir game;
        QVERIFY(QDir(game.path()).mkdir(QStringLiteral("valve")));
        const QString path = cfgFilePath(game.path(), QStringLiteral("vantortemp.cfg"));
        QCOMPARE(path, game.path() + QStringLiteral("/valve/vantortemp.cfg"));
        MemoryView view;
        QVERIFY(writeCfgFile(path, view));
        view.setCheck("chkcheat", 0);
        QVERIFY(writeCfgFile(path, view)); // replaced, not appended to
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        QCOMPARE(before, cfgFileContent(view));

        // A file-size limit stops the write half-way, as a full disk would.
        view.setCheck("chkcheat", 1);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = writeCfgFile(path, view);
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY(!written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(game.filePath(QStringLiteral("valve"))).entryList(QDir::Files),
                 QStringList{"vantortemp.cfg"}); // nothing left behind

        // No valve directory, or a file where it should be.
        QVERIFY(!writeCfgFile(cfgFilePath(game.filePath(QStringLiteral("none")), QStringLiteral("x.cfg")), view));
        QVERIFY(!writeCfgFile(cfgFilePath(game.path() + QStringLiteral("/valve/vantortemp.cfg"), QStringLiteral("x")),
                              view));
        QVERIFY(!QFile::exists(game.filePath(QStringLiteral("none"))));
    }

    void plainFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("name") << "mycfg" << true;
        QTest::newRow("with extension") << "mycfg.cfg" << true;
        QTest::newRow("blank") << " " << true;
        QTest::newRow("dots inside") << "..a" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("separator") << "../autoexec" << false;
    }

    void plainFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainFileName(name), plain);
    }
};

VANTOR_TEST_MAIN(CfgFileTest, QCoreApplication)

#include "tst_cfgfile.moc"
