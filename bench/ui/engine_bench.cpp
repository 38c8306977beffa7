// Dispatching an event to its handler, and setting a property, on the headless backend.
#include <benchmark/benchmark.h>

#include "support/headless_harness.h"
#include "ui/probe_forms.h"

namespace tessivar::testing {
namespace {

// A click on a picture: hit-testing, the press and release, and the bound handler.
void BM_DispatchClickToHandler(benchmark::State& state) {
  HeadlessHarness h{probe_application()};
  h.start();
  const ui::WindowHandle window = h.window("frmA");
  for (auto _ : state) {
    h.platform.press(window, {60, 60});
    h.platform.release(window, {60, 60});
    h.settle();
    probe_log().clear();
  }
}
BENCHMARK(BM_DispatchClickToHandler);

// A scroll bar's Value: the range check, the repaint mark and the nested Change handler.
void BM_SetValueRunningChange(benchmark::State& state) {
  HeadlessHarness h{probe_application()};
  h.start();
  ui::ScrollBar& bar = h.form("frmA").scroll_bar("hsB");
  std::int16_t v = 0;
  for (auto _ : state) {
    v = static_cast<std::int16_t>(v == 1 ? 2 : 1);
    bar.set_value(v);
    probe_log().clear();
  }
}
BENCHMARK(BM_SetValueRunningChange);

// A plain geometry property: marks the old and new places for repainting.
void BM_SetLeft(benchmark::State& state) {
  HeadlessHarness h{probe_application()};
  h.start();
  ui::Image& image = h.form("frmA").image("imgUnder");
  float left = 0;
  for (auto _ : state) {
    left = left == 0 ? 15 : 0;
    image.set_left(left);
  }
}
BENCHMARK(BM_SetLeft);

}  // namespace
}  // namespace tessivar::testing

BENCHMARK_MAIN();
