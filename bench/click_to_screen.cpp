// Click to screen, measured from outside: presses and releases the mouse button through XTest
// at alternate points of a window, then polls a rectangle of the screen with XGetImage every
// 0.5 ms until a pixel in it changes. Prints one latency per click in microseconds.
// Usage: click_to_screen TITLE CLICKS  X1 Y1  X2 Y2  RX RY RW RH  [SX SY]
//   TITLE   the window's title; CLICKS how many clicks, alternating between (X1, Y1) and (X2, Y2)
//   RX..RH  the rectangle watched, in window pixels; SX SY a point clicked once first (Start)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

Window findWindow(Display* display, Window parent, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, parent, &name) && name) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match)
            return parent;
    }
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findWindow(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

std::vector<char> grab(Display* display, Window window, int x, int y, int width, int height)
{
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<char> bytes(image->data, image->data + image->bytes_per_line * height);
    XDestroyImage(image);
    return bytes;
}

void click(Display* display, int x, int y)
{
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 11 && argc != 13) {
        std::fprintf(stderr, "usage: %s TITLE CLICKS X1 Y1 X2 Y2 RX RY RW RH [SX SY]\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    const int clicks = std::atoi(argv[2]);
    int v[10];
    for (int i = 3; i < argc; ++i)
        v[i - 3] = std::atoi(argv[i]);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    Window window = 0;
    for (int i = 0; i < 200 && !window; ++i) {
        window = findWindow(display, DefaultRootWindow(display), title);
        if (!window)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    if (!window) {
        std::fprintf(stderr, "no window titled %s\n", title);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    int left = 0, top = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &left, &top, &child);
    if (argc == 13) {
        click(display, left + v[8], top + v[9]);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    for (int i = 0; i < clicks; ++i) {
        const std::vector<char> before = grab(display, window, v[4], v[5], v[6], v[7]);
        const int* point = i % 2 == 0 ? &v[0] : &v[2];
        const auto start = Clock::now();
        click(display, left + point[0], top + point[1]);
        long micros = -1;
        while (Clock::now() - start < std::chrono::seconds(1)) {
            if (grab(display, window, v[4], v[5], v[6], v[7]) != before) {
                micros = static_cast<long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start)
                        .count());
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        std::printf("%ld\n", micros);
        std::fflush(stdout);
        // Longer than the double-click interval, so every click is a click of its own.
        std::this_thread::sleep_for(std::chrono::milliseconds(450));
    }
    XCloseDisplay(display);
    return 0;
}
