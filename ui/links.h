#pragma once

// The link and button controls of Vantor's own: a label that acts as a web link, and a button whose caption wraps.

#include <QLabel>
#include <QPushButton>

namespace vantor {

// A label that looks and acts like a web link: the mouse clicks it, the keyboard reaches it and opens it with Enter
// or Space, and a screen reader hears a link. Its colour keeps a contrast of 4.5:1 with the window beneath it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_secondClick = false;
    void changeEvent(QEvent *event) override;

private:
    void keepReadable();
};

// A push button whose caption wraps onto as many lines as its height allows; text() stays the one-line caption.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vantor
