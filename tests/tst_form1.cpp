#include "launch/commandline.h"
#include "launch/numericfields.h"
#include "launch/options.h"
#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QAbstractSlider>
#include <QInputMethodEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>

using namespace vantor;

namespace {

const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");
const QStringList toComicPage{"buthelp", "helpbrask"};

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, const QString &name)
{
    QWidget *widget = control(form, qPrintable(name));
    QWidget *top = form.childAt(widget->mapTo(&form, widget->rect().center()));
    return top && (top == widget || widget->isAncestorOf(top));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void startState()
    {
        Form1 form;
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QTRY_VERIFY(!form.windowIcon().pixmap(32).isNull()); // it follows once the window is up
        const QStringList start{"prntcmdline=" + startPreview, "prntskill=Easy", "prntconspd=1000",
                                "hldir=c:\\sierra\\half-life"};
        QCOMPARE(shown(form, start), start);
        for (const char *page : {"multifram", "framperf", "frammod", "framsound", "framhelp", "braskfram"})
            QVERIFY2(control(form, page)->isHidden(), page);
        for (const Option &opt : optionCatalogue()) {
            QWidget *widget = control(form, qPrintable(toQString(opt.key)));
            if (opt.kind != OptionKind::ReadOnly)
                QCOMPARE(shown(form, {toQString(opt.key)}).value(0), toQString(opt.key) + '=' + toQString(opt.start));
            if (auto *box = qobject_cast<QCheckBox *>(widget))
                QCOMPARE(box->text(), toQString(opt.caption));
            if (!qobject_cast<QAbstractSlider *>(widget)) // a slider's labels carry its tooltip
                QCOMPARE(widget->toolTip(), toQString(opt.tooltip));
        }
    }

    // What a user's actions lead to. An action "name" clicks, "name=text" types; whatever happened, the preview shows
    // the command line of the options as they now are.
    void userActions_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected"); // control=value lines

        const QStringList dnf = toComicPage + QStringList{"chkdnf"};
        const QString on = QStringLiteral("prntcmdline=hl.exe -console -numericping -toconsole");
        const QString exec = QStringLiteral(" +exec vantortemp.cfg");
        QTest::newRow("ping") << QStringList{"chknumping"} << "prntcmdline=hl.exe -console -toconsole" + exec;
        QTest::newRow("console") << QStringList{"chktocon"} << "prntcmdline=hl.exe -console -numericping" + exec;
        QTest::newRow("dev") << QStringList{"chkdev"} << on + " -dev" + exec;
        QTest::newRow("mod") << QStringList{"chkmod"} << on + " -game tfc" + exec;
        QTest::newRow("mod typed") << QStringList{"chkmod", "txtmod=dmc"} << on + " -game tfcdmc" + exec;
        QTest::newRow("custom typed") << QStringList{"customcmd=+map c1a0"} << on + exec + " +map c1a0";
        QTest::newRow("dir-not-found mode") << dnf << on + " +r_mmx 1 +sv_cheats 1";
        QTest::newRow("cheats") << dnf + QStringList{"chkcheat"} << on + " +r_mmx 1";
        QTest::newRow("mmx") << dnf + QStringList{"chkmmx"} << on + " +sv_cheats 1";
        QTest::newRow("cfg") << dnf + QStringList{"txtcfg=x.cfg", "chkcfg"}
                             << on + " +r_mmx 1 +sv_cheats 1 +exec x.cfg";
        QTest::newRow("cfg typed") << dnf + QStringList{"chkcfg", "txtcfg=x", "txtcfg=.cfg"}
                                   << on + " +r_mmx 1 +sv_cheats 1 +exec x.cfg";

        QTest::newRow("cfg turns console on") << QStringList{"chktocon", "chkcfg"} << "chktocon=1\n" + on + exec;
        QTest::newRow("map turns console on") << QStringList{"chktocon", "chkmap"} << "chktocon=1\n" + on + exec;
        QTest::newRow("console stays on with cfg") << QStringList{"chkcfg", "chktocon"} << QStringLiteral("chktocon=1");
        QTest::newRow("console stays on with map") << QStringList{"chkmap", "chktocon"} << QStringLiteral("chktocon=1");
        QTest::newRow("console stays on when both go off")
            << QStringList{"chktocon", "chkmap", "chkcfg", "chkmap", "chkcfg"} << QStringLiteral("chktocon=1");

        QTest::newRow("letter typed into a number") << QStringList{"butmulti", "txtrate=a"} << "txtrate=2500";
        QTest::newRow("out of range while its box is off")
            << QStringList{"butmulti", "chkpush", "txtpush=000", "chkpush"} << QStringLiteral("txtpush=300000");
        QTest::newRow("caught by the next numeric change")
            << QStringList{"butmulti", "chkpush", "txtpush=000", "chkpush", "txtrate=1"}
            << QStringLiteral("txtrate=25001\ntxtpush=300");
    }

    void userActions()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        Form1 form;
        form.show();
        for (const QString &action : actions) {
            const qsizetype eq = action.indexOf(QLatin1Char('='));
            if (eq < 0)
                click(form, qPrintable(action));
            else
                QTest::keyClicks(control(form, qPrintable(action.left(eq))), action.mid(eq + 1));
        }
        QCOMPARE(shown(form, expected.split('\n')), expected.split('\n'));
        QCOMPARE(preview(form), commandLinePreview(buildParameters(form)));
    }

    void greyedBoxClicksOn()
    {
        Form1 form;
        form.show();
        form.setCheck("chkdev", 2);
        click(form, "chkdev");
        QCOMPARE(form.check("chkdev"), 1);
        click(form, "chkdev");
        QCOMPARE(form.check("chkdev"), 0);
    }

    void typingLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit");
        const std::pair<const char *, int> limits[]{
            {"txtmap", 30},   {"txtcfg", 18},   {"customcmd", 90}, {"txtmod", 16}, {"txtmaxp", 2},  {"txtrate", 5},
            {"txtfpslan", 3}, {"txtfpsnet", 3}, {"txtdecal", 4},   {"txtpush", 0}, {"txtmkcfg", 14}};
        for (const auto &[key, limit] : limits)
            QTest::newRow(key) << QString(key) << limit;
    }

    void typingLimits()
    {
        QFETCH(QString, key);
        QFETCH(int, limit); // 0: none
        Form1 form;
        form.show();
        auto *field = control<QLineEdit>(form, qPrintable(key));
        const QString typed(limit + 5, QLatin1Char('0')); // a number in every field
        retype(form, qPrintable(key), typed);
        QCOMPARE(field->text(), limit ? typed.left(limit) : typed);

        // Text the program puts there is kept whole, however long, and the user may not lengthen it.
        const QString longer(40000, QLatin1Char('0'));
        field->setText(longer);
        QCOMPARE(field->text(), longer);
        field->setCursorPosition(3);
        QTest::keyClick(field, Qt::Key_0);
        QCOMPARE(field->text().size(), longer.size() + (limit ? 0 : 1));

        // A character of two UTF-16 units is let in or cut whole (a numeric field would refuse it anyway).
        if (numericField(key.toStdString()))
            return;
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
        field->clear();
        QInputMethodEvent typing;
        typing.setCommitString(QString(qMax(limit - 2, 0), QLatin1Char('1')) + face + face + face);
        QCoreApplication::sendEvent(field, &typing);
        QCOMPARE(field->text(), typing.commitString().left(limit ? limit + 2 : -1));
    }

    void gameDirectoryAndPreviewCannotBeTyped()
    {
        Form1 form;
        form.show();
        QTest::keyClicks(control(form, "hldir"), QStringLiteral("abc"));
        QTest::keyClick(control(form, "hldir"), Qt::Key_Backspace);
        QCOMPARE(form.text("hldir"), QStringLiteral("c:\\sierra\\half-life"));
        auto *previewField = control<QPlainTextEdit>(form, "prntcmdline");
        QTest::keyClicks(previewField, QStringLiteral("xyz"));
        QTest::keyClick(previewField, Qt::Key_Backspace);
        QCOMPARE(preview(form), startPreview);
        previewField->setPlainText(QStringLiteral("edited")); // even a change by code is replaced at once
        QCOMPARE(preview(form), startPreview);
    }

    // Pages lie over one another; the bottom strip stays usable on every one. The focus goes to the page on top.
    void pagesAreLayers_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("reachable");
        QTest::addColumn<QString>("covered");
        const auto row = [](const char *name, const char *clicks, const char *reachable, const char *covered) {
            QTest::newRow(name) << QString(clicks) << QString(reachable) << QString(covered);
        };
        row("general", "", "chkdev butcfg buthelp", "chkdm");
        row("multiplayer", "butmulti", "chkdm txtpush", "chkdev");
        row("back from multiplayer", "butmulti Command1", "chkdev", "chkdm");
        row("performance", "butperf", "chkdynlit chkmod chk16bit", "butcfg");
        row("back from performance", "butperf backsnd", "butcfg", "chkdynlit chkmod chk16bit");
        row("help over multiplayer", "butmulti buthelp", "txthelp", "chkdm");
        row("back from help", "butmulti buthelp backhlp", "chkdm", "txthelp");
        row("comic covers the header", "buthelp helpbrask", "chkdnf", "buthelp load1");
        row("back from comic", "buthelp helpbrask braskbackbut", "txthelp", "chkdnf");
    }

    void pagesAreLayers()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, reachable);
        QFETCH(QString, covered);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const QString &button : clicks.split(' ', Qt::SkipEmptyParts))
            click(form, qPrintable(button));
        const QString bottomStrip =
            " buthldir hldir butmkcfg txtmkcfg chkclosrun chksavrun butgonow butdelsav resetset butclose";
        for (const QString &name : (reachable + bottomStrip).split(' '))
            QVERIFY2(::reachable(form, name), qPrintable(name));
        for (const QString &name : covered.split(' '))
            QVERIFY2(!::reachable(form, name), qPrintable(name));
        if (!clicks.isEmpty())
            QVERIFY(::reachable(form, QApplication::focusWidget()->objectName()));
    }

    void enterRunsUnlessAButtonHasTheFocus()
    {
        QTemporaryDir game; // Runs start a stand-in game there, and Vantor stays open
        QVERIFY(QDir(game.path()).mkdir(QStringLiteral("valve")) && writeFakeProgram(game.filePath("hl.exe")));
        storefile::write("[other]\nhldir=" + game.path().toUtf8() + "\n");
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setCheck("chkclosrun", 0);
        QSignalSpy run(control<QPushButton>(form, "butgonow"), &QPushButton::clicked);
        QSignalSpy help(control<QPushButton>(form, "buthelp"), &QPushButton::clicked);
        QSignalSpy ending(&form, &Form1::programEnding);
        for (const char *name : {"chkcheat", "customcmd", "buthelp"}) {
            control(form, name)->setFocus();
            QTest::keyClick(control(form, name), Qt::Key_Return);
        }
        QCOMPARE(run.count(), 2);
        QCOMPARE(help.count(), 1);
        QVERIFY(ending.isEmpty());
        QTest::keyClick(control(form, "chkdev"), Qt::Key_Escape);
        QCOMPARE(ending.count(), 1);
    }

    void numericFieldsOnFocusLoss()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        click(form, "butmulti");
        retype(form, "txtfpslan", QString());
        QCOMPARE(form.text("txtfpslan"), QString()); // empty while edited
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(control(form, "txtfpslan"), &menuOpens);
        QCOMPARE(form.text("txtfpslan"), QString()); // a context menu is no leaving
        control(form, "txtrate")->setFocus();
        QCOMPARE(form.text("txtfpslan"), QStringLiteral("45"));
    }

    void sliderLabelsFollowADrag()
    {
        Form1 form;
        auto *skill = control<QSlider>(form, "scrlskill");
        auto *speed = control<QScrollBar>(form, "scrlcon");
        skill->setSliderDown(true);
        skill->setSliderPosition(2); // not yet released
        speed->setSliderDown(true);
        speed->setSliderPosition(35);
        const QStringList labels{"prntskill=Medium", "prntconspd=3500"};
        QCOMPARE(shown(form, labels), labels);
    }

    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        for (const QString &button : toComicPage)
            click(form, qPrintable(button));
        click(form, "chkdnf");
        for (const char *name :
             {"multifram", "framperf", "framsound", "butmulti", "chkmap", "butcfg", "butmap", "scrlskill", "scrlcon",
              "butmkcfg", "chkmlook", "chkmfilt", "chkshad", "chkthird", "chkflip", "chkjoy", "txtmap"})
            QVERIFY2(!control(form, name)->isEnabled(), name);
        // What the command line can carry stays usable.
        for (const char *name : {"chkmmx",    "chkcheat", "chkcfg",     "txtcfg",    "chknumping", "chktocon", "chkdev",
                                 "customcmd", "butperf",  "frammod",    "chkmod",    "txtmod",     "backsnd",  "chkdnf",
                                 "butgonow",  "buthldir", "chkclosrun", "chksavrun", "txtmkcfg",   "buthelp"})
            QVERIFY2(control(form, name)->isEnabled(), name);
        QVERIFY(!control(form, "chkdynlit")->isEnabledTo(&form)); // inside a disabled page

        const QString dnfPreview = preview(form);
        click(form, "chkdnf"); // the mode ends, the controls stay off and the preview stays
        QCOMPARE(preview(form), dnfPreview);
        QVERIFY(!control(form, "multifram")->isEnabled());
    }
};

VANTOR_TEST_MAIN(Form1Test, QApplication)

#include "tst_form1.moc"
