// What decoding only the visible part of the two large pictures saves. The pictures are made at
// start-up at quality 90, so the figures do not depend on the asset files: a photo-like image,
// the harder case, and a dark rendered backdrop like the real pictures.
//
// Rows above the cut are read from the compressed data across their whole width (the format
// gives no way to skip to the next row), so a baseline region decode cannot cost much less than
// the cut's share of the rows times the share of the time spent reading compressed data. A
// progressive picture must read all of its data before the first row comes out; only the
// transform and colour conversion of the hidden part are saved.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "tests/ui/picture/support/jpeg_encoder.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::ui {
namespace {

constexpr Size kEverything{1 << 20, 1 << 20};

// The start screen's wallpaper: 2560x1600 baseline, of which the client area shows 1016x647.
const std::vector<std::uint8_t>& wallpaper() {
  static const auto bytes = test::encode_jpeg(test::make_photo_like(2560, 1600), {.quality = 90});
  return bytes;
}

// The same size and cut as a rendered dark backdrop, nearer to the real wallpaper's content.
const std::vector<std::uint8_t>& dark_wallpaper() {
  static const auto bytes = test::encode_jpeg(test::make_dark_graphic(2560, 1600), {.quality = 90});
  return bytes;
}

// The canvas picture: 1680x1050 progressive, of which the canvas shows 1037x509.
const std::vector<std::uint8_t>& canvas() {
  static const auto bytes =
      test::encode_jpeg(test::make_photo_like(1680, 1050), {.quality = 90, .progressive = true});
  return bytes;
}

const std::vector<std::uint8_t>& dark_canvas() {
  static const auto bytes =
      test::encode_jpeg(test::make_dark_graphic(1680, 1050), {.quality = 90, .progressive = true});
  return bytes;
}

void decode(benchmark::State& state, const std::vector<std::uint8_t>& file, Size visible) {
  for (auto _ : state) {
    Bitmap bitmap = decode_jpeg(file, "bench.jpg", visible);
    benchmark::DoNotOptimize(bitmap.pixels.data());
  }
  state.counters["file_KiB"] = static_cast<double>(file.size()) / 1024.0;
}

void BM_WallpaperBaselineWhole(benchmark::State& state) {
  decode(state, wallpaper(), kEverything);
}
void BM_WallpaperBaselineVisible(benchmark::State& state) {
  decode(state, wallpaper(), {1016, 647});
}
void BM_DarkWallpaperBaselineWhole(benchmark::State& state) {
  decode(state, dark_wallpaper(), kEverything);
}
void BM_DarkWallpaperBaselineVisible(benchmark::State& state) {
  decode(state, dark_wallpaper(), {1016, 647});
}
void BM_CanvasProgressiveWhole(benchmark::State& state) {
  decode(state, canvas(), kEverything);
}
void BM_CanvasProgressiveVisible(benchmark::State& state) {
  decode(state, canvas(), {1037, 509});
}
void BM_DarkCanvasProgressiveWhole(benchmark::State& state) {
  decode(state, dark_canvas(), kEverything);
}
void BM_DarkCanvasProgressiveVisible(benchmark::State& state) {
  decode(state, dark_canvas(), {1037, 509});
}

BENCHMARK(BM_WallpaperBaselineWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WallpaperBaselineVisible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DarkWallpaperBaselineWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DarkWallpaperBaselineVisible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasProgressiveWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasProgressiveVisible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DarkCanvasProgressiveWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DarkCanvasProgressiveVisible)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessivar::ui
