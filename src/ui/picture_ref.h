// A picture as a description holds it: the bytes of a complete JPEG, BMP or ICO file, embedded in
// the program, and a name for messages. Empty bytes mean no picture.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tessivar::ui {

struct PictureRef {
  std::span<const std::uint8_t> bytes;
  std::string_view name;

  bool empty() const { return bytes.empty(); }
};

}  // namespace tessivar::ui
