// PNG files on disk: saving a surface's pixels (headless screenshots) and reading them back.
#pragma once

#include <string>

#include "ui/pixels.h"

namespace tessivar::platform {

// Surfaces are opaque and are written without alpha; pictures with transparency (icons) keep it.
enum class PngChannels { Rgb, Rgba };

// Writes `pixels` as an 8-bit PNG. The file appears complete or not at all: it is written beside
// `path` and renamed into place. Raises ui::PlatformError naming the path and the system's
// reason.
void write_png_file(const std::string& path, ui::ConstPixelView pixels,
                    PngChannels channels = PngChannels::Rgb);

// The same for writable pixels, such as a window surface.
inline void write_png_file(const std::string& path, ui::PixelView pixels,
                           PngChannels channels = PngChannels::Rgb) {
  write_png_file(path, ui::ConstPixelView{pixels.data, pixels.pitch, pixels.width, pixels.height},
                 channels);
}

// Reads any PNG file as straight-alpha pixels (0xFF where the file has no alpha). Raises
// ui::PlatformError naming the path and the reason.
ui::Bitmap read_png_file(const std::string& path);

}  // namespace tessivar::platform
