// Vantor's benchmark. Starts Vantor and a bare window of the same size that shows one line of text alternately on a
// private Xvfb, compares how long each takes from fork to its window being mapped and how much memory each holds at
// its peak, then, in process, times Form1's Pause, saveset and loadset, the way from Enter to a started game against
// a bare window that only starts it, and the memory that a thousand Runs leave behind. Exit status 0 when every
// figure is within its limit.
//
//   vantor_bench [--runs N] [--verbose] [--vantor PATH] [--bare PATH] [--fakegame PATH]
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

constexpr double startRatioLimit = 1.10;
constexpr double rssRatioLimit = 1.15;

struct Options {
    int runs = 30;
    bool verbose = false;
    std::string vantor = VANTOR_BENCH_VANTOR;
    std::string bare = VANTOR_BENCH_BARE;
    std::string fakeGame = VANTOR_BENCH_FAKEGAME;
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
        } else if (arg == "--fakegame" && hasValue) {
            options.fakeGame = argv[++i];
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
    report.note("Starting vantor and the bare window with one line of text " + std::to_string(options.runs) +
                " times each, alternately, on Xvfb " + session.display() + " (one warm-up start each not counted)");

    // The bare window draws text, as Vantor does: the first text has Qt load the system's font configuration, which
    // any real window pays for.
    const std::vector<std::string> bareArguments{"--text"};
    Samples vantor, bare;
    auto once = [&](const std::string &program, const std::vector<std::string> &arguments, Samples *into,
                    const char *label) {
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
    auto vantorOnce = [&](Samples *into, const char *label) { return once(options.vantor, {}, into, label); };
    auto bareOnce = [&](Samples *into, const char *label) { return once(options.bare, bareArguments, into, label); };
    // The warm-up fills the page cache and fontconfig's caches for both; after it, each round swaps the order so
    // neither program always runs right after the other.
    bool ok = vantorOnce(nullptr, "warm-up vantor") && bareOnce(nullptr, "warm-up bare");
    for (int round = 0; ok && round < options.runs; ++round) {
        if (round % 2 == 0)
            ok = vantorOnce(&vantor, "vantor") && bareOnce(&bare, "bare");
        else
            ok = bareOnce(&bare, "bare") && vantorOnce(&vantor, "vantor");
    }
    if (!ok) {
        report.unmeasured("start-to-map", "a start failed (see above)");
        report.unmeasured("peak RSS", "a start failed (see above)");
        return false;
    }
    report.ratio("start-to-map", "ms", median(vantor.mapMs), median(bare.mapMs), startRatioLimit);
    report.ratio("peak RSS", "MB", median(vantor.rssMb), median(bare.rssMb), rssRatioLimit);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--runs N] [--verbose] [--vantor PATH] [--bare PATH] [--fakegame PATH]\n",
                     argv[0]);
        return 2;
    }
    Report report;
    // The X measurements come first: they fork, and forking is simplest before Qt has started any thread.
    measureStarts(options, report);
    int qtArgc = 1;
    measureFormCosts(qtArgc, argv, options.fakeGame, report, options.verbose);
    std::printf("%s\n", report.passed() ? "All figures within their limits." : "Some figures are over their limits.");
    return report.passed() ? 0 : 1;
}
