// The commands that write a CFG file and start the game: Run, Make CFG File, and the CFG writer's failure course.

#include "form1.h"

#include "announce.h"
#include "captionfit.h"
#include "captions.h"
#include "frmdirnotfound.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/gamewatch.h"
#include "launch/steamlibraries.h"
#include "settings/slots.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

namespace vantor {
namespace {

constexpr float feedbackSeconds = 2.0f;
constexpr float dirErrorSeconds = 2.5f;
constexpr float couldNotStartSeconds = 3.0f;

} // namespace

Form1::CfgWrite Form1::writeCfg(const QString &cfgname)
{
    if (chkdnf->state() == 1)
        return CfgWrite::Skipped;
    const bool written = writeCfgFile(cfgFilePath(hldir->text(), cfgname), *this, [this] { checkdef(); });
    return written ? CfgWrite::Written : CfgWrite::Failed;
}

Form1::CfgWrite Form1::mktempcfg(const QString &cfgname)
{
    const CfgWrite written = writeCfg(cfgname);
    if (written != CfgWrite::Failed)
        return written;

    m_missingDirectory = true;
    hldir->setText(captions::said(captions::dirError));
    announce(hldir, hldir->text(), dirErrorSeconds);
    showDirNotFound();
    Pause(dirErrorSeconds);
    // A folder chosen with Browse meanwhile stays.
    if (!m_ending && hldir->text() == captions::said(captions::dirError))
        hldir->setText(usualHalfLifeFolder(QDir::homePath()));
    return CfgWrite::Failed;
}

void Form1::butgonowClicked()
{
    if (m_ending)
        return;
    const CfgWrite written = mktempcfg(QLatin1String(temporaryCfgName));
    // In the directory-not-found mode nothing is written, so an earlier failure is no reason to stop.
    if (m_ending || written == CfgWrite::Failed || (written == CfgWrite::Written && m_missingDirectory))
        return;
    QString whyNot;
    if (!startTheGame(&whyNot)) {
        // Closing now would leave the user with neither the game nor Vantor. The tooltip and a message say what was
        // tried.
        const QString usualTip = butgonow->toolTip();
        butgonow->setToolTip(whyNot);
        sayOnButton(butgonow, captions::said(captions::couldNotStart), couldNotStartSeconds);
        couldNotStart(whyNot);
        Pause(couldNotStartSeconds);
        if (!m_ending) {
            showCaption(butgonow, captions::said(captions::run));
            butgonow->setToolTip(usualTip);
        }
        return;
    }
    if (chkclosrun->state() != 1)
        return;
    if (!m_watch->watching()) {
        endProgram();
        return;
    }
    // The window goes at once; Vantor stays for the game's first seconds, and comes back should it end in them.
    m_endWhenWatched = true;
    QGuiApplication::setQuitOnLastWindowClosed(false);
    hide();
}

bool Form1::startTheGame(QString *whyNot)
{
    const QString parameters = makecmdline();
    if (chksavrun->state() == 1)
        saveset(3);
    const GameStart start = gameToStart(parameters);
    QString why = start.problem.isEmpty() ? tr("the system did not start it") : start.problem;
    if (start.problem.isEmpty() && (start.direct ? m_watch->start(start, &why) : startThroughSteam(start)))
        return true;
    if (whyNot)
        *whyNot = start.problem.isEmpty() ? tr("Could not start %1: %2").arg(start.program, why)
                                          : tr("Could not start the game: %1").arg(start.problem);
    return false;
}

GameStart Form1::gameToStart(const QString &parameters) const
{
    const QString ownDirectory = QCoreApplication::applicationDirPath();
    return chooseGameStart(findGame(hldir->text(), chkdnf->state() == 1, ownDirectory, QDir::homePath()), parameters,
                           ownDirectory, readLaunchPrefix(customcmd->text()));
}

void Form1::wireGameWatch()
{
    m_watch = new GameWatch(this);
    connect(m_watch, &GameWatch::settled, this, [this] {
        if (m_endWhenWatched)
            endProgram();
    });
    connect(m_watch, &GameWatch::endedAtOnce, this, &Form1::gameEndedAtOnce);
}

void Form1::butmkcfgClicked()
{
    if (m_ending)
        return;
    const QString name = txtmkcfg->text();
    const char *feedback = captions::enterName;
    if (isPlainFileName(name)) {
        // After a failure the folder is in doubt until one is chosen with Browse: no word of success until then.
        if (mktempcfg(name + QLatin1String(".cfg")) != CfgWrite::Written || m_missingDirectory)
            return;
        feedback = captions::cfgCreated;
    }
    sayOnButton(butmkcfg, captions::said(feedback), feedbackSeconds);
    Pause(feedbackSeconds);
    if (!m_ending)
        showCaption(butmkcfg, captions::said(captions::makeCfg));
}

void Form1::showDirNotFound()
{
    closePickers();
    if (m_dirNotFound) {
        m_dirNotFound->raise(); // the one window there is comes to the front
        return;
    }
    m_dirNotFound = new frmdirnotfound;
    m_dirNotFound->show();
}

void Form1::sayOnButton(QAbstractButton *button, const QString &caption, double seconds)
{
    showCaption(button, caption);
    announce(button, caption, seconds);
}

void Form1::sayForAMoment(QGroupBox *frame, const QString &said, const char *usual, int seconds)
{
    showCaption(frame, said);
    announce(frame, said, seconds);
    auto *moment = frame->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!moment) {
        moment = new QTimer(frame);
        moment->setSingleShot(true);
        moment->setTimerType(Qt::PreciseTimer); // never early: a coarse timer may fire 5 % before its time
        connect(moment, &QTimer::timeout, frame, [frame, usual] { showCaption(frame, captions::said(usual)); });
    }
    moment->start(seconds * 1000);
}

} // namespace vantor
