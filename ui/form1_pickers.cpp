// The Browse buttons of the map and the CFG file: each opens its picker over Form1.

#include "form1.h"

#include "picker.h"

namespace vantor {

void Form1::butmapClicked() { openPicker(m_mapPicker, new frmmap(this), "txtmap"); }

void Form1::butcfgClicked() { openPicker(m_cfgPicker, new frmcfg(this), "txtcfg"); }

void Form1::openPicker(QPointer<FilePicker> &picker, FilePicker *opening, std::string_view field)
{
    // One picker of a kind at a time, made anew so that it lists its directory anew.
    if (picker)
        picker->close();
    if (!opening->list(hldir->text())) {
        delete opening;
        showDirNotFound();
        return;
    }
    picker = opening;
    connect(opening, &FilePicker::chosen, this, [this, field](const QString &name) { setText(field, name); });
    opening->show();
}

void Form1::closePickers()
{
    for (FilePicker *picker : {m_cfgPicker.data(), m_mapPicker.data()})
        if (picker)
            picker->close();
}

} // namespace vantor
