#include "announce.h"

#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace vantor {
namespace {

// A window's notification: nothing to see (the control beside it shows the words), it lies over the control that
// shows them and lets the mouse through.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        m_moment.setSingleShot(true);
        m_moment.setTimerType(Qt::PreciseTimer); // gone with the words, never before
        connect(&m_moment, &QTimer::timeout, this, &QWidget::hide);
    }

    void say(QWidget *control, const QString &said, double seconds)
    {
        hide(); // a screen reader speaks a notification as it is shown, the same words again too
        setGeometry(QRect(control->mapTo(parentWidget(), QPoint()), control->size()));
        setAccessibleName(said);
        show();
        m_moment.start(int(seconds * 1000));
    }

private:
    QTimer m_moment;
};

QAccessibleInterface *accessibleAnnouncement(const QString &className, QObject *object)
{
    auto *announcement = qobject_cast<Announcement *>(object);
    return announcement && className == QLatin1String(Announcement::staticMetaObject.className())
               ? new QAccessibleWidget(announcement, QAccessible::Notification)
               : nullptr;
}

} // namespace

void announce(QWidget *control, const QString &said, double seconds)
{
    static const bool known = (QAccessible::installFactory(accessibleAnnouncement), true);
    Q_UNUSED(known);
    QWidget *window = control->window();
    auto *announcement = window->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement)
        announcement = new Announcement(window);
    announcement->say(control, said, seconds);
}

} // namespace vantor

#include "announce.moc"
