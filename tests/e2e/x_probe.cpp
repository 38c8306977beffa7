// tessivar-x-probe: what the end-to-end tests ask of an X server that xdotool and xprop cannot.
//   tessivar-x-probe ping WINDOW       pings WINDOW as a window manager does (_NET_WM_PING) and
//                                      ends with status 0 once it answers, 1 after 3 seconds
//   tessivar-x-probe startup SECONDS   prints the first startup notification message sent on
//                                      the screen and ends with 0, or ends with 1 after SECONDS
//   tessivar-x-probe panel HEIGHT      keeps a panel HEIGHT pixels high along the top of the
//                                      screen (a dock with a strut) until it is stopped
//   tessivar-x-probe launch CLASS COMMAND...
//                                      starts COMMAND and prints the milliseconds until a window
//                                      of WM_CLASS CLASS is mapped, then the command's process id;
//                                      the command goes on running. Ends with 1 after 10 seconds
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The next event before `deadline`, false when none came.
bool next_event(Display* display, Clock::time_point deadline, XEvent& event) {
  while (!XPending(display)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
  XNextEvent(display, &event);
  return true;
}

int ping(Display* display, Window window) {
  const Window root = DefaultRootWindow(display);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom ping_atom = XInternAtom(display, "_NET_WM_PING", False);
  // The answer goes to the root window, where a manager listens for substructure events.
  XSelectInput(display, root, SubstructureNotifyMask);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(ping_atom);
  event.xclient.data.l[1] = 4242;  // the timestamp, echoed back
  event.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  const auto deadline = Clock::now() + std::chrono::seconds(3);
  XEvent answer;
  while (next_event(display, deadline, answer)) {
    if (answer.type == ClientMessage && answer.xclient.message_type == protocols &&
        static_cast<Atom>(answer.xclient.data.l[0]) == ping_atom &&
        answer.xclient.data.l[1] == 4242 &&
        static_cast<Window>(answer.xclient.data.l[2]) == window) {
      std::puts("pong");
      return 0;
    }
  }
  std::puts("no answer");
  return 1;
}

int startup(Display* display, int seconds) {
  const Atom begin = XInternAtom(display, "_NET_STARTUP_INFO_BEGIN", False);
  const Atom more = XInternAtom(display, "_NET_STARTUP_INFO", False);
  XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
  XFlush(display);
  std::puts("listening");
  std::fflush(stdout);
  const auto deadline = Clock::now() + std::chrono::seconds(seconds);
  std::string message;
  XEvent event;
  while (next_event(display, deadline, event)) {
    if (event.type != ClientMessage || event.xclient.format != 8) continue;
    if (event.xclient.message_type == begin) message.clear();
    else if (event.xclient.message_type != more) continue;
    const char* bytes = event.xclient.data.b;
    const std::size_t length = strnlen(bytes, 20);
    message.append(bytes, length);
    if (length < 20) {  // the NUL: the message is whole
      std::printf("%s\n", message.c_str());
      return 0;
    }
  }
  std::puts("no message");
  return 1;
}

int panel(Display* display, int height) {
  const int screen = DefaultScreen(display);
  const Window root = RootWindow(display, screen);
  const Window dock = XCreateSimpleWindow(display, root, 0, 0,
                                          static_cast<unsigned>(DisplayWidth(display, screen)),
                                          static_cast<unsigned>(height), 0, 0, 0x303030);
  // Along the top, where a panel stands; without a position the manager would place it.
  XSizeHints* place = XAllocSizeHints();
  place->flags = USPosition;
  XSetWMNormalHints(display, dock, place);
  XFree(place);
  const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
  const Atom dock_type = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
  XChangeProperty(display, dock, type, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&dock_type), 1);
  const long strut[4] = {0, 0, height, 0};  // left, right, top, bottom
  XChangeProperty(display, dock, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 4);
  // Managers that know the partial strut read it first: the top edge, across the whole width.
  const long partial[12] = {0, 0, height, 0, 0, 0, 0, 0, 0, DisplayWidth(display, screen) - 1, 0, 0};
  XChangeProperty(display, dock, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL,
                  32, PropModeReplace, reinterpret_cast<const unsigned char*>(partial), 12);
  XMapWindow(display, dock);
  XFlush(display);
  // A manager still starting up may map the panel before it reads struts; writing them again
  // once it has taken the window makes it read them then.
  usleep(300'000);
  XChangeProperty(display, dock, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 4);
  XChangeProperty(display, dock, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL,
                  32, PropModeReplace, reinterpret_cast<const unsigned char*>(partial), 12);
  XFlush(display);
  std::puts("panel");
  std::fflush(stdout);
  XEvent event;
  while (true) XNextEvent(display, &event);
}

}  // namespace

// Whether the window's WM_CLASS names `wanted` (its instance or its class, in any case).
bool is_of_class(Display* display, Window window, const char* wanted) {
  XClassHint hint{};
  if (!XGetClassHint(display, window, &hint)) return false;
  const bool match = (hint.res_name && strcasecmp(hint.res_name, wanted) == 0) ||
                     (hint.res_class && strcasecmp(hint.res_class, wanted) == 0);
  XFree(hint.res_name);
  XFree(hint.res_class);
  return match;
}

// A window may be gone before it is looked at: what is asked of it then fails, and is let pass.
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

// Times a program to its first window the same way whatever it is: by the X server's own
// notices, which come as the window is mapped, with no polling interval to blur the figure.
int launch(Display* display, const char* wanted, char** command) {
  const Window root = DefaultRootWindow(display);
  XSetErrorHandler(ignore_x_error);
  // Every new top-level window is heard of before anything can happen to it.
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
  const auto started = Clock::now();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    // Its output goes nowhere, so that whoever reads the probe's sees the probe end.
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    execvp(command[0], command);
    _exit(127);
  }
  const auto deadline = started + std::chrono::seconds(10);
  XEvent event;
  while (next_event(display, deadline, event)) {
    Window window = 0;
    if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
      window = event.xcreatewindow.window;
      XSelectInput(display, window, StructureNotifyMask);
      // It may have been mapped before it was watched.
      XWindowAttributes attributes;
      if (!XGetWindowAttributes(display, window, &attributes) ||
          attributes.map_state == IsUnmapped) {
        continue;
      }
    } else if (event.type == MapNotify) {
      window = event.xmap.window;
    } else {
      continue;
    }
    if (is_of_class(display, window, wanted)) {
      const auto taken =
          std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
      std::printf("%.1f %d\n", static_cast<double>(taken.count()) / 1000.0, static_cast<int>(child));
      return 0;
    }
  }
  std::printf("- %d\n", static_cast<int>(child));
  return 1;
}

int main(int argc, char** argv) {
  const bool launching = argc >= 4 && std::strcmp(argv[1], "launch") == 0;
  if (argc != 3 && !launching) {
    std::fprintf(stderr,
                 "usage: tessivar-x-probe ping WINDOW | startup SECONDS | panel HEIGHT | "
                 "launch CLASS COMMAND...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "tessivar-x-probe: no X display\n");
    return 2;
  }
  if (launching) {
    const int status = launch(display, argv[2], argv + 3);
    XCloseDisplay(display);
    return status;
  }
  const std::string verb = argv[1];
  const int status = verb == "ping"      ? ping(display, std::strtoul(argv[2], nullptr, 0))
                     : verb == "startup" ? startup(display, std::atoi(argv[2]))
                     : verb == "panel"   ? panel(display, std::atoi(argv[2]))
                                         : 2;
  XCloseDisplay(display);
  return status;
}
