// The clock tile redraws its time every tick: after the first draw, a text costs only blending
// its cached glyphs onto the surface.
#include <benchmark/benchmark.h>

#include "platform/fonts/font_engine.h"
#include "ui/pixels.h"

namespace tessivar::fonts {
namespace {

FontEngine& engine() {
  static FontEngine shared;
  return shared;
}

void draw_warm(benchmark::State& state, double points, std::string_view text) {
  const auto font = engine().open({.face = "Segoe UI", .points = points});
  ui::Bitmap surface(200, 60, 0xFF1E5AA8);
  const ui::Rect clip = surface.view().bounds();
  font->draw(surface.view(), clip, {4, 40}, text, 0xFFFFFFFF);  // fills the glyph cache
  for (auto _ : state) {
    font->draw(surface.view(), clip, {4, 40}, text, 0xFFFFFFFF);
    benchmark::ClobberMemory();
  }
}

void BM_DrawTime(benchmark::State& state) {
  draw_warm(state, 18, "3:07:42 PM");
}
void BM_DrawDate(benchmark::State& state) {
  draw_warm(state, 9.75, "8/8/2013");
}

void BM_MeasureTime(benchmark::State& state) {
  const auto font = engine().open({.face = "Segoe UI", .points = 18});
  for (auto _ : state) benchmark::DoNotOptimize(font->measure("3:07:42 PM"));
}

// Loading a window opens one font per label; the font files stay open between them.
void BM_OpenFont(benchmark::State& state) {
  engine().open({.face = "Consolas", .points = 12});
  for (auto _ : state) benchmark::DoNotOptimize(engine().open({.face = "Consolas", .points = 12}));
}

BENCHMARK(BM_DrawTime);
BENCHMARK(BM_DrawDate);
BENCHMARK(BM_MeasureTime);
BENCHMARK(BM_OpenFont);

}  // namespace
}  // namespace tessivar::fonts
