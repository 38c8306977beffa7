#include "platform/fonts/font_context.h"

#include <string>

#include "platform/fonts/face_matcher.h"
#include "ui/errors.h"

namespace tessivar::fonts {

namespace {

LibraryPtr start_freetype() {
  FT_Library library = nullptr;
  if (const FT_Error error = FT_Init_FreeType(&library); error != 0) {
    throw ui::PlatformError("The font renderer (FreeType) could not start (error " +
                            std::to_string(error) + ").");
  }
  return LibraryPtr(library, [](FT_Library lib) { FT_Done_FreeType(lib); });
}

ConfigPtr load_fontconfig() {
  ConfigPtr config(FcInitLoadConfigAndFonts());
  if (!config) {
    throw ui::PlatformError(
        "The font configuration (fontconfig) could not be loaded, so no font can be found.");
  }
  return config;
}

}  // namespace

FontContext::FontContext() : library_(start_freetype()), config_(load_fontconfig()) {}

const std::optional<FaceChoice>& FontContext::choice_for(const ui::FontSpec& spec) {
  // Size, underline and strikeout play no part in the choice; the face name is kept as given,
  // since an installed face is recognised by its exact (case-blind) name anyway.
  const auto key = std::tuple{std::string(spec.face), static_cast<int>(spec.weight), spec.italic};
  if (auto found = choices_.find(key); found != choices_.end()) return found->second;
  return choices_.emplace(key, choose_face(config(), spec)).first->second;
}

FcConfig* FontContext::config() {
  if (!config_) config_ = load_fontconfig();
  return config_.get();
}

std::shared_ptr<FaceHandle> FontContext::open_face(const FaceLocation& location) {
  std::weak_ptr<FaceHandle>& slot = faces_[{location.file, location.index}];
  if (auto shared = slot.lock()) return shared;
  auto opened = FaceHandle::open(library_, location);
  slot = opened;
  return opened;
}

const FallbackFaces& FontContext::fallbacks_for(const FaceRequest& request) {
  std::unique_ptr<FallbackFaces>& slot = fallbacks_[request];
  if (!slot) slot = std::make_unique<FallbackFaces>(config(), request);
  return *slot;
}

}  // namespace tessivar::fonts
