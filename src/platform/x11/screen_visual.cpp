#include "platform/x11/screen_visual.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/x11/server_pixel_format.h"
#include "ui/errors.h"

namespace tessivar::x11 {

namespace {

std::optional<ServerPixelFormat> format_of(const VisualOffer& offer) {
  // The byte order is the same for every visual of a display; any will do to judge the layout.
  return server_pixel_format(offer.red_mask, offer.green_mask, offer.blue_mask,
                             offer.bits_per_pixel, host_byte_order());
}

bool usable(const VisualOffer& offer) {
  return offer.visual_class == TrueColor &&
         std::popcount(offer.red_mask | offer.green_mask | offer.blue_mask) == offer.depth &&
         format_of(offer).has_value();
}

// Higher is better; see best_visual_offer.
auto rank(const VisualOffer& offer) {
  const ServerPixelFormat format = *format_of(offer);
  const bool direct = is_engine_layout(format);
  // Levels past the engine's 8 bits a channel show nothing more.
  const int usable_bits = std::min(format.red.width, 8) + std::min(format.green.width, 8) +
                          std::min(format.blue.width, 8);
  return std::tuple(direct, usable_bits, offer.is_default);
}

const char* class_name(int visual_class) {
  switch (visual_class) {
    case StaticGray: return "fixed grey-scale (StaticGray)";
    case GrayScale: return "grey-scale (GrayScale)";
    case StaticColor: return "fixed palette (StaticColor)";
    case PseudoColor: return "palette (PseudoColor)";
    case TrueColor: return "true-colour";
    case DirectColor: return "DirectColor";
    default: return "unknown";
  }
}

int bits_per_pixel_of(Display* display, int depth) {
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  int bits = 0;
  for (int i = 0; i < count; ++i) {
    if (formats[i].depth == depth) bits = formats[i].bits_per_pixel;
  }
  if (formats) XFree(formats);
  return bits;
}

}  // namespace

std::optional<std::size_t> best_visual_offer(std::span<const VisualOffer> offers) {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < offers.size(); ++i) {
    if (!usable(offers[i])) continue;
    if (!best || rank(offers[i]) > rank(offers[*best])) best = i;
  }
  return best;
}

ScreenVisual choose_screen_visual(Display* display, int screen) {
  XVisualInfo pattern{};
  pattern.screen = screen;
  int count = 0;
  const std::unique_ptr<XVisualInfo, int (*)(void*)> infos(
      XGetVisualInfo(display, VisualScreenMask, &pattern, &count), XFree);
  Visual* const default_visual = DefaultVisual(display, screen);
  std::vector<VisualOffer> offers;
  for (int i = 0; i < count && infos; ++i) {
    const XVisualInfo& info = infos.get()[i];
    offers.push_back({.visual_class = info.c_class,
                      .depth = info.depth,
                      .red_mask = static_cast<std::uint32_t>(info.red_mask),
                      .green_mask = static_cast<std::uint32_t>(info.green_mask),
                      .blue_mask = static_cast<std::uint32_t>(info.blue_mask),
                      .bits_per_pixel = bits_per_pixel_of(display, info.depth),
                      .is_default = info.visual == default_visual});
  }
  const std::optional<std::size_t> best = best_visual_offer(offers);
  if (!best) {
    throw ui::PlatformError("the X display's colour format is not supported: its screen is " +
                            std::to_string(DefaultDepth(display, screen)) + "-bit " +
                            class_name(default_visual->c_class) +
                            " and offers no true-colour visual the program can draw in; a "
                            "true-colour display is needed (15, 16, 24 or 30 bits)");
  }
  const XVisualInfo& chosen = infos.get()[*best];
  if (chosen.visual == default_visual) {
    return {chosen.visual, chosen.depth, DefaultColormap(display, screen)};
  }
  // TrueColor needs no colours allocated in it: every pixel value is its own colour.
  const Colormap colormap =
      XCreateColormap(display, RootWindow(display, screen), chosen.visual, AllocNone);
  return {chosen.visual, chosen.depth, colormap};
}

}  // namespace tessivar::x11
