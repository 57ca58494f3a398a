#pragma once

#include <string>

namespace vantor::bench {

class Report;

// Times the setup check on a Steam library of many files made under SCRATCH, with a mod on.
void measureCheckCosts(const std::string &scratch, Report &report, bool verbose);

} // namespace vantor::bench
