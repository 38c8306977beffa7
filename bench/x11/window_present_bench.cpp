// Presenting the start screen's whole 1016 by 647 client area through the window surface the
// program makes on the display named by DISPLAY, and waiting for the server to have it, as a
// full repaint does: on a display with a 0x00RRGGBB visual the engine's pixels go as they are,
// on any other the conversion comes first. bench/x11/present_on_depths.sh runs it on private
// Xvfb screens of 24, 16 and 30 bits; without a display it reports an error and measures nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/x11/screen_visual.h"
#include "platform/x11/window_surface.h"

namespace tessivar::x11 {
namespace {

constexpr int kWidth = 1016;
constexpr int kHeight = 647;

// One connection for the whole run: the benchmark library calls each function several times,
// and Xvfb turns away, now and then, a connection made the moment another has closed.
Display* bench_display() {
  static Display* const display = XOpenDisplay(nullptr);
  return display;
}

// Argument 1: through MIT-SHM where the server offers it; 0: with XPutImage.
void BM_PresentFrame(benchmark::State& state) {
  Display* display = bench_display();
  if (!display) {
    state.SkipWithError("no X display: run it with DISPLAY set");
    return;
  }
  const int screen = DefaultScreen(display);
  const ScreenVisual visual = choose_screen_visual(display, screen);
  const bool shared = state.range(0) != 0 && XShmQueryExtension(display);
  const WindowSurface surface(display, visual.visual, visual.depth, {kWidth, kHeight}, shared);
  const ui::PixelView pixels = surface.pixels();
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      pixels.at(x, y) = ui::make_pixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                       static_cast<std::uint8_t>(x ^ y));
    }
  }
  const Pixmap target = XCreatePixmap(display, RootWindow(display, screen), kWidth, kHeight,
                                      static_cast<unsigned>(visual.depth));
  const GC gc = XCreateGC(display, target, 0, nullptr);
  for (auto _ : state) {
    surface.put(target, gc, {0, 0, kWidth, kHeight});
    XSync(display, False);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kWidth * kHeight);
  state.SetLabel(std::to_string(visual.depth) + "-bit, " +
                 (surface.converts() ? "converted" : "as painted") + ", " +
                 (surface.shared() ? "MIT-SHM" : "XPutImage"));
  XFreeGC(display, gc);
  XFreePixmap(display, target);
}
BENCHMARK(BM_PresentFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessivar::x11
