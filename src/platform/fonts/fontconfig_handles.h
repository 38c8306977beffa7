// Ownership of fontconfig objects, so that every early return releases what it made.
#pragma once

#include <fontconfig/fontconfig.h>

#include <memory>

namespace tessivar::fonts {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

struct ConfigDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

}  // namespace tessivar::fonts
