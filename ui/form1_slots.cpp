// What Vantor keeps in the settings store: the start-up sequence, the slots, the Default slot, the Game directory's
// Browse, Reset Settings and Delete all saved settings.

#include "form1.h"

#include "captionfit.h"
#include "captions.h"
#include "controls.h"
#include "folderbrowse.h"

#include "launch/steamlibraries.h"
#include "settings/deleteall.h"
#include "settings/slots.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace vantor {
namespace {

constexpr char browseTitle[] = QT_TRANSLATE_NOOP("vantor::Form1", "Please select your \\Half-Life\\ directory:");
constexpr float deleteAllReplySeconds = 3.0f;
constexpr int savedSeconds = 2;
constexpr int notSavedSeconds = 3;

} // namespace

// Runs before the window is first shown. The Game directory is read only after the Default slot is loaded.
void Form1::formLoad(const StartUp &startUp)
{
    if (startUp.slot) {
        loadset(startUp.slot);
    } else if (const int slot = defaultSlot(m_store)) {
        loadset(slot);
        QRadioButton *defaults[] = {def1opt, def2opt, def3opt};
        defaults[slot - 1]->setChecked(true);
    }

    const QString never = QLatin1String(gameDirectoryNeverChosen);
    hldir->setText(m_store.read(QLatin1String(otherSection), QLatin1String(gameDirectoryKey), never));
    if (hldir->text() == never && startUp.mayAskForFolder)
        buthldirClicked(); // the first start asks for the folder before the window appears
    if (hldir->text() == never)
        hldir->setText(usualHalfLifeFolder(QDir::homePath())); // shown and used, never stored
    checkdef();
    makecmdline();
}

bool Form1::saveset(int saveno)
{
    const bool onDisk = saveSlot(m_store, *this, saveno);
    checkdef();
    return onDisk;
}

void Form1::saveClicked(int slot)
{
    // Said where the save buttons are: their own captions are too narrow, the Save frame's title has the room. A
    // slot that is not on disk is there until the program ends, but would be gone at the next start.
    if (saveset(slot))
        sayForAMoment(savepreffram, captions::said(captions::saved), captions::saveFrame, savedSeconds);
    else
        sayForAMoment(savepreffram, captions::said(captions::notSaved), captions::saveFrame, notSavedSeconds);
}

void Form1::loadset(int loadno)
{
    if (loadSlot(m_store, *this, loadno))
        makecmdline();
}

void Form1::checkdef()
{
    const bool saved[] = {isSlotSaved(m_store, 1), isSlotSaved(m_store, 2), isSlotSaved(m_store, 3)};
    QPushButton *loads[] = {load1, load2, load3};
    QRadioButton *defaults[] = {def1opt, def2opt, def3opt};
    for (int i = 0; i < 3; ++i) {
        loads[i]->setEnabled(saved[i]);
        defaults[i]->setEnabled(saved[i]);
    }
}

void Form1::buthldirClicked()
{
    if (m_ending)
        return;
    const QString other = QLatin1String(otherSection), key = QLatin1String(gameDirectoryKey);
    useVantorIcon(true); // the dialog of the first start comes before the window
    const QString chosen = BrowseFolder(this, tr(browseTitle), hldir->text());
    if (!chosen.isEmpty()) {
        hldir->setText(chosen);
        m_missingDirectory = false;
        m_store.write(other, key, chosen);
    } else if (m_store.read(other, key, QString()).isEmpty()) {
        // Cancelled while no directory is stored (the first start, or after Delete all): the dialog comes up again
        // at the next start. Whatever the field shows was never chosen here, so it is not stored.
        m_store.write(other, key, QLatin1String(gameDirectoryNeverChosen));
    }
    m_store.flush();
}

void Form1::chooseDefaultSlot(int slot)
{
    m_store.write(QString(), QLatin1String(defaultSlotKey), QString::number(slot));
    m_store.flush();
}

void Form1::resetsetClicked()
{
    if (m_ending)
        return;
    m_store.write(QString(), QLatin1String(defaultSlotKey), QStringLiteral("0"));
    m_store.flush();
    endProgram();
}

void Form1::butdelsavClicked()
{
    // The twelfth click ends the program; any click after it, during the flash, has no stage of its own.
    if (m_ending || m_deleteAllClicks >= lastDeleteAllStage)
        return;
    const DeleteAllStage stage = deleteAllStage(++m_deleteAllClicks);
    if (stage.deletes)
        deleteAllSettings(m_store);
    sayOnButton(butdelsav, stage.caption, deleteAllReplySeconds);
    if (stage.endsProgram) {
        closingFlash();
        endProgram();
        return;
    }
    checkdef();
    Pause(deleteAllReplySeconds);
    // A later click, waited for inside this one, has already put its own caption back.
    if (!m_ending)
        showCaption(butdelsav, captions::said(captions::deleteAll));
}

void Form1::closingFlash()
{
    struct Step {
        QRgb colour;
        float seconds;
    };
    static constexpr std::array steps{
        Step{0xFF0000, 0.1f}, Step{0xFF8000, 0.1f}, Step{0xFFFF00, 0.1f}, Step{0xFF8000, 0.1f}, Step{0xFF0000, 0.1f},
        Step{0xFF8000, 0.1f}, Step{0xFFFF00, 0.2f}, Step{0xFFFF80, 0.2f}, Step{0xFFFFC0, 0.2f}, Step{0xFFFFFF, 0.6f}};
    Pause(0.8f);
    for (const Step &step : steps) {
        QPalette palette = Frame1->palette();
        palette.setColor(QPalette::Window, QColor(step.colour));
        palette.setColor(QPalette::WindowText, Qt::black); // the page's captions stay readable on the light colours
        Frame1->setPalette(palette);
        Pause(step.seconds);
    }
}

} // namespace vantor
