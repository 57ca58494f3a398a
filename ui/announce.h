#pragma once

// What Vantor says for a moment, passed on to a screen reader.

#include <QString>

class QWidget;

namespace vantor {

// Tells a screen reader SAID, which CONTROL now shows for the given seconds: feedback that a sighted user sees in
// place. Screen readers speak a notification as it appears, wherever the focus is; a name that changes on a
// control without the focus they pass over (and Qt 6.4 passes no alert on), so the window shows a notification.
void announce(QWidget *control, const QString &said, double seconds);

} // namespace vantor
