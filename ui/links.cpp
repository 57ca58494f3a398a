#include "links.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace vantor {

namespace {

// A link as a screen reader knows one, which it can also open.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}
    // Named by its caption, not by the frame it lies in.
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? static_cast<QLabel *>(widget())->text() : given;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

// The relative luminance of a colour, and the contrast of two, as the web's accessibility guidelines measure them.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colour, made darker on a light background or lighter on a dark one until it reads on it; its hue stays.
QColor readableOn(const QColor &text, const QColor &background)
{
    constexpr double enough = 4.5;
    const bool lighten = luminance(background) < 0.18;
    QColor colour = text.toHsl();
    for (int step = 0; step <= 20 && contrast(colour, background) < enough; ++step)
        colour.setHslF(colour.hslHueF(), colour.hslSaturationF(), lighten ? 0.5 + step / 40.0 : 0.5 - step / 40.0);
    return contrast(colour, background) < enough ? QColor(lighten ? Qt::white : Qt::black) : colour.toRgb();
}

QAccessibleInterface *accessibleLink(const QString &className, QObject *object)
{
    auto *link = qobject_cast<LinkLabel *>(object);
    return link && className == QLatin1String(LinkLabel::staticMetaObject.className()) ? new AccessibleLink(link)
                                                                                       : nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool known = (QAccessible::installFactory(accessibleLink), true);
    Q_UNUSED(known);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Links stand on their frames' borders: the window's colour beneath keeps the line out of their text.
    setAutoFillBackground(true);
    keepReadable();
}

void LinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        keepReadable();
}

void LinkLabel::keepReadable()
{
    // The desktop's link colour may be meant for another background than the one beneath (blue on a dark window):
    // it is made lighter or darker until it reads there.
    const QPalette beneath = parentWidget() ? parentWidget()->palette() : QApplication::palette(this);
    const QColor readable = readableOn(beneath.color(QPalette::Link), beneath.color(QPalette::Window));
    if (palette().color(QPalette::Link) == readable)
        return;
    QPalette own = palette();
    own.setColor(QPalette::Link, readable);
    setPalette(own);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_secondClick = true; // the release that follows is the same click's: the page is open already
    QLabel::mouseDoubleClickEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && !m_secondClick)
        emit clicked();
    m_secondClick = false;
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    // A key held down opens the page once, not once for each repeat.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat())
            emit clicked();
    } else {
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace vantor
