#include "report.h"

#include <algorithm>
#include <cstdio>

namespace vantor::bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Report::ratio(const char *name, const char *unit, double vantor, double bare, double limit)
{
    const double ratio = bare > 0 ? vantor / bare : 0;
    std::printf("%-22s vantor %.1f %s  bare %.1f %s  ratio %.2f (limit %.2f)  ", name, vantor, unit, bare, unit, ratio,
                limit);
    verdict(bare > 0 && ratio <= limit);
}

void Report::bounded(const char *name, double value, const char *unitAndDetail, double limit)
{
    std::printf("%-22s %.3f %s  (limit %g)  ", name, value, unitAndDetail, limit);
    verdict(value <= limit);
}

void Report::unmeasured(const char *name, const std::string &why)
{
    std::printf("%-22s not measured: %s  FAIL\n", name, why.c_str());
    std::fflush(stdout);
    m_passed = false;
}

void Report::note(const std::string &text)
{
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

void Report::verdict(bool pass)
{
    std::printf("%s\n", pass ? "PASS" : "FAIL");
    std::fflush(stdout);
    m_passed = m_passed && pass;
}

} // namespace vantor::bench
