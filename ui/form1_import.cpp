// Reading a command line or a CFG file into the options: the preview's "Paste Command Line or CFG" (also
// Ctrl+Shift+V where no field can be typed into) and "Bring in Steam's Launch Options", and a CFG file or a text
// dropped onto the window (but text onto a field, which takes it). All only set options, and say how many for a
// moment without holding anything up. The same menu offers the setup check.

#include "form1.h"

#include "captions.h"

#include "launch/importer.h"
#include "launch/smallfile.h"
#include "launch/steamlibraries.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

namespace vantor {
namespace {

constexpr int importedSeconds = 3;

} // namespace

void Form1::wireImport()
{
    importClipboard = new QAction(tr("Paste Command Line or CFG"), this);
    importClipboard->setObjectName(QStringLiteral("importClipboard"));
    importClipboard->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    addAction(importClipboard);
    connect(importClipboard, &QAction::triggered, this,
            [this] { importOptions(QGuiApplication::clipboard()->text()); });
    // Steam's own launch options for Half-Life, of the client that starts the game, brought in as a few switches:
    // what they name is set, the rest stays as it was. Steam's files are only read.
    importSteamOptions = new QAction(tr("Bring in Steam's Launch Options"), this);
    importSteamOptions->setObjectName(QStringLiteral("importSteamOptions"));
    connect(importSteamOptions, &QAction::triggered, this, [this] {
        const std::optional<QString> options = steamLaunchOptions(QDir::homePath(), m_finds.library);
        if (!options || options->trimmed().isEmpty())
            sayForAMoment(cmdlinfram, tr("Steam keeps no launch options for Half-Life"), captions::commandLineFrame,
                          importedSeconds);
        else if (!m_ending)
            showImported(mergeLaunchOptions(*this, *options));
    });
    setupCheckAction = new QAction(tr("Check Setup"), this);
    setupCheckAction->setObjectName(QStringLiteral("checkSetup"));
    connect(setupCheckAction, &QAction::triggered, this, [this] { showSetupCheck(this); });
    prntcmdline->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(prntcmdline, &QWidget::customContextMenuRequested, this, &Form1::openPreviewMenu);
    setAcceptDrops(true);
}

void Form1::openPreviewMenu(const QPoint &at)
{
    QMenu *menu = prntcmdline->createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    // Items of the menu's own: Qt 6.4 keeps what a screen reader is told of an action with the first menu that
    // showed it, and would offer it broken in every later one.
    for (QAction *command : {importClipboard, importSteamOptions})
        menu->addAction(command->text(), command->shortcut(), command, &QAction::trigger);
    menu->addSeparator();
    menu->addAction(setupCheckAction->text(), setupCheckAction, &QAction::trigger);
    menu->popup(prntcmdline->viewport()->mapToGlobal(at));
}

void Form1::importOptions(const QString &text)
{
    if (!m_ending && !text.trimmed().isEmpty())
        showImported(importText(*this, text));
}

void Form1::showImported(const Imported &imported)
{
    makecmdline();
    // Said for a moment where the user looks, as the Save frame says "Saved".
    QString said = tr("%n options set", nullptr, imported.set);
    if (imported.unused)
        said += tr(", %n lines not used", nullptr, imported.unused);
    sayForAMoment(cmdlinfram, said, captions::commandLineFrame, importedSeconds);
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedCfgFile(event->mimeData()).isEmpty() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event)
{
    const QString file = droppedCfgFile(event->mimeData());
    event->acceptProposedAction();
    importOptions(file.isEmpty() ? event->mimeData()->text() : QString::fromLocal8Bit(readSmallFile(file)));
}

} // namespace vantor
