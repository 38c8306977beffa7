// The checked headers of a Windows bitmap file, shared by decoding and by reading picture facts.
#pragma once

#include <cstdint>

#include "ui/picture/byte_reader.h"

namespace tessivar::ui {

struct BmpHeader {
  int width = 0;
  int height = 0;  // rows, always positive
  int bits_per_pixel = 0;
  bool top_down = false;
  std::uint64_t pixel_offset = 0;
};

// Validates everything decoding relies on, including that every pixel row is in the file;
// raises DecodeError otherwise.
BmpHeader read_bmp_header(const ByteReader& file);

}  // namespace tessivar::ui
