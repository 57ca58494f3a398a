#pragma once

namespace vantor::bench {

class Report;

// Times Form1's Pause, saveset and loadset in this process, on Qt's offscreen platform and with a settings folder
// of its own. Creates the QApplication, so call it once, after everything that must run without one.
void measureFormCosts(int &argc, char **argv, Report &report, bool verbose);

} // namespace vantor::bench
