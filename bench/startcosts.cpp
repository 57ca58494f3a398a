#include "startcosts.h"

#include "report.h"
#include "scratch.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace vantor::bench {
namespace {

constexpr int xvfbStartMs = 20000;
constexpr int mapTimeoutMs = 30000;
constexpr int dwellMs = 300;
constexpr int endTimeoutMs = 5000;

int msUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::max<long long>(left, 0));
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> result;
    for (std::string &s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// The last lines a child wrote, for an error message.
std::string tail(const std::string &path)
{
    std::ifstream file(path);
    std::stringstream all;
    all << file.rdbuf();
    std::string text = all.str();
    if (text.size() > 2000)
        text = "..." + text.substr(text.size() - 2000);
    return text.empty() ? std::string() : "\n--- " + path + " ---\n" + text;
}

std::string describeStatus(int status)
{
    if (WIFEXITED(status))
        return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("signal ") + strsignal(WTERMSIG(status));
    return "status " + std::to_string(status);
}

// A child process with a descriptor that becomes readable when it ends, so every wait is a poll with a timeout.
class Child {
public:
    // Starts ARGV (looked up in PATH) with ENV; stdout and stderr go to LOG. KEEPFD stays open across exec.
    bool start(std::vector<std::string> argv, std::vector<std::string> env, const std::string &log, std::string &error,
               int keepFd = -1)
    {
        // Everything the child needs is prepared here: between fork and exec it only calls async-signal-safe code.
        std::vector<char *> argp = pointers(argv), envp = pointers(env);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (out < 0 || in < 0) {
            error = "cannot open " + log + ": " + std::strerror(errno);
            closeAll(out, in);
            return false;
        }
        const pid_t parent = getpid();
        m_pid = fork();
        if (m_pid == 0) {
            // Should the bench die, its children go with it instead of lingering on a dead display.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent)
                _exit(127);
            dup2(in, 0);
            dup2(out, 1);
            dup2(out, 2);
            if (keepFd >= 0)
                fcntl(keepFd, F_SETFD, fcntl(keepFd, F_GETFD) & ~FD_CLOEXEC);
            execvpe(argp[0], argp.data(), envp.data());
            _exit(127);
        }
        closeAll(out, in);
        if (m_pid < 0) {
            error = std::string("fork: ") + std::strerror(errno);
            return false;
        }
        // Debian 12's <sys/pidfd.h> lacks extern "C", so C++ cannot link its pidfd_open; the system call is the same.
        m_pidfd = int(syscall(SYS_pidfd_open, m_pid, 0));
        if (m_pidfd < 0) {
            error = std::string("pidfd_open: ") + std::strerror(errno);
            stop();
            return false;
        }
        return true;
    }

    ~Child() { stop(); }

    pid_t pid() const { return m_pid; }
    int endedFd() const { return m_pidfd; }
    bool running() const { return m_pid > 0; }

    // Waits up to MS for the child to end by itself; true when it has ended (it is then collected).
    bool waitEnded(int ms)
    {
        pollfd fd{m_pidfd, POLLIN, 0};
        if (poll(&fd, 1, ms) <= 0)
            return false;
        collect();
        return true;
    }

    // SIGTERM, then SIGKILL if it is still there after a while. True when SIGTERM sufficed.
    bool stop()
    {
        if (m_pid <= 0)
            return true;
        kill(m_pid, SIGTERM);
        const bool ended = m_pidfd >= 0 && waitEnded(endTimeoutMs);
        if (!ended) {
            kill(m_pid, SIGKILL);
            collect();
        }
        return ended;
    }

    int status() const { return m_status; }
    const rusage &usage() const { return m_usage; }

private:
    void collect()
    {
        while (wait4(m_pid, &m_status, 0, &m_usage) < 0 && errno == EINTR) {
        }
        if (m_pidfd >= 0)
            close(m_pidfd);
        m_pid = -1;
        m_pidfd = -1;
    }

    static void closeAll(int a, int b)
    {
        if (a >= 0)
            close(a);
        if (b >= 0)
            close(b);
    }

    pid_t m_pid = -1;
    int m_pidfd = -1;
    int m_status = 0;
    rusage m_usage{};
};

} // namespace

struct XSession::Private {
    ScratchDir work{"vantor-bench"};
    Child xvfb;
    std::string display;
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pidAtom = XCB_ATOM_NONE;
    std::vector<std::string> baseEnv;

    // Whether WINDOW belongs to PID by its _NET_WM_PID, which Qt sets; a window without one is taken as its.
    bool ownedBy(xcb_window_t window, pid_t pid)
    {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
        if (!reply)
            return true;
        bool owned = true;
        if (reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            owned = *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == uint32_t(pid);
        std::free(reply);
        return owned;
    }

    // Events left over from the previous run (its windows unmapped and destroyed) must not count for the next.
    void drainEvents()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            std::free(event);
    }
};

XSession::XSession() : d(std::make_unique<Private>())
{
    static constexpr std::string_view replaced[] = {
        "DISPLAY=", "XDG_CONFIG_HOME=", "XDG_RUNTIME_DIR=", "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY=", "XDG_CACHE_HOME="};
    for (char **variable = environ; *variable; ++variable) {
        const std::string_view entry(*variable);
        if (std::none_of(std::begin(replaced), std::end(replaced),
                         [&](std::string_view name) { return entry.starts_with(name); }))
            d->baseEnv.emplace_back(entry);
    }
}

XSession::~XSession()
{
    if (d->connection)
        xcb_disconnect(d->connection);
    d->xvfb.stop();
}

const std::string &XSession::display() const { return d->display; }

bool XSession::start(std::string &error)
{
    if (!d->work.valid()) {
        error = std::string("cannot make a temporary folder: ") + std::strerror(errno);
        return false;
    }
    // Xvfb picks a free display itself and writes its number to the given descriptor once it accepts clients.
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    const std::string log = d->work.path() + "/xvfb.log";
    const bool started = d->xvfb.start(
        {"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        d->baseEnv, log, error, pipeFds[1]);
    close(pipeFds[1]);
    std::string number;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(xvfbStartMs);
    while (started && number.find('\n') == std::string::npos) {
        pollfd fd{pipeFds[0], POLLIN, 0};
        char buffer[16];
        if (poll(&fd, 1, msUntil(deadline)) <= 0)
            break;
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, size_t(n));
    }
    close(pipeFds[0]);
    if (!started)
        return false;
    if (number.find('\n') == std::string::npos) {
        error = "Xvfb did not start";
        if (d->xvfb.waitEnded(0))
            error += " (" + describeStatus(d->xvfb.status()) +
                     (WIFEXITED(d->xvfb.status()) && WEXITSTATUS(d->xvfb.status()) == 127 ? ": not installed?" : "") +
                     ")";
        error += tail(log);
        return false;
    }
    // Built in place: GCC 12 at -O3 sees a false overlap (-Wrestrict) in ":" + number.substr(...).
    d->display = std::string(1, ':').append(number, 0, number.find('\n'));

    int screenNumber = 0;
    d->connection = xcb_connect(d->display.c_str(), &screenNumber);
    if (xcb_connection_has_error(d->connection)) {
        error = "cannot connect to Xvfb on " + d->display;
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(d->connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    d->root = screens.data->root;

    // Hear of every child of the root being created, mapped and destroyed: those are the top-level windows.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t *failed = xcb_request_check(
            d->connection, xcb_change_window_attributes_checked(d->connection, d->root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(failed);
        error = "cannot watch the root window";
        return false;
    }
    static constexpr char pidName[] = "_NET_WM_PID";
    if (xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            d->connection, xcb_intern_atom(d->connection, 0, sizeof pidName - 1, pidName), nullptr)) {
        d->pidAtom = atom->atom;
        std::free(atom);
    }
    return true;
}

std::optional<StartSample> XSession::measure(const std::string &program, std::string &error,
                                             const std::vector<std::string> &arguments)
{
    ScratchDir run("run", d->work.path());
    if (!run.valid()) {
        error = std::string("cannot make a temporary folder: ") + std::strerror(errno);
        return std::nullopt;
    }
    const std::string config = run.path() + "/config", runtime = run.path() + "/runtime",
                      log = run.path() + "/output.log";
    if (!writeSettings(config) || mkdir(runtime.c_str(), 0700) != 0) {
        error = "cannot prepare " + run.path();
        return std::nullopt;
    }
    std::vector<std::string> env = d->baseEnv;
    env.push_back("DISPLAY=" + d->display);
    env.push_back("XDG_CONFIG_HOME=" + config);
    env.push_back("XDG_RUNTIME_DIR=" + runtime);
    env.push_back("QT_QPA_PLATFORM=xcb");
    // Shared by all runs, so a cache that fontconfig writes (only when the system's is stale) is written once, in
    // the warm-up, and never in the user's home.
    env.push_back("XDG_CACHE_HOME=" + d->work.path() + "/cache");

    d->drainEvents();
    Child child;
    const Clock::time_point started = Clock::now();
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    if (!child.start(argv, env, log, error))
        return std::nullopt;

    StartSample sample;
    bool mapped = false;
    const Clock::time_point deadline = started + std::chrono::milliseconds(mapTimeoutMs);
    while (!mapped) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(d->connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
                const double ms = msSince(started);
                if (map->event == d->root && !map->override_redirect && d->ownedBy(map->window, child.pid())) {
                    sample.mapMs = ms;
                    mapped = true;
                }
            }
            std::free(event);
            if (mapped)
                break;
        }
        if (mapped)
            break;
        if (xcb_connection_has_error(d->connection)) {
            error = "lost the connection to Xvfb";
            return std::nullopt;
        }
        pollfd fds[2] = {{xcb_get_file_descriptor(d->connection), POLLIN, 0}, {child.endedFd(), POLLIN, 0}};
        const int ready = poll(fds, 2, msUntil(deadline));
        if (ready < 0 && errno != EINTR) {
            error = std::string("poll: ") + std::strerror(errno);
            return std::nullopt;
        }
        if (ready == 0) {
            error = program + " mapped no window within " + std::to_string(mapTimeoutMs / 1000) + " s" + tail(log);
            return std::nullopt;
        }
        if (fds[1].revents && child.waitEnded(0)) {
            error = program + " ended (" + describeStatus(child.status()) + ") before mapping a window" + tail(log);
            return std::nullopt;
        }
    }

    if (child.waitEnded(dwellMs)) {
        error = program + " ended by itself (" + describeStatus(child.status()) + ")" + tail(log);
        return std::nullopt;
    }
    if (!child.stop()) {
        error = program + " did not end on SIGTERM" + tail(log);
        return std::nullopt;
    }
    const int status = child.status();
    if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        error = program + " ended with " + describeStatus(status) + " on SIGTERM" + tail(log);
        return std::nullopt;
    }
    sample.peakRssMb = double(child.usage().ru_maxrss) / 1024.0; // kilobytes on Linux
    return sample;
}

} // namespace vantor::bench
