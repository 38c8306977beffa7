// Converting the start screen's whole 1016 by 647 client area from the engine's pixels into the
// formats of other displays, as a full repaint on such a display does before presenting.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/x11/pixel_converter.h"

namespace tessivar::x11 {
namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 647;

ui::Bitmap frame() {
  ui::Bitmap b(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      b.pixels[static_cast<std::size_t>(y) * kWidth + x] =
          ui::make_pixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                         static_cast<std::uint8_t>(x ^ y));
    }
  }
  return b;
}

void convert_frame(benchmark::State& state, std::uint32_t red, std::uint32_t green,
                   std::uint32_t blue, int bits_per_pixel) {
  const ui::Bitmap source = frame();
  const PixelConverter converter(
      *server_pixel_format(red, green, blue, bits_per_pixel, host_byte_order()));
  const int pitch = kWidth * bits_per_pixel / 8;
  std::vector<std::byte> image(static_cast<std::size_t>(pitch) * kHeight);
  for (auto _ : state) {
    converter.convert(source.view(), {0, 0, kWidth, kHeight}, image.data(), pitch);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kWidth * kHeight);
}

void BM_ConvertFrameTo565(benchmark::State& state) {
  convert_frame(state, 0xF800, 0x07E0, 0x001F, 16);
}
BENCHMARK(BM_ConvertFrameTo565)->Unit(benchmark::kMicrosecond);

void BM_ConvertFrameTo555(benchmark::State& state) {
  convert_frame(state, 0x7C00, 0x03E0, 0x001F, 16);
}
BENCHMARK(BM_ConvertFrameTo555)->Unit(benchmark::kMicrosecond);

void BM_ConvertFrameTo2101010(benchmark::State& state) {
  convert_frame(state, 0x3FF00000, 0x000FFC00, 0x000003FF, 32);
}
BENCHMARK(BM_ConvertFrameTo2101010)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessivar::x11
