// A decoded picture's pixels as a plain Bitmap, whatever form it is kept in, so that two ways of
// decoding one file can be compared pixel for pixel.
#pragma once

#include <type_traits>

#include "ui/decoded_picture.h"
#include "ui/pixels.h"

namespace tessivar::test {

template <typename Picture>
ui::Bitmap pixels_of(const Picture& picture) {
  ui::Size size;
  if constexpr (std::is_same_v<Picture, ui::DecodedPicture>) {
    size = picture.size();
  } else if (!picture.empty()) {
    size = {picture.width, picture.height};
  }
  ui::Bitmap out(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      out.pixels[static_cast<std::size_t>(y) * size.width + x] = picture.at(x, y);
    }
  }
  return out;
}

}  // namespace tessivar::test
