// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on $DISPLAY and waits for its window titled "Tolvar" to be mapped; prints the
// time from exec to the map in microseconds and the program's resident memory at that moment in
// KiB, then ends the program.
//   startup_probe PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

bool IsTolvarWindow(Display* display, Window window) {
    char* name = nullptr;
    const bool named = XFetchName(display, window, &name) != 0 && name != nullptr;
    const bool match = named && std::strcmp(name, "Tolvar") == 0;
    if (name != nullptr) {
        XFree(name);
    }
    return match;
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            break;
        }
        status.ignore(1 << 16, '\n');
    }
    return value;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: startup_probe PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("startup_probe: no display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    alarm(30);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && IsTolvarWindow(display, event.xmap.window)) {
            break;
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const long rss = ResidentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%lld %ld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()),
                rss);
    XCloseDisplay(display);
    return 0;
}
