// The filter taps that scale one axis of a picture: for each destination pixel, which source
// pixels it is made of and with what weights.
#pragma once

#include <vector>

namespace tessivar::ui {

struct ResampleTaps {
  struct Span {
    int first_source = 0;  // index of the first source pixel that contributes
    int count = 0;         // contributing source pixels, consecutive from first_source
    int first_weight = 0;  // index of this span's first weight in `weights`
  };
  std::vector<Span> spans;  // one per destination pixel asked for
  std::vector<float> weights;
};

// Taps for destination pixels [visible_begin, visible_end) of an axis `destination_length`
// pixels long made from `source_length` source pixels: area averaging when the axis shrinks,
// bilinear (pixel centres aligned, edges held) when it grows or keeps its size. Weights of each
// span sum to one. Both lengths must be positive.
ResampleTaps resample_taps(int source_length, int destination_length, int visible_begin,
                           int visible_end);

}  // namespace tessivar::ui
