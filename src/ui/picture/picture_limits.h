// How large a picture we agree to decode. Pictures are fixed build data, so a file beyond these
// sizes is corrupt or hostile, and refusing it early keeps a bad header from costing gigabytes.
#pragma once

#include <cstdint>

namespace tessivar::ui {

// Either side of a JPEG or bitmap.
inline constexpr int kMaxPictureSide = 16384;

// Either side of one icon image. Directory entries stop at 256; PNG-compressed images may be
// larger, but an icon image of more than 4096 pixels across is no icon anyone draws.
inline constexpr int kMaxIconSide = 4096;

}  // namespace tessivar::ui
