#include "tests/ui/picture/support/windows_picture_builders.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace tessivar::test {
namespace {

std::size_t stride_of(int width, int bits) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

void append_u16(Bytes& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void append_u32(Bytes& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A BITMAPINFOHEADER (or a longer one, zero-filled past its first 40 bytes).
void append_info_header(Bytes& bytes, int header_size, int width, int height, int bits,
                        std::uint32_t colours_used) {
  const std::size_t start = bytes.size();
  append_u32(bytes, static_cast<std::uint32_t>(header_size));
  append_u32(bytes, static_cast<std::uint32_t>(width));
  append_u32(bytes, static_cast<std::uint32_t>(height));
  append_u16(bytes, 1);  // planes
  append_u16(bytes, static_cast<std::uint16_t>(bits));
  append_u32(bytes, 0);     // BI_RGB
  append_u32(bytes, 0);     // image size, may be 0 when uncompressed
  append_u32(bytes, 2835);  // 72 dots per inch, which plays no part
  append_u32(bytes, 2835);
  append_u32(bytes, colours_used);
  append_u32(bytes, 0);  // important colours
  bytes.resize(start + static_cast<std::size_t>(header_size), 0);
}

bool transparent(ui::Pixel p) {
  return ui::pixel_alpha(p) == 0;
}

Bytes png_stream(const ui::Bitmap& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, picture.pixels.data(), 0, nullptr)) {
    throw std::runtime_error(image.message);
  }
  Bytes bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.pixels.data(), 0,
                                 nullptr)) {
    throw std::runtime_error(image.message);
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace

void put_u16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes build_bmp(const ui::Bitmap& picture, const BmpLayout& layout) {
  const std::size_t stride = stride_of(picture.width, 24);
  Bytes bytes;
  bytes.push_back('B');
  bytes.push_back('M');
  append_u32(bytes, 0);  // file size, patched below
  append_u32(bytes, 0);  // reserved
  append_u32(bytes, static_cast<std::uint32_t>(14 + layout.info_header_size));
  if (layout.info_header_size == 12) {
    append_u32(bytes, 12);
    append_u16(bytes, static_cast<std::uint16_t>(picture.width));
    append_u16(bytes, static_cast<std::uint16_t>(picture.height));
    append_u16(bytes, 1);
    append_u16(bytes, 24);
  } else {
    append_info_header(bytes, layout.info_header_size, picture.width,
                       layout.top_down ? -picture.height : picture.height, 24, 0);
  }
  for (int row = 0; row < picture.height; ++row) {
    const int y = layout.top_down ? row : picture.height - 1 - row;
    const std::size_t start = bytes.size();
    for (int x = 0; x < picture.width; ++x) {
      const ui::Pixel p = picture.at(x, y);
      bytes.push_back(ui::pixel_blue(p));
      bytes.push_back(ui::pixel_green(p));
      bytes.push_back(ui::pixel_red(p));
    }
    const bool last = row == picture.height - 1;
    if (!(last && layout.trim_last_row_padding)) bytes.resize(start + stride, 0xEE);
  }
  put_u32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
  return bytes;
}

Bytes build_icon_image(const IconImage& image) {
  const ui::Bitmap& picture = image.picture;
  if (image.png) return png_stream(picture);

  const int bits = image.bits_per_pixel;
  std::vector<ui::Pixel> palette;
  if (bits <= 8) {
    for (ui::Pixel p : picture.pixels) {
      const ui::Pixel opaque = p | 0xFF000000u;
      if (!transparent(p) && std::find(palette.begin(), palette.end(), opaque) == palette.end())
        palette.push_back(opaque);
    }
    if (palette.empty()) palette.push_back(0xFF000000u);
    if (palette.size() > (1u << bits)) throw std::invalid_argument("too many colours for icon");
  }

  Bytes bytes;
  append_info_header(bytes, 40, picture.width, 2 * picture.height, bits,
                     static_cast<std::uint32_t>(palette.size()));
  for (ui::Pixel p : palette) append_u32(bytes, p & 0x00FFFFFFu);

  const std::size_t colour_stride = stride_of(picture.width, bits);
  for (int y = picture.height - 1; y >= 0; --y) {
    Bytes row(colour_stride, 0);
    for (int x = 0; x < picture.width; ++x) {
      const ui::Pixel p = picture.at(x, y);
      const auto index = static_cast<std::uint8_t>(
          transparent(p)
              ? 0
              : std::find(palette.begin(), palette.end(), p | 0xFF000000u) - palette.begin());
      switch (bits) {
        case 1:
          row[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
          break;
        case 4:
          row[x / 2] |= static_cast<std::uint8_t>(index << (x % 2 == 0 ? 4 : 0));
          break;
        case 8:
          row[x] = index;
          break;
        case 24:
        case 32: {
          const std::size_t at = static_cast<std::size_t>(x) * (bits / 8);
          row[at] = ui::pixel_blue(p);
          row[at + 1] = ui::pixel_green(p);
          row[at + 2] = ui::pixel_red(p);
          if (bits == 32) row[at + 3] = image.empty_alpha ? 0 : ui::pixel_alpha(p);
          break;
        }
        default:
          throw std::invalid_argument("unsupported icon depth");
      }
    }
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  if (!image.omit_mask) {
    const std::size_t mask_stride = stride_of(picture.width, 1);
    for (int y = picture.height - 1; y >= 0; --y) {
      Bytes row(mask_stride, 0);
      for (int x = 0; x < picture.width; ++x) {
        if (transparent(picture.at(x, y))) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      bytes.insert(bytes.end(), row.begin(), row.end());
    }
  }
  return bytes;
}

Bytes build_ico(const std::vector<IconImage>& images) {
  Bytes bytes;
  append_u16(bytes, 0);
  append_u16(bytes, 1);
  append_u16(bytes, static_cast<std::uint16_t>(images.size()));
  std::vector<Bytes> streams;
  for (const IconImage& image : images) streams.push_back(build_icon_image(image));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const IconImage& image = images[i];
    // Sizes of 256 are written as 0, as the format has it.
    bytes.push_back(static_cast<std::uint8_t>(image.picture.width));
    bytes.push_back(static_cast<std::uint8_t>(image.picture.height));
    bytes.push_back(image.bits_per_pixel < 8 ? static_cast<std::uint8_t>(1u << image.bits_per_pixel)
                                             : 0);
    bytes.push_back(0);
    append_u16(bytes, 1);
    append_u16(bytes, static_cast<std::uint16_t>(image.bits_per_pixel));
    append_u32(bytes, static_cast<std::uint32_t>(streams[i].size()));
    append_u32(bytes, offset);
    offset += static_cast<std::uint32_t>(streams[i].size());
  }
  for (const Bytes& stream : streams) bytes.insert(bytes.end(), stream.begin(), stream.end());
  return bytes;
}

ui::Bitmap expected_icon_pixels(const IconImage& image) {
  ui::Bitmap expected = image.picture;
  const bool keeps_alpha = image.png || (image.bits_per_pixel == 32 && !image.empty_alpha);
  if (keeps_alpha) return expected;
  for (ui::Pixel& p : expected.pixels) p = transparent(p) ? 0 : (p | 0xFF000000u);
  return expected;
}

}  // namespace tessivar::test
