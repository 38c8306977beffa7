// libFuzzer target for the JPEG reader. Beyond memory safety it checks the promise that makes
// region decoding worth having: when both succeed, a small visible part decodes to exactly the
// top-left pixels of a larger one, whatever the picture's scans and restarts.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "fuzz/fuzz_check.h"
#include "ui/picture/picture_decoder.h"

using namespace tessivar;

namespace {

std::optional<ui::Bitmap> decode(std::span<const std::uint8_t> bytes, ui::Size visible) {
  try {
    ui::Bitmap bitmap = ui::decode_jpeg(bytes, "fuzz.jpg", visible);
    fuzz::require_well_formed(bitmap, visible.width, visible.height);
    for (const ui::Pixel p : bitmap.pixels) fuzz::require(ui::pixel_alpha(p) == 0xFF);
    return bitmap;
  } catch (const ui::DecodeError&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::refuse_or_decode([&] {
    const ui::PictureInfo info = ui::read_picture_info(bytes, "fuzz.jpg");
    fuzz::require(info.width > 0 && info.height > 0);
  });
  // Bounded so that a header claiming a huge picture costs the fuzzer no gigabytes.
  const std::optional<ui::Bitmap> large = decode(bytes, {1024, 1024});
  const std::optional<ui::Bitmap> small = decode(bytes, {37, 23});
  if (large && small) {
    fuzz::require(small->width == std::min(37, large->width));
    fuzz::require(small->height == std::min(23, large->height));
    for (int y = 0; y < small->height; ++y)
      for (int x = 0; x < small->width; ++x) fuzz::require(small->at(x, y) == large->at(x, y));
  }
  return 0;
}
