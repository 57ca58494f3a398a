#include "captionfit.h"

#include "links.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vantor {
namespace {

constexpr char naturalPixelsProperty[] = "vantorNaturalPixels";
constexpr char captionsProperty[] = "vantorCaptions";
constexpr int captionMargin = 3; // pixels

struct CaptionRoom {
    QRect area;
    bool wraps = false;
    QString text;
};

std::optional<CaptionRoom> roomOf(const QWidget *control)
{
    const auto buttonRoom = [control](QStyle::SubElement element, const QString &text, bool wraps) {
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = text;
        return CaptionRoom{control->style()->subElementRect(element, &option, control), wraps, text};
    };
    if (const auto *button = qobject_cast<const WrappingButton *>(control))
        return buttonRoom(QStyle::SE_PushButtonContents, button->text(), true);
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return buttonRoom(QStyle::SE_PushButtonContents, button->text(), false);
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return buttonRoom(QStyle::SE_CheckBoxContents, box->text(), false);
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return buttonRoom(QStyle::SE_RadioButtonContents, option->text(), false);
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return CaptionRoom{label->contentsRect(), label->wordWrap(), label->text()};
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        // The title, from where the style begins it to as far from the other edge.
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return CaptionRoom{QRect(title.left(), 0, frame->width() - 2 * title.left(), frame->height()), false,
                           frame->title()};
    }
    return std::nullopt;
}

bool fitsWith(const QFont &font, const CaptionRoom &room)
{
    const QFontMetrics metrics(font);
    if (!room.wraps)
        return metrics.horizontalAdvance(room.text) <= room.area.width();
    const QRect needed = metrics.boundingRect(room.area, Qt::TextWordWrap, room.text);
    return needed.width() <= room.area.width() && needed.height() <= room.area.height();
}

// Whether the caption that the control shows fits whole in FONT.
bool fitsIn(const QWidget *control, const QFont &font)
{
    auto room = roomOf(control);
    if (!room || room->text.isEmpty())
        return true;
    if (control->property(captionsProperty).isValid()) // one of several captions does not touch the edges either
        room->area.adjust(captionMargin, 0, -captionMargin, 0);
    return fitsWith(font, *room);
}

} // namespace

qreal windowScale(int desktopFontPixels)
{
    return std::max(1.0, std::floor(desktopFontPixels * 4.0 / windowFontPixels) / 4.0);
}

bool captionFits(const QWidget *control) { return fitsIn(control, control->font()); }

void setCaptions(QWidget *control, const QStringList &captions) { control->setProperty(captionsProperty, captions); }

QStringList captionsOf(const QWidget *control)
{
    const QStringList captions = control->property(captionsProperty).toStringList();
    if (!captions.isEmpty())
        return captions;
    const auto room = roomOf(control);
    return room ? QStringList{room->text} : QStringList();
}

void showCaption(QWidget *control, const QString &caption)
{
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(caption);
    else
        control->setProperty("text", caption);
    fitCaption(control);
}

void fitCaption(QWidget *control) { fitTogether({control}); }

void fitTogether(const QList<QWidget *> &controls)
{
    if (controls.isEmpty())
        return;
    // A control may have been fitted to an earlier, longer caption: start again from its natural size.
    for (QWidget *control : controls) {
        if (control->property(naturalPixelsProperty).isValid())
            continue;
        const int set = control->font().pixelSize(); // no font lookup when the size was given in pixels
        control->setProperty(naturalPixelsProperty, set > 0 ? set : QFontInfo(control->font()).pixelSize());
    }
    const auto withPixels = [](const QWidget *control, int pixels) {
        QFont font = control->font();
        font.setPixelSize(pixels);
        return font;
    };
    int pixels = controls.first()->property(naturalPixelsProperty).toInt();
    while (pixels > smallestCaptionPixels &&
           !std::all_of(controls.begin(), controls.end(),
                        [&](const QWidget *control) { return fitsIn(control, withPixels(control, pixels)); }))
        --pixels;
    for (QWidget *control : controls)
        if (const QFont font = withPixels(control, pixels); font != control->font())
            control->setFont(font);
}

QString wrapText(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

bool ToolTipWrapper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    const QString tip = widget->toolTip();
    const QFontMetrics metrics(QToolTip::font());
    if (tip.isEmpty() || metrics.horizontalAdvance(tip) <= widest)
        return QObject::eventFilter(watched, event);
    QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), wrapText(tip, metrics, widest), widget);
    return true;
}

void fitCaptions(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>())
        fitCaption(control);
}

} // namespace vantor
