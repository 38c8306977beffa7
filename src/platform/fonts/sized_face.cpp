#include "platform/fonts/sized_face.h"

#include FT_ADVANCES_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tessivar::fonts {

namespace {

// Light hinting snaps only vertical features to the pixel grid: stems and x-height stay crisp at
// 13 pixels while letter shapes and spacing keep the design's proportions. Embedded bitmaps are
// skipped because some faces carry one-bit strikes that would break the anti-aliased look.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;

int round_26_6(FT_Pos value) {
  return static_cast<int>((value + 32) >> 6);
}

}  // namespace

std::unique_ptr<SizedFace> SizedFace::create(std::shared_ptr<FaceHandle> face, int pixels_per_em,
                                             Synthesis synthesis) {
  FT_Face ft_face = face->get();
  FT_Size size = nullptr;
  if (FT_New_Size(ft_face, &size) != 0) return nullptr;
  FT_Activate_Size(size);
  if (FT_Set_Pixel_Sizes(ft_face, 0, static_cast<FT_UInt>(pixels_per_em)) != 0) {
    FT_Done_Size(size);
    return nullptr;
  }
  return std::unique_ptr<SizedFace>(new SizedFace(std::move(face), size, pixels_per_em, synthesis));
}

SizedFace::SizedFace(std::shared_ptr<FaceHandle> face, FT_Size size, int pixels_per_em,
                     Synthesis synthesis)
    : face_(std::move(face)),
      size_(size),
      synthesis_(synthesis),
      has_kerning_(FT_HAS_KERNING(face_->get())),
      pixels_per_em_(pixels_per_em) {
  measure_lines(pixels_per_em);
}

SizedFace::~SizedFace() {
  FT_Done_Size(size_);
}

// Line metrics as Windows reports them: ascent and descent from the OS/2 table's Windows values,
// and a line as tall as both together, so that labels wrap and autosize to the same heights.
void SizedFace::measure_lines(int pixels_per_em) {
  FT_Face face = face_->get();
  const double units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 1000.0;
  const auto scale = [&](long units) {
    return static_cast<int>(std::lround(static_cast<double>(units) * pixels_per_em / units_per_em));
  };
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool has_os2 = os2 != nullptr && os2->version != 0xFFFF;

  if (has_os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    metrics_.ascent = scale(os2->usWinAscent);
    metrics_.descent = scale(os2->usWinDescent);
  } else {
    metrics_.ascent = scale(face->ascender);
    metrics_.descent = scale(-face->descender);
  }
  metrics_.line_height = metrics_.ascent + metrics_.descent;

  // FreeType gives the underline's centre; the stroke is drawn from its top edge.
  underline_.thickness = std::max(1, scale(face->underline_thickness));
  underline_.offset = -scale(face->underline_position) - underline_.thickness / 2;
  if (has_os2 && os2->yStrikeoutSize > 0) {
    strikeout_.thickness = std::max(1, scale(os2->yStrikeoutSize));
    strikeout_.offset = -scale(os2->yStrikeoutPosition);
  } else {
    // About half the x-height, where a strike-through reads as one.
    strikeout_.thickness = underline_.thickness;
    strikeout_.offset = -static_cast<int>(std::lround(pixels_per_em * 0.26));
  }
}

unsigned SizedFace::glyph_index(char32_t character) const {
  return FT_Get_Char_Index(face_->get(), character);
}

const GlyphImage& SizedFace::glyph(unsigned index) {
  if (auto found = glyphs_.find(index); found != glyphs_.end()) return found->second;
  return glyphs_.emplace(index, rasterise(index)).first->second;
}

GlyphImage SizedFace::rasterise(unsigned index) {
  FT_Face face = face_->get();
  FT_Activate_Size(size_);
  GlyphImage image;
  // The transform narrows the outline and its advance; it stays on the shared face only for this
  // load.
  FT_Matrix narrowing{static_cast<FT_Fixed>(std::lround(synthesis_.width_scale * 0x10000)), 0, 0,
                      0x10000};
  const bool narrowed = synthesis_.width_scale != 1.0;
  if (narrowed) FT_Set_Transform(face, &narrowing, nullptr);
  const FT_Error loaded = FT_Load_Glyph(face, index, kLoadFlags);
  if (narrowed) FT_Set_Transform(face, nullptr, nullptr);
  if (loaded != 0) return image;

  FT_GlyphSlot slot = face->glyph;
  if (synthesis_.oblique) FT_GlyphSlot_Oblique(slot);
  if (synthesis_.bold) FT_GlyphSlot_Embolden(slot);
  image.advance = round_26_6(slot->advance.x);

  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return image;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) {
    return image;  // a space, or nothing we can blend
  }

  image.left = slot->bitmap_left;
  image.top = slot->bitmap_top;
  image.width = static_cast<int>(bitmap.width);
  image.rows = static_cast<int>(bitmap.rows);
  image.offset = coverage_.size();
  coverage_.resize(image.offset + bitmap.width * bitmap.rows);

  // A negative pitch means FreeType stored the rows bottom first.
  const int stride = std::abs(bitmap.pitch);
  for (int row = 0; row < image.rows; ++row) {
    const int source_row = bitmap.pitch >= 0 ? row : image.rows - 1 - row;
    std::memcpy(coverage_.data() + image.offset + static_cast<std::size_t>(row) * bitmap.width,
                bitmap.buffer + static_cast<std::ptrdiff_t>(source_row) * stride, bitmap.width);
  }
  return image;
}

std::int64_t SizedFace::design_advance(unsigned index) {
  if (auto found = design_advances_.find(index); found != design_advances_.end()) {
    return found->second;
  }
  FT_Face face = face_->get();
  FT_Fixed units = 0;  // font units: FT_LOAD_NO_SCALE reads the metrics table as it stands
  if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &units) != 0) units = 0;
  const double units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 1000.0;
  const auto advance = static_cast<std::int64_t>(std::llround(
      static_cast<double>(units) * pixels_per_em_ * 64.0 * synthesis_.width_scale / units_per_em));
  return design_advances_.emplace(index, advance).first->second;
}

int SizedFace::kerning(unsigned left, unsigned right) {
  if (!has_kerning_) return 0;
  FT_Activate_Size(size_);
  FT_Vector delta{};
  if (FT_Get_Kerning(face_->get(), left, right, FT_KERNING_DEFAULT, &delta) != 0) return 0;
  return round_26_6(static_cast<FT_Pos>(std::lround(static_cast<double>(delta.x) * synthesis_.width_scale)));
}

}  // namespace tessivar::fonts
