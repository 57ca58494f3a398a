#pragma once

#include <QString>

namespace vantor {

// Tells the user, outside any window of Vantor's, why something could not be done: in a desktop notification where
// the session has a notification service, else in a small message window when SHOWN says one can be seen. With
// OFFERWINDOW it offers to open Vantor and waits for the answer; returns whether the user took the offer.
bool tellTheUser(const QString &summary, const QString &body, bool offerWindow, bool shown);

} // namespace vantor
