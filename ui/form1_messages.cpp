// The messages that say why the game did not start or ended at once, and the setup check's window: each offers the
// check and a report to copy for a forum post or a bug report.

#include "form1.h"

#include "launch/cfgfile.h"
#include "launch/commandline.h"
#include "launch/gamewatch.h"
#include "launch/setupcheck.h"
#include "launch/smallfile.h"
#include "settings/slots.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace vantor {
namespace {

// A button of a message that does its work and leaves the message open: Qt's message box closes on any button.
template <typename Work> QPushButton *addWorkButton(QMessageBox *box, const QString &caption, Work work)
{
    QPushButton *button = box->addButton(caption, QMessageBox::ActionRole);
    QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(button, &QAbstractButton::clicked, box, work);
    return button;
}

QMessageBox *message(QMessageBox::Icon icon, const char *name, const QString &text, const QString &more, QWidget *over)
{
    auto *box = new QMessageBox(icon, QStringLiteral("Vantor"), text, QMessageBox::Close, over);
    box->setObjectName(QLatin1String(name));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setInformativeText(more);
    return box;
}

// Opens the message on its window, Close the default button.
void openOnWindow(QMessageBox *box)
{
    box->setDefaultButton(QMessageBox::Close);
    box->open();
}

} // namespace

SetupPlace Form1::setupPlace() const
{
    SetupPlace place;
    place.gameFolder = hldir->text();
    const QString never = QLatin1String(gameDirectoryNeverChosen);
    place.folderChosen = m_store.read(QLatin1String(otherSection), QLatin1String(gameDirectoryKey), never) != never;
    if (chkmod->state() == 1 && !withoutLineBreaks(txtmod->text()).trimmed().isEmpty())
        place.mod = txtmod->text();
    place.home = QDir::homePath();
    place.runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return place;
}

QString Form1::reportText(const QString &happened, const SetupCheck &check)
{
    ReportParts parts;
    parts.happened = happened;
    parts.startLine = shellLine(gameToStart(makecmdline()));
    if (chkdnf->state() != 1)
        parts.cfg = readSmallFile(cfgFilePath(hldir->text(), QLatin1String(temporaryCfgName)));
    parts.check = check;
    parts.logPath = gameLogPath();
    return vantor::setupReport(parts, QDir::homePath());
}

void Form1::offerCheckAndReport(QMessageBox *box, const QString &happened)
{
    addWorkButton(box, tr("Check Setup"), [this, box] { showSetupCheck(box); });
    addWorkButton(box, tr("Copy Report"), [this, box, happened] {
        QGuiApplication::clipboard()->setText(
            reportText(happened.isEmpty() ? box->text() : happened, checkSetup(setupPlace())));
    });
}

void Form1::showSetupCheck(QWidget *over)
{
    const SetupCheck check = checkSetup(setupPlace());
    const bool warned = std::any_of(check.findings.begin(), check.findings.end(),
                                    [](const Finding &found) { return found.mark == Finding::Mark::Warning; });
    QMessageBox *box = message(check.blocks() ? QMessageBox::Critical
                               : warned       ? QMessageBox::Warning
                                              : QMessageBox::Information,
                               "setupCheck", checkSummary(check), findingLines(check.findings, QDir::homePath()), over);
    addWorkButton(box, tr("Copy Report"),
                  [this, check] { QGuiApplication::clipboard()->setText(reportText(QString(), check)); });
    openOnWindow(box);
}

void Form1::couldNotStart(const QString &whyNot)
{
    const GameStart start = gameToStart(makecmdline());
    QStringList said{whyNot};
    if (!start.problem.isEmpty())
        said << tr("Mend Custom Parameters, then run the game again.");
    else if (!start.direct)
        said << tr("The Half-Life folder lies in a Steam library, so Vantor asked the Steam client to start the game.")
             << tr("See that Steam is installed and starts, or choose another Half-Life folder with Browse beside HL "
                   "Dir.");
    else if (chkdnf->state() == 1)
        said << tr("In the directory-not-found mode, Vantor starts the hl.exe in its own folder, %1, else the one on "
                   "the PATH.")
                    .arg(QCoreApplication::applicationDirPath())
             << tr("Turn that mode off on the Comic page and choose the Half-Life folder with Browse beside HL Dir.");
    else
        said
            << tr("Vantor looks in the Half-Life folder, %1, for hl.sh, then hl_linux, then hl.exe.").arg(hldir->text())
            << tr("Choose the Half-Life folder with Browse beside HL Dir. Check Setup says what else may stop the "
                  "game.");
    QMessageBox *box = message(QMessageBox::Warning, "couldNotStart", tr("Vantor could not start Half-Life."),
                               said.join(QStringLiteral("\n\n")), this);
    offerCheckAndReport(box, box->text() + u'\n' + whyNot); // the report says why, as the message does
    openOnWindow(box);
}

void Form1::gameEndedAtOnce(const GameEnding &ending)
{
    // Only a window that the user has seen tells it; --run says it in the terminal.
    if (!m_endWhenWatched && !isVisible())
        return;
    m_endWhenWatched = false;
    QGuiApplication::setQuitOnLastWindowClosed(true);
    show();
    activateWindow();
    // Where the log could not be written, the message says why instead of lines it never had.
    const QStringList output = ending.logProblem.isEmpty()
                                   ? QStringList{tr("Its last lines:"), ending.lastLines.join(QLatin1Char('\n')),
                                                 tr("All of its output: %1").arg(gameLogPath())}
                                   : QStringList{ending.logProblem};
    QMessageBox *box =
        message(QMessageBox::Warning, "gameEnded", tr("Half-Life ended as soon as it started (%1).").arg(ending.status),
                (ending.advice + output).join(QStringLiteral("\n\n")), this);
    offerCheckAndReport(box);
    if (ending.logProblem.isEmpty())
        addWorkButton(box, tr("Open Log"), [] { QDesktopServices::openUrl(QUrl::fromLocalFile(gameLogPath())); });
    openOnWindow(box);
}

} // namespace vantor
