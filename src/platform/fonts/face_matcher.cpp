#include "platform/fonts/face_matcher.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "platform/fonts/substitutes.h"

namespace tessivar::fonts {

namespace {

const FcChar8* fc_text(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

std::string string_value(FcPattern* pattern, const char* object, int n = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || value == nullptr) {
    return {};
  }
  return reinterpret_cast<const char*>(value);
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// A file can carry several family names ("Open Sans", "Open Sans Light"); any of them counts.
bool has_family(FcPattern* pattern, std::string_view family) {
  FcChar8* value = nullptr;
  for (int n = 0; FcPatternGetString(pattern, FC_FAMILY, n, &value) == FcResultMatch; ++n) {
    if (equal_ignoring_case(reinterpret_cast<const char*>(value), family)) return true;
  }
  return false;
}

int fc_weight_of(int opentype_weight) {
  return FcWeightFromOpenType(opentype_weight);
}

PatternPtr match(FcConfig* config, const FaceRequest& request) {
  PatternPtr pattern = configured_pattern(config, request);
  if (!pattern) return nullptr;
  FcResult result = FcResultNoMatch;
  return PatternPtr(FcFontMatch(config, pattern.get(), &result));
}

std::optional<FaceChoice> choice_from(const FaceRequest& request, FcPattern* matched) {
  auto location = location_of(matched);
  if (!location) return std::nullopt;
  FaceChoice choice;
  choice.request = request;
  choice.location = *location;
  choice.family = string_value(matched, FC_FAMILY);
  choice.style = string_value(matched, FC_STYLE);
  choice.synthetic_bold = needs_synthetic_bold(request, *location);
  choice.synthetic_oblique = needs_synthetic_oblique(request, *location);
  return choice;
}

}  // namespace

PatternPtr configured_pattern(FcConfig* config, const FaceRequest& request) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  // An empty family is left out so that fontconfig's default (sans-serif) applies.
  if (!request.family.empty())
    FcPatternAddString(pattern.get(), FC_FAMILY, fc_text(request.family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.weight);
  FcPatternAddInteger(pattern.get(), FC_SLANT, request.slant);
  // Only outline fonts scale to every size a window names and render anti-aliased.
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) return nullptr;
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

std::optional<FaceLocation> location_of(FcPattern* pattern) {
  FaceLocation location;
  location.file = string_value(pattern, FC_FILE);
  if (location.file.empty()) return std::nullopt;
  if (FcPatternGetInteger(pattern, FC_INDEX, 0, &location.index) != FcResultMatch) {
    location.index = 0;
  }
  // A variable font gives a range here; reading it as regular upright only costs a synthetic
  // style that the font could have done itself.
  if (FcPatternGetInteger(pattern, FC_WEIGHT, 0, &location.weight) != FcResultMatch) {
    location.weight = FC_WEIGHT_REGULAR;
  }
  if (FcPatternGetInteger(pattern, FC_SLANT, 0, &location.slant) != FcResultMatch) {
    location.slant = FC_SLANT_ROMAN;
  }
  FcBool embolden = FcFalse;
  location.configured_bold =
      FcPatternGetBool(pattern, FC_EMBOLDEN, 0, &embolden) == FcResultMatch && embolden;
  FcMatrix* matrix = nullptr;
  location.configured_oblique =
      FcPatternGetMatrix(pattern, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix->xy != 0;
  return location;
}

bool needs_synthetic_bold(const FaceRequest& request, const FaceLocation& found) {
  return found.configured_bold ||
         (request.weight >= FC_WEIGHT_DEMIBOLD && found.weight < FC_WEIGHT_DEMIBOLD);
}

bool needs_synthetic_oblique(const FaceRequest& request, const FaceLocation& found) {
  return found.configured_oblique ||
         (request.slant != FC_SLANT_ROMAN && found.slant == FC_SLANT_ROMAN);
}

FaceRequest request_as_named(const ui::FontSpec& spec) {
  return {std::string(spec.face), fc_weight_of(requested_weight(spec.weight)),
          spec.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN};
}

std::optional<FaceChoice> choose_face(FcConfig* config, const ui::FontSpec& spec) {
  const FaceRequest as_named = request_as_named(spec);
  PatternPtr nearest = match(config, as_named);

  // The real face wins wherever the user has installed it.
  if (nearest && !spec.face.empty() && has_family(nearest.get(), spec.face)) {
    return choice_from(as_named, nearest.get());
  }
  if (const Substitute* substitute = find_substitute(spec.face)) {
    const FaceRequest stand_in{std::string(substitute->family),
                               fc_weight_of(substitute_weight(*substitute, spec.weight)),
                               as_named.slant};
    if (PatternPtr matched = match(config, stand_in)) return choice_from(stand_in, matched.get());
  }
  if (nearest) return choice_from(as_named, nearest.get());
  return std::nullopt;
}

}  // namespace tessivar::fonts
