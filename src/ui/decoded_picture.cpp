#include "ui/decoded_picture.h"

#include <utility>

#include "ui/raster/blit.h"

namespace tessivar::ui {

bool DecodedPicture::empty() const {
  return std::visit([](const auto& pixels) { return pixels.empty(); }, pixels_);
}

Size DecodedPicture::size() const {
  if (empty()) return {};
  return std::visit([](const auto& pixels) { return Size{pixels.width, pixels.height}; }, pixels_);
}

Pixel DecodedPicture::at(int x, int y) const {
  return std::visit([x, y](const auto& pixels) { return pixels.at(x, y); }, pixels_);
}

void DecodedPicture::draw(PixelView target, Point at, Rect clip) const {
  if (const auto* opaque = std::get_if<OpaqueBitmap>(&pixels_)) {
    draw_opaque_bitmap(target, at, *opaque, clip);
  } else {
    draw_bitmap(target, at, std::get<Bitmap>(pixels_).view(), clip);
  }
}

void DecodedPicture::draw_scaled(PixelView target, Rect destination, Rect clip) const {
  if (const auto* with_alpha = std::get_if<Bitmap>(&pixels_)) {
    draw_bitmap_scaled(target, destination, with_alpha->view(), clip);
    return;
  }
  // Windows keep a stretched picture with alpha, so this is only a fallback: the filter reads
  // Pixels, and an opaque picture is widened to them for the one draw.
  const OpaqueBitmap& opaque = std::get<OpaqueBitmap>(pixels_);
  if (opaque.empty()) return;
  Bitmap widened(opaque.width, opaque.height);
  draw_opaque_bitmap(widened.view(), {0, 0}, opaque, widened.view().bounds());
  draw_bitmap_scaled(target, destination, std::as_const(widened).view(), clip);
}

}  // namespace tessivar::ui
