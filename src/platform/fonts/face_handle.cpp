#include "platform/fonts/face_handle.h"

namespace tessivar::fonts {

std::shared_ptr<FaceHandle> FaceHandle::open(LibraryPtr library, const FaceLocation& location) {
  FT_Face face = nullptr;
  if (FT_New_Face(library.get(), location.file.c_str(), location.index, &face) != 0) {
    return nullptr;
  }
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    return nullptr;
  }
  // Text arrives as Unicode; a face without a Unicode map leaves its default map in place and
  // simply finds fewer characters.
  FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  return std::shared_ptr<FaceHandle>(new FaceHandle(std::move(library), face, location));
}

}  // namespace tessivar::fonts
