#pragma once

#include <string>

namespace vantor {
class Form1;
}

namespace vantor::bench {

class Report;

// Times Run against a bare window that only starts the same program, and watches memory over many Runs. The game is
// FAKEGAME, copied as hl.exe into a game folder made under SCRATCH. Needs the QApplication, with FORM shown.
void measureRunCosts(Form1 &form, const std::string &fakeGame, const std::string &scratch, Report &report,
                     bool verbose);

} // namespace vantor::bench
