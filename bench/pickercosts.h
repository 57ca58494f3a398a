#pragma once

#include <string>

namespace vantor {
class Form1;
}

namespace vantor::bench {

class Report;

// Times the map picker's Browse, from the click to the list shown, on a maps folder of many files made under
// SCRATCH, against listing that folder alone. Needs the QApplication, with FORM shown.
void measurePickerCosts(Form1 &form, const std::string &scratch, Report &report, bool verbose);

} // namespace vantor::bench
