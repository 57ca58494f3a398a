#include "launch/commandline.h"
#include "launch/numericfields.h"
#include "launch/options.h"
#include "support/fakegame.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>

using namespace vantor;

namespace {

const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, const QString &name)
{
    QWidget *widget = control(form, qPrintable(name));
    QWidget *top = form.childAt(widget->mapTo(&form, widget->rect().center()));
    return top && (top == widget || widget->isAncestorOf(top));
}

// Clicks each button named in turn.
void clicks(Form1 &form, const QString &names)
{
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts))
        click(form, qPrintable(name));
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
        QCOMPARE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        QTRY_VERIFY(!form.windowIcon().pixmap(32).isNull()); // it follows once the window is up
        const QStringList start{"prntcmdline=" + startPreview, "prntskill=Easy", "prntconspd=1000",
                                "hldir=c:\\sierra\\half-life"};
        QCOMPARE(shown(form, start), start);
        for (const Option &opt : optionCatalogue()) {
            const QString key = toQString(opt.key);
            QWidget *widget = control(form, qPrintable(key));
            if (opt.kind != OptionKind::ReadOnly)
                QCOMPARE(shown(form, {key}).value(0), key + '=' + toQString(opt.start));
            if (auto *box = qobject_cast<QCheckBox *>(widget))
                QCOMPARE(box->text(), toQString(opt.caption));
            if (!qobject_cast<QAbstractSlider *>(widget)) // a slider's labels carry its tooltip
                QCOMPARE(widget->toolTip(), toQString(opt.tooltip));
        }
    }

    // An action "name" clicks, "name=text" types, "name:state" sets a box; whatever happened, the preview shows the
    // command line of the options as they now are.
    void userActions_data()
    {
        QTest::addColumn<QString>("actions");  // separated by '|'
        QTest::addColumn<QString>("expected"); // control=value lines
        const QString on = "prntcmdline=hl.exe -console -numericping -toconsole", exec = " +exec vantortemp.cfg",
                      dnf = "buthelp|helpbrask|chkdnf", dnfOn = on + " +r_mmx 1 +sv_cheats 1";
        const auto row = [](const char *name, const QString &actions, const QString &expected) {
            QTest::newRow(name) << actions << expected;
        };
        row("ping", "chknumping", "prntcmdline=hl.exe -console -toconsole" + exec);
        row("console", "chktocon", "prntcmdline=hl.exe -console -numericping" + exec);
        row("dev", "chkdev", on + " -dev" + exec);
        row("mod", "chkmod", on + " -game tfc" + exec);
        row("mod typed", "chkmod|txtmod=dmc", on + " -game tfcdmc" + exec);
        row("custom typed", "customcmd=+map c1a0", on + exec + " +map c1a0");
        row("dir-not-found mode", dnf, dnfOn);
        row("cheats", dnf + "|chkcheat", on + " +r_mmx 1");
        row("mmx", dnf + "|chkmmx", on + " +sv_cheats 1");
        row("cfg", dnf + "|txtcfg=x.cfg|chkcfg", dnfOn + " +exec x.cfg");
        row("cfg typed", dnf + "|chkcfg|txtcfg=x|txtcfg=.cfg", dnfOn + " +exec x.cfg");
        row("greyed box clicks on", "chkdev:2|chkdev", "chkdev=1");
        row("and off again", "chkdev:2|chkdev|chkdev", "chkdev=0");
        row("cfg turns console on", "chktocon|chkcfg", "chktocon=1\n" + on + exec);
        row("map turns console on", "chktocon|chkmap", "chktocon=1\n" + on + exec);
        row("console stays on with cfg", "chkcfg|chktocon", "chktocon=1");
        row("console stays on with map", "chkmap|chktocon", "chktocon=1");
        row("console stays on when both go off", "chktocon|chkmap|chkcfg|chkmap|chkcfg", "chktocon=1");
        row("letter typed into a number", "butmulti|txtrate=a", "txtrate=2500");
        row("out of range while its box is off", "butmulti|chkpush|txtpush=000|chkpush", "txtpush=300000");
        row("caught by the next numeric change", "butmulti|chkpush|txtpush=000|chkpush|txtrate=1",
            "txtrate=25001\ntxtpush=300");
    }

    void userActions()
    {
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        Form1 form;
        form.show();
        for (const QString &action : actions.split('|')) {
            const QString name = action.section(QRegularExpression("[=:]"), 0, 0);
            if (action.contains('='))
                QTest::keyClicks(control(form, qPrintable(name)), action.section('=', 1));
            else if (action.contains(':'))
                form.setCheck(name.toStdString(), action.section(':', 1).toInt());
            else
                click(form, qPrintable(name));
        }
        QCOMPARE(shown(form, expected.split('\n')), expected.split('\n'));
        QCOMPARE(preview(form), commandLinePreview(buildParameters(form)));
    }

    void typingLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit"); // 0: none
        for (const auto &[key, limit] : std::initializer_list<std::pair<const char *, int>>{
                 {"txtmap", 30}, {"txtcfg", 18}, {"customcmd", 90}, {"txtmod", 16}, {"txtmaxp", 2}, {"txtrate", 5},
                 {"txtfpslan", 3}, {"txtfpsnet", 3}, {"txtdecal", 4}, {"txtpush", 0}, {"txtmkcfg", 14}})
            QTest::newRow(key) << QString(key) << limit;
    }

    void typingLimits()
    {
        QFETCH(QString, key);
        QFETCH(int, limit);
        Form1 form;
        form.show();
        auto *field = control<QLineEdit>(form, qPrintable(key));
        const QString typed(limit + 5, QLatin1Char('0')); // a number in every field
        retype(form, qPrintable(key), typed);
        QCOMPARE(field->text(), limit ? typed.left(limit) : typed);

        // Text the program puts there is kept whole, however long, and the user may not lengthen it.
        const QString longer(40000, QLatin1Char('0'));
        field->setText(longer);
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
        for (const char *name : {"hldir", "prntcmdline"}) {
            QTest::keyClicks(control(form, name), QStringLiteral("abc"));
            QTest::keyClick(control(form, name), Qt::Key_Backspace);
        }
        QCOMPARE(form.text("hldir"), QStringLiteral("c:\\sierra\\half-life"));
        QCOMPARE(preview(form), startPreview);
        control<QPlainTextEdit>(form, "prntcmdline")->setPlainText("edited"); // even a change by code is replaced
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
        row("general", "", "chkdev butcfg buthelp", "chkdm chkdynlit chkmod chk16bit txthelp chkdnf");
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
        ::clicks(form, clicks);
        for (const QString &name : (reachable + " buthldir hldir butmkcfg txtmkcfg chkclosrun chksavrun butgonow "
                                                "butdelsav resetset butclose").split(' '))
            QVERIFY2(::reachable(form, name), qPrintable(name));
        for (const QString &name : covered.split(' '))
            QVERIFY2(!::reachable(form, name), qPrintable(name));
        if (!clicks.isEmpty())
            QVERIFY(::reachable(form, QApplication::focusWidget()->objectName()));
    }

    void enterRunsUnlessAButtonHasTheFocus()
    {
        GameFolder game; // Runs start a stand-in game there, and Vantor stays open
        storefile::write("[other]\nhldir=" + game.dir.path().toUtf8() + "\n");
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
        QFocusEvent menuOpens(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(control(form, "txtfpslan"), &menuOpens);
        QCOMPARE(form.text("txtfpslan"), QString()); // empty while edited, and a context menu is no leaving
        control(form, "txtrate")->setFocus();
        QCOMPARE(form.text("txtfpslan"), QStringLiteral("45"));
    }

    void sliderLabelsFollowADrag()
    {
        Form1 form;
        for (const auto &[name, position] : {std::pair{"scrlskill", 2}, std::pair{"scrlcon", 35}}) {
            auto *slider = control<QAbstractSlider>(form, name);
            slider->setSliderDown(true);
            slider->setSliderPosition(position); // not yet released
        }
        const QStringList labels{"prntskill=Medium", "prntconspd=3500"};
        QCOMPARE(shown(form, labels), labels);
    }

    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        clicks(form, "buthelp helpbrask chkdnf");
        for (const char *name :
             {"multifram", "framperf", "framsound", "butmulti", "chkmap", "butcfg", "butmap", "scrlskill", "scrlcon",
              "butmkcfg", "chkmlook", "chkmfilt", "chkshad", "chkthird", "chkflip", "chkjoy", "txtmap"})
            QVERIFY2(!control(form, name)->isEnabled(), name);
        // What the command line can carry stays usable.
        for (const char *name : {"chkmmx", "chkcheat", "chkcfg", "txtcfg", "chknumping", "chktocon", "chkdev",
                                 "customcmd", "butperf", "chkmod", "txtmod", "backsnd", "butgonow", "buthldir"})
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
