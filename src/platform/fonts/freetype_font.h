// A font drawn with FreeType: the chosen face at the requested size, plus faces borrowed for
// characters it lacks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/fonts/face_choice.h"
#include "platform/fonts/font_context.h"
#include "platform/fonts/sized_face.h"
#include "ui/font.h"

namespace tessivar::fonts {

struct TextDecorations {
  bool underline = false;
  bool strikeout = false;
};

class FreeTypeFont final : public ui::Font {
 public:
  // `request` orders the faces that characters are borrowed from and tells which styles they
  // must fake.
  FreeTypeFont(std::shared_ptr<FontContext> context, FaceRequest request,
               std::unique_ptr<SizedFace> chosen_face, int pixels_per_em,
               TextDecorations decorations);

  ui::FontMetrics metrics() const override;
  int measure(std::string_view utf8) const override;
  std::int64_t design_width(std::string_view utf8) const override;
  void draw(ui::PixelView target, ui::Rect clip, ui::Point origin, std::string_view utf8,
            ui::Pixel colour) const override;

 private:
  // Where a character's glyph comes from: a face of `faces_` and a glyph in it.
  struct GlyphSource {
    std::uint16_t face = 0;
    std::uint32_t index = 0;
    bool known = false;  // looked up already
    bool drawn = true;   // false: a control or invisible formatting character, no ink, no width
  };

  const GlyphSource& source_for(char32_t character) const;
  GlyphSource find_source(char32_t character) const;
  std::optional<std::uint16_t> borrowed_face(const FaceLocation& location) const;

  // Runs the pen through the text, handing each glyph and its pen position to `place`; returns
  // the pen's final advance.
  template <typename Place>
  int lay_out(std::string_view utf8, Place&& place) const;

  // Holds the FreeType library and fontconfig for as long as this font lives; declared first
  // so that it is released last.
  std::shared_ptr<FontContext> context_;
  FaceRequest request_;
  int pixels_per_em_;
  TextDecorations decorations_;

  // Caches filled while measuring and drawing. [0] is the chosen face; borrowed faces follow.
  mutable std::vector<std::unique_ptr<SizedFace>> faces_;
  mutable std::array<GlyphSource, 128> ascii_sources_{};
  mutable std::unordered_map<char32_t, GlyphSource> other_sources_;
};

}  // namespace tessivar::fonts
