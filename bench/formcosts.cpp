#include "formcosts.h"

#include "pickercosts.h"
#include "report.h"
#include "runcosts.h"
#include "scratch.h"

#include "ui/form1.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace vantor::bench {
namespace {

constexpr float pauseSeconds = 3.0f;
constexpr double pauseCpuLimit = 10; // ms of CPU per wall second: 1 % of one core
constexpr int slotRepeats = 50;
constexpr double slotLimitMs = 5;

// CPU time of every thread of this process, user and system, in milliseconds.
double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &tv) { return double(tv.tv_sec) * 1e3 + double(tv.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

template <typename F> std::vector<double> timeRepeatedly(int times, F &&f)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        const Clock::time_point start = Clock::now();
        f();
        ms.push_back(msSince(start));
    }
    return ms;
}

void printSpread(const char *name, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("  %s: min %.3f ms, max %.3f ms\n", name, ms.front(), ms.back());
}

void measureSlots(Form1 &form, Report &report, bool verbose)
{
    const std::vector<double> saves = timeRepeatedly(slotRepeats, [&] { form.saveset(1); });
    if (!form.load1->isEnabled()) {
        report.unmeasured("saveset(1)", "slot 1 still shows as unsaved after saveset(1)");
        return;
    }
    const std::vector<double> loads = timeRepeatedly(slotRepeats, [&] { form.loadset(1); });
    if (verbose) {
        printSpread("saveset(1)", saves);
        printSpread("loadset(1)", loads);
    }
    const std::string detail = "ms median of " + std::to_string(slotRepeats);
    report.bounded("saveset(1)", median(saves), detail.c_str(), slotLimitMs);
    report.bounded("loadset(1)", median(loads), detail.c_str(), slotLimitMs);
}

} // namespace

void measureFormCosts(int &argc, char **argv, const std::string &fakeGame, Report &report, bool verbose)
{
    // Qt reads these once, when the application and the first QSettings are made.
    ScratchDir scratch("vantor-bench-form");
    const std::string config = scratch.path() + "/config";
    ScratchDir runtimeDir("runtime", scratch.path());
    if (!scratch.valid() || !runtimeDir.valid() || !writeSettings(config)) {
        report.unmeasured("Form1", "cannot prepare a temporary settings folder");
        return;
    }
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtimeDir.path().c_str(), 1);
    setenv("XDG_CACHE_HOME", (scratch.path() + "/cache").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    const Clock::time_point constructing = Clock::now();
    vantor::Form1 form;
    const double constructMs = msSince(constructing);
    form.show();
    QCoreApplication::processEvents();
    if (verbose)
        std::printf("  Form1: constructed in %.1f ms, shown and painted in %.1f ms more (offscreen)\n", constructMs,
                    msSince(constructing) - constructMs);

    const double cpuBefore = processCpuMs();
    const Clock::time_point pauseStart = Clock::now();
    form.Pause(pauseSeconds);
    const double wallMs = msSince(pauseStart);
    const double cpuMs = processCpuMs() - cpuBefore;
    if (wallMs < pauseSeconds * 1000 * 0.95) {
        report.unmeasured("Pause(3.0)", "returned after " + std::to_string(wallMs) + " ms");
    } else {
        if (verbose)
            std::printf("  Pause(3.0): %.1f ms of wall time, %.3f ms of CPU\n", wallMs, cpuMs);
        report.bounded("Pause(3.0)", cpuMs / (wallMs / 1000), "CPU ms per wall second", pauseCpuLimit);
    }

    measureSlots(form, report, verbose);
    measureRunCosts(form, fakeGame, scratch.path(), report, verbose);
    measurePickerCosts(form, scratch.path(), report, verbose);
}

} // namespace vantor::bench
