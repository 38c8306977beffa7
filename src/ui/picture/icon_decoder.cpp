// Icon files: a directory of images, each a bottom-up bitmap with a colour part and a one-bit
// transparency ("AND") mask, or a whole PNG stream.

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/picture/byte_reader.h"
#include "ui/picture/dib_layout.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_limits.h"
#include "ui/picture/png_stream.h"

namespace tessivar::ui {
namespace {

constexpr std::uint64_t kDirectoryHeaderSize = 6;
constexpr std::uint64_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later headers extend it
constexpr Pixel kTransparent = 0;

struct IconEntry {
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

// Checks the directory and that each image's bytes lie inside the file, after the directory.
std::vector<IconEntry> read_entries(const ByteReader& file) {
  if (file.u16le(0, "icon directory") != 0 || file.u16le(2, "icon directory") != 1) {
    file.fail("not an icon: the file does not start with an icon directory");
  }
  const std::uint16_t count = file.u16le(4, "icon directory");
  if (count == 0) file.fail("the icon directory lists no images");
  const std::uint64_t directory_end = kDirectoryHeaderSize + kDirectoryEntrySize * count;
  file.require(0, directory_end, "icon directory");

  std::vector<IconEntry> entries(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::uint64_t at = kDirectoryHeaderSize + kDirectoryEntrySize * i;
    IconEntry& entry = entries[i];
    entry.size = file.u32le(at + 8, "icon directory entry");
    entry.offset = file.u32le(at + 12, "icon directory entry");
    const std::string which =
        "icon image " + std::to_string(i + 1) + " of " + std::to_string(count);
    if (entry.size == 0) file.fail(which + " is empty");
    if (entry.offset < directory_end) file.fail(which + " starts inside the icon directory");
    file.require(entry.offset, entry.size, which);
  }
  return entries;
}

ByteReader image_reader(const ByteReader& file, const std::vector<IconEntry>& entries,
                        std::size_t index) {
  const IconEntry& entry = entries[index];
  return ByteReader(
      file.slice(entry.offset, entry.size, "icon image"), file.picture_name(),
      "icon image " + std::to_string(index + 1) + " of " + std::to_string(entries.size()));
}

// What the bitmap form of an icon image holds and where.
struct IconDib {
  int width = 0;
  int height = 0;  // of the image; the header counts colour rows and mask rows together
  int bits_per_pixel = 0;
  std::uint64_t palette_offset = 0;
  std::uint32_t palette_entries = 0;
  std::uint64_t colour_offset = 0;
  std::uint64_t mask_offset = 0;
};

IconDib read_dib_header(const ByteReader& image) {
  const std::uint32_t header_size = image.u32le(0, "bitmap header");
  if (header_size < kInfoHeaderSize) {
    image.fail("a bitmap header of " + std::to_string(header_size) +
               " bytes is too small for an icon image");
  }
  image.require(0, header_size, "bitmap header");
  const std::int32_t width = image.i32le(4, "bitmap header");
  const std::int32_t stacked_height = image.i32le(8, "bitmap header");
  const std::uint16_t bits = image.u16le(14, "bitmap header");
  const std::uint32_t compression = image.u32le(16, "bitmap header");
  const std::uint32_t colours_used = image.u32le(32, "bitmap header");

  if (width <= 0 || stacked_height < 2) {
    image.fail("bad size " + std::to_string(width) + "x" + std::to_string(stacked_height));
  }
  const int height = stacked_height / 2;
  if (width > kMaxIconSide || height > kMaxIconSide) {
    image.fail("size " + std::to_string(width) + "x" + std::to_string(height) + " is larger than " +
               std::to_string(kMaxIconSide) + "x" + std::to_string(kMaxIconSide));
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    image.fail(std::to_string(bits) + " bits per pixel is not supported");
  }
  if (compression != 0) {
    image.fail("compression " + std::to_string(compression) +
               " is not supported; only uncompressed icon bitmaps are");
  }

  IconDib dib;
  dib.width = width;
  dib.height = height;
  dib.bits_per_pixel = bits;
  dib.palette_offset = header_size;
  if (bits <= 8) {
    const std::uint32_t full_palette = 1u << bits;
    if (colours_used > full_palette) {
      image.fail("a palette of " + std::to_string(colours_used) + " colours is too large for " +
                 std::to_string(bits) + " bits per pixel");
    }
    dib.palette_entries = colours_used == 0 ? full_palette : colours_used;
  } else {
    // Deeper bitmaps may still carry an optional palette, which only has to be skipped.
    dib.palette_entries = colours_used;
  }
  dib.colour_offset = dib.palette_offset + 4ull * dib.palette_entries;
  dib.mask_offset = dib.colour_offset + dib_row_stride(static_cast<std::uint64_t>(width), bits) *
                                            static_cast<std::uint64_t>(height);
  return dib;
}

IconImageInfo inspect_image(const ByteReader& image) {
  if (starts_with_png_signature(image.bytes())) {
    const PngHeader png = read_png_header(image, kMaxIconSide);
    return {png.width, png.height, png.bits_per_pixel, true};
  }
  const IconDib dib = read_dib_header(image);
  return {dib.width, dib.height, dib.bits_per_pixel, false};
}

// The colour of one stored pixel, opaque; palette indices are checked against the palette.
class ColourRows {
 public:
  ColourRows(const ByteReader& image, const IconDib& dib) : image_(image), dib_(dib) {
    if (dib.bits_per_pixel <= 8) {
      const auto entries = image.slice(dib.palette_offset, 4ull * dib.palette_entries, "palette");
      palette_.reserve(dib.palette_entries);
      for (std::size_t i = 0; i < dib.palette_entries; ++i) {
        palette_.push_back(make_pixel(entries[4 * i + 2], entries[4 * i + 1], entries[4 * i]));
      }
    }
    stride_ = dib_row_stride(static_cast<std::uint64_t>(dib.width),
                             static_cast<std::uint64_t>(dib.bits_per_pixel));
    bytes_ = image.slice(dib.colour_offset,
                         dib_pixel_bytes(static_cast<std::uint64_t>(dib.width),
                                         static_cast<std::uint64_t>(dib.height),
                                         static_cast<std::uint64_t>(dib.bits_per_pixel)),
                         "colour bitmap");
  }

  // Row `y` counted from the top; icon bitmaps are stored bottom-up.
  const std::uint8_t* row(int y) const {
    return bytes_.data() + stride_ * static_cast<std::uint64_t>(dib_.height - 1 - y);
  }

  Pixel pixel(const std::uint8_t* row, int x) const {
    switch (dib_.bits_per_pixel) {
      case 1:
        return lookup((row[x / 8] >> (7 - x % 8)) & 1);
      case 4:
        return lookup((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
      case 8:
        return lookup(row[x]);
      case 24:
        return make_pixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
      default:
        return make_pixel(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
    }
  }

 private:
  Pixel lookup(unsigned index) const {
    if (index >= palette_.size()) {
      image_.fail("a pixel uses colour " + std::to_string(index) + " of a palette of " +
                  std::to_string(palette_.size()));
    }
    return palette_[index];
  }

  const ByteReader& image_;
  const IconDib& dib_;
  std::vector<Pixel> palette_;
  std::uint64_t stride_ = 0;
  std::span<const std::uint8_t> bytes_;
};

bool has_any_alpha(const Bitmap& bitmap) {
  return std::any_of(bitmap.pixels.begin(), bitmap.pixels.end(),
                     [](Pixel p) { return pixel_alpha(p) != 0; });
}

// Where the mask bit is set the pixel is transparent; elsewhere it is opaque.
void apply_and_mask(Bitmap& bitmap, const ByteReader& image, const IconDib& dib) {
  const auto width = static_cast<std::uint64_t>(dib.width);
  const auto height = static_cast<std::uint64_t>(dib.height);
  const auto mask =
      image.slice(dib.mask_offset, dib_pixel_bytes(width, height, 1), "transparency mask");
  const std::uint64_t stride = dib_row_stride(width, 1);
  for (int y = 0; y < dib.height; ++y) {
    const std::uint8_t* row = mask.data() + stride * static_cast<std::uint64_t>(dib.height - 1 - y);
    Pixel* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
    for (int x = 0; x < dib.width; ++x) {
      const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
      out[x] = transparent ? kTransparent : (out[x] | 0xFF000000u);
    }
  }
}

Bitmap decode_dib_image(const ByteReader& image) {
  const IconDib dib = read_dib_header(image);
  const ColourRows colours(image, dib);
  Bitmap bitmap(dib.width, dib.height);
  for (int y = 0; y < dib.height; ++y) {
    const std::uint8_t* row = colours.row(y);
    Pixel* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
    for (int x = 0; x < dib.width; ++x) out[x] = colours.pixel(row, x);
  }
  // A 32-bit image carries its own alpha, unless every alpha byte is zero: older writers left
  // the channel empty and meant the mask to give the shape.
  if (dib.bits_per_pixel != 32 || !has_any_alpha(bitmap)) apply_and_mask(bitmap, image, dib);
  return bitmap;
}

std::uint64_t area(const IconImageInfo& image) {
  return static_cast<std::uint64_t>(image.width) * static_cast<std::uint64_t>(image.height);
}

// Whether `a` is the better choice than `b` when the smaller (or larger) image is wanted;
// deeper colour breaks ties of size, and the earlier image stays chosen on a full tie.
bool better(const IconImageInfo& a, const IconImageInfo& b, bool want_smaller) {
  if (area(a) != area(b)) return want_smaller ? area(a) < area(b) : area(a) > area(b);
  return a.bits_per_pixel > b.bits_per_pixel;
}

}  // namespace

std::vector<IconImageInfo> read_icon_directory(std::span<const std::uint8_t> bytes,
                                               std::string_view name) {
  const ByteReader file(bytes, name);
  const std::vector<IconEntry> entries = read_entries(file);
  std::vector<IconImageInfo> images;
  images.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    images.push_back(inspect_image(image_reader(file, entries, i)));
  }
  return images;
}

std::size_t choose_icon_image(std::span<const IconImageInfo> images, int desired_size) {
  if (images.empty()) throw std::invalid_argument("choose_icon_image: an icon with no images");
  const auto covers = [desired_size](const IconImageInfo& image) {
    return image.width >= desired_size && image.height >= desired_size;
  };
  std::size_t chosen = images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (covers(images[i]) && (chosen == images.size() || better(images[i], images[chosen], true)))
      chosen = i;
  }
  if (chosen != images.size()) return chosen;
  chosen = 0;
  for (std::size_t i = 1; i < images.size(); ++i) {
    if (better(images[i], images[chosen], false)) chosen = i;
  }
  return chosen;
}

Bitmap decode_icon_image(std::span<const std::uint8_t> bytes, std::string_view name,
                         std::size_t index) {
  const ByteReader file(bytes, name);
  const std::vector<IconEntry> entries = read_entries(file);
  if (index >= entries.size()) {
    file.fail("there is no icon image " + std::to_string(index + 1) + "; the icon has " +
              std::to_string(entries.size()));
  }
  const ByteReader image = image_reader(file, entries, index);
  if (starts_with_png_signature(image.bytes())) return decode_png_stream(image, kMaxIconSide);
  return decode_dib_image(image);
}

Bitmap decode_icon(std::span<const std::uint8_t> bytes, std::string_view name, int desired_size) {
  const std::vector<IconImageInfo> images = read_icon_directory(bytes, name);
  return decode_icon_image(bytes, name, choose_icon_image(images, desired_size));
}

}  // namespace tessivar::ui
