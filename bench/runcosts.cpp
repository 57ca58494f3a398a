#include "runcosts.h"

#include "report.h"

#include "ui/form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantor::bench {
namespace {

constexpr int enterRepeats = 30;
constexpr double enterRatioLimit = 1.5;
constexpr int gameStartTimeoutMs = 5000;
constexpr int warmUpRuns = 20;
constexpr int countedRuns = 1000;
constexpr double rssGrowthLimitMb = 1;
constexpr char fifoVariable[] = "VANTOR_BENCH_FIFO";

// What Run hands the game with the options at their start values.
const char *const gameParameters = " -console -numericping -toconsole +exec vantortemp.cfg";

// The yardstick: a window that does nothing on Enter but start the game as Run does.
class BareLauncher : public QWidget {
public:
    explicit BareLauncher(const QString &game) : m_game(game) { setFixedSize(489, 337); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            QProcess::startDetached(m_game, QProcess::splitCommand(QString::fromLatin1(gameParameters)),
                                    QCoreApplication::applicationDirPath());
        else
            QWidget::keyPressEvent(event);
    }

private:
    QString m_game;
};

// The games detach from their launcher and would otherwise become zombies of an init that may never reap them. As
// a subreaper this process inherits them, and counting them tells how many games really started.
class GameReaper {
public:
    GameReaper() { prctl(PR_SET_CHILD_SUBREAPER, 1); }
    ~GameReaper()
    {
        reapAll();
        prctl(PR_SET_CHILD_SUBREAPER, 0);
    }

    // Collects the games that have ended; returns how many have been collected so far.
    int reap()
    {
        int status = 0;
        while (waitpid(-1, &status, WNOHANG) > 0)
            ++m_reaped;
        return m_reaped;
    }

    // Waits a while for every game still running to end.
    int reapAll()
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(gameStartTimeoutMs);
        int status = 0;
        while (Clock::now() < deadline) {
            const pid_t pid = waitpid(-1, &status, WNOHANG);
            if (pid > 0)
                ++m_reaped;
            else if (pid < 0 && errno == ECHILD)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return m_reaped;
    }

    int reaped() const { return m_reaped; }

private:
    int m_reaped = 0;
};

// The FIFO on which the fake game reports that it runs. This process holds its write end too, so a reader never
// sees the hang-up of the last game's close and every poll waits for a byte.
class StartSignal {
public:
    explicit StartSignal(const std::string &path) : m_path(path)
    {
        if (mkfifo(path.c_str(), 0600) != 0)
            return;
        m_read = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        m_write = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    }
    ~StartSignal()
    {
        for (int fd : {m_read, m_write})
            if (fd >= 0)
                close(fd);
    }
    StartSignal(const StartSignal &) = delete;
    StartSignal &operator=(const StartSignal &) = delete;

    bool valid() const { return m_read >= 0 && m_write >= 0; }
    const std::string &path() const { return m_path; }

    void drain()
    {
        char byte;
        while (read(m_read, &byte, 1) > 0) {
        }
    }

    // Waits for a game's byte until DEADLINE; true when it came.
    bool wait(Clock::time_point deadline)
    {
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd fd{m_read, POLLIN, 0};
            const int ready = poll(&fd, 1, int(std::max<long long>(left, 0)));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return false;
            char byte;
            if (read(m_read, &byte, 1) == 1)
                return true;
        }
    }

private:
    std::string m_path;
    int m_read = -1, m_write = -1;
};

// From a Return pressed on TARGET to the game's byte on the FIFO; nothing when no game reported within the timeout.
std::optional<double> enterToGame(QWidget *target, StartSignal &started)
{
    started.drain();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    const Clock::time_point start = Clock::now();
    QCoreApplication::sendEvent(target, &press);
    const bool came = started.wait(start + std::chrono::milliseconds(gameStartTimeoutMs));
    const double ms = msSince(start);
    QCoreApplication::sendEvent(target, &release);
    if (!came)
        return std::nullopt;
    return ms;
}

// Resident memory of this process, in kilobytes; 0 when it cannot be read.
long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

bool prepareGameFolder(const std::string &folder, const std::string &fakeGame)
{
    std::error_code error;
    std::filesystem::create_directories(folder + "/valve", error);
    if (!error)
        std::filesystem::copy_file(fakeGame, folder + "/hl.exe", std::filesystem::copy_options::overwrite_existing,
                                   error);
    return !error;
}

void measureEnterToGame(Form1 &form, BareLauncher &bare, StartSignal &started, GameReaper &reaper, Report &report,
                        bool verbose)
{
    static constexpr char name[] = "Enter to game started";
    // Enter runs "Run Half-Life Now!" unless another push button has the focus; a check box has it here.
    form.chkclosrun->setFocus();
    QWidget *vantorTarget = form.focusWidget() ? form.focusWidget() : &form;

    setenv(fifoVariable, started.path().c_str(), 1);
    std::vector<double> vantor, reference;
    auto once = [&](QWidget *target, std::vector<double> *into) {
        const std::optional<double> ms = enterToGame(target, started);
        reaper.reap();
        if (ms && into)
            into->push_back(*ms);
        return ms.has_value();
    };
    bool ok = once(vantorTarget, nullptr);
    if (!ok) {
        report.unmeasured(name,
                          "Enter in Vantor started no game within " + std::to_string(gameStartTimeoutMs / 1000) + " s");
        unsetenv(fifoVariable);
        return;
    }
    ok = once(&bare, nullptr);
    for (int round = 0; ok && round < enterRepeats; ++round) {
        if (round % 2 == 0)
            ok = once(vantorTarget, &vantor) && once(&bare, &reference);
        else
            ok = once(&bare, &reference) && once(vantorTarget, &vantor);
    }
    unsetenv(fifoVariable);
    if (!ok) {
        report.unmeasured(name,
                          "a game did not report its start within " + std::to_string(gameStartTimeoutMs / 1000) + " s");
        return;
    }
    if (verbose) {
        std::sort(vantor.begin(), vantor.end());
        std::sort(reference.begin(), reference.end());
        std::printf("  Enter to game started: vantor %.2f..%.2f ms, bare %.2f..%.2f ms\n", vantor.front(),
                    vantor.back(), reference.front(), reference.back());
    }
    report.ratio(name, "ms", median(vantor), median(reference), enterRatioLimit);
}

void measureRunMemory(Form1 &form, GameReaper &reaper, Report &report, bool verbose)
{
    static constexpr char name[] = "memory over 1,000 Runs";
    const int reapedBefore = reaper.reapAll();
    for (int i = 0; i < warmUpRuns; ++i) {
        form.butgonow->click();
        reaper.reap();
    }
    const long before = residentKb();
    for (int i = 0; i < countedRuns; ++i) {
        form.butgonow->click();
        reaper.reap();
    }
    const long after = residentKb();
    const int games = reaper.reapAll() - reapedBefore;
    if (games != warmUpRuns + countedRuns) {
        report.unmeasured(name, std::to_string(warmUpRuns + countedRuns) + " Runs started " + std::to_string(games) +
                                    " games");
        return;
    }
    if (before <= 0 || after <= 0) {
        report.unmeasured(name, "cannot read VmRSS from /proc/self/status");
        return;
    }
    if (verbose)
        std::printf("  Runs: VmRSS %ld kB after %d warm-up Runs, %ld kB after %d more\n", before, warmUpRuns, after,
                    countedRuns);
    report.bounded(name, double(after - before) / 1024.0, "MB of VmRSS growth", rssGrowthLimitMb);
}

} // namespace

void measureRunCosts(Form1 &form, const std::string &fakeGame, const std::string &scratch, Report &report, bool verbose)
{
    const std::string folder = scratch + "/half-life-run";
    StartSignal started(scratch + "/game-started");
    if (!prepareGameFolder(folder, fakeGame) || !started.valid()) {
        report.unmeasured("Enter to game started", "cannot prepare a game folder with " + fakeGame);
        report.unmeasured("memory over 1,000 Runs", "cannot prepare a game folder with " + fakeGame);
        return;
    }
    form.setText("hldir", QString::fromStdString(folder));
    form.setCheck("chkclosrun", 0);

    BareLauncher bare(QString::fromStdString(folder + "/hl.exe"));
    bare.show();
    QCoreApplication::processEvents();

    GameReaper reaper;
    measureEnterToGame(form, bare, started, reaper, report, verbose);
    measureRunMemory(form, reaper, report, verbose);
}

} // namespace vantor::bench
