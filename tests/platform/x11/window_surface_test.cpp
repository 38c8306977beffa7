// A window surface on the X display named by DISPLAY: what the server holds after a rectangle is
// presented, read back pixel by pixel, through MIT-SHM and through XPutImage. It needs a
// display, so it is not among the unit tests: tests/e2e/window_surface_on_depths.sh runs it on
// private Xvfb screens of each depth.
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>

// The Xlib headers come last: their macros (None) collide with GoogleTest's names.
#include "platform/x11/screen_visual.h"
#include "platform/x11/window_surface.h"

namespace tessivar::x11 {
namespace {

// round(c * (2^width - 1) / 255) at the channel's place: the rule, from the mask alone.
std::uint32_t channel_value(std::uint8_t c, unsigned long mask) {
  const int shift = std::countr_zero(mask);
  const std::uint32_t top = static_cast<std::uint32_t>(mask >> shift);
  return static_cast<std::uint32_t>((c * top * 2 + 255) / 510) << shift;
}

std::uint32_t server_value(ui::Pixel p, const Visual& visual) {
  return channel_value(ui::pixel_red(p), visual.red_mask) |
         channel_value(ui::pixel_green(p), visual.green_mask) |
         channel_value(ui::pixel_blue(p), visual.blue_mask);
}

// One connection for the whole run: Xvfb turns away, now and then, a connection made the moment
// another has closed (connect fails with EAGAIN), so the first is tried a few times.
Display* test_display() {
  static Display* const display = [] {
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (Display* d = XOpenDisplay(nullptr)) return d;
      usleep(50'000);
    }
    return static_cast<Display*>(nullptr);
  }();
  return display;
}

class SurfaceOnDisplay : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    display_ = test_display();
    if (!display_) GTEST_SKIP() << "no X display";
    visual_ = choose_screen_visual(display_, DefaultScreen(display_));
  }
  Display* display_ = nullptr;
  ScreenVisual visual_;
};

TEST_P(SurfaceOnDisplay, ThePresentedRectangleReachesTheServerAsItsOwnValues) {
  const bool shared = GetParam();
  if (shared && !XShmQueryExtension(display_)) GTEST_SKIP() << "the server has no MIT-SHM";
  constexpr int kWidth = 7, kHeight = 3;
  const WindowSurface surface(display_, visual_.visual, visual_.depth, {kWidth, kHeight}, shared);
  EXPECT_EQ(surface.shared(), shared);
  // The engine paints into the server's image itself only where the layouts are the same.
  const Visual& v = *visual_.visual;
  const bool engine_layout = v.red_mask == 0xFF0000 && v.green_mask == 0xFF00 &&
                             v.blue_mask == 0xFF && visual_.depth == 24;
  EXPECT_EQ(surface.converts(), !engine_layout);

  const ui::Pixel colours[] = {0xFFFFFFFF, 0xFF808080, 0xFFFF8000, 0xFF123456, 0xFF0000FF};
  const ui::PixelView pixels = surface.pixels();
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels.at(x, y) = colours[(x + y * kWidth) % 5];
  }
  const Window root = RootWindow(display_, DefaultScreen(display_));
  const Pixmap target =
      XCreatePixmap(display_, root, kWidth, kHeight, static_cast<unsigned>(visual_.depth));
  const GC gc = XCreateGC(display_, target, 0, nullptr);
  XSetForeground(display_, gc, 0);
  XFillRectangle(display_, target, gc, 0, 0, kWidth, kHeight);
  const ui::Rect area{1, 1, 5, 2};
  surface.put(target, gc, area);
  XSync(display_, False);

  XImage* const back = XGetImage(display_, target, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
  ASSERT_TRUE(back);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const unsigned long expected = area.contains({x, y}) ? server_value(pixels.at(x, y), v) : 0;
      EXPECT_EQ(XGetPixel(back, x, y), expected) << "at " << x << "," << y;
    }
  }
  XDestroyImage(back);
  XFreeGC(display_, gc);
  XFreePixmap(display_, target);
}

INSTANTIATE_TEST_SUITE_P(Transports, SurfaceOnDisplay, testing::Values(true, false),
                         [](const auto& info) {
                           return std::string(info.param ? "shared_memory" : "put_image");
                         });

}  // namespace
}  // namespace tessivar::x11
