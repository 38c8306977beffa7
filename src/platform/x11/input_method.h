// The keyboard as Xlib reads it: an input method (the user's own, or Xlib's built-in one that
// composes dead keys), one input context per window, and the lookup of what a key press prints
// in the locale's terms.
#pragma once

#include <map>

#include "platform/x11/key_translation.h"
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

class InputMethod {
 public:
  // Opens the input method XMODIFIERS names, or else Xlib's built-in one. Without either, keys
  // are still read, but dead keys compose nothing.
  explicit InputMethod(Display* display);
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  // A window's input context, made before the window is mapped and ended before it is
  // destroyed. Returns the events the input method needs the window to select.
  long add_window(Window window);
  void remove_window(Window window);
  void focus_in(Window window);
  void focus_out(Window window);

  // What the key press prints; call only for events that XFilterEvent let through.
  KeyLookup lookup(XKeyEvent& event) const;
  // The same for a release, which makes no character: its text is left empty.
  KeyLookup lookup_release(XKeyEvent& event) const;

 private:
  XIC context_of(Window window) const;
  KeyLookup keys_of(const XKeyEvent& event) const;

  Display* display_;
  XIM method_ = nullptr;
  unsigned alt_graph_mask_ = 0;
  std::map<Window, XIC> contexts_;
};

}  // namespace tessivar::x11
