#include "platform/win32/gdi_font.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>

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

void GdiFont::select_for(const std::wstring& text) const {
  SelectObject(dc_, font_);
  if (!substitute_ || covers(text)) return;
  if (!fallback_) fallback_ = CreateFontIndirectW(&as_named_);
  if (fallback_) SelectObject(dc_, fallback_);
}

int GdiFont::measure(std::string_view utf8) const {
  const std::wstring text = to_utf16(utf8);
  if (text.empty() || text.size() > INT_MAX) return 0;
  select_for(text);
  SIZE extent{};
  if (!GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent)) return 0;
  return extent.cx;
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
  select_for(text);
  SIZE extent{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
  const ui::Rect reach{origin.x - overhang_, origin.y - metrics_.ascent,
                       static_cast<int>(extent.cx) + 2 * overhang_, metrics_.line_height};
  const ui::Rect area = clip.intersect(target.bounds()).intersect(reach);
  if (area.empty() || !ensure_scratch({area.width, area.height})) return;

  const int pitch = scratch_size_.width;
  for (int y = 0; y < area.height; ++y) {
    std::copy_n(target.row(area.y + y) + area.x, area.width, scratch_bits_ + y * pitch);
  }
  SetTextColor(dc_, colour_ref(colour));
  const RECT bounds{0, 0, area.width, area.height};
  ExtTextOutW(dc_, origin.x - area.x, origin.y - area.y, ETO_CLIPPED, &bounds, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
  GdiFlush();
  for (int y = 0; y < area.height; ++y) {
    ui::Pixel* out = target.row(area.y + y) + area.x;
    const ui::Pixel* drawn = scratch_bits_ + y * pitch;
    for (int x = 0; x < area.width; ++x) out[x] = (drawn[x] & 0x00FFFFFF) | (out[x] & 0xFF000000);
  }
}

}  // namespace tessivar::win32
