// Turns the engine's 0xAARRGGBB pixels into a server's pixel format, for displays whose visual
// is not the engine's own layout (16-bit 565 and 555, 30-bit 2:10:10:10, other channel orders).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/x11/server_pixel_format.h"
#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::x11 {

class PixelConverter {
 public:
  explicit PixelConverter(const ServerPixelFormat& format);

  // The server's value for one engine pixel, before it is laid out in bytes. Each 8-bit channel
  // is scaled to the nearest level of the server's channel; alpha is dropped.
  std::uint32_t value_of(ui::Pixel pixel) const {
    return red_[ui::pixel_red(pixel)] | green_[ui::pixel_green(pixel)] |
           blue_[ui::pixel_blue(pixel)];
  }

  // Writes `area` (inside `source`) to the same place in `target`, whose rows are `target_pitch`
  // bytes apart, in the format's pixel size and byte order.
  void convert(ui::ConstPixelView source, ui::Rect area, std::byte* target,
               std::ptrdiff_t target_pitch) const;

 private:
  ServerPixelFormat format_;
  // Each channel's 256 possible values, already scaled and moved to their place in the pixel.
  std::array<std::uint32_t, 256> red_{};
  std::array<std::uint32_t, 256> green_{};
  std::array<std::uint32_t, 256> blue_{};
};

}  // namespace tessivar::x11
