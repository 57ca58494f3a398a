#pragma once

#include "ui/form1.h"

#include <QByteArray>

#include <variant>

namespace vantor {

// Vantor's own command-line options: --slot for the window, and --print and --run, which do their work in the
// terminal and show nothing.
class Terminal {
public:
    // Reads the arguments before the application exists: what shows nothing is given the offscreen platform, so
    // that it works without a display.
    Terminal(int argc, char *argv[]);

    // Once the application exists: either the exit status of what was done here, or how the window is to start.
    std::variant<int, StartUp> act();

private:
    bool m_noSession = false; // the window was asked for, and there is no display to show it on
    bool m_platformChosen = false;
    bool m_hadPlatform = false;
    QByteArray m_platform;
};

} // namespace vantor
