#include "platform/win32/gdi_font.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <numeric>

#include "platform/win32/utf16.h"
#include "platform/win32/window_surface.h"
#include "ui/errors.h"

namespace tessivar::win32 {

namespace {

COLORREF colour_ref(ui::Pixel colour) {
  return RGB(ui::pixel_red(colour), ui::pixel_green(colour), ui::pixel_blue(colour));
}

}  // namespace

int gdi_font_height(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / 72.0));
}

LOGFONTW logical_font(const ui::FontSpec& spec, std::wstring_view face, int weight, int dpi) {
  LOGFONTW font{};
  font.lfHeight = gdi_font_height(spec.points, dpi);
  font.lfWeight = weight;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfStrikeOut = spec.strikeout;
  font.lfCharSet = spec.charset;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
  return font;
}

// The width GDI is asked for to draw `font` `scale` times as wide as it is drawn by itself: its
// average character width at its natural width, scaled. 0 (natural) where that cannot be read.
LONG narrowed_width(const LOGFONTW& font, double scale) {
  HFONT natural = CreateFontIndirectW(&font);
  HDC dc = CreateCompatibleDC(nullptr);
  LONG width = 0;
  if (natural && dc) {
    HGDIOBJ old = SelectObject(dc, natural);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics) && metrics.tmAveCharWidth > 0) {
      width = std::max<LONG>(1, std::lround(metrics.tmAveCharWidth * scale));
    }
    SelectObject(dc, old);
  }
  if (dc) DeleteDC(dc);
  if (natural) DeleteObject(natural);
  return width;
}

GdiFont::GdiFont(const ui::FontSpec& spec, const GdiFace& face, int dpi)
    : substitute_(face.substitute) {
  as_named_ = logical_font(spec, to_utf16(spec.face), spec.weight, dpi);
  as_named_weight_ = spec.weight;
  LOGFONTW chosen = logical_font(spec, face.name, face.weight, dpi);
  if (face.width_scale != 1.0) chosen.lfWidth = narrowed_width(chosen, face.width_scale);
  font_ = CreateFontIndirectW(&chosen);
  dc_ = CreateCompatibleDC(nullptr);
  if (!font_ || !dc_) {
    if (font_) DeleteObject(font_);
    if (dc_) DeleteDC(dc_);
    throw ui::PlatformError("Cannot make the font \"" + std::string(spec.face) + "\"");
  }
  old_font_ = SelectObject(dc_, font_);
  TEXTMETRICW text_metrics{};
  GetTextMetricsW(dc_, &text_metrics);
  metrics_.ascent = text_metrics.tmAscent;
  metrics_.descent = text_metrics.tmDescent;
  metrics_.line_height = text_metrics.tmHeight;
  // Glyphs may reach past their advance (italics, smoothing): the area drawn is widened by this.
  overhang_ = std::max<int>(text_metrics.tmOverhang, 2) + text_metrics.tmMaxCharWidth / 4;
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  // Narrowed through lfWidth, the drawn glyphs are only as narrow as a whole average width
  // allows; the design widths are narrowed by the factor itself, as on Linux.
  design_ = design_widths_of(font_, chosen, face.design_weight, face.width_scale);
}

GdiFont::DesignWidths GdiFont::design_widths_of(HFONT drawn, LOGFONTW logical, int design_weight,
                                                double width_scale) const {
  DesignWidths design;
  SelectObject(dc_, drawn);
  OUTLINETEXTMETRICW outline{};
  outline.otmSize = sizeof outline;
  if (GetOutlineTextMetricsW(dc_, sizeof outline, &outline) == 0 || outline.otmEMSquare == 0) {
    return design;
  }
  const int pixels_per_em = -logical.lfHeight;
  logical.lfHeight = -static_cast<LONG>(outline.otmEMSquare);
  logical.lfWidth = 0;
  logical.lfWeight = design_weight;
  design.font = CreateFontIndirectW(&logical);
  design.scale = pixels_per_em * 64.0 * width_scale / outline.otmEMSquare;
  return design;
}

GdiFont::~GdiFont() {
  if (scratch_) {
    SelectObject(dc_, old_bitmap_);
    DeleteObject(scratch_);
  }
  SelectObject(dc_, old_font_);
  DeleteDC(dc_);
  DeleteObject(font_);
  if (fallback_) DeleteObject(fallback_);
  if (design_.font) DeleteObject(design_.font);
  if (fallback_design_.font) DeleteObject(fallback_design_.font);
}

std::wstring GdiFont::selected_face() const {
  SelectObject(dc_, font_);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc_, LF_FACESIZE, face);
  return face;
}

bool GdiFont::covers(const std::wstring& text) const {
  std::wstring glyphs(text.size(), L'\0');
  const DWORD done =
      GetGlyphIndicesW(dc_, text.c_str(), static_cast<int>(text.size()),
                       reinterpret_cast<WORD*>(glyphs.data()), GGI_MARK_NONEXISTING_GLYPHS);
  if (done == GDI_ERROR) return false;
  return glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
}

GdiFont::Choice GdiFont::choose_for(const std::wstring& text) const {
  SelectObject(dc_, font_);
  if (!substitute_ || covers(text)) return {font_, &design_};
  if (!fallback_) {
    fallback_ = CreateFontIndirectW(&as_named_);
    if (!fallback_) return {font_, &design_};
    fallback_design_ = design_widths_of(fallback_, as_named_, as_named_weight_, 1.0);
  }
  SelectObject(dc_, fallback_);
  return {fallback_, &fallback_design_};
}

namespace {

int extent_of(HDC dc, const wchar_t* text, int count) {
  SIZE extent{};
  return GetTextExtentPoint32W(dc, text, count, &extent) ? extent.cx : 0;
}

}  // namespace

std::vector<std::int64_t> GdiFont::design_advances(const std::wstring& text,
                                                   const Choice& choice) const {
  DesignWidths& design = *choice.design;
  if (!design.font) return {};
  std::vector<std::int64_t> advances(text.size(), 0);
  SelectObject(dc_, design.font);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1])) {
      advances[i] = std::llround(extent_of(dc_, &text[i], 2) * design.scale);
      ++i;
      continue;
    }
    auto [known, inserted] = design.units.try_emplace(text[i], 0);
    if (inserted) known->second = extent_of(dc_, &text[i], 1);
    advances[i] = std::llround(known->second * design.scale);
  }
  SelectObject(dc_, choice.drawn);
  return advances;
}

std::vector<INT> GdiFont::pen_steps(const std::wstring& text, const Choice& choice) const {
  const std::vector<std::int64_t> advances = design_advances(text, choice);
  std::vector<INT> steps(advances.size());
  std::int64_t pen = 0;
  int placed = 0;  // whole pixels, the design pen rounded
  for (std::size_t i = 0; i < advances.size(); ++i) {
    pen += advances[i];
    const int next = static_cast<int>((pen + 32) >> 6);
    steps[i] = next - placed;
    placed = next;
  }
  return steps;
}

std::int64_t GdiFont::design_total(const std::wstring& text, const Choice& choice) const {
  if (!choice.design->font) {
    return std::int64_t{extent_of(dc_, text.c_str(), static_cast<int>(text.size()))} * 64;
  }
  std::int64_t width = 0;
  for (const std::int64_t advance : design_advances(text, choice)) width += advance;
  return width;
}

int GdiFont::measure(std::string_view utf8) const {
  const std::wstring text = to_utf16(utf8);
  if (text.empty() || text.size() > INT_MAX) return 0;
  return static_cast<int>((design_total(text, choose_for(text)) + 32) >> 6);
}

std::int64_t GdiFont::design_width(std::string_view utf8) const {
  const std::wstring text = to_utf16(utf8);
  if (text.empty() || text.size() > INT_MAX) return 0;
  return design_total(text, choose_for(text));
}

bool GdiFont::ensure_scratch(ui::Size size) const {
  if (scratch_ && scratch_size_.width >= size.width && scratch_size_.height >= size.height) {
    return true;
  }
  const ui::Size grown{std::max(size.width, scratch_size_.width),
                       std::max(size.height, scratch_size_.height)};
  ui::Pixel* bits = nullptr;
  HBITMAP bitmap = create_pixel_bitmap(grown, bits);
  if (!bitmap) return false;
  if (scratch_) {
    SelectObject(dc_, bitmap);
    DeleteObject(scratch_);
  } else {
    old_bitmap_ = SelectObject(dc_, bitmap);
  }
  scratch_ = bitmap;
  scratch_bits_ = bits;
  scratch_size_ = grown;
  return true;
}

// GDI draws only into its own bitmaps, and the target may be any pixel memory: the part of the
// target the text can touch is copied into a scratch bitmap, the text drawn there over it with a
// transparent background, and the part copied back. GDI clears the alpha byte of the pixels it
// writes; the target's own alpha is put back.
void GdiFont::draw(ui::PixelView target, ui::Rect clip, ui::Point origin, std::string_view utf8,
                   ui::Pixel colour) const {
  const std::wstring text = to_utf16(utf8);
  if (text.empty() || text.size() > INT_MAX) return;
  const Choice choice = choose_for(text);
  const std::vector<INT> steps = pen_steps(text, choice);
  const int width = steps.empty() ? extent_of(dc_, text.c_str(), static_cast<int>(text.size()))
                                  : std::accumulate(steps.begin(), steps.end(), 0);
  const ui::Rect reach{origin.x - overhang_, origin.y - metrics_.ascent, width + 2 * overhang_,
                       metrics_.line_height};
  const ui::Rect area = clip.intersect(target.bounds()).intersect(reach);
  if (area.empty() || !ensure_scratch({area.width, area.height})) return;

  const int pitch = scratch_size_.width;
  for (int y = 0; y < area.height; ++y) {
    std::copy_n(target.row(area.y + y) + area.x, area.width, scratch_bits_ + y * pitch);
  }
  SetTextColor(dc_, colour_ref(colour));
  const RECT bounds{0, 0, area.width, area.height};
  ExtTextOutW(dc_, origin.x - area.x, origin.y - area.y, ETO_CLIPPED, &bounds, text.c_str(),
              static_cast<UINT>(text.size()), steps.empty() ? nullptr : steps.data());
  GdiFlush();
  for (int y = 0; y < area.height; ++y) {
    ui::Pixel* out = target.row(area.y + y) + area.x;
    const ui::Pixel* drawn = scratch_bits_ + y * pitch;
    for (int x = 0; x < area.width; ++x) out[x] = (drawn[x] & 0x00FFFFFF) | (out[x] & 0xFF000000);
  }
}

}  // namespace tessivar::win32
