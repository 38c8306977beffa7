// What every font needs from the machine: the FreeType library, the fontconfig configuration,
// the opened font files and the fallback orders. Fonts hold it shared, so a font stays usable
// after the engine that opened it is gone.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "platform/fonts/face_choice.h"
#include "platform/fonts/face_handle.h"
#include "platform/fonts/fallback_faces.h"
#include "platform/fonts/fontconfig_handles.h"
#include "ui/font.h"

namespace tessivar::fonts {

class FontContext {
 public:
  // Raises PlatformError when FreeType or fontconfig cannot start.
  FontContext();
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;

  // Which face draws `spec`. Matching against every installed font is slow and a window opens
  // one font per label, so each answer is kept for the engine's life.
  const std::optional<FaceChoice>& choice_for(const ui::FontSpec& spec);

  // The shared face for a file, opened on first use; null when it cannot be read.
  std::shared_ptr<FaceHandle> open_face(const FaceLocation& location);

  // The system's font configuration: its parsed rules and every font folder's cache, about a
  // megabyte. It serves only to choose faces, so once the program's own are chosen it can be let
  // go; it is loaded again if a face not chosen yet or a fallback for a character is asked for.
  void release_configuration() { config_.reset(); }

  // Sorting all installed fonts is slow, so each request's order is made once, on first need.
  const FallbackFaces& fallbacks_for(const FaceRequest& request);

 private:
  // Raises PlatformError when it cannot be loaded.
  FcConfig* config();

  LibraryPtr library_;
  ConfigPtr config_;
  std::map<std::tuple<std::string, int, bool>, std::optional<FaceChoice>> choices_;
  std::map<std::pair<std::string, int>, std::weak_ptr<FaceHandle>> faces_;
  std::map<FaceRequest, std::unique_ptr<FallbackFaces>> fallbacks_;
};

}  // namespace tessivar::fonts
