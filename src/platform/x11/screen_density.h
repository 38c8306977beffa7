// The screen's density as X desktops set it: Xft.dpi in the X resources, which GNOME's and KDE's
// scaling settings write and which a user sets with `xrdb -merge` ("Xft.dpi: 192"). The X
// server's own millimetre figures are left alone: they are rarely true, and toolkits ignore them.
#pragma once

// Declared as Xlib declares it, so that this header brings in none of Xlib's macros.
typedef struct _XDisplay Display;

namespace tessivar::x11 {

// The density in a resource database's text (what XResourceManagerString returns): Xft.dpi
// rounded to whole dots per inch, 96 where it is missing, unreadable or beyond any screen.
int dpi_from_resources(const char* resources);

// The density of the display's screens, read once when the program starts.
int screen_dpi(Display* display);

}  // namespace tessivar::x11
