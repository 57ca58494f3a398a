// The Browse buttons of the map and the CFG file, each of which opens its picker over Form1, and the mods that they
// and the Mod field offer.

#include "form1.h"

#include "picker.h"

#include "launch/mods.h"

#include <QCompleter>
#include <QStandardItemModel>

namespace vantor {

void Form1::butmapClicked() { openPicker(m_mapPicker, new frmmap(this), "txtmap"); }

void Form1::butcfgClicked() { openPicker(m_cfgPicker, new frmcfg(this), "txtcfg"); }

void Form1::openPicker(QPointer<FilePicker> &picker, FilePicker *opening, std::string_view field)
{
    // One picker of a kind at a time, made anew so that it lists its directory anew.
    if (picker)
        picker->close();
    // A mod that the game runs with adds its own maps and CFG files.
    const QString mod =
        chkmod->state() == 1 && isInstalledMod(hldir->text(), txtmod->text()) ? txtmod->text() : QString();
    if (!opening->list(hldir->text(), mod)) {
        delete opening;
        showDirNotFound();
        return;
    }
    picker = opening;
    opening->select(text(field));
    connect(opening, &FilePicker::chosen, this, [this, field](const QString &name) { setText(field, name); });
    opening->show();
}

void Form1::closePickers()
{
    for (FilePicker *picker : {m_cfgPicker.data(), m_mapPicker.data()})
        if (picker)
            picker->close();
}

void Form1::wireMods()
{
    m_mods = new QStandardItemModel(this);
    connect(hldir, &QLineEdit::textChanged, this, &Form1::readMods);
    txtmod->installEventFilter(this); // the completer is made when the field is first used
}

void Form1::offerMods()
{
    // Made on the field's first focus or key rather than with the window: it costs the start some 300 kB.
    if (txtmod->completer())
        return;
    // The popup shows each mod with its title; choosing one puts its folder's name into the field.
    auto *completer = new QCompleter(m_mods, txtmod);
    completer->setCompletionRole(Qt::UserRole);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    txtmod->setCompleter(completer);
}

void Form1::readMods()
{
    m_mods->clear();
    for (const Mod &mod : installedMods(hldir->text())) {
        auto *item =
            new QStandardItem(mod.title.isEmpty() ? mod.folder : mod.folder + QStringLiteral("  (") + mod.title + u')');
        item->setData(mod.folder, Qt::UserRole);
        m_mods->appendRow(item);
    }
}

} // namespace vantor
