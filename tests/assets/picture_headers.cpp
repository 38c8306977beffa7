#include "picture_headers.h"

#include <stdexcept>

namespace tessivar::assets::testing {
namespace {

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
  return b[at] | (b[at + 1] << 8);
}

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
  return le16(b, at) | (le16(b, at + 2) << 16);
}

std::uint32_t be16(std::span<const std::uint8_t> b, std::size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("read past the end at " + std::to_string(at));
  return (b[at] << 8) | b[at + 1];
}

std::optional<HeaderFacts> read_jpeg(std::span<const std::uint8_t> b) {
  // Walk the marker segments from SOI to the first start-of-frame.
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = b[at + 1];
    const std::size_t length = be16(b, at + 2);
    if (marker == 0xC0 || marker == 0xC2) {
      if (at + 10 > b.size()) return std::nullopt;
      HeaderFacts facts;
      facts.kind = FileKind::Jpeg;
      facts.progressive = marker == 0xC2;
      const int precision = b[at + 4];
      facts.height = static_cast<int>(be16(b, at + 5));
      facts.width = static_cast<int>(be16(b, at + 7));
      facts.bits_per_pixel = precision * b[at + 9];
      return facts;
    }
    if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      return std::nullopt;  // a frame type none of our pictures may use
    }
    at += 2 + length;
  }
  return std::nullopt;
}

std::optional<HeaderFacts> read_bmp(std::span<const std::uint8_t> b) {
  if (b.size() < 54 || le32(b, 2) != b.size() || le32(b, 14) < 40) return std::nullopt;
  HeaderFacts facts;
  facts.kind = FileKind::Bmp;
  facts.width = static_cast<std::int32_t>(le32(b, 18));
  facts.height = static_cast<std::int32_t>(le32(b, 22));
  facts.bits_per_pixel = static_cast<int>(le16(b, 28));
  facts.compressed = le32(b, 30) != 0;
  return facts;
}

std::optional<HeaderFacts> read_ico(std::span<const std::uint8_t> b) {
  const auto entries = read_icon_entries(b);
  HeaderFacts facts;
  facts.kind = FileKind::Ico;
  facts.icon_images = static_cast<int>(entries.size());
  for (const auto& entry : entries) {
    if (entry.width > facts.width) {
      facts.width = entry.width;
      facts.height = entry.height;
    }
    if (entry.bits_per_pixel > facts.bits_per_pixel) facts.bits_per_pixel = entry.bits_per_pixel;
  }
  return facts;
}

std::size_t row_bytes(int width, int bits_per_pixel) {
  return ((static_cast<std::size_t>(width) * bits_per_pixel + 31) / 32) * 4;
}

IconEntry read_entry(std::span<const std::uint8_t> b, std::size_t dir_at) {
  IconEntry entry;
  entry.width = b[dir_at] == 0 ? 256 : b[dir_at];
  entry.height = b[dir_at + 1] == 0 ? 256 : b[dir_at + 1];
  entry.colour_count = b[dir_at + 2];
  entry.bits_per_pixel = static_cast<int>(le16(b, dir_at + 6));
  const std::size_t size = le32(b, dir_at + 8);
  const std::size_t offset = le32(b, dir_at + 12);
  if (offset > b.size() || size > b.size() - offset) {
    throw std::runtime_error("icon entry reaches past the end of the file");
  }
  const auto image = b.subspan(offset, size);
  if (image.size() >= 8 && image[0] == 0x89 && image[1] == 'P' && image[2] == 'N' &&
      image[3] == 'G') {
    entry.png = true;
    return entry;
  }
  if (le32(image, 0) != 40) throw std::runtime_error("icon bitmap header is not 40 bytes");
  entry.dib_width = static_cast<std::int32_t>(le32(image, 4));
  entry.dib_height = static_cast<std::int32_t>(le32(image, 8));
  entry.dib_bits_per_pixel = static_cast<int>(le16(image, 14));
  entry.dib_compression = le32(image, 16);
  const int w = entry.dib_width;
  const int h = entry.dib_height / 2;
  const std::size_t palette =
      entry.dib_bits_per_pixel <= 8 ? (std::size_t{1} << entry.dib_bits_per_pixel) * 4 : 0;
  const std::size_t colour_rows = row_bytes(w, entry.dib_bits_per_pixel) * h;
  const std::size_t mask_row = row_bytes(w, 1);
  const std::size_t mask_at = 40 + palette + colour_rows;
  entry.mask_fits = w > 0 && h > 0 && mask_at + mask_row * h == image.size();
  if (entry.mask_fits) {
    entry.transparent.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
      // Rows are stored bottom-up.
      const std::size_t row_at = mask_at + mask_row * static_cast<std::size_t>(h - 1 - y);
      for (int x = 0; x < w; ++x) {
        const bool bit = (image[row_at + x / 8] >> (7 - x % 8)) & 1;
        entry.transparent[static_cast<std::size_t>(y) * w + x] = bit;
      }
    }
  }
  return entry;
}

}  // namespace

std::optional<HeaderFacts> read_header_facts(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
    return read_jpeg(bytes);
  }
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return read_bmp(bytes);
  if (bytes.size() >= 6 && le16(bytes, 0) == 0 && le16(bytes, 2) == 1) return read_ico(bytes);
  return std::nullopt;
}

std::vector<IconEntry> read_icon_entries(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 6 || le16(bytes, 0) != 0 || le16(bytes, 2) != 1) {
    throw std::runtime_error("not an icon directory");
  }
  const std::size_t count = le16(bytes, 4);
  if (6 + 16 * count > bytes.size()) throw std::runtime_error("icon directory is truncated");
  std::vector<IconEntry> entries;
  for (std::size_t i = 0; i < count; ++i) entries.push_back(read_entry(bytes, 6 + 16 * i));
  return entries;
}

}  // namespace tessivar::assets::testing
