#include "platform/fonts/fallback_faces.h"

#include "platform/fonts/face_matcher.h"

namespace tessivar::fonts {

namespace {

bool is_usable(FcPattern* pattern) {
  FcBool flag = FcFalse;
  // Bitmap-only faces cannot be drawn at our sizes, and colour (emoji) faces carry no outlines
  // for grayscale rendering.
  if (FcPatternGetBool(pattern, FC_SCALABLE, 0, &flag) == FcResultMatch && !flag) return false;
  if (FcPatternGetBool(pattern, FC_COLOR, 0, &flag) == FcResultMatch && flag) return false;
  return true;
}

}  // namespace

FallbackFaces::FallbackFaces(FcConfig* config, const FaceRequest& request) {
  PatternPtr pattern = configured_pattern(config, request);
  if (!pattern) return;
  FcResult result = FcResultNoMatch;
  // Trimmed: a face that adds no character to those before it would never be chosen.
  FontSetPtr sorted(FcFontSort(config, pattern.get(), FcTrue, nullptr, &result));
  if (!sorted) return;
  for (int i = 0; i < sorted->nfont; ++i) {
    FcPattern* font = sorted->fonts[i];
    FcCharSet* charset = nullptr;
    if (!is_usable(font) || FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) {
      continue;
    }
    auto location = location_of(font);
    if (!location) continue;
    candidates_.push_back({std::move(*location), FcCharSetCopy(charset)});
  }
}

FallbackFaces::~FallbackFaces() {
  for (Candidate& candidate : candidates_) FcCharSetDestroy(candidate.charset);
}

std::vector<FaceLocation> FallbackFaces::all() const {
  std::vector<FaceLocation> locations;
  locations.reserve(candidates_.size());
  for (const Candidate& candidate : candidates_) locations.push_back(candidate.location);
  return locations;
}

}  // namespace tessivar::fonts
