#include "platform/png/png_file.h"

#include <png.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "ui/errors.h"
#include "ui/picture/png_image.h"

namespace tessivar::platform {
namespace {

using ui::PngImage;

// Larger than any surface or picture of ours, small enough that a bad header cannot make us
// allocate gigabytes.
constexpr png_uint_32 kMaxSide = 16384;

// ui::Pixel's bytes in memory: B, G, R, A on a little-endian machine.
constexpr png_uint_32 kPixelFormat =
    std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

[[noreturn]] void fail(const char* action, const std::string& path, const std::string& reason) {
  throw ui::PlatformError(std::string("cannot ") + action + " PNG file \"" + path +
                          "\": " + reason);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::vector<png_byte> to_bytes(ui::ConstPixelView pixels, PngChannels channels) {
  const std::size_t per_pixel = channels == PngChannels::Rgba ? 4 : 3;
  std::vector<png_byte> bytes(static_cast<std::size_t>(pixels.width) * per_pixel *
                              static_cast<std::size_t>(pixels.height));
  png_byte* out = bytes.data();
  for (int y = 0; y < pixels.height; ++y) {
    const ui::Pixel* row = pixels.row(y);
    for (int x = 0; x < pixels.width; ++x) {
      *out++ = ui::pixel_red(row[x]);
      *out++ = ui::pixel_green(row[x]);
      *out++ = ui::pixel_blue(row[x]);
      if (channels == PngChannels::Rgba) *out++ = ui::pixel_alpha(row[x]);
    }
  }
  return bytes;
}

// Writes the whole file to `temporary`; returns an empty string on success, else the reason.
std::string write_file(const std::string& temporary, ui::ConstPixelView pixels,
                       PngChannels channels) {
  const std::vector<png_byte> bytes = to_bytes(pixels, channels);
  errno = 0;
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return std::strerror(errno);

  PngImage image;
  png_image& png = image.get();
  png.width = static_cast<png_uint_32>(pixels.width);
  png.height = static_cast<png_uint_32>(pixels.height);
  png.format = channels == PngChannels::Rgba ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  errno = 0;
  const bool written = png_image_write_to_stdio(&png, file, 0, bytes.data(), 0, nullptr) != 0;
  const int write_errno = errno;
  // A full disk often shows only when the buffered bytes are flushed by fclose.
  const bool flushed = std::fflush(file) == 0;
  const int flush_errno = errno;
  const bool closed = std::fclose(file) == 0;
  const int close_errno = errno;
  if (!written) return write_errno != 0 ? std::strerror(write_errno) : png.message;
  if (!flushed) return std::strerror(flush_errno);
  if (!closed) return std::strerror(close_errno);
  return {};
}

}  // namespace

void write_png_file(const std::string& path, ui::ConstPixelView pixels, PngChannels channels) {
  if (pixels.data == nullptr || pixels.width <= 0 || pixels.height <= 0 ||
      pixels.pitch < pixels.width) {
    fail("write", path, "the picture has no pixels");
  }
  const std::string temporary = path + ".partial";
  const std::string reason = write_file(temporary, pixels, channels);
  std::error_code ignored;
  if (!reason.empty()) {
    std::filesystem::remove(temporary, ignored);
    fail("write", path, reason);
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, path, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, ignored);
    fail("write", path, renamed.message());
  }
}

ui::Bitmap read_png_file(const std::string& path) {
  errno = 0;
  const FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) fail("read", path, std::strerror(errno));

  // libpng would only call a short or foreign file a "Read Error".
  png_byte signature[8] = {};
  const std::size_t got = std::fread(signature, 1, sizeof signature, file.get());
  if (got != sizeof signature || png_sig_cmp(signature, 0, sizeof signature) != 0) {
    fail("read", path, std::ferror(file.get()) ? std::strerror(errno) : "not a PNG file");
  }
  std::rewind(file.get());

  PngImage image;
  png_image& png = image.get();
  if (!png_image_begin_read_from_stdio(&png, file.get())) fail("read", path, png.message);
  if (png.width > kMaxSide || png.height > kMaxSide) {
    fail("read", path,
         "its size " + std::to_string(png.width) + "x" + std::to_string(png.height) +
             " is larger than " + std::to_string(kMaxSide) + "x" + std::to_string(kMaxSide));
  }
  png.format = kPixelFormat;
  ui::Bitmap bitmap(static_cast<int>(png.width), static_cast<int>(png.height));
  if (!png_image_finish_read(&png, nullptr, bitmap.pixels.data(), 0, nullptr)) {
    fail("read", path, png.message);
  }
  return bitmap;
}

}  // namespace tessivar::platform
