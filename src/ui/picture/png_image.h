// libpng's simplified-interface record, freed on every way out. png_image_free does nothing on
// a record that is already free, so this is safe after a failed read or write.
#pragma once

#include <png.h>

namespace tessivar::ui {

class PngImage {
 public:
  PngImage() { image_.version = PNG_IMAGE_VERSION; }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  ~PngImage() { png_image_free(&image_); }
  png_image& get() { return image_; }

 private:
  png_image image_{};
};

}  // namespace tessivar::ui
