#pragma once

// What Vantor says for a moment, passed on to a screen reader.

#include <functional>

class QWidget;

namespace vantor {

// Tells a screen reader that the control's text has just changed to say something for a moment: feedback that a
// sighted user sees in place. A listener set with listenToAnnouncements hears it too (without a screen reader, as
// a test runs, Qt passes nothing on).
void announce(QWidget *control);
void listenToAnnouncements(std::function<void(QWidget *)> listener);

} // namespace vantor
