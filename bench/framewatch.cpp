#include "framewatch.h"

#include "report.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/wait.h>

#include <cerrno>
#include <set>

namespace vatro::bench {

namespace {

// A window the program made and destroyed again before it was watched is no error here.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

bool ended(pid_t pid) {
    siginfo_t info{};
    // Looked at, not reaped: the caller collects the program's figures afterwards.
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

} // namespace

struct FrameWatch::X {
    Display* display = nullptr;
    Window root = 0;
    int damageEvent = 0;
};

FrameWatch::FrameWatch(const std::string& display) {
    Display* connection = XOpenDisplay(display.c_str());
    if (!connection)
        return;
    int event = 0;
    int error = 0;
    if (!XDamageQueryExtension(connection, &event, &error)) {
        XCloseDisplay(connection);
        return;
    }
    XSetErrorHandler(ignoreError);
    m_x = std::make_unique<X>();
    m_x->display = connection;
    m_x->root = DefaultRootWindow(connection);
    m_x->damageEvent = event + XDamageNotify;
    // Every window made on the screen is announced here, before it can be drawn in.
    XSelectInput(connection, m_x->root, SubstructureNotifyMask);
    XSync(connection, False);
}

FrameWatch::~FrameWatch() {
    if (m_x)
        XCloseDisplay(m_x->display);
}

void FrameWatch::forgetEarlier() {
    if (m_x)
        XSync(m_x->display, True);
}

std::optional<long long> FrameWatch::firstFrame(pid_t pid, long long deadlineNs) {
    if (!m_x)
        return std::nullopt;
    Display* display = m_x->display;
    // The server hands out the same window numbers again to the next program: only windows
    // made since the start count.
    std::set<Window> made;
    std::set<Window> mapped;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // Without a window manager the program's windows are the root's children.
            if (event.type == CreateNotify && event.xcreatewindow.parent == m_x->root) {
                made.insert(event.xcreatewindow.window);
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (event.type == MapNotify && made.count(event.xmap.window)) {
                mapped.insert(event.xmap.window);
            } else if (event.type == m_x->damageEvent) {
                // Qt gives its windows no background of the server's, so the first damage
                // of a shown window is the program's own drawing, not the server's clearing.
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (mapped.count(damage.drawable))
                    return monotonicNow();
            }
        }
        const long long left = (deadlineNs - monotonicNow()) / 1'000'000;
        if (left <= 0 || ended(pid))
            return std::nullopt;
        // Short waits: the program's end is noticed by looking, not by a signal.
        pollfd watch{fd, POLLIN, 0};
        if (poll(&watch, 1, static_cast<int>(std::min(left, 20LL))) < 0 && errno != EINTR)
            return std::nullopt;
    }
}

} // namespace vatro::bench
