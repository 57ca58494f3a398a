#include "runcosts.h"

#include "games.h"
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
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor::bench {
namespace {

constexpr int enterRepeats = 30;
constexpr double enterRatioLimit = 1.5;
constexpr int gameStartTimeoutMs = 5000;
constexpr char fifoVariable[] = "VANTOR_BENCH_FIFO";
constexpr int windowGoneRepeats = 10;
constexpr double windowGoneLimitMs = 100;

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

void measureEnterToGame(Form1 &form, BareLauncher &bare, StartSignal &started, GameReaper &reaper, Report &report,
                        bool verbose)
{
    static constexpr char name[] = "Enter to game started";
    report.note(
        "Enter to game started: Return pressed " + std::to_string(enterRepeats) +
        " times on Vantor and on a bare window that only starts the game, alternately, after one press on "
        "each not counted; the stand-in game reports its start on a FIFO; medians of each, and the median of the "
        "ratios of the pairs");
    // Enter runs "Run Half-Life Now!" unless another push button has the focus; a check box has it here.
    form.chkclosrun->setFocus();
    QWidget *vantorTarget = form.focusWidget() ? form.focusWidget() : &form;

    setenv(fifoVariable, started.path().c_str(), 1);
    std::vector<double> vantor, reference;
    auto once = [&](QWidget *target, std::vector<double> *into) {
        const std::optional<double> ms = enterToGame(target, started);
        if (target != &bare && !settle(form)) // Vantor reaps its own games
            return false;
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
        const auto [vantorLeast, vantorMost] = std::minmax_element(vantor.begin(), vantor.end());
        const auto [bareLeast, bareMost] = std::minmax_element(reference.begin(), reference.end());
        std::printf("  Enter to game started: vantor %.2f..%.2f ms, bare %.2f..%.2f ms\n", *vantorLeast, *vantorMost,
                    *bareLeast, *bareMost);
    }
    report.ratio(name, "ms", vantor, reference, enterRatioLimit);
}

// From Return pressed on a new Vantor window with "Close Vantor on Run" on to the window hidden, the game in FOLDER
// started directly or through Steam; the median of a few, each on a window of its own.
std::optional<double> enterToWindowGone(const QString &folder)
{
    std::vector<double> ms;
    for (int round = 0; round < windowGoneRepeats; ++round) {
        Form1 form(StartUp{0, false});
        form.setText("hldir", folder);
        form.setCheck("chkclosrun", 1);
        form.show();
        QCoreApplication::processEvents();
        form.chkdev->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        const Clock::time_point start = Clock::now();
        QCoreApplication::sendEvent(form.focusWidget() ? form.focusWidget() : &form, &press);
        if (form.isVisible())
            return std::nullopt;
        ms.push_back(msSince(start));
        if (!settle(form))
            return std::nullopt;
    }
    return median(ms);
}

void measureWindowGone(const std::string &scratch, Report &report)
{
    report.note("Window gone after Enter: Return pressed on a new Vantor window with \"Close Vantor on Run\" on, " +
                std::to_string(windowGoneRepeats) +
                " times, until the window is hidden; the game started directly (the stand-in, watched as it ends), "
                "and through a Flatpak Steam client whose flatpak takes 2 s; medians");
    // A Half-Life folder in the Flatpak client's library, with the client installed, and a flatpak that dawdles.
    const std::string home = scratch + "/home", library = home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam";
    const std::string game = library + "/steamapps/common/Half-Life", bin = scratch + "/slow-flatpak";
    std::error_code error;
    for (const std::string &folder : {game + "/valve", home + "/.local/share/flatpak/app/com.valvesoftware.Steam", bin})
        std::filesystem::create_directories(folder, error);
    std::ofstream(library + "/steamapps/appmanifest_70.acf") << "\"AppState\" { \"appid\" \"70\" }\n";
    std::ofstream(bin + "/flatpak") << "#!/bin/sh\n/bin/sleep 2\n";
    std::filesystem::permissions(bin + "/flatpak", std::filesystem::perms::owner_all, error);

    const std::optional<double> direct = enterToWindowGone(QString::fromStdString(scratch + "/half-life-run"));
    const std::string path = getenv("PATH") ? getenv("PATH") : "", ownHome = getenv("HOME") ? getenv("HOME") : "";
    setenv("PATH", bin.c_str(), 1);
    setenv("HOME", home.c_str(), 1);
    const std::optional<double> throughFlatpak = enterToWindowGone(QString::fromStdString(game));
    setenv("PATH", path.c_str(), 1);
    setenv("HOME", ownHome.c_str(), 1);
    for (const auto &[name, ms] : {std::pair{"window gone after Enter, game started directly", direct},
                                   {"window gone after Enter, through a slow flatpak", throughFlatpak}}) {
        if (ms)
            report.bounded(name, *ms, "ms", windowGoneLimitMs);
        else
            report.unmeasured(name, "the window stayed, or the game's watch did not end");
    }
}

} // namespace

void measureRunCosts(Form1 &form, const std::string &fakeGame, const std::string &scratch, Report &report, bool verbose)
{
    StartSignal started(scratch + "/game-started");
    if (!prepareRuns(form, fakeGame, scratch) || !started.valid()) {
        report.unmeasured("Enter to game started", "cannot prepare a game folder with " + fakeGame);
        report.unmeasured("memory over 1,000 Runs", "cannot prepare a game folder with " + fakeGame);
        return;
    }

    BareLauncher bare(form.text("hldir") + QStringLiteral("/hl.exe"));
    bare.show();
    QCoreApplication::processEvents();

    GameReaper reaper;
    measureEnterToGame(form, bare, started, reaper, report, verbose);
    measureRunMemory(form, report, verbose);
    measureWindowGone(scratch, report);
}

} // namespace vantor::bench
