#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vantor::bench {

double median(std::vector<double> values);

// 20000 as "20,000".
std::string grouped(long number);

using Clock = std::chrono::steady_clock;

// Milliseconds of wall time since START.
inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// AddressSanitizer keeps freed memory in quarantine and maps shadow memory as it goes, so resident memory says
// nothing about leaks in such a build; its LeakSanitizer does that job there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool residentMemoryMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool residentMemoryMeaningful = false;
#else
inline constexpr bool residentMemoryMeaningful = true;
#endif
#else
inline constexpr bool residentMemoryMeaningful = true;
#endif

// Resident memory of this process, in kilobytes; 0 when it cannot be read.
long residentKb();

// How much resident memory COUNTED calls of STEP left behind, after WARMUPS calls that are not counted (the first
// ones fill caches and pools that then stay).
struct Growth {
    long beforeKb = 0, afterKb = 0;
    bool valid() const { return beforeKb > 0 && afterKb > 0; }
    double mb() const { return double(afterKb - beforeKb) / 1024.0; }
};

template <typename Step> Growth residentGrowth(int warmUps, int counted, Step &&step)
{
    for (int i = 0; i < warmUps; ++i)
        step();
    Growth growth;
    growth.beforeKb = residentKb();
    for (int i = 0; i < counted; ++i)
        step();
    growth.afterKb = residentKb();
    return growth;
}

// Gathers one row per figure (what was measured, against what goal, and whether it holds) and prints them as one
// table at the end; notes on how the figures were taken print as they come and go into the Markdown page too.
class Report {
public:
    Report();

    // A figure of Vantor against the same figure of a reference, taken in pairs one right after the other, e.g.
    // start-to-map: "vantor 62.1 ms, bare 58.0 ms: ratio 1.07", goal "ratio ≤ 1.10". The values shown are the
    // medians of each; the ratio is the median of the pairs' ratios, which a machine whose load changes during the
    // run sways far less than the ratio of the medians.
    void ratio(const std::string &name, const char *unit, const std::vector<double> &vantor,
               const std::vector<double> &reference, double limit, const char *vantorLabel = "vantor",
               const char *referenceLabel = "bare");
    // A figure with an upper limit of its own, e.g. saveset(1): "0.840 ms (median of 50)", goal "≤ 5 ms".
    void bounded(const std::string &name, double value, const char *unit, double limit, const std::string &detail = {});
    // Any other check: what was seen, what was wanted, and whether it was.
    void check(const std::string &name, const std::string &measured, const std::string &goal, bool pass);
    // A figure that could not be measured at all counts as failed.
    void unmeasured(const std::string &name, const std::string &why);
    void note(const std::string &text);

    bool passed() const;
    // The table of every row, and a closing line saying whether all passed.
    void print() const;
    // A Markdown page: TITLE, INTRO, the machine, how the figures were taken (the notes) and the table. False when
    // the file cannot be written.
    bool writeMarkdown(const std::string &path, const std::string &title, const std::string &intro) const;

private:
    struct Row {
        std::string figure, measured, goal;
        bool pass;
    };
    std::vector<Row> m_rows;
    std::vector<std::string> m_notes;
    double m_loadAtStart = -1; // the one-minute load average when the report began; negative when unknown
};

} // namespace vantor::bench
