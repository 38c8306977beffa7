// What every fuzz target checks besides memory safety: a reader either refuses the bytes with
// DecodeError or returns a bitmap that keeps its promises. Any other exception escapes and
// counts as a crash.
#pragma once

#include <cstdlib>

#include "ui/errors.h"
#include "ui/pixels.h"

namespace tessivar::fuzz {

// Aborts, so that libFuzzer records the input, when `condition` is false.
inline void require(bool condition) {
  if (!condition) std::abort();
}

// Runs `decode`; a DecodeError is a correct answer to bad bytes.
template <typename Decode>
void refuse_or_decode(Decode&& decode) {
  try {
    decode();
  } catch (const ui::DecodeError&) {
  }
}

inline void require_well_formed(const ui::Bitmap& bitmap, int max_width, int max_height) {
  require(bitmap.width >= 0 && bitmap.height >= 0);
  require(bitmap.width <= max_width && bitmap.height <= max_height);
  require(bitmap.pixels.size() ==
          static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height));
}

}  // namespace tessivar::fuzz
