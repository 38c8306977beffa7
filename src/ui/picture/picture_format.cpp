// Telling the three picture formats apart, and handing each to its reader.

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string>

#include "ui/picture/bmp_header.h"
#include "ui/picture/byte_reader.h"
#include "ui/picture/jpeg_info.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_region.h"

namespace tessivar::ui {
namespace {

bool starts_with(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

[[noreturn]] void fail_unknown(std::string_view name) {
  fail_decode(name, "not a JPEG, Windows bitmap or icon file");
}

}  // namespace

PictureFormat sniff_picture_format(std::span<const std::uint8_t> bytes) {
  if (starts_with(bytes, {0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
  if (starts_with(bytes, {'B', 'M'})) return PictureFormat::Bmp;
  if (starts_with(bytes, {0x00, 0x00, 0x01, 0x00})) return PictureFormat::Ico;
  return PictureFormat::Unknown;
}

PictureInfo read_picture_info(std::span<const std::uint8_t> bytes, std::string_view name) {
  switch (sniff_picture_format(bytes)) {
    case PictureFormat::Jpeg:
      return read_jpeg_info(bytes, name);
    case PictureFormat::Bmp: {
      const BmpHeader header = read_bmp_header(ByteReader(bytes, name));
      return {PictureFormat::Bmp, header.width, header.height, header.bits_per_pixel, false};
    }
    case PictureFormat::Ico: {
      const std::vector<IconImageInfo> images = read_icon_directory(bytes, name);
      // The largest image, the deepest among equals: the one that stands for the icon.
      const IconImageInfo& largest =
          images[choose_icon_image(images, std::numeric_limits<int>::max())];
      return {PictureFormat::Ico, largest.width, largest.height, largest.bits_per_pixel, false};
    }
    case PictureFormat::Unknown:
      break;
  }
  fail_unknown(name);
}

Bitmap decode_picture(std::span<const std::uint8_t> bytes, std::string_view name, Size visible) {
  switch (sniff_picture_format(bytes)) {
    case PictureFormat::Jpeg:
      return decode_jpeg(bytes, name, visible);
    case PictureFormat::Bmp:
      return decode_bmp(bytes, name, visible);
    case PictureFormat::Ico: {
      // The icon image that best fills the visible square, shown at its own size and clipped
      // like any other picture.
      const int desired = std::max(0, std::min(visible.width, visible.height));
      return crop_top_left(decode_icon(bytes, name, desired), visible);
    }
    case PictureFormat::Unknown:
      break;
  }
  fail_unknown(name);
}

}  // namespace tessivar::ui
