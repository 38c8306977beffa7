// libFuzzer target for the Windows bitmap reader: the whole picture and a small region.

#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "ui/picture/picture_decoder.h"

using namespace tessivar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  fuzz::refuse_or_decode([&] { ui::read_picture_info(bytes, "fuzz.bmp"); });
  for (const ui::Size visible : {ui::Size{1024, 1024}, ui::Size{3, 2}}) {
    fuzz::refuse_or_decode([&] {
      const ui::Bitmap bitmap = ui::decode_bmp(bytes, "fuzz.bmp", visible);
      fuzz::require_well_formed(bitmap, visible.width, visible.height);
    });
  }
  return 0;
}
