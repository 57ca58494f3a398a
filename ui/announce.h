#pragma once

// What Vantor says for a moment, passed on to a screen reader.

#include <QString>

class QWidget;

namespace vantor {

// Tells a screen reader SAID, which CONTROL now shows for the given seconds: feedback that a sighted user sees in
// place. The window shows it as a notification, which screen readers speak as it appears, wherever the focus is:
// Qt 6.4 passes no alert on, and tells of a changed name or description without its words.
void announce(QWidget *control, const QString &said, double seconds);

} // namespace vantor
