#include "controls.h"

#include "launch/numericfields.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QValidator>

#include <algorithm>
#include <limits>

// The pictures live in a static library; naming its resources here links them in.
static void initResources() { Q_INIT_RESOURCE(vantor); }

namespace vantor {

void useVantorIcon(bool forAllWindows)
{
    static const bool linked = (initResources(), true);
    Q_UNUSED(linked);
    if (forAllWindows && QApplication::windowIcon().isNull())
        // Read as the PNG it is: left to guess, Qt would load every image plugin and the libraries they need.
        QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/vantor/vantor.png"), "PNG")));
}

namespace {

// The console speed as a screen reader reads and sets it: in the hundreds shown, not in positions.
class AccessibleSpeed : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpeed(ConsoleSpeedBar *bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return consoleSpeed(bar()->value()); }
    void setCurrentValue(const QVariant &value) override
    {
        bar()->setValue(qRound(value.toDouble() / consoleSpeed(1)));
    }
    QVariant maximumValue() const override { return consoleSpeed(bar()->maximum()); }
    QVariant minimumValue() const override { return consoleSpeed(bar()->minimum()); }
    QVariant minimumStepSize() const override { return consoleSpeed(bar()->singleStep()); }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }
};

// What a screen reader passes over: a filler without a name (a widget's name falls back to its frame's title).
class AccessibleFiller : public QAccessibleWidget {
public:
    explicit AccessibleFiller(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Client) {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QString() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    const auto is = [&](const QMetaObject &meta) { return className == QLatin1String(meta.className()); };
    if (auto *bar = qobject_cast<ConsoleSpeedBar *>(object); bar && is(ConsoleSpeedBar::staticMetaObject))
        return new AccessibleSpeed(bar);
    auto *widget = qobject_cast<QWidget *>(object);
    if (is(LevelSlider::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Slider);
    if (is(Backdrop::staticMetaObject))
        return new AccessibleFiller(widget);
    if (widget && widget->property("vantorWindow").toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void knowControls()
{
    static const bool known = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(known);
}

} // namespace

void knownAsAWindow(QWidget *window)
{
    knowControls();
    window->setProperty("vantorWindow", true);
}

ConsoleSpeedBar::ConsoleSpeedBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    knowControls();
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ConsoleSpeedBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Neither the style's scroll bar nor its faint focus frame shows the focus well: a line in the text's colour,
    // which stands out from the window in any palette, does.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LevelSlider::LevelSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent) { knowControls(); }

Backdrop::Backdrop(QWidget *parent) : QLabel(parent) { knowControls(); }

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

} // namespace vantor
