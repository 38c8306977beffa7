// Text for the Linux and headless backends: fonts found through fontconfig, rasterised by
// FreeType, with the program's own stand-ins for the Windows faces its windows name.
//
// Single-threaded. A font may outlive the engine that opened it: it shares the library,
// configuration and files it needs.
#pragma once

#include <memory>
#include <optional>
#include <span>

#include "platform/fonts/face_choice.h"
#include "ui/font.h"

namespace tessivar::fonts {

class FontContext;

class FontEngine {
 public:
  // Raises ui::PlatformError when FreeType or fontconfig cannot start.
  FontEngine();
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  // The nearest font to `spec` at `dpi` dots per inch; never null. Raises ui::PlatformError
  // only when the machine has no usable font at all.
  std::unique_ptr<ui::Font> open(const ui::FontSpec& spec, int dpi = 96);

  // Chooses the faces of `specs`, the fonts the program's windows name, so that no window's load
  // waits for fontconfig, and then lets the system's font configuration go (about a megabyte). A
  // face not chosen here, or a fallback for a character, loads it again. The faces' files are
  // opened when a window needs them: kept open before then, they would only hold memory.
  void prepare(std::span<const ui::FontSpec> specs);

  // Which installed face open() starts from for `spec`, and which styles it fakes; empty when
  // fontconfig knows no font.
  std::optional<FaceChoice> choose(const ui::FontSpec& spec) const;

 private:
  std::shared_ptr<FontContext> context_;
};

// The em size in whole pixels at `dpi` dots per inch, as Windows rounds a font's height. A size
// that is not a positive number gets the default 8.25 points; a huge one is held to a size that
// can still be rasterised.
int pixels_per_em(double points, int dpi = 96);

}  // namespace tessivar::fonts
