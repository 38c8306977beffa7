#include "platform/x11/screen_density.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "ui/geometry.h"
// The Xlib headers come last.
#include "platform/x11/x11_display.h"
#include <X11/Xresource.h>

namespace tessivar::x11 {

int dpi_from_resources(const char* resources) {
  if (resources == nullptr) return ui::kStandardDpi;
  XrmInitialize();
  const std::unique_ptr<std::remove_pointer_t<XrmDatabase>, decltype(&XrmDestroyDatabase)>
      database(XrmGetStringDatabase(resources), XrmDestroyDatabase);
  if (!database) return ui::kStandardDpi;
  char* type = nullptr;
  XrmValue value{};
  if (!XrmGetResource(database.get(), "Xft.dpi", "Xft.Dpi", &type, &value) ||
      value.addr == nullptr) {
    return ui::kStandardDpi;
  }
  char* end = nullptr;
  const double dpi = std::strtod(value.addr, &end);
  if (end == value.addr || !std::isfinite(dpi)) return ui::kStandardDpi;
  return ui::usable_dpi(static_cast<int>(std::lround(std::clamp(dpi, 0.0, 1e6))));
}

int screen_dpi(Display* display) {
  return dpi_from_resources(XResourceManagerString(display));
}

}  // namespace tessivar::x11
