#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vantor::bench {

double median(std::vector<double> values);

using Clock = std::chrono::steady_clock;

// Milliseconds of wall time since START.
inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Prints the result lines and remembers whether all of them passed.
class Report {
public:
    // A figure of Vantor against the same figure of the bare window, e.g.
    // "start-to-map           vantor 62.1 ms  bare 58.0 ms  ratio 1.07 (limit 1.10)  PASS".
    void ratio(const char *name, const char *unit, double vantor, double bare, double limit);
    // A figure with an upper limit of its own, e.g. "saveset(1)             0.840 ms median of 50  (limit 5)  PASS".
    void bounded(const char *name, double value, const char *unitAndDetail, double limit);
    // A figure that could not be measured at all counts as failed.
    void unmeasured(const char *name, const std::string &why);
    void note(const std::string &text);

    bool passed() const { return m_passed; }

private:
    void verdict(bool pass);

    bool m_passed = true;
};

} // namespace vantor::bench
