#include "platform/x11/x11_platform.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <map>
#include <set>

#include "platform/common/clock_text.h"
#include "platform/common/error_messages.h"
#include "platform/fonts/font_engine.h"
#include "platform/x11/monitor_placement.h"
#include "platform/x11/screen_density.h"
#include "platform/x11/startup_notification.h"
#include "platform/x11/unused_memory.h"
#include "platform/x11/wine_launcher.h"
#include "platform/x11/x_property.h"
#include "ui/system_colour_scheme.h"
// The Xlib headers come last.
#include "platform/x11/error_window.h"
#include "platform/x11/input_method.h"
#include "platform/x11/screen_visual.h"
#include "platform/x11/window_hints.h"
#include "platform/x11/window_surface.h"
#include "platform/x11/x_atoms.h"
#include "platform/x11/x_error_trap.h"

#include <X11/XKBlib.h>

namespace tessivar::x11 {

using ui::Input;
using ui::InputKind;

namespace {

// Milliseconds an idle wait must have left for the program's faces to be chosen in it.
constexpr int kTimeToSpareForFonts = 100;

int on_connection_lost(Display*) {
  std::fputs("tessivar: lost the connection to the X server\n", stderr);
  _exit(1);
}

// Focus changes that say nothing about which window is active: those a grab makes, and those
// about the pointer or a child window.
bool is_activation_change(const XFocusChangeEvent& event) {
  return event.mode != NotifyGrab && event.mode != NotifyUngrab &&
         event.detail != NotifyInferior && event.detail != NotifyPointer &&
         event.detail != NotifyPointerRoot && event.detail != NotifyDetailNone;
}

std::tm local_now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

// The splash window has no frame from the window manager; it draws its own thin dialog frame,
// one pixel wide, around the client area.
// The splash window's thin frame, one line of the system's width.
constexpr int kSplashFrameLines = 1;

struct NativeWindow {
  Window xid = 0;
  GC gc = nullptr;
  std::unique_ptr<WindowSurface> surface;
  int frame = 0;  // pixels of our own frame around the client area
  // The client area within the surface and the X window.
  ui::Rect client() const {
    const ui::Rect all = surface->pixels().bounds();
    return all.inset(frame);
  }
  bool mapped = false;
  bool focus_when_viewable = false;
  // On the screen: exposed since it was last mapped. Pixels put into a window before then are
  // thrown away by the server (it keeps no contents), and only hold up the manager's mapping of
  // the window in the server's queue; the Expose that follows brings them.
  bool viewable = false;
};

// The pixel memory of a window of `client_size` with `frame` pixels of our own frame round it.
ui::Size surface_size_for(ui::Size client_size, int frame) {
  return {std::max(client_size.width, 1) + 2 * frame, std::max(client_size.height, 1) + 2 * frame};
}

ui::Size surface_size(const NativeWindow& native) {
  const ui::PixelView all = native.surface->pixels();
  return {all.width, all.height};
}

}  // namespace

class X11Platform::Impl {
 public:
  Impl();
  ~Impl();

  ui::WindowHandle create_window(const ui::WindowDescription& description);
  void destroy_window(ui::WindowHandle window);
  void show_window(ui::WindowHandle window);
  ui::PixelView window_pixels(ui::WindowHandle window);
  void present(ui::WindowHandle window, std::span<const ui::Rect> areas);
  ui::WaitStatus wait_input(std::optional<ui::Millis> deadline, Input& input);
  static ui::Millis monotonic_now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<ui::Millis>(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
  }
  int dpi() const { return dpi_; }
  void set_client_size(ui::WindowHandle window, ui::Size size);
  std::unique_ptr<ui::Font> open_font(const ui::FontSpec& spec, int dpi) {
    return fonts_.open(spec, dpi);
  }
  std::int64_t launch(const ui::LaunchRequest& request) { return launcher_.launch(request); }
  void report_error(const ui::Error& error);
  void prepare_fonts_when_idle(std::vector<ui::FontSpec> fonts) {
    fonts_to_prepare_ = std::move(fonts);
    // The message window's font too, so that a failure's window needs no configuration either.
    fonts_to_prepare_.push_back(ErrorWindow::kFont);
  }

 private:
  void translate(XEvent& event);
  void translate_key_press(ui::WindowHandle handle, XKeyEvent& event);
  bool focus_moved_to_our_window();
  void report_ended_children();
  bool manager_supports(Atom feature) const;
  void show_next_error();
  // Gives the window pixel memory for a client area of `client_size`, its frame painted.
  void make_surface(NativeWindow& native, ui::Size client_size);
  // Asks the manager what frame it will draw round a window not yet shown; false when it does
  // not answer such questions. The answer is awaited by await_frame_extents, which gives it up
  // if it does not come in time.
  bool ask_frame_extents(Window xid);
  std::optional<FrameExtents> await_frame_extents(Window xid);
  void queue(Input input) { queue_.push_back(input); }

  Display* display_;
  int screen_;
  ScreenVisual visual_;
  bool shared_memory_;
  int dpi_;
  bool manager_tells_frames_ = false;  // it answers _NET_REQUEST_FRAME_EXTENTS
  std::optional<std::string> startup_id_;
  Window startup_window_ = 0;
  XAtoms atoms_;
  fonts::FontEngine fonts_;
  std::unique_ptr<InputMethod> input_method_;
  WineLauncher launcher_;
  std::map<ui::WindowHandle, NativeWindow> windows_;
  std::map<Window, ui::WindowHandle> handles_;
  platform::ErrorMessages error_messages_;
  std::unique_ptr<ErrorWindow> error_window_;  // at most one up at a time
  std::deque<Input> queue_;
  std::vector<ui::FontSpec> fonts_to_prepare_;
  bool return_memory_when_idle_ = false;
  std::set<unsigned> held_keys_;
  std::optional<ui::WindowHandle> focused_;
  ui::WindowHandle next_handle_ = 1;
  Time last_user_time_ = CurrentTime;
};

X11Platform::Impl::Impl() : startup_id_(take_startup_id()) {
  display_ = XOpenDisplay(nullptr);
  // A server may turn a connection away for a moment right after another client left (seen with
  // Xvfb): a few tries, a little apart, before giving up.
  for (int retry = 0; !display_ && retry < 3; ++retry) {
    usleep(20'000);
    display_ = XOpenDisplay(nullptr);
  }
  if (!display_) {
    const char* name = std::getenv("DISPLAY");
    throw ui::PlatformError(name && *name ? std::string("cannot open the X display \"") + name + "\""
                                          : "cannot open an X display: DISPLAY is not set");
  }
  XSetIOErrorHandler(on_connection_lost);
  install_x_error_handler();
  fcntl(ConnectionNumber(display_), F_SETFD, FD_CLOEXEC);
  screen_ = DefaultScreen(display_);
  try {
    visual_ = choose_screen_visual(display_, screen_);
  } catch (const ui::PlatformError&) {
    XCloseDisplay(display_);
    throw;
  }
  shared_memory_ = XShmQueryExtension(display_);
  dpi_ = x11::screen_dpi(display_);
  atoms_ = XAtoms::intern(display_);
  manager_tells_frames_ = manager_supports(atoms_.net_request_frame_extents);
  input_method_ = std::make_unique<InputMethod>(display_);
  // A held key then repeats as presses alone, which is how a repeat is told from a new press.
  Bool supported = False;
  XkbSetDetectableAutoRepeat(display_, True, &supported);
}

X11Platform::Impl::~Impl() {
  error_window_.reset();
  while (!windows_.empty()) destroy_window(windows_.begin()->first);
  input_method_.reset();
  XCloseDisplay(display_);
}

ui::WindowHandle X11Platform::Impl::create_window(const ui::WindowDescription& description) {
  // The window's pictures are decoded, and its pixel memory is yet to be made: what the load used
  // and no longer needs goes back first, at the moment memory peaks.
  return_unused_memory();
  NativeWindow native;
  native.frame =
      description.kind == ui::WindowKind::Splash ? kSplashFrameLines * ui::line_pixels(dpi_) : 0;
  const ui::Size size = surface_size_for(description.client_size, native.frame);
  const ui::Rect monitor = monitor_under_pointer(display_, screen_);
  const ui::Rect work_area = work_area_on(display_, screen_, atoms_, monitor);
  // Placed as if it had no frame until the manager says what frame it will draw.
  ui::Point position =
      description.centred ? client_position_for(monitor, work_area, size, {}) : ui::Point{0, 0};
  XSetWindowAttributes attributes{};
  attributes.background_pixmap = None;  // the surface paints every pixel; no flash of colour
  // A visual other than the root's needs a colormap of its own and a border of its depth.
  attributes.colormap = visual_.colormap;
  attributes.border_pixel = 0;
  attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | Button1MotionMask |
                          KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask |
                          LeaveWindowMask | PropertyChangeMask;
  native.xid = XCreateWindow(display_, RootWindow(display_, screen_), position.x, position.y,
                             static_cast<unsigned>(size.width), static_cast<unsigned>(size.height),
                             0, visual_.depth, InputOutput, visual_.visual,
                             CWBackPixmap | CWEventMask | CWColormap | CWBorderPixel, &attributes);
  native.gc = XCreateGC(display_, native.xid, 0, nullptr);
  input_method_->add_window(native.xid);
  apply_window_hints(display_, native.xid, atoms_,
                     {.kind = description.kind,
                      .close_button = description.close_button,
                      .taskbar_button = description.taskbar_button},
                     description.title, size, position);
  apply_window_icon(display_, native.xid, atoms_, description.icon_ico);
  // The manager answers while the pixel memory is made.
  const bool frame_asked = description.centred && ask_frame_extents(native.xid);
  try {
    make_surface(native, description.client_size);
  } catch (const ui::PlatformError&) {
    // No window without its pixels: the one made for it goes again.
    input_method_->remove_window(native.xid);
    XFreeGC(display_, native.gc);
    XDestroyWindow(display_, native.xid);
    XFlush(display_);
    throw;
  }
  if (frame_asked) {
    if (const auto frame = await_frame_extents(native.xid)) {
      position = client_position_for(monitor, work_area, size, *frame);
      apply_size_hints(display_, native.xid, size, position);
      XMoveWindow(display_, native.xid, position.x, position.y);
    }
  }
  if (startup_id_ && startup_window_ == 0) {
    // The first window answers the launcher's startup notification.
    XChangeProperty(display_, native.xid, atoms_.net_startup_id, atoms_.utf8_string, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(startup_id_->data()),
                    static_cast<int>(startup_id_->size()));
    startup_window_ = native.xid;
  }
  const ui::WindowHandle handle = next_handle_++;
  handles_[native.xid] = handle;
  windows_.emplace(handle, std::move(native));
  return handle;
}

void X11Platform::Impl::make_surface(NativeWindow& native, ui::Size client_size) {
  const ui::Size size = surface_size_for(client_size, native.frame);
  native.surface = std::make_unique<WindowSurface>(display_, visual_.visual, visual_.depth, size,
                                                   shared_memory_);
  if (native.frame > 0) {
    // The frame in the window's dark shadow colour; the engine paints only inside it. Its edges
    // run down every row, so every page of the surface is written now.
    const ui::PixelView all = native.surface->pixels_for_painting();
    const ui::Pixel colour = ui::default_system_colour(21);
    for (int y = 0; y < all.height; ++y) {
      for (int x = 0; x < all.width; ++x) {
        if (!native.client().contains({x, y})) all.at(x, y) = colour;
      }
    }
  }
}

bool X11Platform::Impl::manager_supports(Atom feature) const {
  const std::vector<unsigned long> supported = read_format32_property(
      display_, RootWindow(display_, screen_), atoms_.net_supported, XA_ATOM);
  return std::find(supported.begin(), supported.end(), feature) != supported.end();
}

bool X11Platform::Impl::ask_frame_extents(Window xid) {
  if (!manager_tells_frames_) return false;
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = xid;
  request.xclient.message_type = atoms_.net_request_frame_extents;
  request.xclient.format = 32;
  XSendEvent(display_, RootWindow(display_, screen_), False,
             SubstructureNotifyMask | SubstructureRedirectMask, &request);
  XFlush(display_);
  return true;
}

std::optional<FrameExtents> X11Platform::Impl::await_frame_extents(Window xid) {
  // A manager that supports the request answers within a round trip; the wait is bounded so
  // that a slow one delays the window by a moment at most.
  constexpr ui::Millis kLongestWait = 100;
  const ui::Millis deadline = monotonic_now() + kLongestWait;
  while (true) {
    XEvent event;
    while (XCheckTypedWindowEvent(display_, xid, PropertyNotify, &event)) {
      // Other property changes of a window not yet shown are our own hints; nothing reads them.
      if (event.xproperty.atom == atoms_.net_frame_extents) {
        return frame_extents_of(display_, xid, atoms_);
      }
    }
    const ui::Millis left = deadline - monotonic_now();
    if (left <= 0) return frame_extents_of(display_, xid, atoms_);
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left));
    XEventsQueued(display_, QueuedAfterReading);
  }
}

void X11Platform::Impl::set_client_size(ui::WindowHandle window, ui::Size client_size) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  NativeWindow& native = it->second;
  make_surface(native, client_size);
  const ui::Size size = surface_size(native);
  // The window stays where it is: its top-left corner on the screen is kept in the hints.
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, native.xid, RootWindow(display_, screen_), 0, 0, &x, &y, &child);
  apply_size_hints(display_, native.xid, size, {x, y});
  XResizeWindow(display_, native.xid, static_cast<unsigned>(size.width),
                static_cast<unsigned>(size.height));
  XFlush(display_);
}

void X11Platform::Impl::destroy_window(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  NativeWindow& native = it->second;
  native.surface.reset();
  XFreeGC(display_, native.gc);
  input_method_->remove_window(native.xid);
  XDestroyWindow(display_, native.xid);
  handles_.erase(native.xid);
  windows_.erase(it);
  if (focused_ == window) focused_.reset();
  XFlush(display_);
  return_memory_when_idle_ = true;
}

void X11Platform::Impl::show_window(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  NativeWindow& native = it->second;
  if (!native.mapped) {
    XMapRaised(display_, native.xid);
    native.mapped = true;
    native.focus_when_viewable = true;
    if (startup_id_ && native.xid == startup_window_) {
      // The program is up: the launcher's busy cursor or "starting" entry can go.
      send_startup_message(display_, screen_, native.xid, atoms_,
                           startup_remove_message(*startup_id_));
      startup_id_.reset();
    }
  } else {
    XRaiseWindow(display_, native.xid);
  }
  // Asked as an application (source 1); the manager may still decline, as for any program.
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = native.xid;
  message.xclient.message_type = atoms_.net_active_window;
  message.xclient.format = 32;
  message.xclient.data.l[0] = 1;
  message.xclient.data.l[1] = static_cast<long>(last_user_time_);
  XSendEvent(display_, RootWindow(display_, screen_), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &message);
  // Some managers give a splash window the keyboard only when it is focused directly.
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, native.xid, &attributes) &&
      attributes.map_state == IsViewable) {
    XSetInputFocus(display_, native.xid, RevertToParent, CurrentTime);
    native.focus_when_viewable = false;
  }
  XFlush(display_);
}

ui::PixelView X11Platform::Impl::window_pixels(ui::WindowHandle window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return {};
  if (!it->second.surface->pages_made()) {
    // The first paint makes every page of the surface: what the window this one replaces left
    // behind (it is gone by the time its successor paints) goes back first.
    return_unused_memory();
  }
  const ui::PixelView all = it->second.surface->pixels_for_painting();
  const ui::Rect client = it->second.client();
  return {all.row(client.y) + client.x, all.pitch, client.width, client.height};
}

void X11Platform::Impl::present(ui::WindowHandle window, std::span<const ui::Rect> areas) {
  const auto it = windows_.find(window);
  if (it == windows_.end() || areas.empty()) return;
  const NativeWindow& native = it->second;
  if (!native.viewable) return;
  const ui::Rect client = native.client();
  for (const ui::Rect& area : areas) {
    native.surface->put(native.xid, native.gc,
                        area.translated(client.x, client.y).intersect(client));
  }
  // Shared pixels are read by the server later; waiting here keeps the engine from painting the
  // next frame into memory the server is still copying.
  if (native.surface->shared()) {
    XSync(display_, False);
  } else {
    XFlush(display_);
  }
}

ui::WaitStatus X11Platform::Impl::wait_input(std::optional<ui::Millis> deadline, Input& input) {
  const int x_fd = ConnectionNumber(display_);
  while (true) {
    report_ended_children();
    while (queue_.empty() && XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      if (event.type == KeyPress) input_method_->open_for_key_press();
      // The input method takes what it needs: a dead key waits there for the next key.
      if (XFilterEvent(&event, None)) continue;
      translate(event);
    }
    if (!queue_.empty()) {
      input = queue_.front();
      queue_.pop_front();
      return ui::WaitStatus::Input;
    }
    int timeout = -1;
    if (deadline) {
      const ui::Millis remaining = *deadline - X11Platform::Impl::monotonic_now();
      if (remaining <= 0) return ui::WaitStatus::Deadline;
      timeout = static_cast<int>(std::min<ui::Millis>(remaining, 60'000));
    }
    // Preparing fonts takes a few milliseconds: done only with more than that to spare, and then
    // the events that came meanwhile are read first.
    if (!fonts_to_prepare_.empty() && (timeout < 0 || timeout >= kTimeToSpareForFonts)) {
      fonts_.prepare(fonts_to_prepare_);
      fonts_to_prepare_.clear();
      fonts_to_prepare_.shrink_to_fit();
      continue;
    }
    // A window that closed has freed its pictures by now, in blocks the allocator would keep
    // for itself: before sleeping, they go back to the system.
    if (return_memory_when_idle_) {
      return_unused_memory();
      return_memory_when_idle_ = false;
    }
    pollfd fds[2] = {{x_fd, POLLIN, 0}, {launcher_.wake_fd(), POLLIN, 0}};
    poll(fds, 2, timeout);
  }
}

void X11Platform::Impl::report_ended_children() {
  for (const ui::LaunchError& failure : launcher_.collect_ended()) report_error(failure);
}

void X11Platform::Impl::report_error(const ui::Error& error) {
  std::fprintf(stderr, "tessivar: %s\n", error.what());
  if (error_messages_.add(error.what())) show_next_error();
}

void X11Platform::Impl::show_next_error() {
  error_window_.reset();
  const std::optional<std::string> text = error_messages_.next_text();
  if (!text) return;
  try {
    error_window_ = std::make_unique<ErrorWindow>(display_, visual_, atoms_, fonts_, *text,
                                                  shared_memory_, dpi_);
  } catch (const std::exception& failure) {
    // The messages are on standard error already; the application goes on without the window,
    // and the next failure tries again.
    std::fprintf(stderr, "tessivar: cannot show the message window: %s\n", failure.what());
    error_messages_ = {};
  }
}

void X11Platform::Impl::translate(XEvent& event) {
  if (event.type == MappingNotify) {
    // The user changed the keyboard layout: the keysyms Xlib holds are stale.
    XRefreshKeyboardMapping(&event.xmapping);
    return;
  }
  if (error_window_ && event.xany.window == error_window_->window()) {
    // Closing the message window shows what failed while it was up.
    if (!error_window_->handle(event)) show_next_error();
    return;
  }
  const auto found = handles_.find(event.xany.window);
  if (found == handles_.end()) return;
  const ui::WindowHandle handle = found->second;
  NativeWindow& native = windows_.at(handle);
  switch (event.type) {
    case Expose:
      native.viewable = true;
      if (native.focus_when_viewable) {
        XSetInputFocus(display_, native.xid, RevertToParent, CurrentTime);
        native.focus_when_viewable = false;
      }
      if (native.frame > 0) {
        // The frame is ours to present; the engine hears only of its client area.
        const ui::Rect exposed{event.xexpose.x, event.xexpose.y, event.xexpose.width,
                               event.xexpose.height};
        native.surface->put(native.xid, native.gc,
                            exposed.intersect(native.surface->pixels().bounds()));
      }
      queue({.kind = InputKind::Exposed,
             .window = handle,
             .area = {event.xexpose.x - native.frame, event.xexpose.y - native.frame,
                      event.xexpose.width, event.xexpose.height}});
      break;
    case ButtonPress:
    case ButtonRelease:
      if (event.xbutton.button != Button1) break;
      last_user_time_ = event.xbutton.time;
      queue({.kind = event.type == ButtonPress ? InputKind::ButtonDown : InputKind::ButtonUp,
             .window = handle,
             .at = {event.xbutton.x - native.frame, event.xbutton.y - native.frame}});
      break;
    case MotionNotify: {
      if (!(event.xmotion.state & Button1Mask)) break;
      // Only the latest place matters; older motion still queued is skipped.
      while (XCheckTypedWindowEvent(display_, native.xid, MotionNotify, &event)) {
      }
      queue({.kind = InputKind::PointerMoved,
             .window = handle,
             .at = {event.xmotion.x - native.frame, event.xmotion.y - native.frame}});
      break;
    }
    case KeyPress: translate_key_press(handle, event.xkey); break;
    case KeyRelease: {
      held_keys_.erase(event.xkey.keycode);
      const TranslatedKey key = translate_key(input_method_->lookup_release(event.xkey));
      if (key.key_code) {
        queue({.kind = InputKind::KeyUp, .window = handle, .key_code = *key.key_code,
               .shift = key.shift});
      }
      break;
    }
    case FocusIn:
      input_method_->focus_in(native.xid);
      if (!is_activation_change(event.xfocus) || focused_ == handle) break;
      focused_ = handle;
      queue({.kind = InputKind::Activated, .window = handle});
      break;
    case FocusOut:
      input_method_->focus_out(native.xid);
      // Whatever took the keyboard (another window, or a grab for the window manager's task
      // switcher), a press in progress ends with it.
      queue({.kind = InputKind::CaptureLost, .window = handle});
      if (!is_activation_change(event.xfocus) || focused_ != handle) break;
      focused_.reset();
      held_keys_.clear();
      queue({.kind = InputKind::Deactivated,
             .window = handle,
             .to_our_window = focus_moved_to_our_window()});
      break;
    case LeaveNotify:
      // Another program grabbed the pointer while the button was held here.
      if (event.xcrossing.mode == NotifyGrab) queue({.kind = InputKind::CaptureLost, .window = handle});
      break;
    case UnmapNotify:
      native.viewable = false;
      queue({.kind = InputKind::CaptureLost, .window = handle});
      break;
    case ClientMessage:
      if (event.xclient.message_type == atoms_.wm_protocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == atoms_.wm_delete_window) {
        queue({.kind = InputKind::CloseRequested, .window = handle});
      }
      if (event.xclient.message_type == atoms_.wm_protocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == atoms_.net_wm_ping) {
        // Answered at once, from the event loop: a program that answers is not hung.
        XEvent pong = event;
        pong.xclient.window = RootWindow(display_, screen_);
        XSendEvent(display_, pong.xclient.window, False,
                   SubstructureNotifyMask | SubstructureRedirectMask, &pong);
        XFlush(display_);
      }
      break;
    default: break;
  }
}

void X11Platform::Impl::translate_key_press(ui::WindowHandle handle, XKeyEvent& event) {
  last_user_time_ = event.time;
  // The input method's composed character comes with no key of its own, so it repeats nothing.
  const bool repeat = event.keycode != 0 && !held_keys_.insert(event.keycode).second;
  const TranslatedKey key = translate_key(input_method_->lookup(event));
  if (key.key_code) {
    queue({.kind = InputKind::KeyDown,
           .window = handle,
           .key_code = *key.key_code,
           .shift = key.shift,
           .repeat = repeat});
  }
  if (key.character) {
    queue({.kind = InputKind::Character, .window = handle, .character = *key.character});
  }
}

namespace {

struct FocusSearch {
  const std::map<Window, ui::WindowHandle>* ours;
  bool found;
};

Bool look_for_our_focus_in(Display*, XEvent* event, XPointer argument) {
  auto* search = reinterpret_cast<FocusSearch*>(argument);
  if (event->type == FocusIn && is_activation_change(event->xfocus) &&
      search->ours->contains(event->xfocus.window)) {
    search->found = true;
  }
  return False;  // only looking: nothing is taken from the queue
}

}  // namespace

bool X11Platform::Impl::focus_moved_to_our_window() {
  FocusSearch search{&handles_, false};
  XEvent unused;
  XCheckIfEvent(display_, &unused, look_for_our_focus_in, reinterpret_cast<XPointer>(&search));
  if (search.found) return true;
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  return handles_.contains(focus);
}

// --- X11Platform: the interface, forwarded ---

X11Platform::X11Platform() : impl_(std::make_unique<Impl>()) {}
X11Platform::~X11Platform() = default;

ui::WindowHandle X11Platform::create_window(const ui::WindowDescription& description) {
  return impl_->create_window(description);
}
void X11Platform::destroy_window(ui::WindowHandle window) { impl_->destroy_window(window); }
void X11Platform::show_window(ui::WindowHandle window) { impl_->show_window(window); }
ui::PixelView X11Platform::window_pixels(ui::WindowHandle window) {
  return impl_->window_pixels(window);
}
void X11Platform::present(ui::WindowHandle window, std::span<const ui::Rect> areas) {
  impl_->present(window, areas);
}
void X11Platform::prepare_fonts_when_idle(std::vector<ui::FontSpec> fonts) {
  impl_->prepare_fonts_when_idle(std::move(fonts));
}

ui::WaitStatus X11Platform::wait_input(std::optional<ui::Millis> deadline, Input& input) {
  return impl_->wait_input(deadline, input);
}
ui::Millis X11Platform::now() const { return Impl::monotonic_now(); }
std::string X11Platform::local_time_text() { return platform::long_time_text(local_now()); }
std::string X11Platform::local_date_text() { return platform::short_date_text(local_now()); }
int X11Platform::screen_dpi() const {
  return impl_->dpi();
}
void X11Platform::set_client_size(ui::WindowHandle window, ui::Size size) {
  impl_->set_client_size(window, size);
}
std::unique_ptr<ui::Font> X11Platform::open_font(const ui::FontSpec& spec, int dpi) {
  return impl_->open_font(spec, dpi);
}
ui::Pixel X11Platform::system_colour(int index) const { return ui::default_system_colour(index); }
std::int64_t X11Platform::launch(const ui::LaunchRequest& request) {
  return impl_->launch(request);
}
void X11Platform::report_error(const ui::Error& error) { impl_->report_error(error); }

}  // namespace tessivar::x11
