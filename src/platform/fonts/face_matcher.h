// Finding installed faces through fontconfig, wherever the distribution put the files.
#pragma once

#include <fontconfig/fontconfig.h>

#include <optional>

#include "platform/fonts/face_choice.h"
#include "platform/fonts/fontconfig_handles.h"
#include "ui/font.h"

namespace tessivar::fonts {

// The face that draws `spec`: the named face itself when it is installed, otherwise the
// program's stand-in for it, otherwise fontconfig's nearest match. Empty only when fontconfig
// knows no font at all.
std::optional<FaceChoice> choose_face(FcConfig* config, const ui::FontSpec& spec);

// The spec asked of fontconfig as it stands, before any stand-in is considered.
FaceRequest request_as_named(const ui::FontSpec& spec);

// The request's pattern after the user's and the system's configuration has been applied, as
// FcFontMatch and FcFontSort expect it.
PatternPtr configured_pattern(FcConfig* config, const FaceRequest& request);

// The location, weight and slant that a matched or sorted pattern names.
std::optional<FaceLocation> location_of(FcPattern* pattern);

// Whether a face in the given weight and slant must fake what the request asks for.
bool needs_synthetic_bold(const FaceRequest& request, const FaceLocation& found);
bool needs_synthetic_oblique(const FaceRequest& request, const FaceLocation& found);

}  // namespace tessivar::fonts
