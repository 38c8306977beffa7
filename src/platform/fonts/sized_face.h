// A face at one pixel size, with every glyph it has rasterised so far: drawing a text a second
// time costs only the blending.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/fonts/face_handle.h"
#include "ui/font.h"

namespace tessivar::fonts {

// A glyph's coverage image placed relative to the pen on the baseline.
struct GlyphImage {
  int left = 0;  // pen to the image's left edge
  int top = 0;   // baseline up to the image's top edge
  int width = 0;
  int rows = 0;
  int advance = 0;         // whole pixels, so that measuring and drawing agree
  std::size_t offset = 0;  // into the face's coverage store, width * rows bytes
};

// A horizontal stroke relative to the baseline: its top edge `offset` pixels below it.
struct LineStroke {
  int offset = 0;
  int thickness = 1;
};

// Styles the chosen face lacks, faked on its outlines.
struct Synthesis {
  bool bold = false;
  bool oblique = false;
  double width_scale = 1.0;  // outlines and advances narrowed (or widened) by this factor
};

class SizedFace {
 public:
  // Null when FreeType cannot scale the face to that size.
  static std::unique_ptr<SizedFace> create(std::shared_ptr<FaceHandle> face, int pixels_per_em,
                                           Synthesis synthesis);
  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  // Zero when the face has no glyph for the character.
  unsigned glyph_index(char32_t character) const;

  // The glyph's image, rasterised on first use. A glyph FreeType cannot load draws as nothing.
  const GlyphImage& glyph(unsigned index);
  const std::uint8_t* coverage(const GlyphImage& image) const {
    return coverage_.data() + image.offset;
  }

  // The glyph's advance as the face's design gives it, scaled to this size and narrowed, in 64ths
  // of a pixel: no hinting, no emboldening (ui::Font::design_width).
  std::int64_t design_advance(unsigned index);

  // The pen adjustment between two glyphs of this face, in whole pixels.
  int kerning(unsigned left, unsigned right);

  const ui::FontMetrics& metrics() const { return metrics_; }
  LineStroke underline() const { return underline_; }
  LineStroke strikeout() const { return strikeout_; }
  const FaceLocation& location() const { return face_->location(); }

 private:
  SizedFace(std::shared_ptr<FaceHandle> face, FT_Size size, int pixels_per_em, Synthesis synthesis);
  GlyphImage rasterise(unsigned index);
  void measure_lines(int pixels_per_em);

  std::shared_ptr<FaceHandle> face_;
  FT_Size size_;  // our own size object: other fonts share the face at other sizes
  Synthesis synthesis_;
  bool has_kerning_;
  ui::FontMetrics metrics_;
  LineStroke underline_;
  LineStroke strikeout_;
  int pixels_per_em_;
  std::unordered_map<unsigned, GlyphImage> glyphs_;
  std::unordered_map<unsigned, std::int64_t> design_advances_;
  std::vector<std::uint8_t> coverage_;
};

}  // namespace tessivar::fonts
