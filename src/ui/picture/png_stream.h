// PNG streams held in memory: the images that newer icons store compressed.
#pragma once

#include <cstdint>
#include <span>

#include "ui/picture/byte_reader.h"
#include "ui/pixels.h"

namespace tessivar::ui {

struct PngHeader {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;  // bit depth times channels, as stored
};

bool starts_with_png_signature(std::span<const std::uint8_t> bytes);

// Reads the signature and the IHDR chunk by hand, without libpng, and checks the size against
// `max_side`.
PngHeader read_png_header(const ByteReader& stream, int max_side);

// Decodes the whole stream to straight-alpha pixels; damage anywhere raises DecodeError.
Bitmap decode_png_stream(const ByteReader& stream, int max_side);

}  // namespace tessivar::ui
