#include "checkcosts.h"

#include "report.h"
#include "scratch.h"

#include "launch/setupcheck.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vantor::bench {
namespace {

constexpr int libraryFiles = 20000;
constexpr int checkRepeats = 15;
constexpr double checkLimitMs = 300;

// A native client's library under HOME whose Half-Life folder holds the Linux edition, Valve's folder with the game's
// files spread over a few folders, and a mod with a 32-bit library: FILES files in all.
bool makeLibrary(const std::string &home, int files)
{
    const std::string steam = home + "/.local/share/Steam/steamapps", game = steam + "/common/Half-Life";
    std::error_code error;
    for (const char *folder : {"/valve/maps", "/valve/sound", "/valve/models", "/cstrike/dlls"})
        std::filesystem::create_directories(game + folder, error);
    std::ofstream(steam + "/appmanifest_70.acf")
        << R"("AppState" { "appid" "70" "buildid" "12345" "UserConfig" { "BetaKey" "" } })";
    std::ofstream(game + "/cstrike/liblist.gam") << "game \"Counter-Strike\"\ngamedll_linux \"dlls/cs.so\"\n";
    std::ofstream(game + "/cstrike/dlls/cs.so")
        << std::string("\x7f"
                       "ELF\x01\x01\x01",
                       7)
        << std::string(11, '\0') << std::string("\x03\x00", 2) << std::string(32, '\0');
    for (const char *program : {"/hl.sh", "/hl_linux"})
        std::ofstream(game + program) << "#!/bin/sh\n";
    const char *folders[] = {"/valve/maps/f%05d.bsp", "/valve/sound/f%05d.wav", "/valve/models/f%05d.mdl"};
    char name[64];
    for (int i = 0; i < files && !error; ++i) {
        std::snprintf(name, sizeof name, folders[i % 3], i);
        if (!std::ofstream(game + name))
            return false;
    }
    return !error;
}

} // namespace

void measureCheckCosts(const std::string &scratch, Report &report, bool verbose)
{
    static constexpr char name[] = "setup check on a library of 20,000 files";
    report.note("Setup check: run " + std::to_string(checkRepeats) +
                " times, after one not counted that brings the "
                "library's first listing into the disk cache, on a native Steam library whose Half-Life folder "
                "holds " +
                grouped(libraryFiles) + " files, with a mod on; this machine's own libraries; median");
    ScratchDir home("check", scratch);
    if (!home.valid() || !makeLibrary(home.path(), libraryFiles))
        return report.unmeasured(name, "cannot make a library of " + grouped(libraryFiles) + " files");
    SetupPlace place;
    place.home = QString::fromStdString(home.path());
    place.gameFolder = place.home + QStringLiteral("/.local/share/Steam/steamapps/common/Half-Life");
    place.mod = QStringLiteral("cstrike");
    std::vector<double> ms;
    qsizetype findings = 0;
    for (int round = 0; round <= checkRepeats; ++round) {
        const Clock::time_point start = Clock::now();
        findings = checkSetup(place).findings.size();
        if (round > 0)
            ms.push_back(msSince(start));
    }
    if (findings < 5)
        return report.unmeasured(name, "the check found too little to be the whole check");
    if (verbose)
        std::printf("  setup check: min %.1f ms, max %.1f ms, %lld findings\n", *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), static_cast<long long>(findings));
    report.bounded(name, median(ms), "ms", checkLimitMs, "median of " + std::to_string(checkRepeats));
}

} // namespace vantor::bench
