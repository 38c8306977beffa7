// The facts a JPEG's headers give, without decoding its pixels.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {

PictureInfo read_jpeg_info(std::span<const std::uint8_t> bytes, std::string_view name);

}  // namespace tessivar::ui
