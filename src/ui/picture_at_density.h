// A window's pictures at its density, decoded once when it loads, at the size they are drawn at.
// At 96 dpi a picture is drawn at its own size; at another density at its pixels x dpi / 96 (each
// edge rounded as a twips edge is), so that a tile's picture still fills its tile and a window
// shows the same top-left part of a picture larger than itself.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/decoded_picture.h"
#include "ui/geometry.h"

namespace tessivar::ui {

// The size a picture of `natural` pixels is drawn at.
Size picture_size_at(Size natural, int dpi);

// The part of the picture that can ever be visible, `visible` being in the window's pixels, at
// the window's density. Only the part of the file that this needs is decoded. An icon picks its
// image for the size in the window's own pixels, as the system picks icons for a density, and is
// shown at that image's size. A JPEG or bitmap drawn at its own pixels is kept without alpha; a
// bitmap's own rows are used where they lie, so `bytes` must outlive the picture.
DecodedPicture decode_picture_at(std::span<const std::uint8_t> bytes, std::string_view name, Size visible,
                         int dpi);

}  // namespace tessivar::ui
