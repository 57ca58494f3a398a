#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vantor {

// The window that explains a game directory Vantor cannot use, and the way round it. It only informs; it blocks
// nothing, and closing it in any way (Close, Enter, Esc, the close box) unloads it.
class frmdirnotfound : public QDialog {
    Q_OBJECT
public:
    frmdirnotfound();

    QLabel *labeldirnotfound;
    QLabel *Labeldirnotfound1, *Labeldirnotfound2, *Labeldirnotfound3, *Labeldirnotfound5;
    QPushButton *dirbutclose;
};

} // namespace vantor
