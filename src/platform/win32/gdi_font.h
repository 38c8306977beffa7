// Text through GDI: the named face at its point size at the window's density, drawn with
// ExtTextOutW, so a user's font smoothing settings apply as in any other program. Each glyph is
// placed where the face's design widths put it (ui::Font::design_width), not where GDI's hinted
// widths would: hinted widths grow out of step with the density, so text laid out to fit a label
// at one density would overrun it at another.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

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
  std::int64_t design_width(std::string_view utf8) const override;
  void draw(ui::PixelView target, ui::Rect clip, ui::Point origin, std::string_view utf8,
            ui::Pixel colour) const override;

 private:
  // The scratch bitmap text is drawn into, at least `size`; false when it cannot be had.
  bool ensure_scratch(ui::Size size) const;
  // A font's design widths, read from the same face made at one pixel to the font unit, where
  // hinting has nothing left to round.
  struct DesignWidths {
    HFONT font = nullptr;  // null: not an outline font, whose drawn widths are its design
    double scale = 0;      // 64ths of a pixel a font unit, narrowing included
    std::unordered_map<wchar_t, int> units;  // by character, read once
  };
  struct Choice {
    HFONT drawn;
    DesignWidths* design;
  };

  // The font that draws every character of `text`: the stand-in where it has them all,
  // otherwise GDI's nearest font for the face as named, which reaches the system's fonts for
  // other scripts (a stand-in holds Latin-1 and the program's own texts only).
  Choice choose_for(const std::wstring& text) const;
  bool covers(const std::wstring& text) const;
  DesignWidths design_widths_of(HFONT drawn, LOGFONTW logical, int design_weight,
                                double width_scale) const;
  // Each UTF-16 unit's design advance in 64ths of a pixel (the second of a pair gets none);
  // empty for a font without outlines.
  std::vector<std::int64_t> design_advances(const std::wstring& text, const Choice& choice) const;
  // The pen's place in pixels after each unit, rounded from the design widths: the advances
  // ExtTextOutW is given. Empty for a font without outlines.
  std::vector<INT> pen_steps(const std::wstring& text, const Choice& choice) const;
  // The design width of `text` in the chosen font, in 64ths of a pixel: a font without outlines
  // has its drawn width for its design. Rounded, it is the width drawn.
  std::int64_t design_total(const std::wstring& text, const Choice& choice) const;

  LOGFONTW as_named_{};  // what GDI is asked for when a stand-in lacks a character
  int as_named_weight_ = 0;

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  bool substitute_ = false;
  mutable HFONT fallback_ = nullptr;
  mutable DesignWidths design_;
  mutable DesignWidths fallback_design_;
  HGDIOBJ old_font_ = nullptr;
  ui::FontMetrics metrics_;
  int overhang_ = 0;
  mutable HBITMAP scratch_ = nullptr;
  mutable HGDIOBJ old_bitmap_ = nullptr;
  mutable ui::Pixel* scratch_bits_ = nullptr;
  mutable ui::Size scratch_size_;
};

}  // namespace tessivar::win32
