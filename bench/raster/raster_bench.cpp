// The raster work of a repaint: the full-window wallpaper copy, a tile picture, a scaled picture.
#include <benchmark/benchmark.h>

#include <cstring>

#include "ui/pixels.h"
#include "ui/raster/blit.h"

namespace tessivar::ui {
namespace {

Bitmap picture(int width, int height, std::uint8_t alpha = 0xFF) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.pixels[static_cast<std::size_t>(y) * width + x] =
          make_pixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                     static_cast<std::uint8_t>(x ^ y), alpha);
  return b;
}

void bytes_processed(benchmark::State& state, int width, int height) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * width * height *
                          static_cast<std::int64_t>(sizeof(Pixel)));
}

// The start screen's wallpaper covers its whole 1016 by 647 client area on every full repaint.
void BM_OpaqueWindowBlit(benchmark::State& state) {
  const Bitmap source = picture(1016, 647);
  Bitmap target(1016, 647, 0xFF000000u);
  for (auto _ : state) {
    draw_bitmap(target.view(), {0, 0}, source.view(), target.view().bounds());
    benchmark::ClobberMemory();
  }
  bytes_processed(state, 1016, 647);
}
BENCHMARK(BM_OpaqueWindowBlit);

// The floor for the blit above: one memcpy of the same rows, for comparison.
void BM_MemcpyBaseline(benchmark::State& state) {
  const Bitmap source = picture(1016, 647);
  Bitmap target(1016, 647, 0xFF000000u);
  for (auto _ : state) {
    std::memcpy(target.pixels.data(), source.pixels.data(), source.pixels.size() * sizeof(Pixel));
    benchmark::ClobberMemory();
  }
  bytes_processed(state, 1016, 647);
}
BENCHMARK(BM_MemcpyBaseline);

// A tile: a 72 by 72 picture, opaque (a JPEG) or translucent (an icon's alpha).
void BM_TileBlit(benchmark::State& state) {
  const Bitmap source = picture(72, 72, static_cast<std::uint8_t>(state.range(0)));
  Bitmap target(1016, 647, 0xFF000000u);
  for (auto _ : state) {
    draw_bitmap(target.view(), {300, 200}, source.view(), target.view().bounds());
    benchmark::ClobberMemory();
  }
  bytes_processed(state, 72, 72);
}
BENCHMARK(BM_TileBlit)->Arg(0xFF)->Arg(0x80);

void BM_ScaledBlit(benchmark::State& state) {
  const Bitmap source = picture(32, 32);
  Bitmap target(1016, 647, 0xFF000000u);
  for (auto _ : state) {
    draw_bitmap_scaled(target.view(), {10, 10, 121, 159}, source.view(), target.view().bounds());
    benchmark::ClobberMemory();
  }
  bytes_processed(state, 121, 159);
}
BENCHMARK(BM_ScaledBlit);

// Shrinking reads every source pixel: the wallpaper squeezed into a thumbnail.
void BM_ScaledBlitShrinking(benchmark::State& state) {
  const Bitmap source = picture(1016, 647);
  Bitmap target(1016, 647, 0xFF000000u);
  for (auto _ : state) {
    draw_bitmap_scaled(target.view(), {0, 0, 254, 162}, source.view(), target.view().bounds());
    benchmark::ClobberMemory();
  }
  bytes_processed(state, 1016, 647);
}
BENCHMARK(BM_ScaledBlitShrinking);

}  // namespace
}  // namespace tessivar::ui
