#include "formcosts.h"

#include "checkcosts.h"
#include "formsession.h"
#include "pickercosts.h"
#include "report.h"
#include "runcosts.h"

#include "launch/steamlibraries.h"
#include "ui/form1.h"

#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace vantor::bench {
namespace {

constexpr float pauseSeconds = 3.0f;
constexpr double pauseCpuLimit = 10; // ms of CPU per wall second: 1 % of one core
constexpr int slotRepeats = 50;
constexpr double slotLimitMs = 5;
constexpr int steamRepeats = 10;
constexpr double steamLimitMs = 50;
constexpr long localConfigBytes = 4 << 20;

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
    report.note("saveset(1) and loadset(1): " + std::to_string(slotRepeats) +
                " calls each on the window, each written to the settings file; medians");
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
    const std::string detail = "median of " + std::to_string(slotRepeats);
    report.bounded("saveset(1)", median(saves), "ms", slotLimitMs, detail);
    report.bounded("loadset(1)", median(loads), "ms", slotLimitMs, detail);
}

// Steam's launch options read from a localconfig.vdf of some 4 MB, as a large library's can be, with Half-Life's app
// last among tens of thousands.
void measureSteamOptions(const std::string &scratch, Report &report, bool verbose)
{
    static constexpr char name[] = "Steam's launch options from a 4 MB localconfig.vdf";
    const std::string steam = scratch + "/steam-home/.local/share/Steam", config = steam + "/userdata/1/config";
    std::error_code error;
    std::filesystem::create_directories(config, error);
    std::filesystem::create_directories(steam + "/config", error);
    std::ofstream(steam + "/config/loginusers.vdf") << R"("users" { "76561197960265729" { "MostRecent" "1" } })";
    std::ofstream store(config + "/localconfig.vdf");
    store << "\"UserLocalConfigStore\"\n{\n\t\"Software\" { \"Valve\" { \"Steam\" {\n\t\t\"apps\"\n\t\t{\n";
    for (int app = 100; store.tellp() < localConfigBytes; ++app)
        store << "\t\t\t\"" << app
              << "\"\n\t\t\t{\n\t\t\t\t\"LastPlayed\"\t\t\"1700000000\"\n\t\t\t\t\"Playtime\"\t\t\"" << app
              << "\"\n\t\t\t\t\"cloud\" { \"last_sync_state\" \"synchronized\" }\n\t\t\t}\n";
    store << "\t\t\t\"70\" { \"LaunchOptions\" \"-novid +map c1a0\" }\n\t\t}\n\t} } }\n}\n";
    store.close();
    report.note("Steam's launch options: read " + std::to_string(steamRepeats) +
                " times from a localconfig.vdf of 4 MB, Half-Life's app last; median");
    const QString home = QString::fromStdString(scratch + "/steam-home");
    bool found = true;
    const std::vector<double> ms = timeRepeatedly(
        steamRepeats, [&] { found = found && steamLaunchOptions(home, SteamClient::Unknown) == QStringLiteral("-novid +map c1a0"); });
    if (!found)
        return report.unmeasured(name, "the launch options were not found");
    if (verbose)
        printSpread(name, ms);
    report.bounded(name, median(ms), "ms", steamLimitMs, "median of " + std::to_string(steamRepeats));
}

} // namespace

void measureFormCosts(int &argc, char **argv, const std::string &fakeGame, Report &report, bool verbose)
{
    FormSession session(argc, argv);
    if (!session.valid()) {
        report.unmeasured("Form1", "cannot prepare a temporary settings folder");
        return;
    }
    Form1 &form = session.form();
    if (verbose)
        std::printf("  Form1: constructed in %.1f ms, shown and painted in %.1f ms more (offscreen)\n",
                    session.constructMs(), session.showMs());

    report.note("Pause(3.0): CPU time of the whole process (getrusage) over the wait, per second of wall time");
    const double cpuBefore = processCpuMs();
    const Clock::time_point pauseStart = Clock::now();
    form.Pause(pauseSeconds);
    const double wallMs = msSince(pauseStart);
    const double cpuMs = processCpuMs() - cpuBefore;
    if (wallMs < pauseSeconds * 1000 * 0.95) {
        report.unmeasured("Pause(3.0) CPU", "returned after " + std::to_string(wallMs) + " ms");
    } else {
        if (verbose)
            std::printf("  Pause(3.0): %.1f ms of wall time, %.3f ms of CPU\n", wallMs, cpuMs);
        report.bounded("Pause(3.0) CPU", cpuMs / (wallMs / 1000), "ms per wall second", pauseCpuLimit);
    }

    measureSlots(form, report, verbose);
    measureSteamOptions(session.scratch(), report, verbose);
    measureRunCosts(form, fakeGame, session.scratch(), report, verbose);
    measurePickerCosts(form, session.scratch(), report, verbose);
    measureCheckCosts(session.scratch(), report, verbose);
}

} // namespace vantor::bench
