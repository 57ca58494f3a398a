#pragma once

#include <string>

namespace vantor::bench {

class Report;

// Times Form1's Pause, saveset, loadset and Run in this process, on Qt's offscreen platform and with a settings
// folder of its own; FAKEGAME stands in for the game. Creates the QApplication, so call it once, after everything
// that must run without one.
void measureFormCosts(int &argc, char **argv, const std::string &fakeGame, Report &report, bool verbose);

} // namespace vantor::bench
