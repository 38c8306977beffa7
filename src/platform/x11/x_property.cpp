#include "platform/x11/x_property.h"

namespace tessivar::x11 {

std::vector<unsigned long> read_format32_property(Display* display, Window window, Atom property,
                                                  Atom type) {
  Atom actual_type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display, window, property, 0, 4096, False, type, &actual_type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr && format == 32 && actual_type == type) {
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    values.assign(longs, longs + count);
  }
  if (data != nullptr) XFree(data);
  return values;
}

}  // namespace tessivar::x11
