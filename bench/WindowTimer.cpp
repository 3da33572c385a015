// Times a program on the X display from its start to its window mapped, to the window's first
// paint and, with --answer, to the answer of one Space key standing in ipview's text box Text1;
// prints the times in milliseconds and the program's peak memory at the end.
// Usage: bench_window_timer [--answer] PROGRAM [ARGUMENT...]
#include "bench/ChildProcess.h"
#include "form1/Form1Description.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC
constexpr std::chrono::seconds kTimeout{30};
constexpr double kDotsPerInch = 96; // Qt's logical resolution on X when no Xft.dpi is set
constexpr int kFrameWidth = 4;      // the text box's frame and margin, left out of the look

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

Box Text1Pixels() {
    const platform::TwipsRect& bounds = form1::Form1Description().text1.bounds;
    const auto pixels = [](int twips) { return platform::TwipsToPixels(twips, kDotsPerInch); };
    return {pixels(bounds.left), pixels(bounds.top), pixels(bounds.width), pixels(bounds.height)};
}

bool Overlap(const XRectangle& area, const Box& box) {
    return area.x < box.x + box.width && box.x < area.x + area.width &&
           area.y < box.y + box.height && box.y < area.y + area.height;
}

// Text stands in the box when the inside of its frame is no longer one plain colour.
bool ShowsText(Display* display, Window window, const Box& box) {
    XImage* image =
        XGetImage(display, window, box.x + kFrameWidth, box.y + kFrameWidth,
                  static_cast<unsigned>(box.width - 2 * kFrameWidth),
                  static_cast<unsigned>(box.height - 2 * kFrameWidth), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long background = XGetPixel(image, 0, 0);
    bool plain = true;
    for (int y = 0; y < image->height && plain; ++y) {
        for (int x = 0; x < image->width && plain; ++x) {
            plain = XGetPixel(image, x, y) == background;
        }
    }
    XDestroyImage(image);
    return !plain;
}

// Windows come and go while the program starts; a request about one already gone is no fault.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool NextEvent(Display* display, Clock::time_point deadline, XEvent& event) {
    while (XPending(display) == 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        if (left.count() <= 0 || poll(&connection, 1, static_cast<int>(left.count())) < 0) {
            return false;
        }
    }
    XNextEvent(display, &event);
    return true;
}

void PressSpace(Display* display, Window window) {
    // No window manager runs, so the window gets the keyboard focus as a click would give it.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    const KeyCode space = XKeysymToKeycode(display, XK_space);
    XTestFakeKeyEvent(display, space, True, CurrentTime);
    XTestFakeKeyEvent(display, space, False, CurrentTime);
    XFlush(display);
}

struct Times {
    std::optional<double> mapped;
    std::optional<double> painted;
    std::optional<double> answered;
};

int Fail(const char* what) {
    std::fprintf(stderr, "bench_window_timer: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool answer = argc > 1 && std::strcmp(argv[1], "--answer") == 0;
    const int programAt = answer ? 2 : 1;
    if (programAt >= argc) {
        return Fail("usage: bench_window_timer [--answer] PROGRAM [ARGUMENT...]");
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return Fail("cannot open the display");
    }
    int damageEvent = 0, damageError = 0, ignored = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &ignored, &ignored, &ignored, &ignored)) {
        return Fail("the display lacks DAMAGE or XTEST");
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const Box text1 = Text1Pixels();

    const Clock::time_point start = Clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    bench::ChildProcess program(argv + programAt);
    if (!program.Started()) {
        return Fail("cannot start the program");
    }
    Window window = None;
    Times times;
    const Clock::time_point deadline = start + kTimeout;
    XEvent event;
    while (answer ? !times.answered : !times.painted) {
        if (!NextEvent(display, deadline, event)) {
            return Fail("timed out");
        }
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            // Watched from its creation, so that no paint slips by before the map is seen.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && window == None && !event.xmap.override_redirect) {
            window = event.xmap.window;
            times.mapped = elapsed();
            if (answer) {
                PressSpace(display, window);
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (window == None || damage.drawable != window) {
                continue;
            }
            if (!times.painted) {
                times.painted = elapsed();
            }
            if (answer && Overlap(damage.area, text1) && ShowsText(display, window, text1)) {
                times.answered = elapsed();
            }
        }
    }
    std::printf("mapped_ms=%.2f painted_ms=%.2f", *times.mapped, *times.painted);
    if (times.answered) {
        std::printf(" answered_ms=%.2f", *times.answered);
    }
    std::printf(" peak_kib=%ld\n", program.PeakResidentKib());
    XCloseDisplay(display);
    return 0;
}
