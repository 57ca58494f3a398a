// Builds Form1's controls onto its pages. Positions are in pixels from the top left of each control's parent;
// captions, start values, limits and tooltips of the options come from the option catalogue.

#include "form1.h"

#include "captions.h"

#include "launch/numericfields.h"
#include "launch/options.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

namespace vantor {
namespace {

template <typename Widget> Widget *place(Widget *widget, const char *name, int x, int y, int w, int h)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

QGroupBox *makePage(const char *name, const QString &caption, QWidget *parent, int x, int y, int w, int h)
{
    auto *page = place(new QGroupBox(caption, parent), name, x, y, w, h);
    page->setAutoFillBackground(true); // pages lie on top of one another
    return page;
}

QPushButton *makeButton(const char *name, const QString &caption, const QString &tooltip, QWidget *parent, int x, int y,
                        int w, int h)
{
    auto *button = place(new QPushButton(caption, parent), name, x, y, w, h);
    button->setToolTip(tooltip);
    button->setAutoDefault(false); // Enter and Esc are routed by the window itself
    return button;
}

QLabel *makeLabel(const char *name, const QString &caption, QWidget *parent, int x, int y, int w, int h)
{
    return place(new QLabel(caption, parent), name, x, y, w, h);
}

void setBold(QWidget *widget)
{
    QFont bold = widget->font();
    bold.setBold(true);
    widget->setFont(bold);
}

// The caption and tooltip of an option, for the label that names it.
QString captionOf(std::string_view key) { return translated(option(key).caption); }

// What a screen reader calls a control: the caption it stands by, up to its colon.
QString spoken(const QString &caption) { return caption.section(QLatin1Char(':'), 0, 0).trimmed(); }
QString tooltipOf(std::string_view key) { return translated(option(key).tooltip); }

constexpr int rowStep = 19;

} // namespace

OptionCheckBox *Form1::makeCheck(std::string_view key, QWidget *parent, int x, int y, int w, int h)
{
    const Option &opt = option(key);
    auto *box = new OptionCheckBox(translated(opt.caption), parent);
    box->setObjectName(toQString(key));
    box->setGeometry(x, y, w, h);
    box->setToolTip(translated(opt.tooltip));
    box->setState(toQString(opt.start).toInt());
    m_checks.emplace(opt.key, box);
    return box;
}

TextField *Form1::makeField(std::string_view key, QWidget *parent, int x, int y, int w, int h)
{
    const Option &opt = option(key);
    auto *field = new TextField(parent);
    field->setObjectName(toQString(key));
    field->setGeometry(x, y, w, h);
    field->setToolTip(translated(opt.tooltip));
    field->setText(toQString(opt.start));
    field->setTypingLimit(opt.typingLimit);
    field->setReadOnly(opt.kind == OptionKind::ReadOnly);
    // A field without a caption of its own is named by the check box that switches it on, which then says so.
    if (opt.caption.empty()) {
        const std::string box = "chk" + std::string(key.substr(3));
        field->setAccessibleName(spoken(translated(option(box).caption)));
        checkBox(box)->setAccessibleName(tr("Use %1").arg(field->accessibleName()));
    } else {
        field->setAccessibleName(spoken(translated(opt.caption)));
    }
    m_fields.emplace(opt.key, field);
    return field;
}

void Form1::buildHeader()
{
    const QString commandLineTip = captions::said(captions::commandLineTip);
    cmdlinfram = makePage("cmdlinfram", captions::said(captions::commandLineFrame), this, 0, 0, 337, 89);
    cmdlinfram->setToolTip(commandLineTip);
    prntcmdline = place(new QPlainTextEdit(cmdlinfram), "prntcmdline", 6, 15, 325, 44);
    prntcmdline->setToolTip(commandLineTip);
    prntcmdline->setLineWrapMode(QPlainTextEdit::NoWrap);
    prntcmdline->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    prntcmdline->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prntcmdline->setTabChangesFocus(true);
    // The preview is output only: Tab reaches it, and it can be selected and copied, never edited.
    prntcmdline->setReadOnly(true);
    prntcmdline->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    prntcmdline->setAccessibleName(spoken(captions::said(captions::commandLineFrame)));
    customcmdlabel = makeLabel("customcmdlabel", captionOf("customcmd"), cmdlinfram, 4, 64, 118, 17);
    customcmdlabel->setToolTip(tooltipOf("customcmd"));
    customcmd = makeField("customcmd", cmdlinfram, 122, 63, 209, 19);

    loadpreffram = makePage("loadpreffram", tr("Load:"), this, 344, 0, 81, 41);
    loadpreffram->setToolTip(tr("Load previously saved options from slot:"));
    savepreffram = makePage("savepreffram", captions::said(captions::saveFrame), this, 344, 40, 81, 41);
    savepreffram->setToolTip(tr("Save current Vantor options to slot:"));
    // The slot buttons lie on the window, over their frames.
    QPushButton **loads[] = {&load1, &load2, &load3};
    QPushButton **saves[] = {&save1, &save2, &save3};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        *loads[i] =
            makeButton("", n, tr("Load previously saved options from slot %1").arg(n), this, 348 + 25 * i, 15, 24, 22);
        (*loads[i])->setObjectName(QStringLiteral("load") + n);
        (*loads[i])->setAccessibleName(tr("Load Slot %1").arg(n));
        *saves[i] =
            makeButton("", n, tr("Save current Vantor options to slot %1").arg(n), this, 348 + 25 * i, 55, 24, 22);
        (*saves[i])->setObjectName(QStringLiteral("save") + n);
        (*saves[i])->setAccessibleName(tr("Save Slot %1").arg(n));
    }

    defpreffram = makePage("defpreffram", tr("Default:"), this, 432, 0, 57, 73);
    defpreffram->setToolTip(tr("Load options from this slot when Vantor loads:"));
    QRadioButton **defaults[] = {&def1opt, &def2opt, &def3opt};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        auto *button = place(new QRadioButton(n, defpreffram), "", 8, 17 + 18 * i, 44, 17);
        button->setObjectName(QStringLiteral("def%1opt").arg(n));
        button->setAccessibleName(tr("Default Slot %1").arg(n));
        button->setToolTip(tr("Set options saved in slot %1 as the default options").arg(n));
        *defaults[i] = button;
    }

    buthelp = makeButton("buthelp", tr("Help"), tr("Help, About, etc."), this, 432, 72, 57, 17);
    setBold(buthelp);
}

void Form1::buildGeneralPage()
{
    Frame1 = makePage("Frame1", tr("Options:"), this, 0, 88, 489, 249);

    int y = 16;
    chknumping = makeCheck("chknumping", Frame1, 8, y, 148);
    chkmmx = makeCheck("chkmmx", Frame1, 8, y += rowStep, 148);
    chktocon = makeCheck("chktocon", Frame1, 8, y += rowStep, 148);
    chkcheat = makeCheck("chkcheat", Frame1, 8, y += rowStep, 148);
    chkmlook = makeCheck("chkmlook", Frame1, 8, y += rowStep, 148);
    chkmfilt = makeCheck("chkmfilt", Frame1, 8, y += rowStep, 148);
    chkshad = makeCheck("chkshad", Frame1, 8, y += rowStep, 148);

    chkmap = makeCheck("chkmap", Frame1, 160, 16, 100, 17);
    butmap = makeButton("butmap", tr("Browse"), tr("Select the map you want to load when Half-Life runs"), Frame1, 264,
                        16, 49, 16);
    butmap->setAccessibleName(tr("Browse for a map"));
    txtmap = makeField("txtmap", Frame1, 160, 34, 153);
    chkcfg = makeCheck("chkcfg", Frame1, 160, 56, 100, 17);
    // butcfg lies on the window itself, over this page (see stackPages).
    butcfg = makeButton("butcfg", tr("Browse"), tr("Select a CFG you want to execute when Half-Life loads"), this, 264,
                        144, 49, 16);
    butcfg->setAccessibleName(tr("Browse for a CFG file"));
    txtcfg = makeField("txtcfg", Frame1, 160, 74, 153);

    const Option &skill = option("scrlskill");
    skilllabel = makeLabel("skilllabel", translated(skill.caption), Frame1, 160, 96, 72, 15);
    prntskill = makeLabel("prntskill", skillName(toQString(skill.start).toInt()), Frame1, 234, 96, 76, 15);
    scrlskill = place(new LevelSlider(Frame1), "scrlskill", 160, 111, 153, 22);
    scrlskill->setRange(skill.minimum, skill.maximum);
    scrlskill->setValue(toQString(skill.start).toInt());
    scrlskill->setTickPosition(QSlider::TicksBelow);
    scrlskill->setTickInterval(1);
    scrlskill->setPageStep(1);
    for (QLabel *label : {skilllabel, prntskill})
        label->setToolTip(translated(skill.tooltip));
    scrlskill->setAccessibleName(spoken(translated(skill.caption)));
    scrlskill->setAccessibleDescription(prntskill->text());
    m_sliders.emplace(skill.key, scrlskill);

    const Option &conspeed = option("scrlcon");
    conspdlabel = makeLabel("conspdlabel", translated(conspeed.caption), Frame1, 160, 134, 90, 15);
    prntconspd = makeLabel("prntconspd", QString::number(consoleSpeed(toQString(conspeed.start).toInt())), Frame1, 252,
                           134, 58, 15);
    scrlcon = place(new ConsoleSpeedBar(Frame1), "scrlcon", 160, 150, 153, 16);
    scrlcon->setRange(conspeed.minimum, conspeed.maximum);
    scrlcon->setValue(toQString(conspeed.start).toInt());
    scrlcon->setSingleStep(1);
    scrlcon->setPageStep(5);
    scrlcon->setAccessibleName(spoken(translated(conspeed.caption)));
    for (QLabel *label : {conspdlabel, prntconspd})
        label->setToolTip(translated(conspeed.tooltip));
    m_sliders.emplace(conspeed.key, scrlcon);

    chkthird = makeCheck("chkthird", Frame1, 320, y = 16, 163);
    chkdev = makeCheck("chkdev", Frame1, 320, y += rowStep, 163);
    chkflip = makeCheck("chkflip", Frame1, 320, y += rowStep, 163);
    chkjoy = makeCheck("chkjoy", Frame1, 320, y += rowStep, 163);
    butmulti =
        makeButton("butmulti", tr("Multiplayer Options"), tr("Multiplayer-related options"), Frame1, 320, 96, 163, 21);
    butperf = new WrappingButton(tr("Performance, Mod (Custom Game) and Sound Options"), Frame1);
    place(butperf, "butperf", 320, 120, 163, 46);
    butperf->setToolTip(tr("Options to help increase framerate (at a cost), to start Half-Life using a mod "
                           "(user modification such as TFC), and sound related options."));
    butperf->setAutoDefault(false);

    corvanalink = place(new LinkLabel(tr("Go to  Corvana!"), Frame1), "corvanalink", 360, 0, 124, 14);
    corvanalink->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    corvanalink->setAccessibleName(tr("Go to Corvana!"));
    setBold(corvanalink);

    buildBottomStrip();
}

void Form1::buildBottomStrip()
{
    hldirlabel = makeLabel("hldirlabel", captionOf("hldir"), Frame1, 8, 181, 38, 17);
    hldirlabel->setToolTip(tooltipOf("hldir"));
    buthldir =
        makeButton("buthldir", tr("Browse"), tr("Browse to your \\half-life\\ directory."), Frame1, 46, 179, 50, 21);
    buthldir->setAccessibleName(tr("Browse for the Half-Life folder"));
    hldir = makeField("hldir", Frame1, 99, 180, 191);

    const QString mkcfgTip = tr("Makes a CFG file in your Valve\\ dir, using the current settings. You can "
                                "execute it by typing \"exec whatever.cfg\" in the console");
    butmkcfg = makeButton("butmkcfg", captions::said(captions::makeCfg), mkcfgTip, Frame1, 296, 179, 92, 21);
    txtmkcfg = place(new TextField(Frame1), "txtmkcfg", 391, 180, 72, 19);
    txtmkcfg->setTypingLimit(14);
    txtmkcfg->setToolTip(mkcfgTip);
    txtmkcfg->setAccessibleName(tr("CFG file name"));
    Label6 = makeLabel("Label6", QStringLiteral(".cfg"), Frame1, 465, 181, 22, 17);

    chkclosrun = makeCheck("chkclosrun", Frame1, 8, 205, 135);
    chksavrun = makeCheck("chksavrun", Frame1, 146, 205, 146);
    butgonow = makeButton("butgonow", captions::said(captions::run),
                          tr("Runs Half-Life using the current Vantor settings"), Frame1, 296, 202, 187, 22);
    setBold(butgonow);

    butdelsav = makeButton("butdelsav", captions::said(captions::deleteAll),
                           tr("Deletes all Vantor saves from the registry"), Frame1, 8, 226, 142, 20);
    resetset = makeButton("resetset", tr("Reset Settings"),
                          tr("Resets settings to the Vantor defaults (not Half-Life defaults). Will not "
                             "wipe saved settings. Vantor will have to be restarted"),
                          Frame1, 154, 226, 110, 20);
    butclose = makeButton("butclose", tr("Exit Vantor"), tr("Umm.... guess."), Frame1, 383, 226, 100, 20);
    setBold(butclose);
}

void Form1::buildMultiplayerPage()
{
    multifram = makePage("multifram", tr("Multiplayer Options"), this, 0, 88, 489, 177);
    int y = 16;
    chkdm = makeCheck("chkdm", multifram, 8, y, 150);
    chklan = makeCheck("chklan", multifram, 8, y += rowStep, 150);
    chkdownload = makeCheck("chkdownload", multifram, 8, y += rowStep, 150);
    chkupload = makeCheck("chkupload", multifram, 8, y += rowStep, 150);
    chkhimodel = makeCheck("chkhimodel", multifram, 8, y += rowStep, 150);
    chkrate = makeCheck("chkrate", multifram, 8, y += rowStep, 150);
    txtrate = makeField("txtrate", multifram, 26, y += rowStep, 60);

    chkmaxp = makeCheck("chkmaxp", multifram, 170, 16, 130);
    txtmaxp = makeField("txtmaxp", multifram, 188, 35, 40);

    chkfpslan = makeCheck("chkfpslan", multifram, 316, 16, 168);
    txtfpslan = makeField("txtfpslan", multifram, 334, 35, 50);
    chkfpsnet = makeCheck("chkfpsnet", multifram, 316, 60, 168);
    txtfpsnet = makeField("txtfpsnet", multifram, 334, 79, 50);
    chkpush = makeCheck("chkpush", multifram, 316, 104, 168);
    // The latency is written negative; the minus sign says so.
    pushminus = makeLabel("pushminus", QStringLiteral("-"), multifram, 320, 123, 12, 19);
    pushminus->setAlignment(Qt::AlignCenter);
    setBold(pushminus);
    txtpush = makeField("txtpush", multifram, 334, 123, 60);

    Command1 =
        makeButton("Command1", tr("Back to General Options"), tr("Read the button"), multifram, 316, 150, 166, 21);
    Command1->setAccessibleName(tr("Back to General Options from Multiplayer"));
}

void Form1::buildPerformancePages()
{
    framperf = makePage("framperf", tr("Performance Options"), this, 0, 88, 137, 177);
    int y = 16;
    chkdynlit = makeCheck("chkdynlit", framperf, 8, y, 125);
    chktexsort = makeCheck("chktexsort", framperf, 8, y += rowStep, 125);
    chkweap = makeCheck("chkweap", framperf, 8, y += rowStep, 125);
    chkjunc = makeCheck("chkjunc", framperf, 8, y += rowStep, 125);
    chkdecal = makeCheck("chkdecal", framperf, 8, y += rowStep, 125);
    txtdecal = makeField("txtdecal", framperf, 26, y += rowStep, 50);
    chkztrk = makeCheck("chkztrk", framperf, 8, y += 23, 125);

    frammod = makePage("frammod", tr("Mod/Custom Game Options"), this, 136, 88, 169, 177);
    chkmod = makeCheck("chkmod", frammod, 8, 16, 158);
    txtmod = makeField("txtmod", frammod, 26, 35, 110);
    modwarning =
        makeLabel("modwarning", tr("Warning: Use only with Half-Life v1.0.0.9 and above!"), frammod, 8, 62, 155, 34);
    modwarning->setWordWrap(true);
    backsnd = makeButton("backsnd", tr("Back to General Options"), QString(), frammod, 8, 150, 155, 21);
    backsnd->setAccessibleName(tr("Back to General Options from Performance, Mod and Sound"));

    framsound = makePage("framsound", tr("Sound Options"), this, 304, 88, 185, 177);
    y = 16;
    chk16bit = makeCheck("chk16bit", framsound, 8, y, 140);
    chkhisnd = makeCheck("chkhisnd", framsound, 8, y += rowStep, 140);
    chkreverb = makeCheck("chkreverb", framsound, 8, y += rowStep, 140);
    chkprfsnd = makeCheck("chkprfsnd", framsound, 8, y += rowStep, 172);
    chkeax = makeCheck("chkeax", framsound, 8, y += rowStep, 172);
    chka3d = makeCheck("chka3d", framsound, 8, y += rowStep, 172);
    Image1 = place(new LinkLabel(QString(), framsound), "Image1", 150, 8, 32, 32);
    Image1->setAccessibleName(tr("The author's page"));
}

void Form1::buildHelpPage()
{
    framhelp = makePage("framhelp", tr("Help"), this, 0, 88, 489, 177);
    Label7 = place(new LinkLabel(tr("Go to the Vantor page for info/etc."), framhelp), "Label7", 270, 0, 211, 16);
    Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txthelp = place(new QPlainTextEdit(framhelp), "txthelp", 8, 16, 473, 129);
    txthelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txthelp->setTabChangesFocus(true);
    // Read, never written: a stray key changes nothing, and the reader keeps his place.
    txthelp->setReadOnly(true);
    txthelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txthelp->setAccessibleName(tr("Help text"));
    helpbrask = makeButton("helpbrask", tr("Feeling depressed?"), QString(), framhelp, 8, 150, 150, 21);
    backhlp = makeButton("backhlp", tr("Back to General Options"), QString(), framhelp, 316, 150, 166, 21);
    backhlp->setAccessibleName(tr("Back to General Options from Help"));
}

void Form1::buildComicPage()
{
    braskfram = makePage("braskfram", tr("Brask - a comic strip by the author of Vantor"), this, 0, 0, 489, 265);
    braskback = place(new Backdrop(braskfram), "braskback", 2, 32, 222, 222);
    brask1 = makeLabel("brask1", QString(), braskfram, 8, 16, 635, 195);
    brask2 = makeLabel("brask2", QString(), braskfram, 8, 16, 635, 195);
    brask3 = makeLabel("brask3", QString(), braskfram, 216, 16, 583, 188);
    brask4 = makeLabel("brask4", QString(), braskfram, 136, 16, 599, 189);
    // What each panel shows, for those who cannot see it.
    const QString scenes[] = {
        tr("Brask, a round orange fellow, stands sadly in the rain under a grey cloud: \"Rainy day. And my game will "
           "not start...\" Pim, a little blue bird, flies up: \"Cheer up, Brask! Let us have a look.\""),
        tr("Indoors, a computer's screen says \"Dir not found!\" Brask, surprised: \"Oh! It looks in the wrong "
           "folder!\" Pim: \"Browse for the game!\""),
        tr("The screen now says \"Half-Life OK\". Pim: \"Now press '%1'\" Brask, smiling: \"There it is! The game "
           "folder.\"")
            .arg(captions::said(captions::run)),
        tr("Outside in the sunshine, among stars, Brask beams: \"It runs! Thanks, Pim!\" Pim: \"Told you, Brask. "
           "Happy gaming!\"")};
    QLabel *panels[] = {brask1, brask2, brask3, brask4};
    for (int i = 0; i < 4; ++i) {
        panels[i]->setAccessibleName(tr("Picture of comic panel %1").arg(i + 1));
        panels[i]->setAccessibleDescription(scenes[i]);
        panels[i]->setVisible(i == 0);
    }

    braskscrll = makeButton("braskscrll", tr("<- Scroll Left"), QString(), braskfram, 16, 216, 81, 17);
    braskscrll->setAccessibleName(tr("Scroll Left"));
    chkdnf = makeCheck("chkdnf", braskfram, 112, 216, 273, 17);
    chkdnf->setAccessibleDescription(tr("Turns most options off: those that only a CFG file can carry, since Vantor "
                                        "then writes none."));
    // Its caption would lie half over the comic's light picture and half over the window: the box paints the
    // window's colour beneath it, so that the desktop's own text colour reads on it in a light palette or a dark one.
    chkdnf->setAutoFillBackground(true);
    braskscrlr = makeButton("braskscrlr", tr("Scroll Right  ->"), QString(), braskfram, 392, 216, 89, 17);
    braskscrlr->setAccessibleName(tr("Scroll Right"));
    QPushButton **choosers[] = {&brask1but, &brask2but, &brask3but, &brask4but};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        *choosers[i] = makeButton("", n, QString(), braskfram, 16 + 32 * i, 240, 25, 17);
        (*choosers[i])->setObjectName(QStringLiteral("brask%1but").arg(n));
        (*choosers[i])->setAccessibleName(tr("Comic panel %1").arg(n));
        setBold(*choosers[i]);
    }
    braskbackbut = makeButton("braskbackbut", tr("Back to Help"), QString(), braskfram, 392, 240, 89, 17);
    Label9 = place(new LinkLabel(tr("Still feeling depressed?"), braskfram), "Label9", 320, 0, 161, 17);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void Form1::stackPages()
{
    // From the bottom up; each raise puts a control above all before it.
    for (QWidget *widget : std::initializer_list<QWidget *>{
             Frame1, butcfg, multifram, framperf, frammod, framsound, framhelp, loadpreffram, savepreffram, load1,
             load2, load3, save1, save2, save3, cmdlinfram, defpreffram, buthelp, braskfram})
        widget->raise();
    for (QWidget *page : {multifram, framperf, frammod, framsound, framhelp, braskfram})
        page->hide();
}

} // namespace vantor
