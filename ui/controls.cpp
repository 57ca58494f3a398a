#include "controls.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <optional>

// The pictures live in a static library; naming its resources here links them in.
static void initResources() { Q_INIT_RESOURCE(vantor); }

namespace vantor {
namespace {

constexpr int smallestFontPixels = 7;
constexpr char naturalPixelsProperty[] = "vantorNaturalPixels";
constexpr char captionsProperty[] = "vantorCaptions";
constexpr int captionMargin = 4; // pixels

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
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
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

// Whether every caption that the control shows, now or in turn, fits whole in FONT.
bool fitsAll(const QWidget *control, const QFont &font)
{
    auto room = roomOf(control);
    if (!room)
        return true;
    QStringList captions = control->property(captionsProperty).toStringList();
    if (captions.isEmpty())
        captions = {room->text};
    else // one of several captions does not touch the edges either
        room->area.adjust(captionMargin, 0, -captionMargin, 0);
    return std::all_of(captions.begin(), captions.end(), [&](const QString &caption) {
        return caption.isEmpty() || fitsWith(font, CaptionRoom{room->area, room->wraps, caption});
    });
}

} // namespace

void useVantorIcon(bool forAllWindows)
{
    static const bool linked = (initResources(), true);
    Q_UNUSED(linked);
    if (forAllWindows && QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantor/vantor.png")));
}

bool captionFits(const QWidget *control) { return fitsAll(control, control->font()); }

void setCaptions(QWidget *control, const QStringList &captions) { control->setProperty(captionsProperty, captions); }

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
    while (pixels > smallestFontPixels && !std::all_of(controls.begin(), controls.end(), [&](const QWidget *control) {
               return fitsAll(control, withPixels(control, pixels));
           }))
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

int OptionCheckBox::state() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void OptionCheckBox::setState(int state)
{
    setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void OptionCheckBox::nextCheckState() { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }

// Characters as the user sees them: a pair of UTF-16 units that makes one character counts once.
static qsizetype characterCount(QStringView text)
{
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i].isLowSurrogate() && text[i - 1].isHighSurrogate())
            --count;
    return count;
}

// Cuts what a user's edit brought beyond the limit, taking the characters just before the cursor: the ones the
// edit inserted. A field that already held more (set by the program) may shrink but not grow. A character is
// always cut whole.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TextField *field) : QValidator(field), m_field(field) {}

    State validate(QString &input, int &pos) const override
    {
        if (!m_field->m_userEditing || m_field->m_limit <= 0)
            return Acceptable;
        const qsizetype allowed = std::max<qsizetype>(m_field->m_limit, m_field->m_lengthBeforeEdit);
        qsizetype excess = characterCount(input) - allowed;
        qsizetype from = std::clamp<qsizetype>(pos, 0, input.size());
        qsizetype to = from;
        const auto pairEndsAt = [&](qsizetype end) {
            return end >= 2 && end <= input.size() && input[end - 1].isLowSurrogate() &&
                   input[end - 2].isHighSurrogate();
        };
        for (; excess > 0 && from > 0; --excess)
            from -= pairEndsAt(from) ? 2 : 1;
        // Should the cursor stand too near the start, the rest is cut after it.
        for (; excess > 0 && to < input.size(); --excess)
            to += pairEndsAt(to + 2) ? 2 : 1;
        input.remove(from, to - from);
        pos = int(from);
        return Acceptable;
    }

private:
    TextField *m_field;
};

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    // The limit that binds typing is ours; Qt's own would also cut text that the program sets.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new TypingLimit(this));
    // Connected first, so that text which a change handler sets in reply to the user's edit counts as the
    // program's own.
    connect(this, &QLineEdit::textChanged, this, [this] { m_userEditing = false; });
}

void TextField::setTypingLimit(int characters) { m_limit = characters; }

template <typename Handler> void TextField::asUserEdit(Handler handle)
{
    m_userEditing = true;
    m_lengthBeforeEdit = characterCount(text());
    handle();
    m_userEditing = false;
}

static bool isPastePlain(const QKeyEvent *event)
{
    return event->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V);
}

bool TextField::event(QEvent *event)
{
    // Ctrl+Shift+V is the field's own while it can be typed into, not the window's shortcut.
    if (event->type() == QEvent::ShortcutOverride && !isReadOnly() && isPastePlain(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    asUserEdit([&] { isPastePlain(event) && !isReadOnly() ? paste() : QLineEdit::keyPressEvent(event); });
}

void TextField::dragEnterEvent(QDragEnterEvent *event)
{
    if (droppedCfgFile(event->mimeData()).isEmpty())
        QLineEdit::dragEnterEvent(event);
    else
        event->ignore(); // the window reads it
}

QString droppedCfgFile(const QMimeData *dropped)
{
    for (const QUrl &url : dropped->urls())
        if (url.isLocalFile() && url.fileName().endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

void TextField::inputMethodEvent(QInputMethodEvent *event)
{
    asUserEdit([&] { QLineEdit::inputMethodEvent(event); });
}

void TextField::dropEvent(QDropEvent *event)
{
    if (droppedCfgFile(event->mimeData()).isEmpty())
        asUserEdit([&] { QLineEdit::dropEvent(event); });
    else
        event->ignore(); // the drop comes to the field that was under it, but the window reads the file
}

void TextField::mouseReleaseEvent(QMouseEvent *event)
{
    asUserEdit([&] { QLineEdit::mouseReleaseEvent(event); });
}

void TextField::contextMenuEvent(QContextMenuEvent *event)
{
    asUserEdit([&] { QLineEdit::contextMenuEvent(event); });
}

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
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
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

static std::function<void(QWidget *)> &announcementListener()
{
    static std::function<void(QWidget *)> listener;
    return listener;
}

void listenToAnnouncements(std::function<void(QWidget *)> listener) { announcementListener() = std::move(listener); }

void announce(QWidget *control)
{
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (announcementListener())
        announcementListener()(control);
}

} // namespace vantor

namespace vantor {

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
