#include "games.h"

#include "report.h"

#include "launch/gamewatch.h"
#include "ui/form1.h"

#include <QCoreApplication>
#include <QPushButton>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include <sys/prctl.h>
#include <sys/wait.h>

namespace vantor::bench {
namespace {

constexpr int runsWarmingUp = 20;
constexpr int runsCounted = 1000;
constexpr double runGrowthLimitMb = 1;
constexpr int gamesEndTimeoutMs = 5000;

// Makes FOLDER a game folder whose hl.exe is a copy of FAKEGAME, the stand-in that ends at once.
bool prepareGameFolder(const std::string &folder, const std::string &fakeGame)
{
    std::error_code error;
    std::filesystem::create_directories(folder + "/valve", error);
    if (!error)
        std::filesystem::copy_file(fakeGame, folder + "/hl.exe", std::filesystem::copy_options::overwrite_existing,
                                   error);
    return !error;
}

} // namespace

GameReaper::GameReaper() { prctl(PR_SET_CHILD_SUBREAPER, 1); }

GameReaper::~GameReaper()
{
    reapAll();
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

void GameReaper::count(int status)
{
    ++m_reaped;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ++m_failed;
}

int GameReaper::reap()
{
    int status = 0;
    while (waitpid(-1, &status, WNOHANG) > 0)
        count(status);
    return m_reaped;
}

int GameReaper::reapAll()
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(gamesEndTimeoutMs);
    int status = 0;
    while (Clock::now() < deadline) {
        const pid_t pid = waitpid(-1, &status, WNOHANG);
        if (pid > 0)
            count(status);
        else if (pid < 0 && errno == ECHILD)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return m_reaped;
}

bool prepareRuns(Form1 &form, const std::string &fakeGame, const std::string &scratch)
{
    const std::string folder = scratch + "/half-life-run";
    if (!prepareGameFolder(folder, fakeGame))
        return false;
    form.setText("hldir", QString::fromStdString(folder));
    form.setCheck("chkclosrun", 0);
    return true;
}

bool settle(Form1 &form)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(gamesEndTimeoutMs);
    while (form.gameWatch()->watching() && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return !form.gameWatch()->watching();
}

void measureRunMemory(Form1 &form, Report &report, bool verbose)
{
    static constexpr char name[] = "memory over 1,000 Runs";
    report.note("Runs: Run clicked " + std::to_string(runsWarmingUp) + " times, then " + grouped(runsCounted) +
                " times more, with \"Close Vantor on Run\" off and a stand-in game that ends at once, each watched "
                "until it ended; VmRSS before and after the " +
                grouped(runsCounted));
    int games = 0, failed = 0;
    const QMetaObject::Connection ended = QObject::connect(form.gameWatch(), &GameWatch::settled, [&] { ++games; });
    const QMetaObject::Connection endedBadly =
        QObject::connect(form.gameWatch(), &GameWatch::endedAtOnce, [&] { ++failed; });
    const Growth growth = residentGrowth(runsWarmingUp, runsCounted, [&] {
        form.butgonow->click();
        settle(form);
    });
    QObject::disconnect(ended);
    QObject::disconnect(endedBadly);
    const int runs = runsWarmingUp + runsCounted;
    if (games != runs || failed != 0) {
        report.unmeasured(name, grouped(runs) + " Runs started " + grouped(games + failed) + " games, of which " +
                                    grouped(failed) + " failed");
        return;
    }
    if (!growth.valid()) {
        report.unmeasured(name, "cannot read VmRSS from /proc/self/status");
        return;
    }
    if (verbose)
        std::printf("  Runs: VmRSS %ld kB after %d warm-up Runs, %ld kB after %d more\n", growth.beforeKb,
                    runsWarmingUp, growth.afterKb, runsCounted);
    if (residentMemoryMeaningful)
        report.bounded(name, growth.mb(), "MB", runGrowthLimitMb, "VmRSS growth");
    else
        report.check("1,000 Runs", grouped(games) + " games started and ended with status 0", "a game for every Run",
                     true);
}

} // namespace vantor::bench
