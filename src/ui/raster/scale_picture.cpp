#include "ui/raster/scale_picture.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "ui/raster/premultiplied.h"
#include "ui/raster/resample_weights.h"

namespace tessivar::ui {

Bitmap scale_picture(ConstPixelView source, Size whole_source, Size whole_destination,
                     Size visible) {
  const int width = std::min(visible.width, whole_destination.width);
  const int height = std::min(visible.height, whole_destination.height);
  if (source.data == nullptr || source.width <= 0 || source.height <= 0 || width <= 0 ||
      height <= 0 || whole_source.width <= 0 || whole_source.height <= 0) {
    return {};
  }
  const ResampleTaps across = resample_taps(whole_source.width, whole_destination.width, 0, width);
  const ResampleTaps down = resample_taps(whole_source.height, whole_destination.height, 0, height);
  const auto row_width = static_cast<std::size_t>(width);

  // Source rows filtered across, kept while a later destination row may still read them: the
  // rows each destination row reads only move down.
  std::deque<std::vector<Premultiplied>> filtered;
  int first_filtered = 0;
  const auto filter_row = [&](int sy) {
    const Pixel* from = source.row(std::min(sy, source.height - 1));
    std::vector<Premultiplied> out(row_width);
    for (std::size_t x = 0; x < row_width; ++x) {
      const auto& span = across.spans[x];
      for (int k = 0; k < span.count; ++k) {
        const int sx = std::min(span.first_source + k, source.width - 1);
        out[x].add(premultiply(from[sx]),
                   across.weights[static_cast<std::size_t>(span.first_weight + k)]);
      }
    }
    return out;
  };

  Bitmap result(width, height);
  std::vector<Premultiplied> sum(row_width);
  for (int y = 0; y < height; ++y) {
    const auto& span = down.spans[static_cast<std::size_t>(y)];
    while (!filtered.empty() && first_filtered < span.first_source) {
      filtered.pop_front();
      ++first_filtered;
    }
    if (filtered.empty()) first_filtered = span.first_source;
    while (first_filtered + static_cast<int>(filtered.size()) < span.first_source + span.count) {
      filtered.push_back(filter_row(first_filtered + static_cast<int>(filtered.size())));
    }
    std::fill(sum.begin(), sum.end(), Premultiplied{});
    for (int k = 0; k < span.count; ++k) {
      const float w = down.weights[static_cast<std::size_t>(span.first_weight + k)];
      const std::vector<Premultiplied>& row =
          filtered[static_cast<std::size_t>(span.first_source + k - first_filtered)];
      for (std::size_t x = 0; x < row_width; ++x) sum[x].add(row[x], w);
    }
    Pixel* to = result.view().row(y);
    for (std::size_t x = 0; x < row_width; ++x) to[x] = unpremultiply(sum[x]);
  }
  return result;
}

}  // namespace tessivar::ui
