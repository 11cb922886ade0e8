// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on $DISPLAY and watches its window titled "Tolvar" come up. Prints, in
// microseconds from exec, when the window was mapped (its MapNotify, seen on the root window) and
// when it was first painted (the first look at a pixel near its top-left corner that is no longer
// the black of an X server started with -br), then the program's resident memory at the map in
// KiB, then the processor time its main thread had used by the map and before the first paint in
// microseconds, which other work on a busy machine disturbs less than the times from exec; then
// ends the program.
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
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Inside the window's background in both programs measured, clear of any text.
constexpr int SAMPLE_X = 2;
constexpr int SAMPLE_Y = 2;
// Often enough to time the paint to well under a millisecond, seldom enough to leave the X
// server and the program measured to their work.
constexpr auto POLL_INTERVAL = std::chrono::microseconds(250);

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

// The processor time the program's main thread, where it builds and paints its window, has used
// so far, from the scheduler's own accounts.
long long ProcessorMicroseconds(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    long long nanoseconds = 0;
    schedstat >> nanoseconds;
    return nanoseconds / 1000;
}

// A window that went away between two looks is reported by the caller's timeout, not here.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// True once the sampled pixel shows anything but the server's black background.
bool Painted(Display* display, Window window) {
    XImage* image = XGetImage(display, window, SAMPLE_X, SAMPLE_Y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel != BlackPixel(display, DefaultScreen(display));
}

long long Microseconds(Clock::duration elapsed) {
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
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
    XSetErrorHandler(IgnoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    alarm(30);
    Window window = None;
    while (window == None) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && IsTolvarWindow(display, event.xmap.window)) {
            window = event.xmap.window;
        }
    }
    const auto mapped = Clock::now() - start;
    const long rss = ResidentKib(pid);
    const long long processorAtMap = ProcessorMicroseconds(pid);
    // Read at each look and kept from the last look that still found black: the time spent before
    // the paint reached the screen, short of at most one look's interval, and none of the work
    // the program does after it while this waits for its turn on a busy machine.
    long long processorBeforePaint = processorAtMap;
    for (;;) {
        const long long processor = ProcessorMicroseconds(pid);
        if (Painted(display, window)) {
            break;
        }
        processorBeforePaint = processor;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    const auto painted = Clock::now() - start;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%lld %lld %ld %lld %lld\n", Microseconds(mapped), Microseconds(painted), rss,
                processorAtMap, processorBeforePaint);
    XCloseDisplay(display);
    return 0;
}
