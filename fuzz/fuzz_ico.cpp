// libFuzzer target for the icon reader: the directory, the first images one by one, and the
// image chosen for a window icon.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "ui/picture/picture_decoder.h"

using namespace tessivar;

namespace {
// Each decode_icon_image call checks the whole directory again, so decoding all of 65535
// listed images would spend the fuzzer's time on one input.
constexpr std::size_t kImagesDecoded = 8;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::refuse_or_decode([&] {
    const std::vector<ui::IconImageInfo> images = ui::read_icon_directory(bytes, "fuzz.ico");
    fuzz::require(!images.empty());
    fuzz::require(ui::choose_icon_image(images, 32) < images.size());
    for (std::size_t i = 0; i < std::min(images.size(), kImagesDecoded); ++i) {
      fuzz::refuse_or_decode([&] {
        const ui::Bitmap bitmap = ui::decode_icon_image(bytes, "fuzz.ico", i);
        // A bitmap image is exactly the size its header gave; a PNG stream is checked by
        // libpng against its own header.
        fuzz::require(bitmap.width == images[i].width && bitmap.height == images[i].height);
        fuzz::require_well_formed(bitmap, 4096, 4096);
      });
    }
  });
  fuzz::refuse_or_decode([&] {
    fuzz::require_well_formed(ui::decode_picture(bytes, "fuzz.ico", {32, 32}), 32, 32);
  });
  return 0;
}
