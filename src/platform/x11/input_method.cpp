#include "platform/x11/input_method.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <cwchar>

#include "platform/fonts/utf8.h"

namespace tessivar::x11 {
namespace {

XIM open_input_method(Display* display) {
  // The user's input method first (XMODIFIERS, as desktops set it); if that is not running,
  // Xlib's built-in one, which still composes dead keys by the locale's compose table.
  if (XSetLocaleModifiers("") != nullptr) {
    if (XIM method = XOpenIM(display, nullptr, nullptr, nullptr)) return method;
  }
  if (XSetLocaleModifiers("@im=none") != nullptr) {
    return XOpenIM(display, nullptr, nullptr, nullptr);
  }
  return nullptr;
}

// XLookupString writes the locale's encoding; the engine reads UTF-8.
std::string utf8_from_locale(const char* bytes, int length) {
  std::string text;
  std::mbstate_t state{};
  const char* at = bytes;
  const char* end = bytes + length;
  while (at < end) {
    wchar_t wide = 0;
    const std::size_t used = std::mbrtowc(&wide, at, static_cast<std::size_t>(end - at), &state);
    if (used == 0 || used > static_cast<std::size_t>(end - at)) break;  // invalid or cut short
    at += used;
    fonts::append_utf8(text, static_cast<char32_t>(wide));
  }
  return text;
}

}  // namespace

InputMethod::InputMethod(Display* display) : display_(display) {
  alt_graph_mask_ = XkbKeysymToModifiers(display, XK_ISO_Level3_Shift);
}

InputMethod::~InputMethod() {
  for (const auto& [window, context] : contexts_) XDestroyIC(context);
  if (method_ != nullptr) XCloseIM(method_);
}

void InputMethod::open_for_key_press() {
  if (opened_) return;
  opened_ = true;
  method_ = open_input_method(display_);
  if (method_ == nullptr) return;
  for (const Window window : windows_) make_context(window);
}

void InputMethod::add_window(Window window) {
  windows_.insert(window);
  if (method_ != nullptr) make_context(window);
}

void InputMethod::make_context(Window window) {
  XIC context = XCreateIC(method_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                          XNClientWindow, window, XNFocusWindow, window, nullptr);
  if (context == nullptr) return;
  contexts_[window] = context;
  long events = 0;
  if (XGetICValues(context, XNFilterEvents, &events, nullptr) != nullptr) events = 0;
  XWindowAttributes attributes;
  if (events != 0 && XGetWindowAttributes(display_, window, &attributes)) {
    XSelectInput(display_, window, attributes.your_event_mask | events);
  }
  if (window == focused_) XSetICFocus(context);
}

void InputMethod::remove_window(Window window) {
  windows_.erase(window);
  if (focused_ == window) focused_ = None;
  const auto it = contexts_.find(window);
  if (it == contexts_.end()) return;
  XDestroyIC(it->second);
  contexts_.erase(it);
}

XIC InputMethod::context_of(Window window) const {
  const auto it = contexts_.find(window);
  return it == contexts_.end() ? nullptr : it->second;
}

void InputMethod::focus_in(Window window) {
  focused_ = window;
  if (XIC context = context_of(window)) XSetICFocus(context);
}

void InputMethod::focus_out(Window window) {
  if (focused_ == window) focused_ = None;
  if (XIC context = context_of(window)) XUnsetICFocus(context);
}

KeyLookup InputMethod::keys_of(const XKeyEvent& event) const {
  KeyLookup lookup;
  lookup.state = event.state;
  lookup.alt_graph_mask = alt_graph_mask_;
  // The input method hands the character it composed after a dead key in an event of its own,
  // with no key behind it.
  lookup.composed = event.keycode == 0;
  if (lookup.composed) return lookup;
  const int group = XkbGroupForCoreState(event.state);
  for (std::size_t level = 0; level < lookup.level_keysyms.size(); ++level) {
    lookup.level_keysyms[level] = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(event.keycode),
                                                     group, static_cast<int>(level));
  }
  return lookup;
}

KeyLookup InputMethod::lookup(XKeyEvent& event) const {
  KeyLookup lookup = keys_of(event);
  // What the layout prints with Ctrl and Alt up: the engine's rule decides what they make of it.
  XKeyEvent plain = event;
  plain.state &= ~static_cast<unsigned>(ControlMask | Mod1Mask);
  char bytes[64];
  KeySym keysym = NoSymbol;
  if (XIC context = context_of(event.window)) {
    Status status = 0;
    const int length = Xutf8LookupString(context, &plain, bytes, sizeof bytes, &keysym, &status);
    if ((status == XLookupChars || status == XLookupBoth) && length > 0) {
      lookup.text.assign(bytes, static_cast<std::size_t>(length));
    }
  } else {
    const int length = XLookupString(&plain, bytes, sizeof bytes, &keysym, nullptr);
    lookup.text = utf8_from_locale(bytes, length);
  }
  lookup.keysym = keysym;
  return lookup;
}

KeyLookup InputMethod::lookup_release(XKeyEvent& event) const {
  KeyLookup lookup = keys_of(event);
  KeySym keysym = NoSymbol;
  char unused[8];
  XLookupString(&event, unused, sizeof unused, &keysym, nullptr);
  lookup.keysym = keysym;
  return lookup;
}

}  // namespace tessivar::x11
