#include "platform/fonts/coverage_blend.h"

namespace tessivar::fonts {

namespace {

constexpr ui::Pixel kOpaque = 0xFF000000u;

// x / 255 rounded to nearest, exact for every x up to 255 * 255.
constexpr std::uint32_t divide_by_255(std::uint32_t x) {
  x += 128;
  return (x + (x >> 8)) >> 8;
}

constexpr std::uint32_t mix(std::uint32_t source, std::uint32_t destination,
                            std::uint32_t coverage) {
  return divide_by_255(source * coverage + destination * (255 - coverage));
}

}  // namespace

void blend_coverage(ui::PixelView target, ui::Rect visible, ui::Point at, CoverageImage image,
                    ui::Pixel colour) {
  const ui::Rect area = visible.intersect({at.x, at.y, image.width, image.rows});
  if (area.empty()) return;

  const std::uint32_t red = ui::pixel_red(colour);
  const std::uint32_t green = ui::pixel_green(colour);
  const std::uint32_t blue = ui::pixel_blue(colour);
  const ui::Pixel solid = colour | kOpaque;

  for (int y = area.y; y < area.bottom(); ++y) {
    const std::uint8_t* coverage =
        image.data + static_cast<std::ptrdiff_t>(y - at.y) * image.width + (area.x - at.x);
    ui::Pixel* pixel = target.row(y) + area.x;
    for (int i = 0; i < area.width; ++i) {
      const std::uint32_t a = coverage[i];
      if (a == 0) continue;
      if (a == 255) {
        pixel[i] = solid;
        continue;
      }
      const ui::Pixel old = pixel[i];
      pixel[i] = kOpaque | (mix(red, ui::pixel_red(old), a) << 16) |
                 (mix(green, ui::pixel_green(old), a) << 8) | mix(blue, ui::pixel_blue(old), a);
    }
  }
}

void fill_covered(ui::PixelView target, ui::Rect visible, ui::Rect area, ui::Pixel colour) {
  const ui::Rect painted = visible.intersect(area);
  const ui::Pixel solid = colour | kOpaque;
  for (int y = painted.y; y < painted.bottom(); ++y) {
    ui::Pixel* pixel = target.row(y) + painted.x;
    for (int i = 0; i < painted.width; ++i) pixel[i] = solid;
  }
}

}  // namespace tessivar::fonts
