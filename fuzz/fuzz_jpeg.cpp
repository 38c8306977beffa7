// libFuzzer target for the JPEG reader: the whole picture, and a small top-left region that
// takes the cropping path.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "ui/picture/picture_decoder.h"

using namespace tessivar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::refuse_or_decode([&] {
    const ui::PictureInfo info = ui::read_picture_info(bytes, "fuzz.jpg");
    fuzz::require(info.width > 0 && info.height > 0);
  });
  // Bounded so that a header claiming a huge picture costs the fuzzer no gigabytes.
  for (const ui::Size visible : {ui::Size{1024, 1024}, ui::Size{37, 23}}) {
    fuzz::refuse_or_decode([&] {
      const ui::Bitmap bitmap = ui::decode_jpeg(bytes, "fuzz.jpg", visible);
      fuzz::require_well_formed(bitmap, visible.width, visible.height);
      for (const ui::Pixel p : bitmap.pixels) fuzz::require(ui::pixel_alpha(p) == 0xFF);
    });
  }
  return 0;
}
