// Vantor's benchmark. Starts Vantor and a bare window of the same size that shows one line of text alternately on a
// private Xvfb, compares how long each takes from fork to its window being mapped and how much memory each holds at
// its peak, then, in process, times Form1's Pause, saveset and loadset, the way from Enter to a started game against
// a bare window that only starts it, and the memory that a thousand Runs leave behind. Exit status 0 when every
// figure is within its limit. The figures end as one table; --markdown writes the same table, with how it was
// measured and on what machine, as a Markdown page.
//
//   vantor_bench [--runs N] [--verbose] [--starts-only] [--markdown PATH] [--vantor PATH] [--bare PATH]
//                [--fakegame PATH]
//
// --starts-only measures the two start figures and nothing else: to compare builds of Vantor one right after the
// other, with --vantor naming each.
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

constexpr char pageTitle[] = "Vantor's figures";
constexpr char pageIntro[] =
    "What `make bench` measured, all in one run on the machine below: how long Vantor takes from its start to its "
    "window on screen and how much memory it holds at its peak, against a bare Qt window of the same size that shows "
    "one line of text; the processor time of its timed wait; the time a slot takes to save and to load; the time "
    "Steam's launch options take to read from a localconfig.vdf of 4 MB; the time from Enter to the game's process "
    "running, against a bare window that only starts the game; the memory that 1,000 Runs in a row leave behind; the "
    "time from Enter to the window gone with Close on Run; and the time the map picker takes to open on a folder of "
    "20,000 maps among "
    "20,000 other files, against listing that folder alone, and with a mod that brings 20,000 maps more; and the "
    "time the setup check takes on a Steam library of 20,000 files. Each figure has its goal; a run passes when all "
    "hold.";

struct Options {
    // One start differs from the next by some ten per cent even on a quiet machine; over sixty pairs the median of
    // their ratios varies by about 0.02 from one run of the bench to the next, over thirty by twice that.
    int runs = 60;
    bool verbose = false;
    bool startsOnly = false;
    std::string markdown;
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
        } else if (arg == "--starts-only") {
            options.startsOnly = true;
        } else if (arg == "--markdown" && hasValue) {
            options.markdown = argv[++i];
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
    report.note("Start-to-map and peak RSS: Vantor and the bare window with one line of text started " +
                std::to_string(options.runs) +
                " times each, alternately, on a private Xvfb, after one start of each not counted; the time from "
                "fork to the MapNotify of the top-level window, and ru_maxrss; medians of each, and the median of the "
                "ratios of the pairs started one right after the other");

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
    report.ratio("start-to-map", "ms", vantor.mapMs, bare.mapMs, startRatioLimit);
    report.ratio("peak RSS", "MB", vantor.rssMb, bare.rssMb, rssRatioLimit);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--verbose] [--starts-only] [--markdown PATH] [--vantor PATH] "
                     "[--bare PATH] [--fakegame PATH]\n",
                     argv[0]);
        return 2;
    }
    Report report;
    // The X measurements come first: they fork, and forking is simplest before Qt has started any thread.
    measureStarts(options, report);
    int qtArgc = 1;
    if (!options.startsOnly)
        measureFormCosts(qtArgc, argv, options.fakeGame, report, options.verbose);
    report.print();
    if (!options.markdown.empty() && !report.writeMarkdown(options.markdown, pageTitle, pageIntro)) {
        std::fprintf(stderr, "cannot write %s\n", options.markdown.c_str());
        return 1;
    }
    return report.passed() ? 0 : 1;
}
