// The commands that write a CFG file and start the game: Run, Make CFG File, and the CFG writer's failure course.

#include "form1.h"

#include "captions.h"
#include "frmdirnotfound.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamelaunch.h"
#include "launch/steamlibraries.h"
#include "settings/slots.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

namespace vantor {
namespace {

constexpr char dirErrorText[] = " ERROR: Dir not found!";

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
    hldir->setText(QLatin1String(dirErrorText));
    announce(hldir);
    showDirNotFound();
    Pause(dirErrorSeconds);
    // A folder chosen with Browse meanwhile stays.
    if (!m_ending && hldir->text() == QLatin1String(dirErrorText))
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
    if (!startTheGame()) {
        // Closing now would leave the user with neither the game nor Vantor.
        sayOnButton(butgonow, QLatin1String(captions::couldNotStart));
        Pause(couldNotStartSeconds);
        if (!m_ending)
            showCaption(butgonow, QLatin1String(captions::run));
        return;
    }
    if (chkclosrun->state() == 1)
        endProgram();
}

bool Form1::startTheGame()
{
    const QString parameters = makecmdline();
    if (chksavrun->state() == 1)
        saveset(3);
    return startGame(gameToStart(parameters));
}

GameStart Form1::gameToStart(const QString &parameters) const
{
    const QString ownDirectory = QCoreApplication::applicationDirPath();
    return chooseGameStart(findGame(hldir->text(), chkdnf->state() == 1, ownDirectory), parameters, ownDirectory);
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
    sayOnButton(butmkcfg, QLatin1String(feedback));
    Pause(feedbackSeconds);
    if (!m_ending)
        showCaption(butmkcfg, QLatin1String(captions::makeCfg));
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

void Form1::sayOnButton(QAbstractButton *button, const QString &caption)
{
    showCaption(button, caption);
    announce(button);
}

void Form1::showCaption(QAbstractButton *button, const QString &caption)
{
    button->setText(caption);
    fitCaption(button);
}

void Form1::sayForAMoment(QGroupBox *frame, const QString &said, const char *usual, int seconds)
{
    frame->setTitle(said);
    announce(frame);
    auto *moment = frame->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!moment) {
        moment = new QTimer(frame);
        moment->setSingleShot(true);
        moment->setTimerType(Qt::PreciseTimer); // never early: a coarse timer may fire 5 % before its time
        connect(moment, &QTimer::timeout, frame, [frame, usual] { frame->setTitle(QLatin1String(usual)); });
    }
    moment->start(seconds * 1000);
}

} // namespace vantor
