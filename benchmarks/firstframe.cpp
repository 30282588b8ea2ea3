// Times a program from its start to the first frame it paints into a top-level window
// with the given title, on the X display in $DISPLAY, then ends it. Prints the time in
// milliseconds and the program's peak resident memory in KiB, as one line:
//     firstframe TITLE -- PROGRAM [ARGUMENTS...]
// Painting is seen through the X DAMAGE extension, so the program needs no change.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

bool hasTitle(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    const bool same = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return same;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "usage: %s TITLE -- PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const char* title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    Window target = 0;
    double painted = -1.0;
    while (painted < 0.0) {
        if (now() - start > 20000.0)
            break;
        if (!XPending(display)) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "%s ended before painting\n", argv[3]);
                return 1;
            }
            usleep(200);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !target && hasTitle(display, event.xmap.window, title)) {
            target = event.xmap.window;
            XDamageCreate(display, target, XDamageReportNonEmpty);
            XSync(display, False);
        } else if (event.type == damageEvent + XDamageNotify &&
                   reinterpret_cast<XDamageNotifyEvent*>(&event)->drawable == target) {
            painted = now();
        }
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (painted < 0.0) {
        std::fprintf(stderr, "no frame painted into a window titled %s\n", title);
        return 1;
    }
    std::printf("%.1f %ld\n", painted - start, usage.ru_maxrss);
    return 0;
}
