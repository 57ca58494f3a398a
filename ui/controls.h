#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

class QMimeData;

namespace vantor {

// Tells a screen reader that the window is a window of its own, a frame, not a filler inside one.
void knownAsAWindow(QWidget *window);

// Links in the pictures and texts compiled into the program and, with FORALLWINDOWS, gives every window of Vantor
// its icon, once: decoding it would hold up the first window.
void useVantorIcon(bool forAllWindows);

// A check box that a user's click turns only off or on (greyed goes to on), while code may also set it greyed.
class OptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    int state() const; // 0 off, 1 on, 2 greyed
    void setState(int state);

protected:
    void nextCheckState() override;
};

// The console speed's scroll bar. Right and Up raise the speed, Left and Down lower it, and the thumb follows (Qt's
// scroll bars turn the arrows the other way); a focus mark shows where the keyboard is; a screen reader hears the
// speed as shown, not the position.
class ConsoleSpeedBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ConsoleSpeedBar(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A slider whose positions stand for words shown beside it (the skill's "Easy", "Medium", "Hard"): a screen reader
// hears the word, its description, and no number.
class LevelSlider : public QSlider {
    Q_OBJECT
public:
    explicit LevelSlider(QWidget *parent);
};

// A picture that only decorates, which a screen reader passes over.
class Backdrop : public QLabel {
    Q_OBJECT
public:
    explicit Backdrop(QWidget *parent);
};

// The local CFG file among the dropped ones, or empty text.
QString droppedCfgFile(const QMimeData *dropped);

// A text field whose length limit binds what the user types, pastes or drops, but never text that the program
// puts into it: a loaded slot or a picker may leave a longer text, which the user can then shorten but not lengthen.
// Ctrl+Shift+V pastes plain text into it, as desktop programs do; a CFG file dropped onto it is the window's to read.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);

    void setTypingLimit(int characters); // 0 is unlimited
    int typingLimit() const { return m_limit; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override; // the X11 selection paste
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    friend class TypingLimit;
    template <typename Handler> void asUserEdit(Handler handle);

    int m_limit = 0;
    bool m_userEditing = false;
    qsizetype m_lengthBeforeEdit = 0;
};

} // namespace vantor
