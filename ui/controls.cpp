#include "controls.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>

namespace vantor {

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

// Cuts what a user's edit brought beyond the limit, taking the characters just before the cursor: the ones the
// edit inserted. A field that already held more (set by the program) may shrink but not grow.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TextField *field) : QValidator(field), m_field(field) {}

    State validate(QString &input, int &pos) const override
    {
        if (!m_field->m_userEditing || m_field->m_limit <= 0)
            return Acceptable;
        const qsizetype allowed = std::max<qsizetype>(m_field->m_limit, m_field->m_lengthBeforeEdit);
        const qsizetype excess = input.size() - allowed;
        if (excess > 0) {
            const qsizetype from = std::clamp<qsizetype>(pos - excess, 0, input.size() - excess);
            input.remove(from, excess);
            pos = int(from);
        }
        return Acceptable;
    }

private:
    TextField *m_field;
};

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new TypingLimit(this));
    // Connected first, so that text which a change handler sets in reply to the user's edit counts as the
    // program's own.
    connect(this, &QLineEdit::textChanged, this, [this] { m_userEditing = false; });
}

void TextField::setTypingLimit(int characters) { m_limit = characters; }

template <typename Handler> void TextField::asUserEdit(Handler handle)
{
    m_userEditing = true;
    m_lengthBeforeEdit = text().size();
    handle();
    m_userEditing = false;
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    asUserEdit([&] { QLineEdit::keyPressEvent(event); });
}

void TextField::inputMethodEvent(QInputMethodEvent *event)
{
    asUserEdit([&] { QLineEdit::inputMethodEvent(event); });
}

void TextField::dropEvent(QDropEvent *event)
{
    asUserEdit([&] { QLineEdit::dropEvent(event); });
}

void TextField::mouseReleaseEvent(QMouseEvent *event)
{
    asUserEdit([&] { QLineEdit::mouseReleaseEvent(event); });
}

void TextField::contextMenuEvent(QContextMenuEvent *event)
{
    asUserEdit([&] { QLineEdit::contextMenuEvent(event); });
}

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
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
