// Text through GDI: the named face at its point size at the window's density, measured with
// GetTextExtentPoint32W and drawn with ExtTextOutW, so a user's font smoothing settings apply as
// in any other program.
#pragma once

#include <string>

#include "platform/win32/substitute_faces.h"
#include "platform/win32/windows_headers.h"
#include "ui/font.h"

namespace tessivar::win32 {

// The character height GDI is asked for: the em size in pixels at `dpi` dots per inch, negative so
// that GDI matches the character height rather than the cell height.
int gdi_font_height(double points, int dpi);

class GdiFont final : public ui::Font {
 public:
  // `spec` drawn with `face` (SubstituteFaces::face_for). Raises ui::PlatformError when GDI
  // cannot make the font or its drawing context. GDI itself substitutes its nearest font for a
  // face that is neither installed nor one of the program's stand-ins.
  GdiFont(const ui::FontSpec& spec, const GdiFace& face, int dpi);
  ~GdiFont() override;
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;

  ui::FontMetrics metrics() const override { return metrics_; }
  // The face GDI draws this font with (GetTextFaceW), for the checks.
  std::wstring selected_face() const;
  int measure(std::string_view utf8) const override;
  void draw(ui::PixelView target, ui::Rect clip, ui::Point origin, std::string_view utf8,
            ui::Pixel colour) const override;

 private:
  // The scratch bitmap text is drawn into, at least `size`; false when it cannot be had.
  bool ensure_scratch(ui::Size size) const;
  // Selects the font that draws every character of `text`: the stand-in where it has them all,
  // otherwise GDI's nearest font for the face as named, which reaches the system's fonts for
  // other scripts (a stand-in holds Latin-1 and the program's own texts only).
  void select_for(const std::wstring& text) const;
  bool covers(const std::wstring& text) const;

  LOGFONTW as_named_{};  // what GDI is asked for when a stand-in lacks a character

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  bool substitute_ = false;
  mutable HFONT fallback_ = nullptr;
  HGDIOBJ old_font_ = nullptr;
  ui::FontMetrics metrics_;
  int overhang_ = 0;
  mutable HBITMAP scratch_ = nullptr;
  mutable HGDIOBJ old_bitmap_ = nullptr;
  mutable ui::Pixel* scratch_bits_ = nullptr;
  mutable ui::Size scratch_size_;
};

}  // namespace tessivar::win32
