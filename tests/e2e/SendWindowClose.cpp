// send-window-close WINDOW-ID: asks an X11 window to close the way a window
// manager's close button does, with a WM_DELETE_WINDOW message. The test
// display runs no window manager, so the smoke test presses the button
// through this.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: send-window-close WINDOW-ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "send-window-close: cannot open the display\n");
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
