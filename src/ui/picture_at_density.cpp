#include "ui/picture_at_density.h"

#include <algorithm>
#include <cmath>

#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_region.h"
#include "ui/raster/scale_picture.h"

namespace tessivar::ui {
namespace {

// The picture pixels that `shown` window pixels read: the filter reaches a pixel past the last
// one it centres on, so one more is decoded on top of the rounding.
int source_pixels_for(int shown, int dpi, int whole) {
  const double needed = std::ceil(static_cast<double>(shown) * kStandardDpi / dpi) + 1;
  return static_cast<int>(std::clamp(needed, 1.0, static_cast<double>(whole)));
}

}  // namespace

Size picture_size_at(Size natural, int dpi) {
  return {standard_pixels(natural.width, dpi), standard_pixels(natural.height, dpi)};
}

DecodedPicture decode_picture_at(std::span<const std::uint8_t> bytes, std::string_view name,
                                 Size visible, int dpi) {
  const PictureFormat format = sniff_picture_format(bytes);
  if (format == PictureFormat::Ico) return decode_picture(bytes, name, visible);
  if (dpi == kStandardDpi) {
    if (format == PictureFormat::Jpeg) return decode_jpeg_opaque(bytes, name, visible);
    if (format == PictureFormat::Bmp) return decode_bmp_opaque(bytes, name, visible);
    return decode_picture(bytes, name, visible);  // raises the error for what is no picture
  }
  const PictureInfo info = read_picture_info(bytes, name);
  const Size whole{info.width, info.height};
  const Size drawn = picture_size_at(whole, dpi);
  const Size shown{std::clamp(visible.width, 0, drawn.width),
                   std::clamp(visible.height, 0, drawn.height)};
  if (shown.width == 0 || shown.height == 0) return {};
  // At the common densities (120, 144, 192 dpi: 10, 12 and 16 eighths) a JPEG comes out of its
  // inverse transform at the size it is drawn at, sharper and faster than scaled afterwards.
  // The transform rounds a fractional edge up where the window rounds it to the nearest: the
  // shown part is the same, and a last pixel beyond it is cut off.
  if (info.format == PictureFormat::Jpeg && (dpi * 8) % kStandardDpi == 0 &&
      dpi * 8 / kStandardDpi <= 16) {
    return decode_jpeg_opaque(bytes, name, shown, dpi * 8 / kStandardDpi);
  }
  const Bitmap decoded =
      decode_picture(bytes, name,
                     {source_pixels_for(shown.width, dpi, whole.width),
                      source_pixels_for(shown.height, dpi, whole.height)});
  return scale_picture(decoded.view(), whole, drawn, shown);
}

}  // namespace tessivar::ui
