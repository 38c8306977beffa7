// PNG streams in memory, through libpng's simplified interface, which catches libpng's own
// errors and reports them in the image record, so no jump crosses our frames.

#include "ui/picture/png_stream.h"

#include "ui/picture/png_image.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <string>

namespace tessivar::ui {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// ui::Pixel's bytes in memory, as in the JPEG reader: B, G, R, A on a little-endian machine.
constexpr png_uint_32 kPixelFormat =
    std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

int channels_of_color_type(std::uint8_t color_type) {
  switch (color_type) {
    case 0:
      return 1;  // grey
    case 2:
      return 3;  // RGB
    case 3:
      return 1;  // palette index
    case 4:
      return 2;  // grey and alpha
    case 6:
      return 4;  // RGBA
    default:
      return 0;
  }
}

}  // namespace

bool starts_with_png_signature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= sizeof kSignature &&
         std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin());
}

PngHeader read_png_header(const ByteReader& stream, int max_side) {
  if (!starts_with_png_signature(stream.bytes())) stream.fail("not a PNG stream");
  const std::uint32_t length = stream.u32be(8, "PNG header chunk");
  const auto type = stream.slice(12, 4, "PNG header chunk");
  if (length != 13 || !std::equal(type.begin(), type.end(), "IHDR")) {
    stream.fail("the PNG stream does not begin with its header chunk");
  }
  const std::uint32_t width = stream.u32be(16, "PNG header chunk");
  const std::uint32_t height = stream.u32be(20, "PNG header chunk");
  const std::uint8_t bit_depth = stream.u8(24, "PNG header chunk");
  const int channels = channels_of_color_type(stream.u8(25, "PNG header chunk"));
  if (width == 0 || height == 0 || channels == 0) stream.fail("bad PNG header chunk");
  const auto max = static_cast<std::uint32_t>(max_side);
  if (width > max || height > max) {
    stream.fail("PNG size " + std::to_string(width) + "x" + std::to_string(height) +
                " is larger than " + std::to_string(max) + "x" + std::to_string(max));
  }
  return {static_cast<int>(width), static_cast<int>(height), channels * bit_depth};
}

Bitmap decode_png_stream(const ByteReader& stream, int max_side) {
  // Checked by hand first, so that no size libpng has not yet vetted reaches an allocation.
  const PngHeader header = read_png_header(stream, max_side);

  PngImage image;
  png_image& png = image.get();
  if (!png_image_begin_read_from_memory(&png, stream.bytes().data(), stream.size())) {
    stream.fail(std::string("bad PNG: ") + png.message);
  }
  if (png.width != static_cast<png_uint_32>(header.width) ||
      png.height != static_cast<png_uint_32>(header.height)) {
    stream.fail("bad PNG: its size changed between readings");
  }
  png.format = kPixelFormat;
  Bitmap bitmap(header.width, header.height);
  if (!png_image_finish_read(&png, nullptr, bitmap.pixels.data(), 0, nullptr)) {
    stream.fail(std::string("bad PNG: ") + png.message);
  }
  return bitmap;
}

}  // namespace tessivar::ui
