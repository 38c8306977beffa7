#include "ui/raster/resample_weights.h"

#include <algorithm>
#include <cmath>

namespace tessivar::ui {
namespace {

// A shrinking axis: destination pixel i covers source interval [i * scale, (i + 1) * scale) and
// takes each source pixel in proportion to how much of that interval it covers.
void add_area_average(ResampleTaps& taps, int source_length, double scale, int i) {
  const double lo = i * scale, hi = (i + 1) * scale;
  const int first = std::clamp(static_cast<int>(std::floor(lo)), 0, source_length - 1);
  const int last = std::clamp(static_cast<int>(std::ceil(hi)) - 1, first, source_length - 1);
  ResampleTaps::Span span{first, 0, static_cast<int>(taps.weights.size())};
  for (int j = first; j <= last; ++j) {
    const double covered = std::min(hi, j + 1.0) - std::max(lo, double(j));
    if (covered <= 0) continue;
    if (span.count == 0) span.first_source = j;
    taps.weights.push_back(static_cast<float>(covered / scale));
    ++span.count;
  }
  taps.spans.push_back(span);
}

// A growing axis: destination pixel centres mapped onto source pixel centres, the two nearest
// source pixels mixed linearly, and the outermost half pixels holding the edge colour.
void add_bilinear(ResampleTaps& taps, int source_length, double scale, int i) {
  const double position = std::clamp((i + 0.5) * scale - 0.5, 0.0, source_length - 1.0);
  const int left = static_cast<int>(position);
  const double fraction = position - left;
  const int first_weight = static_cast<int>(taps.weights.size());
  if (left + 1 < source_length && fraction > 0) {
    taps.weights.push_back(static_cast<float>(1.0 - fraction));
    taps.weights.push_back(static_cast<float>(fraction));
    taps.spans.push_back({left, 2, first_weight});
  } else {
    taps.weights.push_back(1.0f);
    taps.spans.push_back({left, 1, first_weight});
  }
}

}  // namespace

ResampleTaps resample_taps(int source_length, int destination_length, int visible_begin,
                           int visible_end) {
  ResampleTaps taps;
  if (source_length <= 0 || destination_length <= 0 || visible_end <= visible_begin) return taps;
  const double scale = static_cast<double>(source_length) / destination_length;
  const bool shrinking = destination_length < source_length;
  taps.spans.reserve(static_cast<std::size_t>(visible_end - visible_begin));
  for (int i = visible_begin; i < visible_end; ++i) {
    if (shrinking) {
      add_area_average(taps, source_length, scale, i);
    } else {
      add_bilinear(taps, source_length, scale, i);
    }
  }
  return taps;
}

}  // namespace tessivar::ui
