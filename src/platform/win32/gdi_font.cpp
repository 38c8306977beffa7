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

GdiFont::GdiFont(const ui::FontSpec& spec, int dpi) {
  std::wstring face = to_utf16(spec.face);
  if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
  font_ =
      CreateFontW(gdi_font_height(spec.points, dpi), 0, 0, 0, spec.weight, spec.italic,
                  spec.underline, spec.strikeout, spec.charset, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
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
}

int GdiFont::measure(std::string_view utf8) const {
  const std::wstring text = to_utf16(utf8);
  if (text.empty() || text.size() > INT_MAX) return 0;
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
