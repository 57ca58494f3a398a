// The keyboard and the focus: Enter, Esc and Shift+F10, the pages' reach for Tab, where the focus goes when a page
// opens, and the rules that run as a field loses the focus.

#include "form1.h"

#include "launch/numericfields.h"
#include "launch/options.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegion>

namespace vantor {

void Form1::wireNavigation()
{
    const auto shows = [this](QPushButton *button, std::initializer_list<QWidget *> pages, bool visible) {
        const std::vector<QWidget *> list(pages);
        connect(button, &QPushButton::clicked, this, [this, list, visible] {
            for (QWidget *page : list)
                page->setVisible(visible);
            hideCovered();
            focusTopPage();
        });
    };
    shows(butmulti, {multifram}, true);
    shows(butperf, {framperf, frammod, framsound}, true);
    shows(buthelp, {framhelp}, true);
    shows(Command1, {multifram}, false);
    shows(backsnd, {framsound, frammod, framperf}, false);
    shows(backhlp, {framhelp}, false);
    shows(helpbrask, {braskfram}, true);
    shows(braskbackbut, {braskfram}, false);
}

// Pages lie over one another. A control that the pages shown above it cover whole is hidden until they are gone:
// out of the reach of the mouse and the keyboard (Tab, Shift+Tab and so Space), and not showing for a screen reader.
void Form1::hideCovered()
{
    QRegion pages;                         // what the pages shown above the layer cover
    const QObjectList layers = children(); // from the bottom up
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        auto *widget = qobject_cast<QWidget *>(*layer);
        if (!widget || widget->isWindow() || widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue; // a window of its own, or the notification, which lies over what it speaks of
        auto *page = qobject_cast<QGroupBox *>(widget);
        QList<QWidget *> controls{widget};
        if (page)
            controls += page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *control : controls) {
            const QRect place(control->mapTo(this, QPoint(0, 0)), control->size());
            const bool covered = QRegion(place).subtracted(pages).isEmpty();
            if (covered && control->isVisibleTo(control->parentWidget()))
                m_covered.insert(control), control->hide();
            else if (!covered && m_covered.erase(control))
                control->show();
        }
        if (page && (page->isVisibleTo(this) || m_covered.contains(page)))
            pages += page->geometry();
    }
}

// The focus goes to the first control of the page now on top that takes it, never to one out of sight. The
// Performance, Mod and Sound page begins with Performance, as Tab runs.
void Form1::focusTopPage()
{
    for (QWidget *page : {braskfram, framhelp, framperf, frammod, framsound, multifram, Frame1}) {
        if (!page->isVisibleTo(this))
            continue;
        for (QWidget *control : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isEnabled() && control->isVisibleTo(page) && (control->focusPolicy() & Qt::TabFocus)) {
                control->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    butgonow->setFocus(Qt::OtherFocusReason);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter in the CFG file's name makes the file; elsewhere it presses the focused push button, or else "Run
    // Half-Life Now!". Esc presses "Exit Vantor". Shift+F10 opens the focused control's menu, as the Menu key does
    // (the system turns that one into a menu itself).
    if (event->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)) {
        if (QWidget *focus = focusWidget()) {
            const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
            QCoreApplication::sendEvent(focus, &menu);
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat()) // Enter held down runs once
            return;
        if (focusWidget() == txtmkcfg) // a name typed is a name to write
            butmkcfg->click();
        else if (auto *button = qobject_cast<QPushButton *>(focusWidget()); button && button->isEnabled())
            button->click();
        else if (butgonow->isEnabled())
            butgonow->click();
        return;
    case Qt::Key_Escape: butclose->click(); return;
    default: QWidget::keyPressEvent(event);
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Leaving a field, not a menu opening over it or the window going to the back.
    const auto leaves = [](const QFocusEvent *focus) {
        return focus->reason() != Qt::PopupFocusReason && focus->reason() != Qt::ActiveWindowFocusReason;
    };
    if (event->type() == QEvent::Show && (watched == framsound || watched == braskfram))
        loadPictures();
    if (event->type() == QEvent::Show && watched == framhelp)
        loadHelpText();
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::KeyPress) && watched == txtmod)
        offerMods();

    if (event->type() == QEvent::FocusOut && leaves(static_cast<QFocusEvent *>(event))) {
        const QString name = watched->objectName();
        for (const NumericField &numeric : numericFields())
            if (name == toQString(numeric.key))
                numericFieldLeft(numeric.key);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantor
