// The part of a picture a decoder produces: the top-left corner that can ever be visible.
#pragma once

#include <algorithm>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

// The picture's own size clipped to `visible`; a negative visible size counts as none.
inline Size visible_region(int picture_width, int picture_height, Size visible) {
  return {std::clamp(visible.width, 0, picture_width),
          std::clamp(visible.height, 0, picture_height)};
}

// The top-left `visible` part of a decoded bitmap (the bitmap itself when it already fits).
Bitmap crop_top_left(Bitmap bitmap, Size visible);

// The same for columns only, moving rows down within the bitmap's own memory: a decoder that
// had to produce slightly wider rows gives up no second picture-sized buffer.
Bitmap keep_left_columns(Bitmap bitmap, int width);

}  // namespace tessivar::ui
