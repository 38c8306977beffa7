// One opened font file, shared by every font drawn from it. It keeps the FreeType library alive
// for as long as it lives, so its owners need not care which is destroyed first.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>

#include "platform/fonts/face_choice.h"

namespace tessivar::fonts {

using LibraryPtr = std::shared_ptr<FT_LibraryRec_>;

class FaceHandle {
 public:
  // Null when FreeType cannot read the file or the face is not an outline face.
  static std::shared_ptr<FaceHandle> open(LibraryPtr library, const FaceLocation& location);

  ~FaceHandle() { FT_Done_Face(face_); }
  FaceHandle(const FaceHandle&) = delete;
  FaceHandle& operator=(const FaceHandle&) = delete;

  FT_Face get() const { return face_; }
  const FaceLocation& location() const { return location_; }

 private:
  FaceHandle(LibraryPtr library, FT_Face face, FaceLocation location)
      : library_(std::move(library)), face_(face), location_(std::move(location)) {}

  LibraryPtr library_;
  FT_Face face_;
  FaceLocation location_;
};

}  // namespace tessivar::fonts
