// Fonts as a window description names them, and the glyph source a backend hands the painter.
// Layout (alignment, line breaking, clipping) is the painter's; a Font only measures and draws
// one run of text on one line.
//
// A run has two widths. Its design width is what the face's own advance widths give at the
// font's size, unhinted and unrounded; lines are broken by it, so that where a caption breaks is
// the same on every backend and at every density, whatever one rasteriser does to one size. Its
// drawn width is where draw() leaves the pen, hinting and all; text is aligned by it.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/geometry.h"
#include "ui/pixels.h"

namespace tessivar::ui {

struct FontSpec {
  std::string_view face;
  double points = 8.25;  // up to four decimals, as the descriptions give them
  std::int16_t weight = 400;
  std::uint8_t charset = 0;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
  int ascent = 0;       // pixels above the baseline
  int descent = 0;      // pixels below the baseline
  int line_height = 0;  // baseline to baseline
};

class Font {
 public:
  virtual ~Font() = default;

  virtual FontMetrics metrics() const = 0;

  // Advance width in pixels of a UTF-8 run, as draw() would place it.
  virtual int measure(std::string_view utf8) const = 0;

  // The run's design width in 64ths of a pixel: the sum of its glyphs' advance widths as the
  // face's design gives them (no hinting, no kerning, no synthetic emboldening), scaled to the
  // font's pixels to the em and its narrowing.
  virtual std::int64_t design_width(std::string_view utf8) const = 0;

  // Draws a UTF-8 run anti-aliased in `colour` (alpha ignored) with its pen starting at
  // (origin.x, baseline origin.y), touching no pixel outside `clip` or outside the target.
  virtual void draw(PixelView target, Rect clip, Point origin, std::string_view utf8,
                    Pixel colour) const = 0;
};

}  // namespace tessivar::ui
