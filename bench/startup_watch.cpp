// Start-up to first window: starts each given program in turn, RUNS times, and takes the time
// from just before the start of the process to the moment the X server maps its first
// top-level window. The server tells us of the mapping itself (SubstructureNotify on the
// root window), so nothing polls the server while the program connects and builds its
// window. Prints every run, then min and median per program and the ratio of each median
// to the first program's.
//   startup_watch RUNS PROGRAM [PROGRAM...]     (DISPLAY names the server)
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the mapping of a top-level window that is not a pop-up; nothing after 10 s.
std::optional<Clock::time_point> waitForMap(xcb_connection_t* c) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect;
            std::free(e);
            if (mapped)
                return Clock::now();
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            return std::nullopt;
    }
}

// One start of `program`, in milliseconds; nothing when no window came.
std::optional<double> timeStart(xcb_connection_t* c, const char* program) {
    // Events of an earlier run that came late are not this run's.
    while (xcb_generic_event_t* e = xcb_poll_for_event(c))
        std::free(e);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto mapped = waitForMap(c);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!mapped)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*mapped - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_watch RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_watch: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const int programs = argc - 2;
    std::vector<std::vector<double>> times(static_cast<std::size_t>(programs));
    // The programs take turns, so that a busy moment of the machine falls on all alike.
    for (int run = 1; run <= runs; ++run)
        for (int p = 0; p < programs; ++p) {
            const auto t = timeStart(c, argv[p + 2]);
            if (t)
                times[static_cast<std::size_t>(p)].push_back(*t);
            std::printf("run %d %s: %s\n", run, argv[p + 2],
                        t ? std::to_string(*t).c_str() : "no window");
            usleep(200000);
        }
    double first = 0;
    for (int p = 0; p < programs; ++p) {
        auto& v = times[static_cast<std::size_t>(p)];
        if (v.empty()) {
            std::printf("%s: no window in any run\n", argv[p + 2]);
            return 1;
        }
        std::sort(v.begin(), v.end());
        const double median = v[v.size() / 2];
        if (p == 0)
            first = median;
        std::printf("%s: min %.1f ms, median %.1f ms, ratio of medians %.2f\n", argv[p + 2],
                    v.front(), median, median / first);
    }
    xcb_disconnect(c);
    return 0;
}
