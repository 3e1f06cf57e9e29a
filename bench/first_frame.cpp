// Start-up measured from outside: starts a program and times, from just before its exec, until
// its window named TITLE is mapped and until its first frame reaches the screen, then reports
// its peak resident memory once it has been idle for a second.
// Usage: first_frame TITLE PROGRAM [ARGUMENT...]
// Prints "<µs to the first frame> <µs to the window mapped> <peak RSS KiB> <CPU µs>"; the CPU
// time (user and system, all threads) is the whole run's, and the idle second adds next to
// nothing to it.
//
// The window is found through the X server's own notifications (no polling until it is mapped).
// Qt maps its windows with no background, so the screen under the window keeps what was there
// before until the program draws; the first frame is the first change of a small patch at the
// window's centre, polled with XGetImage every quarter millisecond. Qt flushes a whole frame in
// one go, so any patch of it changes with the first frame.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPatch = 4;

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using Image = std::unique_ptr<XImage, ImageDeleter>;

std::vector<unsigned long> pixels(XImage* image, int x, int y)
{
    std::vector<unsigned long> values;
    for (int row = 0; row < kPatch; ++row)
        for (int column = 0; column < kPatch; ++column)
            values.push_back(XGetPixel(image, x + column, y + row));
    return values;
}

bool named(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool match = std::strstr(name, title) != nullptr;
    XFree(name);
    return match;
}

long micros(Clock::time_point from, Clock::time_point to)
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(to - from).count());
}

// Waits for the next event, at most until the deadline; false at the deadline or when the
// program has ended (left unreaped, for its figures).
bool nextEvent(Display* display, XEvent& event, pid_t child, Clock::time_point deadline)
{
    while (!XPending(display)) {
        siginfo_t ended{};
        if (micros(Clock::now(), deadline) <= 0 ||
            (waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
             ended.si_pid == child))
            return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XWindowAttributes screen{};
    XGetWindowAttributes(display, root, &screen);
    const Image before(
        XGetImage(display, root, 0, 0, screen.width, screen.height, AllPlanes, ZPixmap));
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    long mapped = -1, drawn = -1;
    XEvent event;
    while (mapped < 0 && nextEvent(display, event, child, deadline)) {
        if (event.type != MapNotify || !named(display, event.xmap.window, title))
            continue;
        mapped = micros(start, Clock::now());
        XWindowAttributes window{};
        XGetWindowAttributes(display, event.xmap.window, &window);
        const int x = window.x + window.width / 2, y = window.y + window.height / 2;
        const std::vector<unsigned long> old = pixels(before.get(), x, y);
        while (Clock::now() < deadline) {
            const Image now(XGetImage(display, root, x, y, kPatch, kPatch, AllPlanes, ZPixmap));
            if (now && pixels(now.get(), 0, 0) != old) {
                drawn = micros(start, Clock::now());
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(250));
        }
    }
    if (drawn >= 0)
        std::this_thread::sleep_for(std::chrono::seconds(1));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (drawn < 0) {
        std::fprintf(stderr, "no frame of a window named %s\n", title);
        return 1;
    }
    const auto cpu = [](const timeval& time) { return time.tv_sec * 1'000'000L + time.tv_usec; };
    std::printf("%ld %ld %ld %ld\n", drawn, mapped, usage.ru_maxrss,
                cpu(usage.ru_utime) + cpu(usage.ru_stime));
    return 0;
}
