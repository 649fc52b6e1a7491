// Starts a program and reports, from the X server's own events, when its window with a given title is
// mapped and how much memory the process held at that moment. Optionally then clicks a point of that
// window (XTest) and reports when a second window, by title, is mapped.
//
//   map_probe [--timeout S] [--settle MS] --title TITLE [--click FX,FY --then TITLE2] -- PROGRAM ARGS...
//
// FX,FY: the point to click as fractions of the window's width and height. --settle: the wait after the
// first map before the click, so that the program is idle when clicked. Prints one line:
//   map_ms=... cpu_ms=... hwm_kb=... size=WxH [click_ms=... click_cpu_ms=... click_hwm_kb=... click_size=WxH
//   click_minflt=...]
// cpu_ms: CPU time of all the program's threads up to the map (less disturbed by other work than the
// wall-clock time, but it leaves out waits for the disk and the X server).
// with the window sizes in pixels (size=WxH, click_size=WxH). Exit status 0 on success, 1 on a time-out or a
// program that ended early, 2 on a usage error.

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// CPU time of all the process's threads so far (scheduler statistics, nanoseconds), in milliseconds.
double CpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            double runNs = 0;
            if (stat >> runNs) {
                total += runNs / 1e6;
            }
        }
        closedir(dir);
    }
    return total;
}

// Page faults and user and system CPU time (clock ticks) from /proc/PID/stat, for a closer look.
std::string FaultsAndTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return {};
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field[13];
    for (std::string& f : field) {
        fields >> f;
    }
    // after the name: state(0) ppid pgrp session tty tpgid flags minflt(7) cminflt majflt(9) cmajflt
    // utime(11) stime(12)
    return "minflt=" + field[7] + " majflt=" + field[9] + " utime=" + field[11] + " stime=" + field[12];
}

// Minor page faults so far (/proc/PID/stat field 10): each costs a trap into the kernel.
long MinorFaults(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int i = 0; i <= 7 && fields >> field; ++i) {
    }
    return std::strtol(field.c_str(), nullptr, 10);
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

std::string WindowTitle(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8) {
    for (const auto& [property, type] :
         {std::pair{netWmName, utf8}, std::pair{xcb_atom_t{XCB_ATOM_WM_NAME}, xcb_atom_t{XCB_ATOM_STRING}}}) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 256), nullptr);
        if (reply != nullptr) {
            const int length = xcb_get_property_value_length(reply);
            std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                              static_cast<size_t>(length));
            std::free(reply);
            if (!title.empty()) {
                return title;
            }
        }
    }
    return {};
}

std::string SizeOf(xcb_connection_t* c, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    std::string size = "0x0";
    if (geometry != nullptr) {
        size = std::to_string(geometry->width) + "x" + std::to_string(geometry->height);
    }
    std::free(geometry);
    return size;
}

struct Probe {
    xcb_connection_t* c;
    xcb_atom_t netWmName;
    xcb_atom_t utf8;
    pid_t pid;
    double deadline;

    // Waits for a MapNotify of a top-level window with the title; returns it, or 0 on time-out or exit.
    xcb_window_t WaitForMap(const std::string& title) const {
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
                const bool map = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window =
                    map ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
                std::free(event);
                if (map && WindowTitle(c, window, netWmName, utf8) == title) {
                    return window;
                }
            }
            if (xcb_connection_has_error(c) != 0 || waitpid(pid, nullptr, WNOHANG) != 0) {
                return 0;
            }
            const double left = deadline - NowMs();
            if (left <= 0) {
                return 0;
            }
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, left > 50 ? 50 : static_cast<int>(left) + 1);
        }
    }
};

int Usage() {
    std::fputs(
        "usage: map_probe [--timeout S] [--settle MS] --title TITLE [--click FX,FY --then TITLE2] -- PROGRAM "
        "ARGS...\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    double timeoutS = 30;
    int settleMs = 300;
    std::string title;
    std::string then;
    double fx = -1;
    double fy = -1;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc) {
            return Usage();
        }
        const char* value = argv[++i];
        if (arg == "--timeout") {
            timeoutS = std::atof(value);
        } else if (arg == "--settle") {
            settleMs = std::atoi(value);
        } else if (arg == "--title") {
            title = value;
        } else if (arg == "--then") {
            then = value;
        } else if (arg == "--click") {
            if (std::sscanf(value, "%lf,%lf", &fx, &fy) != 2) {
                return Usage();
            }
        } else {
            return Usage();
        }
    }
    if (title.empty() || i >= argc || (then.empty() != (fx < 0))) {
        return Usage();
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) {
        std::fputs("map_probe: cannot open the display\n", stderr);
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    Probe probe{c, Atom(c, "_NET_WM_NAME"), Atom(c, "UTF8_STRING"), 0, 0};
    xcb_flush(c);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[i], argv + i);
        std::perror("map_probe: exec");
        _exit(127);
    }
    probe.pid = pid;
    probe.deadline = start + timeoutS * 1e3;
    int status = 1;
    const xcb_window_t window = probe.WaitForMap(title);
    const double mapped = NowMs();
    if (window != 0) {
        const long hwm = PeakResidentKb(pid);
        const double cpu = CpuMs(pid);
        std::printf("map_ms=%.2f cpu_ms=%.2f hwm_kb=%ld size=%s %s", mapped - start, cpu, hwm,
                    SizeOf(c, window).c_str(), FaultsAndTicks(pid).c_str());
        status = 0;
        if (!then.empty()) {
            usleep(static_cast<useconds_t>(settleMs) * 1000);
            xcb_get_geometry_reply_t* geometry =
                xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
            xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
                c, xcb_translate_coordinates(c, window, screen->root, 0, 0), nullptr);
            status = 1;
            if (geometry != nullptr && origin != nullptr) {
                const auto x = static_cast<int16_t>(origin->dst_x + fx * geometry->width);
                const auto y = static_cast<int16_t>(origin->dst_y + fy * geometry->height);
                xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, x, y, 0);
                xcb_flush(c);
                usleep(50 * 1000);  // the program sees the pointer over the button before the press
                const double click = NowMs();
                const double cpuBefore = CpuMs(pid);
                const long faultsBefore = MinorFaults(pid);
                xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
                xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
                xcb_flush(c);
                probe.deadline = click + timeoutS * 1e3;
                if (const xcb_window_t dialog = probe.WaitForMap(then); dialog != 0) {
                    const double shown = NowMs();
                    const long dialogHwm = PeakResidentKb(pid);
                    std::printf(
                        " click_ms=%.2f click_cpu_ms=%.2f click_hwm_kb=%ld click_size=%s click_minflt=%ld",
                        shown - click, CpuMs(pid) - cpuBefore, dialogHwm, SizeOf(c, dialog).c_str(),
                        MinorFaults(pid) - faultsBefore);
                    status = 0;
                }
            }
            std::free(geometry);
            std::free(origin);
        }
        std::printf("\n");
    }
    if (status != 0) {
        std::fprintf(stderr, "map_probe: no window \"%s\" in time\n",
                     window == 0 ? title.c_str() : then.c_str());
    }
    // TERM first, so that a program run under a profiler writes its profile; KILL if it lingers.
    kill(pid, SIGTERM);
    for (int waited = 0; waitpid(pid, nullptr, WNOHANG) == 0; ++waited) {
        if (waited == 600) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        usleep(50 * 1000);
    }
    xcb_disconnect(c);
    return status;
}
