// The keyboard as Xlib reads it: an input method (the user's own, or Xlib's built-in one that
// composes dead keys), one input context per window, and the lookup of what a key press prints
// in the locale's terms.
#pragma once

#include <map>
#include <set>

#include "platform/x11/key_translation.h"
#include "platform/x11/x11_display.h"

namespace tessivar::x11 {

class InputMethod {
 public:
  // The input method XMODIFIERS names, or else Xlib's built-in one, opened on the first key
  // press: the built-in one reads the locale's whole compose table when it opens, a third of a
  // megabyte that a launcher used only with the mouse never needs. Without either, keys are
  // still read, but dead keys compose nothing.
  explicit InputMethod(Display* display);
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  // The windows whose keys are read: each gets its input context once the method is open, with
  // the events the method needs added to those the window selects.
  void add_window(Window window);
  void remove_window(Window window);
  void focus_in(Window window);
  void focus_out(Window window);

  // Call for each key press before XFilterEvent: the first one opens the input method, whose
  // contexts then take that key like any later one.
  void open_for_key_press();

  // What the key press prints; call only for events that XFilterEvent let through.
  KeyLookup lookup(XKeyEvent& event) const;
  // The same for a release, which makes no character: its text is left empty.
  KeyLookup lookup_release(XKeyEvent& event) const;

 private:
  XIC context_of(Window window) const;
  void make_context(Window window);
  KeyLookup keys_of(const XKeyEvent& event) const;

  Display* display_;
  bool opened_ = false;
  XIM method_ = nullptr;
  unsigned alt_graph_mask_ = 0;
  std::set<Window> windows_;
  Window focused_ = None;
  std::map<Window, XIC> contexts_;
};

}  // namespace tessivar::x11
