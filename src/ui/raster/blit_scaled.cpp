#include <algorithm>
#include <vector>

#include "ui/raster/blit.h"
#include "ui/raster/clipping.h"
#include "ui/raster/premultiplied.h"
#include "ui/raster/resample_weights.h"

namespace tessivar::ui {
namespace {

// A filtered premultiplied colour over an opaque pixel.
Pixel composite(const Premultiplied& c, Pixel under) {
  const float alpha = std::clamp(c.a, 0.0f, 255.0f);
  const float keep = 1.0f - alpha * kInverse255;
  return 0xFF000000u | (to_channel(c.r + pixel_red(under) * keep) << 16) |
         (to_channel(c.g + pixel_green(under) * keep) << 8) |
         to_channel(c.b + pixel_blue(under) * keep);
}

// The visible part of one destination axis, as pixel indexes counted from the destination's
// own start.
struct AxisWindow {
  int begin = 0;
  int end = 0;
};

}  // namespace

void draw_bitmap_scaled(PixelView target, Rect destination, ConstPixelView source, Rect clip) {
  if (source.data == nullptr || source.width <= 0 || source.height <= 0) return;
  destination = saturated(destination);
  const Rect visible = intersect_wide(drawable_area(target, clip), destination);
  if (visible.empty()) return;

  const AxisWindow columns{visible.x - destination.x, visible.right() - destination.x};
  const AxisWindow rows{visible.y - destination.y, visible.bottom() - destination.y};
  const ResampleTaps across =
      resample_taps(source.width, destination.width, columns.begin, columns.end);
  const ResampleTaps down = resample_taps(source.height, destination.height, rows.begin, rows.end);

  // Only the source rows that some visible destination row reads are filtered across.
  int first_row = source.height, end_row = 0;
  for (const auto& span : down.spans) {
    if (span.count == 0) continue;
    first_row = std::min(first_row, span.first_source);
    end_row = std::max(end_row, span.first_source + span.count);
  }
  if (end_row <= first_row) return;

  // Likewise only the source columns that some visible destination column reads.
  int first_column = source.width, end_column = 0;
  for (const auto& span : across.spans) {
    if (span.count == 0) continue;
    first_column = std::min(first_column, span.first_source);
    end_column = std::max(end_column, span.first_source + span.count);
  }
  if (end_column <= first_column) return;

  const auto width = static_cast<std::size_t>(visible.width);
  std::vector<Premultiplied> filtered(static_cast<std::size_t>(end_row - first_row) * width);
  std::vector<Premultiplied> source_row(static_cast<std::size_t>(end_column - first_column));
  for (int sy = first_row; sy < end_row; ++sy) {
    const Pixel* from = source.row(sy);
    for (int sx = first_column; sx < end_column; ++sx) {
      source_row[static_cast<std::size_t>(sx - first_column)] = premultiply(from[sx]);
    }
    Premultiplied* out = &filtered[static_cast<std::size_t>(sy - first_row) * width];
    for (std::size_t x = 0; x < width; ++x) {
      const auto& span = across.spans[x];
      Premultiplied sum;
      for (int k = 0; k < span.count; ++k) {
        sum.add(source_row[static_cast<std::size_t>(span.first_source + k - first_column)],
                across.weights[static_cast<std::size_t>(span.first_weight + k)]);
      }
      out[x] = sum;
    }
  }

  // Down the columns a whole row at a time: each tap adds one filtered row, scaled, to the sum.
  std::vector<Premultiplied> sum(width);
  for (int y = 0; y < visible.height; ++y) {
    const auto& span = down.spans[static_cast<std::size_t>(y)];
    std::fill(sum.begin(), sum.end(), Premultiplied{});
    for (int k = 0; k < span.count; ++k) {
      const float w = down.weights[static_cast<std::size_t>(span.first_weight + k)];
      const Premultiplied* p =
          &filtered[static_cast<std::size_t>(span.first_source + k - first_row) * width];
      for (std::size_t x = 0; x < width; ++x) sum[x].add(p[x], w);
    }
    Pixel* to = target.row(visible.y + y) + visible.x;
    for (std::size_t x = 0; x < width; ++x) to[x] = composite(sum[x], to[x]);
  }
}

}  // namespace tessivar::ui
