// The faces to borrow a character from when a font's own face lacks it, in fontconfig's order of
// preference for that font: faces like it first, then whatever covers other scripts.
#pragma once

#include <fontconfig/fontconfig.h>

#include <vector>

#include "platform/fonts/face_choice.h"
#include "platform/fonts/fontconfig_handles.h"

namespace tessivar::fonts {

class FallbackFaces {
 public:
  FallbackFaces(FcConfig* config, const FaceRequest& request);
  ~FallbackFaces();
  FallbackFaces(const FallbackFaces&) = delete;
  FallbackFaces& operator=(const FallbackFaces&) = delete;

  // Faces that claim `character`, best first. Visits each until `visit` returns true.
  template <typename Visit>
  void for_each_covering(char32_t character, Visit&& visit) const {
    for (const Candidate& candidate : candidates_) {
      if (FcCharSetHasChar(candidate.charset, character) && visit(candidate.location)) return;
    }
  }

  // The sorted set also serves as the last resort when the chosen face cannot be opened.
  std::vector<FaceLocation> all() const;

 private:
  struct Candidate {
    FaceLocation location;
    FcCharSet* charset;  // a reference of our own, released with the candidate list
  };
  std::vector<Candidate> candidates_;
};

}  // namespace tessivar::fonts
