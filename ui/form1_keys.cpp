// The keyboard and the focus: Enter and Esc, the pages' reach for Tab, where the focus goes when a page opens, and
// the rules that run as a field loses the focus.

#include "form1.h"

#include "launch/numericfields.h"
#include "launch/options.h"

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
            updateKeyboardReach();
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

// Pages lie over one another. A control that the pages shown above it cover whole is out of the keyboard's reach
// (Tab, Shift+Tab and so Space) until they are gone; the mouse cannot reach it either.
void Form1::updateKeyboardReach()
{
    if (m_ownFocus.empty())
        for (QWidget *control : findChildren<QWidget *>())
            if (control->focusPolicy() != Qt::NoFocus)
                m_ownFocus.emplace(control, control->focusPolicy());
    std::unordered_map<const QObject *, QRegion> coveredAbove; // by each layer of the window, the pages above it
    QRegion pages;
    const QObjectList layers = children(); // from the bottom up
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        coveredAbove[*layer] = pages;
        if (auto *page = qobject_cast<QGroupBox *>(*layer); page && page->isVisibleTo(this))
            pages += page->geometry();
    }
    for (const auto &[control, own] : m_ownFocus) {
        const QObject *layer = control;
        while (layer->parent() != this)
            layer = layer->parent();
        const QRect place(control->mapTo(this, QPoint(0, 0)), control->size());
        control->setFocusPolicy(QRegion(place).subtracted(coveredAbove[layer]).isEmpty() ? Qt::NoFocus : own);
    }
}

// The focus goes to the first control of the page now on top that takes it, never to one out of sight.
void Form1::focusTopPage()
{
    for (QWidget *page : {braskfram, framhelp, framsound, frammod, framperf, multifram, Frame1}) {
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
    // Half-Life Now!". Esc presses "Exit Vantor".
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
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
    if (event->type() == QEvent::KeyPress && watched == txthelp) { // Enter runs here too, as it does everywhere
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            keyPressEvent(key);
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && leaves(static_cast<QFocusEvent *>(event))) {
        const QString name = watched->objectName();
        for (const NumericField &numeric : numericFields())
            if (name == toQString(numeric.key))
                numericFieldLeft(numeric.key);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vantor
