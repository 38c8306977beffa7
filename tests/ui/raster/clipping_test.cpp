// Every primitive, under every kind of clip, writes only inside the clip and the target and
// leaves the target opaque.
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "raster_test_support.h"
#include "ui/raster/blit.h"
#include "ui/raster/edges.h"
#include "ui/raster/fill.h"
#include "ui/raster/scroll_bar_geometry.h"
#include "ui/raster/scroll_bar_painter.h"

namespace tessivar::ui {
namespace {

using testing::kBackground;

constexpr int kWidth = 24, kHeight = 20;

struct Primitive {
  std::string name;
  std::function<void(PixelView, Rect area, Rect clip)> draw;
};

Bitmap checker_source(int width, int height, std::uint8_t alpha) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.pixels[static_cast<std::size_t>(y * width + x)] =
          make_pixel(static_cast<std::uint8_t>(x * 9), static_cast<std::uint8_t>(y * 7), 0x55,
                     (x + y) % 3 == 0 ? 0 : alpha);
  return b;
}

std::vector<Primitive> primitives() {
  static const Bitmap opaque = checker_source(30, 30, 0xFF);
  static const Bitmap translucent = checker_source(30, 30, 0x80);
  static const Bitmap large = checker_source(64, 64, 0xFF);
  static const ThemeColours theme = testing::distinct_theme();
  auto scroll_bar = [](ScrollOrientation o, ScrollPart pressed) {
    return [o, pressed](PixelView t, Rect area, Rect clip) {
      draw_scroll_bar(t, area, o, scroll_bar_geometry(area, o, 0, 10, 4), pressed, clip, theme);
    };
  };
  return {
      {"fill_rect", [](PixelView t, Rect a, Rect c) { fill_rect(t, a, c, 0xFF00FF00u); }},
      {"fill_checkered",
       [](PixelView t, Rect a, Rect c) { fill_checkered(t, a, c, 0xFF000000u, 0xFFFFFFFFu); }},
      {"draw_bitmap opaque",
       [](PixelView t, Rect a, Rect c) {
         draw_bitmap(t, {a.x, a.y}, opaque.view(), c);
       }},
      {"draw_bitmap translucent",
       [](PixelView t, Rect a, Rect c) {
         draw_bitmap(t, {a.x, a.y}, translucent.view(), c);
       }},
      {"draw_bitmap_scaled growing",
       [](PixelView t, Rect a, Rect c) { draw_bitmap_scaled(t, a, translucent.view(), c); }},
      {"draw_bitmap_scaled shrinking",
       [](PixelView t, Rect a, Rect c) { draw_bitmap_scaled(t, a, large.view(), c); }},
      {"draw_sunken_edge", [](PixelView t, Rect a, Rect c) { draw_sunken_edge(t, a, c, theme); }},
      {"draw_group_box",
       [](PixelView t, Rect a, Rect c) {
         draw_group_box(t, a, {a.x + 4, a.y, 8, 13}, c, theme);
       }},
      {"horizontal scroll bar", scroll_bar(ScrollOrientation::Horizontal, ScrollPart::LineBack)},
      {"vertical scroll bar", scroll_bar(ScrollOrientation::Vertical, ScrollPart::PageForward)},
  };
}

struct ClipCase {
  std::string name;
  Rect clip;
};

const std::vector<ClipCase> kClips = {
    {"whole_target", {0, 0, kWidth, kHeight}},
    {"inside", {5, 3, 7, 6}},
    {"over_top_left", {-10, -10, 15, 12}},
    {"over_bottom_right", {20, 15, 100, 100}},
    {"wholly_outside", {100, 100, 5, 5}},
    {"empty", {5, 5, 0, 0}},
    {"negative_size", {8, 8, -3, -3}},
    {"huge", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
    {"far_edges_beyond_int", {INT_MAX - 3, 2, INT_MAX, 5}},
};

// Areas for the primitive: each must be safe; only the clip decides what may change.
const std::vector<Rect> kAreas = {
    {-3, -2, 30, 26},
    {1, 2, 20, 15},
    {-50, -50, 10, 10},
    {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    {INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX},
    {3, 4, -8, 9},
    {2, 3, 0, 0},
};

TEST(RasterClipping, NoPrimitiveWritesOutsideClipOrLeavesAlphaBelowOpaque) {
  for (const Primitive& primitive : primitives()) {
    for (const ClipCase& clip : kClips) {
      for (const Rect& area : kAreas) {
        SCOPED_TRACE(primitive.name + " clip " + clip.name + " area " + std::to_string(area.x) +
                     "," + std::to_string(area.y) + " " + std::to_string(area.width) + "x" +
                     std::to_string(area.height));
        Bitmap target = testing::surface(kWidth, kHeight);
        primitive.draw(target.view(), area, clip.clip);
        int escaped = 0, translucent = 0;
        for (int y = 0; y < kHeight; ++y) {
          for (int x = 0; x < kWidth; ++x) {
            const Pixel p = target.at(x, y);
            const bool in_clip = x >= clip.clip.x && y >= clip.clip.y &&
                                 std::int64_t{x} < std::int64_t{clip.clip.x} + clip.clip.width &&
                                 std::int64_t{y} < std::int64_t{clip.clip.y} + clip.clip.height;
            if (!in_clip && p != kBackground) ++escaped;
            if (pixel_alpha(p) != 0xFF) ++translucent;
          }
        }
        EXPECT_EQ(escaped, 0);
        EXPECT_EQ(translucent, 0);
      }
    }
  }
}

TEST(RasterClipping, DrawingInsideClipMatchesTheUnclippedDrawing) {
  // A partial repaint must give exactly the pixels a full repaint gives there, or damaged areas
  // would show seams.
  const Rect area{-3, -2, 30, 26};
  const Rect clip{5, 3, 7, 6};
  for (const Primitive& primitive : primitives()) {
    SCOPED_TRACE(primitive.name);
    Bitmap whole = testing::surface(kWidth, kHeight);
    Bitmap part = testing::surface(kWidth, kHeight);
    primitive.draw(whole.view(), area, whole.view().bounds());
    primitive.draw(part.view(), area, clip);
    for (int y = clip.y; y < clip.bottom(); ++y)
      for (int x = clip.x; x < clip.right(); ++x) ASSERT_EQ(part.at(x, y), whole.at(x, y));
  }
}

TEST(RasterClipping, NullTargetIsIgnored) {
  const Bitmap source(4, 4, 0xFFFFFFFFu);
  for (const Primitive& primitive : primitives()) {
    primitive.draw(PixelView{nullptr, 0, 10, 10}, {0, 0, 10, 10}, {0, 0, 10, 10});
  }
  Bitmap target = testing::surface(4, 4);
  draw_bitmap(target.view(), {0, 0}, ConstPixelView{nullptr, 0, 4, 4}, {0, 0, 4, 4});
  draw_bitmap_scaled(target.view(), {0, 0, 4, 4}, ConstPixelView{nullptr, 0, 4, 4}, {0, 0, 4, 4});
  draw_bitmap_scaled(target.view(), {0, 0, 4, 4}, ConstPixelView{source.pixels.data(), 4, 0, 4},
                     {0, 0, 4, 4});
  EXPECT_EQ(target.pixels, testing::surface(4, 4).pixels);
}

}  // namespace
}  // namespace tessivar::ui
