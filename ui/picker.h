#pragma once

#include <QDialog>

class QListView;
class QPushButton;
class QStringListModel;

namespace vantor {

// A small window that lists the files of one directory matching one pattern and hands back the name chosen with
// OK or a double click; OK with nothing chosen hands back nothing. It blocks the window it belongs to while it is open,
// and any way of closing it unloads it.
class FilePicker : public QDialog {
    Q_OBJECT
public:
    // Lists the ordinary files of the game directory's subdirectory that match the pattern, and with a MOD those of
    // the mod's folder too, each name once, by name. False, with an empty list, when no folder can be listed.
    bool list(const QString &gameDirectory, const QString &mod = {});
    // The selected entry, or empty text when none is selected.
    QString value() const;
    // Selects NAME and shows it in the list, where it is listed.
    void select(const QString &name);

signals:
    void chosen(const QString &name);

protected:
    struct Setup {
        const char *window, *list, *ok, *cancel; // object names
        const char *caption;
        int clientHeight;
        bool minMaxButtons;
        const char *subdirectory;    // joined to the game directory as it stands
        const char *modSubdirectory; // joined to a mod's folder
        const char *pattern;
        const char *tooltip;
    };
    FilePicker(const Setup &setup, QWidget *parent);

    QListView *m_list;
    QPushButton *m_ok, *m_cancel;

private:
    void choose();

    QStringListModel *m_names;
    QString m_subdirectory, m_modSubdirectory, m_pattern;
};

// The map picker: the .bsp files of valve/maps, for txtmap.
class frmmap : public FilePicker {
    Q_OBJECT
public:
    explicit frmmap(QWidget *parent);

    QListView *const filemap = m_list;
    QPushButton *const butokmap = m_ok, *const butcancelmap = m_cancel;
};

// The CFG picker: the .cfg files of valve, for txtcfg.
class frmcfg : public FilePicker {
    Q_OBJECT
public:
    explicit frmcfg(QWidget *parent);

    QListView *const filecfg = m_list;
    QPushButton *const butokcfg = m_ok, *const butcancelcfg = m_cancel;
};

} // namespace vantor
