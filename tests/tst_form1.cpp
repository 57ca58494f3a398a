#include "launch/options.h"
#include "support/form1helpers.h"
#include "support/storefile.h"
#include "support/testmain.h"

#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>

using namespace vantor;

namespace {

const QString startPreview = QStringLiteral("hl.exe -console -numericping -toconsole +exec vantortemp.cfg");

// Whether a user sees the control at its centre, or something laid over it.
bool reachable(Form1 &form, QWidget *widget)
{
    const QPoint centre = widget->mapTo(&form, widget->rect().center());
    QWidget *top = form.childAt(centre);
    return top && (top == widget || widget->isAncestorOf(top));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void init() { storefile::remove(); }

    void windowIsFixedWithMinimizeOnly()
    {
        Form1 form;
        QVERIFY(form.windowTitle().startsWith(QStringLiteral("Vantor, by ")));
        QVERIFY(form.windowTitle().size() > QStringLiteral("Vantor, by ").size());
        QCOMPARE(form.size(), QSize(489, 337));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!form.windowIcon().pixmap(32).isNull());
    }

    void controlsFollowTheCatalogue()
    {
        Form1 form;
        for (const Option &opt : optionCatalogue()) {
            const QString key = toQString(opt.key);
            QWidget *widget = form.findChild<QWidget *>(key);
            QVERIFY2(widget, qPrintable(key));
            if (opt.kind == OptionKind::Check) {
                auto *box = qobject_cast<QCheckBox *>(widget);
                QVERIFY2(box, qPrintable(key));
                QCOMPARE(box->text(), toQString(opt.caption));
                QCOMPARE(box->toolTip(), toQString(opt.tooltip));
                QCOMPARE(form.check(opt.key), toQString(opt.start).toInt());
            } else if (opt.kind == OptionKind::Slider || opt.kind == OptionKind::ScrollBar) {
                auto *slider = qobject_cast<QAbstractSlider *>(widget);
                QVERIFY2(slider, qPrintable(key));
                QCOMPARE(slider->value(), toQString(opt.start).toInt());
                QCOMPARE(slider->maximum(), opt.maximum);
                QVERIFY(slider->toolTip().isEmpty()); // its labels carry it
            } else {
                auto *field = qobject_cast<TextField *>(widget);
                QVERIFY2(field, qPrintable(key));
                QCOMPARE(field->toolTip(), toQString(opt.tooltip));
                QCOMPARE(field->typingLimit(), opt.typingLimit);
                if (key != QLatin1String("hldir"))
                    QCOMPARE(field->text(), toQString(opt.start));
            }
        }
    }

    void startState()
    {
        Form1 form;
        QCOMPARE(preview(form), startPreview);
        QCOMPARE(control<QLabel>(form, "prntskill")->text(), QStringLiteral("Easy"));
        QCOMPARE(control<QLabel>(form, "prntconspd")->text(), QStringLiteral("1000"));
        QCOMPARE(control<QLabel>(form, "prntconspd")->toolTip(),
                 QStringLiteral("The speed that the console moves at when you bring it down/put it away. 600 is the "
                                "default speed"));
        QCOMPARE(form.text("hldir"), QStringLiteral("c:\\sierra\\half-life"));
        QCOMPARE(control<QLineEdit>(form, "txtmkcfg")->text(), QString());
        QCOMPARE(control<QPushButton>(form, "butgonow")->text(), QStringLiteral("Run Half-Life Now!"));
        QCOMPARE(control<QPushButton>(form, "butperf")->text(),
                 QStringLiteral("Performance, Mod (Custom Game) and Sound Options"));
        for (const char *page : {"multifram", "framperf", "frammod", "framsound", "framhelp", "braskfram"})
            QVERIFY2(control(form, page)->isHidden(), page);
        QCOMPARE(control(form, "prntcmdline")->toolTip(),
                 QStringLiteral("This is the command line that will be executed, like from the DOS prompt"));
    }

    void previewFollowsTheOptions_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("typedMod");
        QTest::addColumn<QString>("typedCustom");
        QTest::addColumn<QString>("expected");

        QTest::newRow("dev") << QStringList{"chkdev"} << ""
                             << ""
                             << "hl.exe -console -numericping -toconsole -dev +exec vantortemp.cfg";
        QTest::newRow("typed mod") << QStringList{"chkmod"} << "dmc"
                                   << ""
                                   << "hl.exe -console -numericping -toconsole -game tfcdmc +exec vantortemp.cfg";
        QTest::newRow("custom") << QStringList{} << ""
                                << "+map c1a0"
                                << "hl.exe -console -numericping -toconsole +exec vantortemp.cfg +map c1a0";
        QTest::newRow("mmx and cheats are in the file") << QStringList{"chkmmx", "chkcheat"} << ""
                                                        << "" << startPreview;
        QTest::newRow("everything off") << QStringList{"chknumping", "chktocon"} << ""
                                        << ""
                                        << "hl.exe -console +exec vantortemp.cfg";
    }

    void previewFollowsTheOptions()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, typedMod);
        QFETCH(QString, typedCustom);
        QFETCH(QString, expected);
        Form1 form;
        form.show();
        for (const QString &name : clicks)
            click(form, qPrintable(name));
        QTest::keyClicks(control(form, "txtmod"), typedMod);
        QTest::keyClicks(control(form, "customcmd"), typedCustom);
        QCOMPARE(preview(form), expected);
        QCOMPARE(form.makecmdline(), expected.mid(6));
    }

    void oneClickRebuildsOnce_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("changes");
        QTest::newRow("dev") << "chkdev" << 1;
        QTest::newRow("cfg forces console on") << "chkcfg" << 1;
        QTest::newRow("map forces console on") << "chkmap" << 1;
        QTest::newRow("mmx changes nothing shown") << "chkmmx" << 0;
        QTest::newRow("shadows reach the file only") << "chkshad" << 0;
    }

    void oneClickRebuildsOnce()
    {
        QFETCH(QString, box);
        QFETCH(int, changes);
        Form1 form;
        form.show();
        click(form, "chktocon"); // off, so that cfg and map have something to switch on
        QSignalSpy spy(control<QPlainTextEdit>(form, "prntcmdline"), &QPlainTextEdit::textChanged);
        click(form, qPrintable(box));
        QCOMPARE(spy.count(), changes);
    }

    void customCfgAndMapForceConsole()
    {
        Form1 form;
        form.show();
        click(form, "chktocon");
        QCOMPARE(form.check("chktocon"), 0);
        QVERIFY(!preview(form).contains(QStringLiteral(" -toconsole")));

        click(form, "chkcfg");
        QCOMPARE(form.check("chktocon"), 1);
        QCOMPARE(preview(form), startPreview);

        click(form, "chktocon"); // refused while Custom CFG is on
        QCOMPARE(form.check("chktocon"), 1);
        click(form, "chkcfg");
        click(form, "chkmap");
        click(form, "chktocon"); // refused while Custom Map is on
        QCOMPARE(form.check("chktocon"), 1);
        QCOMPARE(preview(form), startPreview);

        click(form, "chkmap"); // turning both off leaves it on
        QCOMPARE(form.check("chktocon"), 1);
        click(form, "chktocon");
        QCOMPARE(form.check("chktocon"), 0);
        QCOMPARE(preview(form), QStringLiteral("hl.exe -console -numericping +exec vantortemp.cfg"));
    }

    void greyedBoxClicksOn()
    {
        Form1 form;
        form.show();
        form.setCheck("chkdev", 2);
        QCOMPARE(preview(form), startPreview); // greyed is off
        click(form, "chkdev");
        QCOMPARE(form.check("chkdev"), 1);
        click(form, "chkdev");
        QCOMPARE(form.check("chkdev"), 0);
        click(form, "chkdev");
        QCOMPARE(form.check("chkdev"), 1);
    }

    void typingLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("limit");
        QTest::newRow("map") << "txtmap" << 30;
        QTest::newRow("cfg") << "txtcfg" << 18;
        QTest::newRow("custom parameters") << "customcmd" << 90;
        QTest::newRow("mod") << "txtmod" << 16;
        QTest::newRow("max players") << "txtmaxp" << 2;
        QTest::newRow("rate") << "txtrate" << 5;
        QTest::newRow("fps lan") << "txtfpslan" << 3;
        QTest::newRow("fps net") << "txtfpsnet" << 3;
        QTest::newRow("decal") << "txtdecal" << 4;
        QTest::newRow("cfg file name") << "txtmkcfg" << 14;
    }

    void typingLimits()
    {
        QFETCH(QString, key);
        QFETCH(int, limit);
        Form1 form;
        form.show();
        auto *field = control<QLineEdit>(form, qPrintable(key));
        retype(form, qPrintable(key), QString(limit + 5, QLatin1Char('1')));
        QCOMPARE(field->text(), QString(limit, QLatin1Char('1')));

        // Text the program puts there is kept whole; the user may shorten it but not lengthen it.
        const QString longer(limit + 10, QLatin1Char('0')); // a number in every field
        field->setText(longer);
        QCOMPARE(field->text(), longer);
        field->setCursorPosition(3);
        QTest::keyClick(field, Qt::Key_3);
        QCOMPARE(field->text(), longer);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text().size(), longer.size() - 1);
        QTest::keyClick(field, Qt::Key_3);
        QCOMPARE(field->text().size(), longer.size() - 1);
    }

    void pastingIsCutToTheLimit()
    {
        Form1 form;
        form.show();
        auto *field = control<QLineEdit>(form, "txtcfg");
        QTest::keyClicks(field, QStringLiteral("ab"));
        field->setCursorPosition(1);
        QTest::keyClicks(field, QStringLiteral("0123456789abcdefghij")); // typed into the middle
        QCOMPARE(field->text(), QStringLiteral("a0123456789abcdefb"));
    }

    void gameDirectoryAndPreviewCannotBeTyped()
    {
        Form1 form;
        form.show();
        auto *dir = control<QLineEdit>(form, "hldir");
        const QString before = dir->text();
        dir->setFocus();
        QTest::keyClicks(dir, QStringLiteral("abc"));
        QTest::keyClick(dir, Qt::Key_Backspace);
        QCOMPARE(dir->text(), before);

        auto *previewField = control<QPlainTextEdit>(form, "prntcmdline");
        previewField->setFocus();
        QTest::keyClicks(previewField, QStringLiteral("xyz"));
        QTest::keyClick(previewField, Qt::Key_Backspace);
        QCOMPARE(preview(form), startPreview);
        previewField->setPlainText(QStringLiteral("edited")); // even a change by code is replaced at once
        QCOMPARE(preview(form), startPreview);
    }

    void pagesAreLayers()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *multi = control(form, "multifram");
        auto *help = control(form, "framhelp");

        click(form, "butmulti");
        QVERIFY(multi->isVisible());
        QVERIFY(reachable(form, control(form, "chkdm")));
        QVERIFY(!reachable(form, control(form, "chkdev")));
        click(form, "buthelp");
        QVERIFY(help->isVisible());
        QVERIFY(!reachable(form, control(form, "chkdm")));
        click(form, "backhlp");
        QVERIFY(!help->isVisible());
        QVERIFY(multi->isVisible()); // back where we were
        QVERIFY(reachable(form, control(form, "chkdm")));
        click(form, "Command1");
        QVERIFY(!multi->isVisible());
        QVERIFY(reachable(form, control(form, "chkdev")));
        QVERIFY(reachable(form, control(form, "butcfg")));

        click(form, "butperf");
        for (const char *part : {"framperf", "frammod", "framsound"})
            QVERIFY2(control(form, part)->isVisible(), part);
        QVERIFY(!reachable(form, control(form, "butcfg")));
        click(form, "backsnd");
        for (const char *part : {"framperf", "frammod", "framsound"})
            QVERIFY2(!control(form, part)->isVisible(), part);

        click(form, "buthelp");
        click(form, "helpbrask");
        QVERIFY(control(form, "braskfram")->isVisible());
        QVERIFY(!reachable(form, control(form, "buthelp"))); // the comic covers the header strip
        QVERIFY(!reachable(form, control(form, "load1")));
        QVERIFY(reachable(form, control(form, "chkdnf")));
        click(form, "braskbackbut");
        QVERIFY(!control(form, "braskfram")->isVisible());
        QVERIFY(help->isVisible());
    }

    void bottomStripStaysUsable_data()
    {
        QTest::addColumn<QStringList>("opening");
        QTest::newRow("general") << QStringList{};
        QTest::newRow("multiplayer") << QStringList{"butmulti"};
        QTest::newRow("performance") << QStringList{"butperf"};
        QTest::newRow("help") << QStringList{"buthelp"};
        QTest::newRow("comic") << QStringList{"buthelp", "helpbrask"};
    }

    void bottomStripStaysUsable()
    {
        QFETCH(QStringList, opening);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (const QString &button : opening)
            click(form, qPrintable(button));
        for (const char *name : {"buthldir", "hldir", "butmkcfg", "txtmkcfg", "chkclosrun", "chksavrun", "butgonow",
                                 "butdelsav", "resetset", "butclose"})
            QVERIFY2(reachable(form, control(form, name)), name);
        click(form, "chksavrun");
        QCOMPARE(form.check("chksavrun"), 1);
    }

    void enterRunsUnlessAButtonHasTheFocus()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy run(control<QPushButton>(form, "butgonow"), &QPushButton::clicked);
        QSignalSpy help(control<QPushButton>(form, "buthelp"), &QPushButton::clicked);
        QSignalSpy ending(&form, &Form1::programEnding);

        for (const char *name : {"chkcheat", "txtmap", "prntcmdline", "hldir"}) {
            control(form, name)->setFocus();
            QTest::keyClick(control(form, name), Qt::Key_Return);
        }
        QTest::keyClick(control(form, "customcmd"), Qt::Key_Enter);
        QCOMPARE(run.count(), 5);

        control(form, "buthelp")->setFocus();
        QTest::keyClick(control(form, "buthelp"), Qt::Key_Return);
        QCOMPARE(help.count(), 1);
        QCOMPARE(run.count(), 5);
        QVERIFY(ending.isEmpty());

        control(form, "chkdev")->setFocus();
        QTest::keyClick(control(form, "chkdev"), Qt::Key_Escape);
        QCOMPARE(ending.count(), 1);
    }

    void exitEndsTheProgram()
    {
        Form1 form;
        form.show();
        QSignalSpy ending(&form, &Form1::programEnding);
        click(form, "butclose");
        QCOMPARE(ending.count(), 1);
        QVERIFY(form.isEnding());
        QVERIFY(!form.isVisible());
    }

    void numericFieldsRepairWhileTyping()
    {
        Form1 form;
        form.show();
        click(form, "butmulti");
        auto *rate = control<QLineEdit>(form, "txtrate");
        rate->setFocus();
        rate->end(false);
        QTest::keyClick(rate, Qt::Key_A);
        QCOMPARE(rate->text(), QStringLiteral("2500"));
        retype(form, "txtpush", QStringLiteral("22.5"));
        QCOMPARE(form.text("txtpush"), QStringLiteral("22.5"));

        // A value left out of range while its box was off is caught by the next change of any numeric field.
        click(form, "chkpush");
        retype(form, "txtpush", QStringLiteral("40000"));
        QCOMPARE(form.text("txtpush"), QStringLiteral("40000"));
        click(form, "chkpush");
        QCOMPARE(form.text("txtpush"), QStringLiteral("40000"));
        rate->setFocus();
        rate->end(false);
        QTest::keyClick(rate, Qt::Key_1);
        QCOMPARE(rate->text(), QStringLiteral("25001"));
        QCOMPARE(form.text("txtpush"), QStringLiteral("300"));
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

        retype(form, "txtmaxp", QStringLiteral("33"));
        control(form, "txtrate")->setFocus();
        QCOMPARE(form.text("txtmaxp"), QStringLiteral("16"));
    }

    void sliderLabelsFollow()
    {
        Form1 form;
        auto *skill = control<QSlider>(form, "scrlskill");
        auto *speed = control<QScrollBar>(form, "scrlcon");
        skill->setSliderDown(true);
        skill->setSliderPosition(2); // dragging, not yet released
        QCOMPARE(control<QLabel>(form, "prntskill")->text(), QStringLiteral("Medium"));
        skill->setSliderDown(false);
        skill->setValue(3);
        QCOMPARE(control<QLabel>(form, "prntskill")->text(), QStringLiteral("Hard"));
        speed->setSliderDown(true);
        speed->setSliderPosition(35);
        QCOMPARE(control<QLabel>(form, "prntconspd")->text(), QStringLiteral("3500"));
        speed->setSliderDown(false);
        speed->setValue(speed->minimum());
        QCOMPARE(control<QLabel>(form, "prntconspd")->text(), QString::number(speed->minimum() * 100));
    }

    void dirNotFoundModeDisablesWhatOnlyTheFileCarries()
    {
        Form1 form;
        form.show();
        click(form, "chkcfg");
        QTest::keyClicks(control(form, "txtcfg"), QStringLiteral("x.cfg"));
        form.setCheck("chkdnf", 1);
        const QString dnfPreview =
            QStringLiteral("hl.exe -console -numericping -toconsole +r_mmx 1 +sv_cheats 1 +exec x.cfg");
        QCOMPARE(preview(form), dnfPreview);

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

        form.setCheck("chkdnf", 0); // the mode ends, the controls stay off and the preview stays
        QCOMPARE(preview(form), dnfPreview);
        QVERIFY(!control(form, "multifram")->isEnabled());
        QVERIFY(!control(form, "txtmap")->isEnabledTo(&form));
    }
};

VANTOR_TEST_MAIN(Form1Test, QApplication)

#include "tst_form1.moc"
