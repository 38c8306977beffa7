// A second, deliberately small reading of picture file headers, independent of the program's
// decoders, so that a fault in either shows up as a disagreement rather than passing unseen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessivar::assets::testing {

enum class FileKind { Jpeg, Bmp, Ico };

struct HeaderFacts {
  FileKind kind = FileKind::Jpeg;
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;    // per pixel over all components: 24 for a three-component JPEG
  bool progressive = false;  // JPEG: SOF2 rather than SOF0
  bool compressed = false;   // BMP: anything but BI_RGB
  int icon_images = 0;       // ICO: entries in the directory
};

// One entry of an icon's directory, with what its bitmap header says of itself.
struct IconEntry {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;  // as the directory gives it
  int colour_count = 0;    // as the directory gives it
  bool png = false;        // the image is a PNG stream instead of a bitmap
  int dib_width = 0;       // from the bitmap header
  int dib_height = 0;      // counts both the colour rows and the mask rows
  int dib_bits_per_pixel = 0;
  std::uint32_t dib_compression = 0;
  bool mask_fits = false;         // the entry holds header, palette, colour rows and AND mask
  std::vector<bool> transparent;  // the AND mask, top-down, one flag per pixel
};

// nullopt when the bytes are not a JPEG, BMP or ICO this reader understands.
std::optional<HeaderFacts> read_header_facts(std::span<const std::uint8_t> bytes);

// Throws std::runtime_error naming the fault when the directory or an entry is malformed.
std::vector<IconEntry> read_icon_entries(std::span<const std::uint8_t> bytes);

}  // namespace tessivar::assets::testing
