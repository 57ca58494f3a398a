// Vantor's benchmark. Starts Vantor and a bare window of the same size alternately on a private Xvfb, compares how
// long each takes from fork to its window being mapped and how much memory each holds at its peak, then times
// Form1's Pause, saveset and loadset in process. Exit status 0 when every figure is within its limit.
//
//   vantor_bench [--runs N] [--verbose] [--vantor PATH] [--bare PATH]
#include "formcosts.h"
#include "report.h"
#include "startcosts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vantor::bench;

constexpr double startRatioLimit = 1.25;
constexpr double rssRatioLimit = 1.25;

struct Options {
    int runs = 20;
    bool verbose = false;
    std::string vantor = VANTOR_BENCH_VANTOR;
    std::string bare = VANTOR_BENCH_BARE;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue) {
            options.runs = std::atoi(argv[++i]);
            if (options.runs < 1)
                return false;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--vantor" && hasValue) {
            options.vantor = argv[++i];
        } else if (arg == "--bare" && hasValue) {
            options.bare = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

struct Samples {
    std::vector<double> mapMs, rssMb;
};

bool measureStarts(const Options &options, Report &report)
{
    XSession session;
    std::string error;
    if (!session.start(error)) {
        report.unmeasured("start-to-map", error);
        report.unmeasured("peak RSS", error);
        return false;
    }
    report.note("Starting vantor and the bare window " + std::to_string(options.runs) +
                " times each, alternately, on Xvfb " + session.display() + " (one warm-up start each not counted)");

    Samples vantor, bare, withText;
    auto once = [&](const std::string &program, Samples *into, const char *label,
                    const std::vector<std::string> &arguments = {}) {
        const auto sample = session.measure(program, error, arguments);
        if (!sample) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return false;
        }
        if (options.verbose)
            std::printf("  %-6s %7.1f ms  %6.1f MB\n", label, sample->mapMs, sample->peakRssMb);
        if (into) {
            into->mapMs.push_back(sample->mapMs);
            into->rssMb.push_back(sample->peakRssMb);
        }
        return true;
    };
    // The warm-up fills the page cache and fontconfig's caches for both; after it, each round swaps the order so
    // neither program always runs right after the other.
    bool ok = once(options.vantor, nullptr, "warm-up vantor") && once(options.bare, nullptr, "warm-up bare");
    for (int round = 0; ok && round < options.runs; ++round) {
        if (round % 2 == 0)
            ok = once(options.vantor, &vantor, "vantor") && once(options.bare, &bare, "bare");
        else
            ok = once(options.bare, &bare, "bare") && once(options.vantor, &vantor, "vantor");
        ok = ok && once(options.bare, &withText, "text", {"--text"});
    }
    if (!ok) {
        report.unmeasured("start-to-map", "a start failed (see above)");
        report.unmeasured("peak RSS", "a start failed (see above)");
        return false;
    }
    report.ratio("start-to-map", "ms", median(vantor.mapMs), median(bare.mapMs), startRatioLimit);
    report.ratio("peak RSS", "MB", median(vantor.rssMb), median(bare.rssMb), rssRatioLimit);
    // Any window that draws text first has Qt load the system's font configuration, which the bare window never
    // does; this shows how much of the difference that is.
    char line[200];
    std::snprintf(line, sizeof line,
                  "for reference, the bare window with one line of text: start-to-map %.1f ms (vantor/it %.2f), "
                  "peak RSS %.1f MB (vantor/it %.2f)",
                  median(withText.mapMs), median(vantor.mapMs) / median(withText.mapMs), median(withText.rssMb),
                  median(vantor.rssMb) / median(withText.rssMb));
    report.note(line);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--runs N] [--verbose] [--vantor PATH] [--bare PATH]\n", argv[0]);
        return 2;
    }
    Report report;
    // The X measurements come first: they fork, and forking is simplest before Qt has started any thread.
    measureStarts(options, report);
    int qtArgc = 1;
    measureFormCosts(qtArgc, argv, report, options.verbose);
    std::printf("%s\n", report.passed() ? "All figures within their limits." : "Some figures are over their limits.");
    return report.passed() ? 0 : 1;
}
