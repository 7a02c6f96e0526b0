// startup-probe TITLE CLOSER PROGRAM [ARGS...]
//
// Starts PROGRAM, waits for its top-level window titled TITLE to be mapped and
// viewable, closes it by running CLOSER WINDOW-ID (send-window-close), waits
// for the program to end and prints one line:
//
//   <milliseconds from exec to window shown> <peak resident set in KiB> <exit status>
//
// The window is seen through the X server's own MapNotify event, not by
// polling, so the time is exact to the event's delivery. The peak resident
// set is the kernel's high-water mark for the program (ru_maxrss from
// wait4); the program is started with posix_spawn, which shares this
// process's memory until exec, so none of the probe's own pages count.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

std::string windowTitle(Display* display, Window window)
{
    // _NET_WM_NAME (UTF-8) first, as Qt sets both; WM_NAME as a fallback.
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success && data) {
        title.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup-probe TITLE CLOSER PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const char* closer = argv[2];

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return 2;
    }
    // A window may vanish between its event and our questions about it.
    XSetErrorHandler(ignoreErrors);
    // With no window manager, top-level windows are children of the root, so
    // their maps arrive here. Select before the program starts: no race.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    pid_t pid = 0;
    const double start = nowMs();
    if (posix_spawn(&pid, argv[3], nullptr, nullptr, &argv[3], environ) != 0) {
        std::fprintf(stderr, "startup-probe: cannot start %s\n", argv[3]);
        return 2;
    }

    Window found = None;
    double shown = 0.0;
    const double deadline = start + 60000.0;
    while (found == None) {
        while (found == None && XPending(display) > 0) {
            XEvent event {};
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowTitle(display, event.xmap.window) == title
                && isViewable(display, event.xmap.window)) {
                shown = nowMs();
                found = event.xmap.window;
            }
        }
        if (found != None)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "startup-probe: the program ended before showing \"%s\"\n", title.c_str());
            return 1;
        }
        if (nowMs() > deadline) {
            std::fprintf(stderr, "startup-probe: no window \"%s\" within 60 s\n", title.c_str());
            kill(pid, SIGKILL);
            return 1;
        }
        pollfd wait {ConnectionNumber(display), POLLIN, 0};
        poll(&wait, 1, 100);
    }

    // Close through the close button, as a user would.
    const std::string id = std::to_string(found);
    std::vector<char*> closeArgs {const_cast<char*>(closer), const_cast<char*>(id.c_str()), nullptr};
    pid_t closerPid = 0;
    int closerStatus = 1;
    if (posix_spawn(&closerPid, closer, nullptr, nullptr, closeArgs.data(), environ) != 0
        || waitpid(closerPid, &closerStatus, 0) != closerPid || closerStatus != 0) {
        std::fprintf(stderr, "startup-probe: could not press the close button\n");
        kill(pid, SIGKILL);
        return 1;
    }

    int status = 0;
    rusage usage {};
    const double closeDeadline = nowMs() + 30000.0;
    for (;;) {
        const pid_t ended = wait4(pid, &status, WNOHANG, &usage);
        if (ended == pid)
            break;
        if (nowMs() > closeDeadline) {
            std::fprintf(stderr, "startup-probe: the program is still running 30 s after closing\n");
            kill(pid, SIGKILL);
            return 1;
        }
        usleep(10000);
    }
    XCloseDisplay(display);
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("%.1f %ld %d\n", shown - start, usage.ru_maxrss, exitStatus);
    return 0;
}
