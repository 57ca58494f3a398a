#include "announce.h"

#include <QAccessible>
#include <QWidget>

namespace vantor {

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
