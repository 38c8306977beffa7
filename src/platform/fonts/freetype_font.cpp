#include "platform/fonts/freetype_font.h"

#include <algorithm>

#include "platform/fonts/coverage_blend.h"
#include "platform/fonts/face_matcher.h"
#include "platform/fonts/utf8.h"

namespace tessivar::fonts {

namespace {

bool is_control(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// Characters that shape or direct text but have no look of their own. When no face has them
// they are left out rather than shown as a missing-glyph box.
bool is_default_ignorable(char32_t c) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kRanges[] = {
      {0x00AD, 0x00AD},   {0x034F, 0x034F}, {0x061C, 0x061C},   {0x115F, 0x1160},
      {0x17B4, 0x17B5},   {0x180B, 0x180F}, {0x200B, 0x200F},   {0x202A, 0x202E},
      {0x2060, 0x206F},   {0x3164, 0x3164}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
      {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
      {0xE0000, 0xE0FFF},
  };
  return std::ranges::any_of(kRanges, [c](Range r) { return c >= r.first && c <= r.last; });
}

}  // namespace

FreeTypeFont::FreeTypeFont(std::shared_ptr<FontContext> context, FaceRequest request,
                           std::unique_ptr<SizedFace> chosen_face, int pixels_per_em,
                           TextDecorations decorations)
    : context_(std::move(context)),
      request_(std::move(request)),
      pixels_per_em_(pixels_per_em),
      decorations_(decorations) {
  faces_.push_back(std::move(chosen_face));
}

ui::FontMetrics FreeTypeFont::metrics() const {
  return faces_.front()->metrics();
}

const FreeTypeFont::GlyphSource& FreeTypeFont::source_for(char32_t character) const {
  if (character < ascii_sources_.size()) {
    GlyphSource& source = ascii_sources_[character];
    if (!source.known) source = find_source(character);
    return source;
  }
  auto [entry, inserted] = other_sources_.try_emplace(character);
  if (inserted) entry->second = find_source(character);
  return entry->second;
}

FreeTypeFont::GlyphSource FreeTypeFont::find_source(char32_t character) const {
  if (is_control(character)) return {.known = true, .drawn = false};
  if (const unsigned index = faces_.front()->glyph_index(character); index != 0) {
    return {.face = 0, .index = index, .known = true};
  }

  GlyphSource found{.known = true};
  bool have = false;
  context_->fallbacks_for(request_).for_each_covering(character, [&](const FaceLocation& location) {
    const auto face = borrowed_face(location);
    if (!face) return false;
    const unsigned index = faces_[*face]->glyph_index(character);
    if (index == 0) return false;  // the face's character list promised more than it has
    found.face = *face;
    found.index = index;
    have = true;
    return true;
  });
  if (have) return found;
  if (is_default_ignorable(character)) return {.known = true, .drawn = false};
  // Nothing on the machine draws it: the chosen face's missing-glyph box at least shows that
  // something is there.
  return {.face = 0, .index = 0, .known = true};
}

std::optional<std::uint16_t> FreeTypeFont::borrowed_face(const FaceLocation& location) const {
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    if (faces_[i]->location() == location) return static_cast<std::uint16_t>(i);
  }
  auto face = context_->open_face(location);
  if (!face) return std::nullopt;
  const Synthesis synthesis{needs_synthetic_bold(request_, location),
                            needs_synthetic_oblique(request_, location)};
  auto sized = SizedFace::create(std::move(face), pixels_per_em_, synthesis);
  if (!sized) return std::nullopt;
  faces_.push_back(std::move(sized));
  return static_cast<std::uint16_t>(faces_.size() - 1);
}

template <typename Place>
int FreeTypeFont::lay_out(std::string_view utf8, Place&& place) const {
  int pen = 0;
  const GlyphSource* previous = nullptr;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const GlyphSource& source = source_for(next_code_point(utf8, pos));
    if (!source.drawn) continue;
    SizedFace& face = *faces_[source.face];
    // Kerning pairs only exist within one face.
    if (previous != nullptr && previous->face == source.face) {
      pen += face.kerning(previous->index, source.index);
    }
    const GlyphImage& image = face.glyph(source.index);
    place(face, image, pen);
    pen += image.advance;
    previous = &source;
  }
  return pen;
}

int FreeTypeFont::measure(std::string_view utf8) const {
  return lay_out(utf8, [](const SizedFace&, const GlyphImage&, int) {});
}

std::int64_t FreeTypeFont::design_width(std::string_view utf8) const {
  std::int64_t width = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const GlyphSource& source = source_for(next_code_point(utf8, pos));
    if (source.drawn) width += faces_[source.face]->design_advance(source.index);
  }
  return width;
}

void FreeTypeFont::draw(ui::PixelView target, ui::Rect clip, ui::Point origin,
                        std::string_view utf8, ui::Pixel colour) const {
  const ui::Rect visible = clip.intersect(target.bounds());
  if (visible.empty() || utf8.empty()) return;

  const int advance = lay_out(utf8, [&](const SizedFace& face, const GlyphImage& image, int pen) {
    if (image.width == 0) return;
    blend_coverage(target, visible, {origin.x + pen + image.left, origin.y - image.top},
                   {face.coverage(image), image.width, image.rows}, colour);
  });

  const SizedFace& chosen = *faces_.front();
  for (const auto& [wanted, stroke] : {std::pair{decorations_.underline, chosen.underline()},
                                       std::pair{decorations_.strikeout, chosen.strikeout()}}) {
    if (!wanted) continue;
    fill_covered(target, visible, {origin.x, origin.y + stroke.offset, advance, stroke.thickness},
                 colour);
  }
}

}  // namespace tessivar::fonts
