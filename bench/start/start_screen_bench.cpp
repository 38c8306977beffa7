// The start screen's costs, all measured in one run: its Load with the pictures decoded and the
// first full paint (at 96 and 192 dpi) against libjpeg-turbo alone decoding the same pictures
// whole; a full repaint; one clock tick; one scroll step.
//
// The allocator works as in the Linux program: what is freed is kept for reuse until it is handed
// back. A load and a decode are each measured twice, under the two ways memory can come:
//  - fresh: everything freed goes back to the system before each repeat, so each page the work
//    needs is faulted in when first written, as on the program's one real load. Page faults are
//    slow on some machines (13 us a page on a virtual machine has been seen), so this is the
//    figure that the user waits for;
//  - reused: what a repeat freed is kept, and the next costs only the work itself.
// Compare a load with the decode under the same condition; the two never mix.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <malloc.h>

#include <array>
#include <vector>

#include "assets/embedded_assets.h"
#include "forms/about/about_form.h"
#include "forms/start/start_form.h"
#include "platform/x11/unused_memory.h"
#include "support/headless_harness.h"
#include "ui/application_fonts.h"

namespace tessivar::testing {
namespace {

const ui::ApplicationSpec& start_screen_alone() {
  static const std::array forms = {forms::start::start_form(), forms::about::about_form()};
  static const ui::ApplicationSpec spec{.title = "Tessivar 1.0", .version = {1, 0, 0},
                                        .forms = forms, .startup_form = "Pellomark"};
  return spec;
}

// The loaded start screen on the headless backend, shared by the benchmarks.
HeadlessHarness& harness() {
  static HeadlessHarness h{start_screen_alone()};
  // As the program does while its splash is up: the faces are chosen before the start screen
  // loads.
  static const bool started =
      (h.platform.prepare_fonts(ui::fonts_named_in(start_screen_alone())), h.start(), h.wait(100),
       true);
  (void)started;
  return h;
}

enum class Memory { Fresh = 0, Reused = 1 };

// Which memory the next repeat of a benchmark gets; called while its timing is paused.
class MemoryCondition {
 public:
  explicit MemoryCondition(std::int64_t condition)
      : fresh_(static_cast<Memory>(condition) == Memory::Fresh) {
    x11::keep_freed_memory_for_reuse();
    malloc_trim(0);
  }
  void before_repeat() const {
    if (fresh_) malloc_trim(0);
  }

 private:
  bool fresh_;
};

const char* memory_label(std::int64_t condition) {
  return static_cast<Memory>(condition) == Memory::Reused ? "reused memory" : "fresh memory";
}

// At the screen density given as the argument: 96 dpi, and 192 (200%), where the pictures are
// also scaled and four times the pixels are painted.
void BM_LoadAndFirstPaint(benchmark::State& state) {
  HeadlessHarness& h = harness();
  const MemoryCondition memory(state.range(1));
  state.SetLabel(memory_label(state.range(1)));
  h.app.unload("Pellomark");
  h.platform.set_screen_dpi(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    h.app.show("Pellomark");
    h.app.paint_pending();
    state.PauseTiming();
    h.app.unload("Pellomark");
    memory.before_repeat();
    state.ResumeTiming();
  }
  h.app.show("Pellomark");
  h.app.paint_pending();
  const ui::Size client = h.form("Pellomark").client_size();
  state.counters["client_pixels"] = static_cast<double>(client.width) * client.height;
  h.app.unload("Pellomark");
  h.platform.set_screen_dpi(ui::kStandardDpi);
  h.app.show("Pellomark");
  h.app.paint_pending();
}
BENCHMARK(BM_LoadAndFirstPaint)
    ->ArgNames({"dpi", "memory"})
    ->ArgsProduct({{96, 192}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// libjpeg-turbo alone, decoding every JPEG the start screen holds, whole, to RGB.
void decode_whole(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& rows) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  rows.resize(static_cast<std::size_t>(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rows.data();
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

void BM_LibjpegDecodeOfTheSamePictures(benchmark::State& state) {
  const MemoryCondition memory(state.range(0));
  state.SetLabel(memory_label(state.range(0)));
  std::vector<std::span<const std::uint8_t>> jpegs;
  for (const auto& asset : assets::all()) {
    const std::string_view name = asset.file_name;
    const bool start_screen = name.starts_with("tile-") || name.starts_with("start-");
    if (start_screen && name.ends_with(".jpg")) jpegs.push_back(asset.bytes);
  }
  std::vector<std::uint8_t> rows;
  for (auto _ : state) {
    for (const auto& bytes : jpegs) decode_whole(bytes, rows);
    benchmark::DoNotOptimize(rows.data());
    state.PauseTiming();
    memory.before_repeat();
    state.ResumeTiming();
  }
  state.counters["pictures"] = static_cast<double>(jpegs.size());
}
BENCHMARK(BM_LibjpegDecodeOfTheSamePictures)
    ->ArgName("memory")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_FullRepaint(benchmark::State& state) {
  HeadlessHarness& h = harness();
  ui::Form& f = h.form("Pellomark");
  for (auto _ : state) {
    f.invalidate(f.client_area());
    h.app.paint_pending();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// Two transparent labels repainted over the picture beneath them.
void BM_TwoLabelRepaint(benchmark::State& state) {
  HeadlessHarness& h = harness();
  ui::Form& f = h.form("Pellomark");
  for (auto _ : state) {
    f.invalidate(f.label("Label4").visible_rect());
    f.invalidate(f.label("Label5").visible_rect());
    h.app.paint_pending();
  }
}
BENCHMARK(BM_TwoLabelRepaint)->Unit(benchmark::kMicrosecond);

// One clock tick: both captions set (they change every tick) and repainted.
void BM_ClockTick(benchmark::State& state) {
  HeadlessHarness& h = harness();
  for (auto _ : state) {
    h.platform.spend(1000);
    h.wait(0);
  }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

// One scroll step: an arrow of the sideways bar, the canvas moved and the viewport repainted.
void BM_ScrollStep(benchmark::State& state) {
  HeadlessHarness& h = harness();
  ui::ScrollBar& bar = h.form("Pellomark").scroll_bar("HScroll1");
  int direction = 1;
  for (auto _ : state) {
    if (bar.value() == bar.max()) direction = -1;
    if (bar.value() == bar.min()) direction = 1;
    bar.step_by(direction * bar.small_change());
    h.app.paint_pending();
  }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessivar::testing

BENCHMARK_MAIN();
