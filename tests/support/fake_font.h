// A font whose every character is a solid block 10 pixels wide, for layout and painting tests
// whose expectations should not depend on the fonts installed.
#pragma once

#include "ui/font.h"

namespace tessivar::testing {

class BlockFont final : public ui::Font {
 public:
  static constexpr int kAdvance = 10;
  static constexpr int kAscent = 8;
  static constexpr int kDescent = 2;

  ui::FontMetrics metrics() const override { return {kAscent, kDescent, kAscent + kDescent}; }
  int measure(std::string_view utf8) const override {
    return static_cast<int>(utf8.size()) * kAdvance;
  }
  std::int64_t design_width(std::string_view utf8) const override {
    return static_cast<std::int64_t>(measure(utf8)) * 64;
  }
  // A space leaves its cell empty; any other character fills the cell's middle 6 by 8 pixels.
  void draw(ui::PixelView target, ui::Rect clip, ui::Point origin, std::string_view utf8,
            ui::Pixel colour) const override {
    clip = clip.intersect(target.bounds());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      if (utf8[i] == ' ') continue;
      const int left = origin.x + static_cast<int>(i) * kAdvance + 2;
      for (int y = origin.y - kAscent; y < origin.y; ++y) {
        for (int x = left; x < left + 6; ++x) {
          if (clip.contains({x, y})) target.at(x, y) = colour | 0xFF000000u;
        }
      }
    }
  }
};

}  // namespace tessivar::testing
