// Windows bitmap files: 24 bits per pixel, uncompressed, rows bottom-up or top-down.

#include <cstdlib>
#include <string>

#include "ui/picture/bmp_header.h"
#include "ui/picture/byte_reader.h"
#include "ui/picture/dib_layout.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_limits.h"
#include "ui/picture/picture_region.h"

namespace tessivar::ui {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the OS/2-era header with 16-bit sizes
constexpr std::uint32_t kBiRgb = 0;

std::string compression_name(std::uint32_t compression) {
  switch (compression) {
    case 1:
      return "RLE8 (1)";
    case 2:
      return "RLE4 (2)";
    case 3:
      return "BITFIELDS (3)";
    case 4:
      return "JPEG (4)";
    case 5:
      return "PNG (5)";
    case 6:
      return "ALPHABITFIELDS (6)";
    default:
      return std::to_string(compression);
  }
}

bool is_known_info_header_size(std::uint32_t size) {
  // BITMAPINFOHEADER, its two Adobe extensions, BITMAPV4HEADER and BITMAPV5HEADER.
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

}  // namespace

BmpHeader read_bmp_header(const ByteReader& file) {
  if (file.size() < 2 || file.u8(0, "signature") != 'B' || file.u8(1, "signature") != 'M') {
    file.fail("not a Windows bitmap: the file does not start with \"BM\"");
  }
  const std::uint32_t pixel_offset = file.u32le(10, "bitmap file header");
  const std::uint32_t info_size = file.u32le(kFileHeaderSize, "bitmap info header size");

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bits_per_pixel = 0;
  std::uint32_t compression = kBiRgb;
  if (info_size == kCoreHeaderSize) {
    file.require(kFileHeaderSize, info_size, "bitmap core header");
    width = file.u16le(kFileHeaderSize + 4, "bitmap core header");
    height = file.u16le(kFileHeaderSize + 6, "bitmap core header");
    bits_per_pixel = file.u16le(kFileHeaderSize + 10, "bitmap core header");
  } else if (is_known_info_header_size(info_size)) {
    file.require(kFileHeaderSize, info_size, "bitmap info header");
    width = file.i32le(kFileHeaderSize + 4, "bitmap info header");
    height = file.i32le(kFileHeaderSize + 8, "bitmap info header");
    bits_per_pixel = file.u16le(kFileHeaderSize + 14, "bitmap info header");
    compression = file.u32le(kFileHeaderSize + 16, "bitmap info header");
  } else {
    file.fail("unsupported bitmap header of " + std::to_string(info_size) +
              " bytes (expected 12, 40, 52, 56, 108 or 124)");
  }

  if (compression != kBiRgb) {
    file.fail("compression " + compression_name(compression) +
              " is not supported; only uncompressed (BI_RGB) bitmaps are");
  }
  if (bits_per_pixel != 24) {
    file.fail(std::to_string(bits_per_pixel) +
              " bits per pixel is not supported; only 24-bit bitmaps are");
  }
  // A negative height marks a top-down bitmap; its magnitude is the number of rows.
  const bool top_down = height < 0;
  const std::int64_t rows = std::llabs(height);
  if (width <= 0 || rows == 0) {
    file.fail("bad size " + std::to_string(width) + "x" + std::to_string(height));
  }
  if (width > kMaxPictureSide || rows > kMaxPictureSide) {
    file.fail("size " + std::to_string(width) + "x" + std::to_string(rows) + " is larger than " +
              std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPictureSide));
  }
  if (pixel_offset < kFileHeaderSize + info_size) {
    file.fail("the pixel data offset " + std::to_string(pixel_offset) + " points into the headers");
  }
  // The whole pixel array must be there, not only the visible rows, so that a truncated file
  // is refused whatever part of it is shown.
  file.require(pixel_offset,
               dib_pixel_bytes(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(rows),
                               bits_per_pixel),
               "pixel data");

  return {static_cast<int>(width), static_cast<int>(rows), static_cast<int>(bits_per_pixel),
          top_down, pixel_offset};
}

namespace {

// The stored row that is picture row `y` (rows are kept bottom-up unless the height is negative).
const std::uint8_t* stored_row(std::span<const std::uint8_t> bytes, const BmpHeader& header,
                               int y) {
  const std::uint64_t stride = dib_row_stride(static_cast<std::uint64_t>(header.width), 24);
  const int row = header.top_down ? y : header.height - 1 - y;
  return bytes.data() + header.pixel_offset + stride * static_cast<std::uint64_t>(row);
}

}  // namespace

Bitmap decode_bmp(std::span<const std::uint8_t> bytes, std::string_view name, Size visible) {
  const ByteReader file(bytes, name);
  const BmpHeader header = read_bmp_header(file);
  const Size out = visible_region(header.width, header.height, visible);
  Bitmap bitmap(out.width, out.height);

  for (int y = 0; y < out.height; ++y) {
    const std::uint8_t* source = stored_row(bytes, header, y);
    Pixel* target = bitmap.pixels.data() + static_cast<std::size_t>(y) * out.width;
    for (int x = 0; x < out.width; ++x, source += 3) {
      target[x] = make_pixel(source[2], source[1], source[0]);  // stored blue, green, red
    }
  }
  return bitmap;
}

OpaqueBitmap decode_bmp_opaque(std::span<const std::uint8_t> bytes, std::string_view name,
                               Size visible) {
  const ByteReader file(bytes, name);
  const BmpHeader header = read_bmp_header(file);
  const Size out = visible_region(header.width, header.height, visible);
  if (out.width == 0 || out.height == 0) return {};
  // Stored blue, green, red, each row as it is kept: the file's own rows are the picture, and
  // nothing is copied. Bottom-up rows are walked backwards.
  const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(
      dib_row_stride(static_cast<std::uint64_t>(header.width), 24));
  return OpaqueBitmap::viewing(stored_row(bytes, header, 0), header.top_down ? stride : -stride,
                               out.width, out.height);
}

}  // namespace tessivar::ui
