#include "notice.h"

#include "controls.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace vantor {
namespace {

constexpr char service[] = "org.freedesktop.Notifications";
constexpr char path[] = "/org/freedesktop/Notifications";
constexpr char openAction[] = "open";
// A notification that offers the window goes away after this, unanswered, and is taken for a no.
constexpr int answerWaitMs = 120000;

// Waits for the answer to one notification: its action, or its closing.
class Answer : public QObject {
    Q_OBJECT
public:
    explicit Answer(uint id) : m_id(id) {}
    bool opened = false;
    QEventLoop loop;

public slots:
    void actionInvoked(uint id, const QString &action)
    {
        if (id == m_id) {
            opened = action == QLatin1String(openAction);
            loop.quit();
        }
    }
    void notificationClosed(uint id, uint)
    {
        if (id == m_id)
            loop.quit();
    }

private:
    uint m_id;
};

// False when there is no notification service to tell.
bool notify(const QString &summary, const QString &body, bool offerWindow, bool &opened)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusInterface notifications{QLatin1String(service), QLatin1String(path), QLatin1String(service), bus};
    if (!notifications.isValid())
        return false;
    // A server that reads markup in the body would take a game's "<" or "&" for some: the body is shown as written.
    const QDBusReply<QStringList> capabilities = notifications.call(QStringLiteral("GetCapabilities"));
    const QString shown = capabilities.isValid() && capabilities.value().contains(QLatin1String("body-markup"))
                              ? body.toHtmlEscaped()
                              : body;
    const QStringList actions =
        offerWindow ? QStringList{QLatin1String(openAction), QCoreApplication::translate("Notice", "Open Vantor")}
                    : QStringList{};
    const QDBusReply<uint> id = notifications.call(QStringLiteral("Notify"), QStringLiteral("Vantor"), 0u,
                                                   QStringLiteral("example.corvana.Vantor"), summary, shown, actions,
                                                   QVariantMap{}, offerWindow ? answerWaitMs : -1);
    if (!id.isValid())
        return false;
    if (!offerWindow)
        return true;
    Answer answer(id.value());
    bus.connect(QLatin1String(service), QLatin1String(path), QLatin1String(service), QStringLiteral("ActionInvoked"),
                &answer, SLOT(actionInvoked(uint, QString)));
    bus.connect(QLatin1String(service), QLatin1String(path), QLatin1String(service),
                QStringLiteral("NotificationClosed"), &answer, SLOT(notificationClosed(uint, uint)));
    QTimer::singleShot(answerWaitMs, &answer.loop, &QEventLoop::quit);
    answer.loop.exec();
    opened = answer.opened;
    return true;
}

} // namespace

bool tellTheUser(const QString &summary, const QString &body, bool offerWindow, bool shown)
{
    bool opened = false;
    if (notify(summary, body, offerWindow, opened) || !shown)
        return opened;
    useVantorIcon(true);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vantor"), summary, QMessageBox::Close);
    box.setObjectName(QStringLiteral("notice"));
    box.setInformativeText(body);
    QPushButton *open =
        offerWindow ? box.addButton(QCoreApplication::translate("Notice", "Open Vantor"), QMessageBox::AcceptRole)
                    : nullptr;
    box.exec();
    return open && box.clickedButton() == open;
}

} // namespace vantor

#include "notice.moc"
