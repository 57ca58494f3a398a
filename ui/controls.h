#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

class QMimeData;

namespace vantor {

// The pixel size of the font of Vantor's windows.
inline constexpr int windowFontPixels = 11;

// Links in the pictures and texts compiled into the program and, with FORALLWINDOWS, gives every window of Vantor
// its icon, once: decoding it would hold up the first window.
void useVantorIcon(bool forAllWindows);

// Whether the caption of a button, check box, option button or label is readable whole in the room the control
// gives it: on one line across its width or, where it wraps, within its height too. A control that shows several
// captions in turn must fit each of them, with a margin on either side.
bool captionFits(const QWidget *control);

// The captions that the control shows in turn: one font size serves them all.
void setCaptions(QWidget *control, const QStringList &captions);

// Makes the control's caption fit: its font, starting from the window's size, is made a pixel smaller at a time
// until the caption fits whole. Run again whenever the caption changes.
void fitCaption(QWidget *control);

// Gives the controls one font size, the largest at which each of them fits its caption whole.
void fitTogether(const QList<QWidget *> &controls);

// Fits the captions of every control in the window.
void fitCaptions(QWidget *window);

// Breaks a text into lines at blanks so that no line is wider than WIDTH pixels in that font (a word wider than
// that stands on a line of its own).
QString wrapText(const QString &text, const QFontMetrics &metrics, int width);

// Shows every tooltip of the application that would be wider than a window of Vantor's on several lines.
class ToolTipWrapper : public QObject {
    Q_OBJECT
public:
    static constexpr int widest = 360; // pixels

    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

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

// A label that looks and acts like a web link: the mouse clicks it, the keyboard reaches it and opens it with Enter
// or Space, and a screen reader hears a link.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// Tells a screen reader that the control's text has just changed to say something for a moment: feedback that a
// sighted user sees in place. A listener set with listenToAnnouncements hears it too (without a screen reader, as
// a test runs, Qt passes nothing on).
void announce(QWidget *control);
void listenToAnnouncements(std::function<void(QWidget *)> listener);

} // namespace vantor

namespace vantor {

// A push button whose caption wraps onto as many lines as its height allows; text() stays the one-line caption.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vantor
