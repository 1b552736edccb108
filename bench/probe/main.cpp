// cindrel_bench_probe: measures one start of a windowed program on the X
// display named by $DISPLAY, or summarizes the records of many starts.
//
//   cindrel_bench_probe run [--timeout S] [--idle S] [--settle S]
//                           [--expect-title TEXT] [--log FILE] [--any-owner]
//                           [--smaps FILE] -- PROGRAM [ARGS...]
//     Listens for MapNotify on the root window, starts PROGRAM (in its own
//     process group, with this environment), and stamps the first map of a
//     top-level window that belongs to it (_NET_WM_PID, or no such property
//     at all, as nothing else runs on the benchmark's display). Reads the
//     program's VmRSS at that moment. With --idle, waits --settle seconds,
//     then counts the CPU ticks the program uses in the next --idle seconds.
//     --any-owner takes the first window of any process, for a PROGRAM that
//     is a wrapper (strace, perf) around the measured one; the RSS is then
//     the wrapper's. --smaps copies the program's /proc/PID/smaps at the map
//     into FILE, to see what its memory is made of. Ends the program and prints "map_ms=X rss_kb=Y" (plus
//     "idle_s=S settle_s=T idle_ticks=N tick_hz=H" with --idle).
//
//   cindrel_bench_probe summarize FILE
//     Reads the record lines in FILE and prints the comparison.

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "ProcStats.h"
#include "Report.h"

extern char **environ;

using namespace cindrel::bench;

namespace {

enum Exit {
    kOk = 0,
    kFailed = 1, // the run could not be measured
    kUsage = 2,
};

volatile std::sig_atomic_t gStop = 0;

void onStopSignal(int)
{
    gStop = 1;
}

double nowSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "cindrel_bench_probe: %s\n", message.c_str());
    return kFailed;
}

int usage(const std::string &message)
{
    std::fprintf(stderr,
                 "cindrel_bench_probe: %s\n"
                 "usage: cindrel_bench_probe run [--timeout S] [--idle S] [--settle S] [--expect-title TEXT]"
                 " [--log FILE] [--any-owner] [--smaps FILE] -- PROGRAM [ARGS...]\n"
                 "       cindrel_bench_probe summarize FILE\n",
                 message.c_str());
    return kUsage;
}

std::optional<double> parseSeconds(const char *text)
{
    char *end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !(value >= 0) || value > 3600)
        return std::nullopt;
    return value;
}

struct RunOptions {
    double timeout = 20;
    double idle = 0;
    double settle = 1;
    std::optional<std::string> expectTitle;
    std::string log = "/dev/null";
    bool anyOwner = false;
    std::optional<std::string> smaps;
    std::vector<char *> command; // null-terminated
};

// The started program; ended (with its whole process group) when this goes
// out of scope, whatever way the run ends.
class Child {
public:
    ~Child() { end(); }

    bool start(const RunOptions &options, std::string &error)
    {
        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.log.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        // Its own process group, so that ending it reaches anything it starts.
        posix_spawnattr_setpgroup(&attributes, 0);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
        pid_t pid = 0;
        const int result = posix_spawnp(&pid, options.command[0], &actions, &attributes, options.command.data(),
                                        environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (result != 0) {
            error = std::string("cannot start ") + options.command[0] + ": " + std::strerror(result);
            return false;
        }
        pid_ = pid;
        return true;
    }

    pid_t pid() const { return pid_; }

    /// True once the program has ended (and been reaped).
    bool ended()
    {
        if (pid_ <= 0)
            return true;
        int status = 0;
        const pid_t got = ::waitpid(pid_, &status, WNOHANG);
        if (got == pid_ || (got < 0 && errno == ECHILD)) {
            status_ = status;
            pid_ = 0;
            return true;
        }
        return false;
    }

    std::string endedHow() const
    {
        if (WIFEXITED(status_))
            return "exited with status " + std::to_string(WEXITSTATUS(status_));
        if (WIFSIGNALED(status_))
            return std::string("was killed by signal ") + std::to_string(WTERMSIG(status_));
        return "ended";
    }

    /// Ends the program: SIGTERM to its group, SIGKILL after two seconds.
    void end()
    {
        if (pid_ <= 0)
            return;
        const pid_t group = pid_;
        ::kill(-group, SIGTERM);
        const double deadline = nowSeconds() + 2.0;
        while (!ended() && nowSeconds() < deadline)
            ::usleep(10000);
        if (!ended()) {
            ::kill(-group, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
        // Anything it left behind in its group goes too.
        ::kill(-group, SIGKILL);
    }

private:
    pid_t pid_ = 0;
    int status_ = 0;
};

struct Atoms {
    xcb_atom_t wmPid = XCB_ATOM_NONE;
    xcb_atom_t wmName = XCB_ATOM_NONE;
    xcb_atom_t utf8 = XCB_ATOM_NONE;
};

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The value of a window property, or nothing when the window lacks it.
std::optional<std::string> windowProperty(xcb_connection_t *connection, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type)
{
    const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return std::nullopt;
    const auto *data = static_cast<const char *>(xcb_get_property_value(reply.get()));
    const int bytes = xcb_get_property_value_length(reply.get());
    return std::string(data, data + bytes);
}

std::optional<uint32_t> windowPid(xcb_connection_t *connection, xcb_window_t window, const Atoms &atoms)
{
    const auto value = windowProperty(connection, window, atoms.wmPid, XCB_ATOM_CARDINAL);
    if (!value || value->size() < sizeof(uint32_t))
        return std::nullopt;
    uint32_t pid = 0;
    std::memcpy(&pid, value->data(), sizeof pid);
    return pid;
}

std::string windowTitle(xcb_connection_t *connection, xcb_window_t window, const Atoms &atoms)
{
    if (auto title = windowProperty(connection, window, atoms.wmName, atoms.utf8))
        return *title;
    return windowProperty(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING).value_or(std::string());
}

// Sleeps for the given time unless a stop signal comes first.
bool sleepFor(double seconds)
{
    const double deadline = nowSeconds() + seconds;
    while (!gStop) {
        const double left = deadline - nowSeconds();
        if (left <= 0)
            return true;
        const double step = left < 0.05 ? left : 0.05;
        timespec ts{static_cast<time_t>(step),
                    static_cast<long>((step - static_cast<double>(static_cast<time_t>(step))) * 1e9)};
        ::nanosleep(&ts, nullptr);
    }
    return false;
}

int run(const RunOptions &options)
{
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, &screenNumber),
                                                                            &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return fail("cannot connect to the X display \""
                    + std::string(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "") + "\"");
    xcb_connection_t *x = connection.get();
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return fail("the display has no screen " + std::to_string(screenNumber));
    const xcb_window_t root = screens.data->root;

    Atoms atoms;
    atoms.wmPid = internAtom(x, "_NET_WM_PID");
    atoms.wmName = internAtom(x, "_NET_WM_NAME");
    atoms.utf8 = internAtom(x, "UTF8_STRING");

    const uint32_t listen = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> selectError(
        xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &listen)),
        &std::free);
    if (selectError)
        return fail("cannot listen on the root window (X error " + std::to_string(selectError->error_code)
                    + ")");
    // The request check above was a round trip: the server listens from now on.

    Child child;
    std::string error;
    const double started = nowSeconds();
    if (!child.start(options, error))
        return fail(error);
    const pid_t pid = child.pid();
    const double deadline = started + options.timeout;

    double mappedAt = 0;
    long long rssKb = 0;
    xcb_window_t window = XCB_WINDOW_NONE;
    const int fd = xcb_get_file_descriptor(x);
    while (window == XCB_WINDOW_NONE) {
        if (gStop)
            return fail("stopped by a signal");
        if (xcb_connection_has_error(x))
            return fail("lost the connection to the X display");
        while (auto *raw = xcb_poll_for_event(x)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            const double at = nowSeconds();
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            // Popups and tooltips bypass the window manager; they are no
            // top-level window of their own.
            if (map->override_redirect)
                continue;
            // Memory first, before anything else changes it.
            const auto rss = readVmRssKb(pid);
            const auto owner = windowPid(x, map->window, atoms);
            if (owner && static_cast<pid_t>(*owner) != pid && !options.anyOwner)
                continue;
            if (!rss)
                return fail("cannot read the program's VmRSS at its first map");
            mappedAt = at;
            rssKb = *rss;
            window = map->window;
            if (options.smaps) {
                const auto maps = readSmallFile("/proc/" + std::to_string(pid) + "/smaps");
                std::ofstream out(*options.smaps);
                if (!maps || !(out << *maps))
                    return fail("cannot copy the program's smaps into " + *options.smaps);
            }
            break;
        }
        if (window != XCB_WINDOW_NONE)
            break;
        if (child.ended())
            return fail(std::string(options.command[0]) + " " + child.endedHow()
                        + " before it showed a window");
        const double left = deadline - nowSeconds();
        if (left <= 0)
            return fail(std::string(options.command[0]) + " showed no window within "
                        + std::to_string(static_cast<int>(options.timeout)) + " s");
        pollfd waitFor{fd, POLLIN, 0};
        // Short slices, so that an early end of the program is seen soon.
        const int slice = left < 0.05 ? static_cast<int>(left * 1000) + 1 : 50;
        ::poll(&waitFor, 1, slice);
    }
    const uint32_t quiet = 0;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &quiet);
    xcb_flush(x);

    if (options.expectTitle) {
        const std::string title = windowTitle(x, window, atoms);
        if (title != *options.expectTitle)
            return fail("the first window shown is \"" + title + "\", not \"" + *options.expectTitle + "\"");
    }

    std::string idleFields;
    if (options.idle > 0) {
        if (!sleepFor(options.settle))
            return fail("stopped by a signal");
        const auto before = readCpuTicks(pid);
        if (!sleepFor(options.idle))
            return fail("stopped by a signal");
        const auto after = readCpuTicks(pid);
        if (child.ended())
            return fail(std::string(options.command[0]) + " " + child.endedHow() + " while idle");
        if (!before || !after)
            return fail("cannot read the program's CPU time");
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, " idle_s=%g settle_s=%g idle_ticks=%lld tick_hz=%ld", options.idle,
                      options.settle, *after - *before, ::sysconf(_SC_CLK_TCK));
        idleFields = buffer;
    }
    child.end();

    std::printf("map_ms=%.3f rss_kb=%lld%s\n", (mappedAt - started) * 1000.0, rssKb, idleFields.c_str());
    return kOk;
}

int runCommand(int argc, char **argv)
{
    RunOptions options;
    int i = 2;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--any-owner") {
            options.anyOwner = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage("option " + arg + " needs a value");
        const char *value = argv[++i];
        if (arg == "--expect-title") {
            options.expectTitle = value;
        } else if (arg == "--smaps") {
            options.smaps = value;
        } else if (arg == "--log") {
            options.log = value;
        } else if (arg == "--timeout" || arg == "--idle" || arg == "--settle") {
            const auto seconds = parseSeconds(value);
            if (!seconds)
                return usage(arg + " takes seconds from 0 to 3600, not \"" + value + "\"");
            (arg == "--timeout" ? options.timeout : arg == "--idle" ? options.idle : options.settle) = *seconds;
        } else {
            return usage("unknown option " + arg);
        }
    }
    if (i >= argc)
        return usage("no program given after --");
    if (options.timeout <= 0)
        return usage("--timeout must be above 0");
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    options.command.push_back(nullptr);
    return run(options);
}

int summarizeCommand(int argc, char **argv)
{
    if (argc != 3)
        return usage("summarize takes one file");
    std::ifstream in(argv[2]);
    if (!in)
        return fail(std::string("cannot read ") + argv[2]);
    Records records;
    std::string line, error;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!parseRecordLine(line, records, error))
            return fail(std::string(argv[2]) + ":" + std::to_string(number) + ": " + error);
    }
    std::fputs(formatReport(summarize(records)).c_str(), stdout);
    return kOk;
}

} // namespace

int main(int argc, char **argv)
{
    struct sigaction stop {};
    stop.sa_handler = onStopSignal;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGHUP, &stop, nullptr);

    if (argc < 2)
        return usage("no command given");
    const std::string command = argv[1];
    if (command == "run")
        return runCommand(argc, argv);
    if (command == "summarize")
        return summarizeCommand(argc, argv);
    return usage("unknown command " + command);
}
