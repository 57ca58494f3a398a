#include "picker.h"

#include "captionfit.h"
#include "controls.h"

#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include <algorithm>

namespace vantor {

FilePicker::FilePicker(const Setup &setup, QWidget *parent)
    : QDialog(parent), m_list(new QListView(this)), m_ok(new QPushButton(tr("OK"), this)),
      m_cancel(new QPushButton(tr("Cancel"), this)), m_names(new QStringListModel(this)),
      m_subdirectory(QLatin1String(setup.subdirectory)), m_modSubdirectory(QLatin1String(setup.modSubdirectory)),
      m_pattern(QLatin1String(setup.pattern))
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (setup.minMaxButtons)
        flags |= Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    // Blocks Form1 alone: a disabled Form1 would disable its child windows too, this one among them.
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QLatin1String(setup.window));
    setWindowTitle(tr(setup.caption));
    QFont small = font();
    small.setPixelSize(windowFontPixels);
    setFont(small);
    setFixedSize(161, setup.clientHeight);

    m_list->setObjectName(QLatin1String(setup.list));
    m_list->setGeometry(0, 0, 161, 214);
    m_list->setToolTip(tr(setup.tooltip));
    m_list->setAccessibleName(windowTitle().section(QLatin1Char(':'), 0, 0)); // the window's caption, without its colon
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true); // a folder of thousands of maps is laid out at once
    m_list->setModel(m_names);

    m_ok->setObjectName(QLatin1String(setup.ok));
    m_ok->setGeometry(8, 216, 57, 25);
    QFont bold = m_ok->font();
    bold.setBold(true);
    m_ok->setFont(bold);
    m_ok->setDefault(true);
    m_cancel->setObjectName(QLatin1String(setup.cancel));
    m_cancel->setGeometry(96, 216, 57, 25);

    connect(m_ok, &QPushButton::clicked, this, &FilePicker::choose);
    connect(m_list, &QListView::doubleClicked, this, &FilePicker::choose);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool FilePicker::list(const QString &gameDirectory, const QString &mod)
{
    QStringList folders{gameDirectory + m_subdirectory};
    if (!mod.isEmpty())
        folders << gameDirectory + QLatin1Char('/') + mod + m_modSubdirectory;
    QStringList names;
    bool listed = false;
    for (const QString &folder : folders) {
        // QDir lists a missing or unreadable directory as empty, without an error.
        const QFileInfo info(folder);
        if (!info.isDir() || !info.isReadable() || !info.isExecutable())
            continue;
        listed = true;
        names += QDir(folder).entryList({m_pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    }
    if (folders.size() > 1) {
        std::stable_sort(names.begin(), names.end(),
                         [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        names.removeDuplicates();
    }
    m_names->setStringList(names);
    // Nothing looks chosen until the user chooses: the list would otherwise mark its first entry as it takes the
    // focus, and OK would still find nothing selected.
    m_list->setCurrentIndex(QModelIndex());
    return listed;
}

QString FilePicker::value() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void FilePicker::select(const QString &name)
{
    const QModelIndex entry = m_names->index(int(m_names->stringList().indexOf(name)));
    if (!entry.isValid())
        return;
    m_list->setCurrentIndex(entry);
    m_list->scrollTo(entry, QAbstractItemView::PositionAtCenter);
}

void FilePicker::choose()
{
    if (!value().isEmpty())
        emit chosen(value());
    accept();
}

frmmap::frmmap(QWidget *parent)
    : FilePicker({"frmmap", "filemap", "butokmap", "butcancelmap",
                  QT_TRANSLATE_NOOP("vantor::FilePicker", "Select a map:"), 246, true, "/valve/maps/", "/maps/",
                  "*.bsp",
                  QT_TRANSLATE_NOOP("vantor::FilePicker", "Click on the map you want to run when Half-Life starts.")},
                 parent)
{
}

frmcfg::frmcfg(QWidget *parent)
    : FilePicker(
          {"frmcfg", "filecfg", "butokcfg", "butcancelcfg", QT_TRANSLATE_NOOP("vantor::FilePicker", "Select a cfg:"),
           245, false, "/valve/", "/", "*.cfg",
           QT_TRANSLATE_NOOP("vantor::FilePicker", "Click on the cfg file you want to execute when Half-Life starts.")},
          parent)
{
}

} // namespace vantor
