#include "platform/fonts/font_engine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/fonts/face_matcher.h"
#include "platform/fonts/font_context.h"
#include "platform/fonts/freetype_font.h"
#include "platform/fonts/substitutes.h"
#include "ui/errors.h"

namespace tessivar::fonts {

namespace {

constexpr double kDefaultPoints = 8.25;
constexpr int kLargestPixelsPerEm = 1000;

std::unique_ptr<ui::Font> open_at(const std::shared_ptr<FontContext>& context,
                                  const FaceRequest& request, const FaceLocation& location,
                                  int pixels, const ui::FontSpec& spec) {
  auto face = context->open_face(location);
  if (!face) return nullptr;
  // A stand-in of the program's own table may be drawn narrowed; the named face itself never is.
  const Substitute* substitute = find_substitute(spec.face);
  const double width_scale =
      substitute != nullptr && request.family == substitute->family ? substitute->width_scale : 1.0;
  const Synthesis synthesis{needs_synthetic_bold(request, location),
                            needs_synthetic_oblique(request, location), width_scale};
  auto sized = SizedFace::create(std::move(face), pixels, synthesis);
  if (!sized) return nullptr;
  return std::make_unique<FreeTypeFont>(context, request, std::move(sized), pixels,
                                        TextDecorations{spec.underline, spec.strikeout});
}

}  // namespace

int pixels_per_em(double points, int dpi) {
  if (!std::isfinite(points) || points <= 0) points = kDefaultPoints;
  const double pixels = std::round(points * dpi / 72.0);
  return static_cast<int>(std::clamp(pixels, 1.0, static_cast<double>(kLargestPixelsPerEm)));
}

FontEngine::FontEngine() : context_(std::make_shared<FontContext>()) {}
FontEngine::~FontEngine() = default;

void FontEngine::prepare(std::span<const ui::FontSpec> specs) {
  for (const ui::FontSpec& spec : specs) context_->choice_for(spec);
  context_->release_configuration();
}

std::optional<FaceChoice> FontEngine::choose(const ui::FontSpec& spec) const {
  return context_->choice_for(spec);
}

std::unique_ptr<ui::Font> FontEngine::open(const ui::FontSpec& spec, int dpi) {
  const int pixels = pixels_per_em(spec.points, dpi);
  const std::optional<FaceChoice>& choice = context_->choice_for(spec);
  if (choice) {
    if (auto font = open_at(context_, choice->request, choice->location, pixels, spec)) {
      return font;
    }
  }
  // The chosen file could not be read (removed since fontconfig cached it, or damaged): the
  // next face in fontconfig's order of preference stands in.
  const FaceRequest request = choice ? choice->request : request_as_named(spec);
  for (const FaceLocation& location : context_->fallbacks_for(request).all()) {
    if (auto font = open_at(context_, request, location, pixels, spec)) return font;
  }
  throw ui::PlatformError("No font could be found to draw text in \"" + std::string(spec.face) +
                          "\": this machine has no usable font installed.");
}

}  // namespace tessivar::fonts
