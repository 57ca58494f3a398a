#include "form1.h"

#include "announce.h"
#include "captionfit.h"
#include "captions.h"
#include "frmdirnotfound.h"

#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/numericfields.h"
#include "launch/options.h"
#include "settings/deleteall.h"
#include "launch/steamlibraries.h"
#include "settings/slots.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace vantor {

constexpr double skillSaidSeconds = 1.5;

Form1::Form1(const StartUp &startUp) : QWidget(nullptr, Qt::Window)
{
    useVantorIcon(false); // the pictures' resources, linked in; the icon follows once the window is up
    setObjectName(QStringLiteral("Form1"));
    knownAsAWindow(this);
    setWindowTitle(tr("Vantor, by Tovrik"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPixelSize(windowFontPixels);
    setFont(small);
    setFixedSize(489, 337);
    // Each control asks its window for the screen as it is made, to resolve its font; a window without a screen of
    // its own would look one up by position every time. It gets the one that lookup finds, once.
    setScreen(screen());

    buildHeader();
    buildGeneralPage();
    buildMultiplayerPage();
    buildPerformancePages();
    buildHelpPage();
    buildComicPage();
    stackPages();
    wireOptions();
    wireNavigation();
    wireCommands();
    wireHelpAndComic();
    wireMods();
    wireImport();
    wireGameWatch();
    qApp->installEventFilter(new ToolTipWrapper(this));
    // Work that would hold up the window's first appearance follows as soon as it is up: measuring the captions
    // has the system's font configuration read, and decoding a picture has Qt load its image plugins. No caption
    // of the first page needs a smaller font, so nothing shown changes.
    QTimer::singleShot(0, this, [this] {
        fitCaptions(this);
        useVantorIcon(true);
    });

    formLoad(startUp);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() { delete m_dirNotFound; }

// ---- The option view ----

OptionCheckBox *Form1::checkBox(std::string_view key) const { return m_checks.at(key); }
TextField *Form1::textField(std::string_view key) const { return m_fields.at(key); }
QAbstractSlider *Form1::slider(std::string_view key) const { return m_sliders.at(key); }

int Form1::check(std::string_view key) const { return checkBox(key)->state(); }
QString Form1::text(std::string_view key) const { return textField(key)->text(); }
int Form1::position(std::string_view key) const { return slider(key)->value(); }
void Form1::setCheck(std::string_view key, int state) { checkBox(key)->setState(state); }
void Form1::setText(std::string_view key, const QString &text) { textField(key)->setText(text); }
void Form1::setPosition(std::string_view key, int position) { slider(key)->setValue(position); }

// ---- The command line and the switching rules ----

QString Form1::makecmdline()
{
    const QString parameters = buildParameters(*this);
    const LaunchPrefix prefix = readLaunchPrefix(customcmd->text());
    // A start through Steam cannot carry a launch prefix: the preview shows the start without it, and its tooltip
    // says what is left out and what Steam adds itself.
    const bool throughSteam = startsThroughSteam(m_finds) && prefix.problem.isEmpty();
    const QString preview = commandLinePreview(parameters, throughSteam ? LaunchPrefix() : prefix);
    QString tip = captions::said(captions::commandLineTip);
    if (throughSteam && !prefix.isEmpty())
        tip += QStringLiteral("\n\n") + tr("Steam starts Half-Life in its own environment, so Vantor leaves out "
                                           "%1: they belong in Steam's launch options for Half-Life.")
                                            .arg(prefix.typed);
    if (throughSteam && m_steamOptions && !m_steamOptions->trimmed().isEmpty())
        tip += QStringLiteral("\n\n") + tr("Steam adds its own launch options: %1").arg(*m_steamOptions);
    prntcmdline->setToolTip(tip);
    // Setting the preview raises a change even for equal text, and its change rebuilds: compare first. The text
    // shown may differ from the text set (a no-break space reads back as a blank), so our own setting raises none.
    if (prntcmdline->toPlainText() != preview) {
        const QSignalBlocker quiet(prntcmdline);
        prntcmdline->setPlainText(preview);
    }
    return parameters;
}

void Form1::findTheGame()
{
    const QString ownDirectory = QCoreApplication::applicationDirPath();
    m_finds = findGame(hldir->text(), chkdnf->state() == 1, ownDirectory, QDir::homePath());
    m_steamOptions = startsThroughSteam(m_finds) ? steamLaunchOptions(QDir::homePath(), m_finds.library) : std::nullopt;
    makecmdline();
}

void Form1::chktoconClicked()
{
    if (chkcfg->state() == 1 || chkmap->state() == 1)
        chktocon->setState(1);
    makecmdline();
}

void Form1::chkcfgClicked()
{
    makecmdline();
    if (chkcfg->state() == 1)
        chktocon->setState(1);
}

void Form1::chkmapClicked()
{
    if (chkmap->state() == 1)
        chktocon->setState(1);
}

void Form1::dnfsub()
{
    // Everything that only the CFG file can carry is off while the mode is on, and back as soon as it ends, as the
    // directory-not-found window promises. The Multiplayer page keeps its way back: the options on it go off, not
    // the page.
    const bool usable = chkdnf->state() != 1;
    for (QWidget *option : multifram->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        option->setEnabled(usable || option == Command1);
    for (QWidget *control :
         std::initializer_list<QWidget *>{framperf, framsound, butmulti, chkmap, butcfg, butmap, scrlskill, scrlcon,
                                          butmkcfg, chkmlook, chkmfilt, chkshad, chkthird, chkflip, chkjoy, txtmap})
        control->setEnabled(usable);
    makecmdline();
}

// ---- Numeric fields and sliders ----

void Form1::checkinteger() { checkNumericFields(*this); }

void Form1::numericFieldLeft(std::string_view key) { vantor::numericFieldLeft(*this, key); }

void Form1::scrlskllsub()
{
    const QString name = skillName(scrlskill->value());
    if (name.isEmpty())
        return;
    prntskill->setText(name);
    // The word is the slider's description. A screen reader does not speak a changed description (Qt 6.4 tells it
    // where the text is, not the text), so the user who moves the slider is told as a message is.
    scrlskill->setAccessibleDescription(name);
    if (scrlskill->hasFocus())
        announce(scrlskill, name, skillSaidSeconds);
}

void Form1::showConsoleSpeed() { prntconspd->setText(QString::number(consoleSpeed(scrlcon->value()))); }

void Form1::wireOptions()
{
    for (OptionCheckBox *box : {chknumping, chkdev, chkmod, chkmmx, chkcheat})
        connect(box, &QCheckBox::stateChanged, this, [this] { makecmdline(); });
    connect(chktocon, &QCheckBox::stateChanged, this, &Form1::chktoconClicked);
    connect(chkcfg, &QCheckBox::stateChanged, this, &Form1::chkcfgClicked);
    connect(chkmap, &QCheckBox::stateChanged, this, &Form1::chkmapClicked);
    connect(chkdnf, &QCheckBox::stateChanged, this, &Form1::dnfsub);
    // Finding the game reads the folder and Steam's files: once the window is up, and once for a burst of changes.
    m_findLater = new QTimer(this);
    m_findLater->setSingleShot(true);
    connect(m_findLater, &QTimer::timeout, this, &Form1::findTheGame);
    connect(hldir, &QLineEdit::textChanged, m_findLater, qOverload<>(&QTimer::start));
    connect(chkdnf, &QCheckBox::stateChanged, m_findLater, qOverload<>(&QTimer::start));

    for (TextField *field : {txtmod, txtcfg, customcmd})
        connect(field, &QLineEdit::textChanged, this, [this] { makecmdline(); });
    connect(prntcmdline, &QPlainTextEdit::textChanged, this, [this] { makecmdline(); });

    for (const NumericField &numeric : numericFields()) {
        TextField *field = textField(numeric.key);
        connect(field, &QLineEdit::textChanged, this, &Form1::checkinteger);
        field->installEventFilter(this); // for the focus-loss rules
    }

    // The sliders track: their value changes, and the labels follow, while a thumb is dragged too.
    connect(scrlskill, &QSlider::valueChanged, this, &Form1::scrlskllsub);
    connect(scrlcon, &QScrollBar::valueChanged, this, &Form1::showConsoleSpeed);
}

// ---- Commands ----

void Form1::wireCommands()
{
    QPushButton *loads[] = {load1, load2, load3};
    QPushButton *saves[] = {save1, save2, save3};
    for (int slot = 1; slot <= 3; ++slot) {
        connect(loads[slot - 1], &QPushButton::clicked, this, [this, slot] { loadset(slot); });
        connect(saves[slot - 1], &QPushButton::clicked, this, [this, slot] { saveClicked(slot); });
    }
    connect(butclose, &QPushButton::clicked, this, &Form1::endProgram);
    connect(butgonow, &QPushButton::clicked, this, &Form1::butgonowClicked);
    connect(butmkcfg, &QPushButton::clicked, this, &Form1::butmkcfgClicked);
    connect(butmap, &QPushButton::clicked, this, &Form1::butmapClicked);
    connect(butcfg, &QPushButton::clicked, this, &Form1::butcfgClicked);
    connect(buthldir, &QPushButton::clicked, this, &Form1::buthldirClicked);
    connect(resetset, &QPushButton::clicked, this, &Form1::resetsetClicked);
    connect(butdelsav, &QPushButton::clicked, this, &Form1::butdelsavClicked);

    // A button that speaks through its caption shows each in one size, fitted once the window is up.
    QStringList deleteAll{captions::said(captions::deleteAll)};
    for (int click = 1; click <= lastDeleteAllStage; ++click)
        deleteAll << deleteAllStage(click).caption;
    setCaptions(butdelsav, deleteAll);
    setCaptions(butgonow, {captions::said(captions::run), captions::said(captions::couldNotStart)});
    setCaptions(butmkcfg, {captions::said(captions::makeCfg), captions::said(captions::cfgCreated),
                           captions::said(captions::enterName)});
    setCaptions(savepreffram, {captions::said(captions::saveFrame), captions::said(captions::saved),
                               captions::said(captions::notSaved)});
    QRadioButton *defaults[] = {def1opt, def2opt, def3opt};
    for (int slot = 1; slot <= 3; ++slot)
        connect(defaults[slot - 1], &QRadioButton::toggled, this, [this, slot](bool chosen) {
            if (chosen)
                chooseDefaultSlot(slot);
        });
}

// ---- Waits and the end ----

void Form1::closeEvent(QCloseEvent *event)
{
    // The close box unloads the window: a command waiting in Pause must not act on it afterwards. The program
    // itself ends once no window of it is left, which may be later: the directory-not-found window can outlive it.
    m_ending = true;
    QWidget::closeEvent(event);
}

void Form1::Pause(float seconds)
{
    if (!(seconds > 0) || m_ending)
        return;
    // Sleeps in a nested event loop rather than spinning: events are handled as they arrive, and the processor
    // rests in between. A monotonic deadline makes a wait across midnight or a clock change last as long as any.
    constexpr double longestMs = 1e15; // some thirty thousand years: as good as forever, and no overflow
    const QDeadlineTimer deadline(qint64(std::min(double(seconds) * 1000.0 + 0.5, longestMs)), Qt::PreciseTimer);
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &Form1::programEnding, &loop, &QEventLoop::quit);
    while (!m_ending && !deadline.hasExpired()) {
        timer.start(int(std::clamp<qint64>(deadline.remainingTime(), 0, std::numeric_limits<int>::max())));
        loop.exec();
    }
}

void Form1::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    hide();
    if (m_dirNotFound)
        m_dirNotFound->close();
    emit programEnding();
}

} // namespace vantor
