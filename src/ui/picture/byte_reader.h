// Bounds-checked reading of little- and big-endian fields from a picture's bytes. Every read
// names the field it wants, so that a truncated file raises a DecodeError that says which part
// is missing, where, and in which picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "ui/errors.h"

namespace tessivar::ui {

// The one wording of a picture that cannot be read: the picture's name, then the problem.
[[noreturn]] inline void fail_decode(std::string_view picture_name, std::string_view problem) {
  throw DecodeError("cannot decode picture \"" + std::string(picture_name) +
                    "\": " + std::string(problem));
}

class ByteReader {
 public:
  // `context` prefixes every message ("icon image 3"), empty for a whole file.
  ByteReader(std::span<const std::uint8_t> bytes, std::string_view picture_name,
             std::string context = {})
      : bytes_(bytes), picture_name_(picture_name), context_(std::move(context)) {}

  std::size_t size() const { return bytes_.size(); }
  std::span<const std::uint8_t> bytes() const { return bytes_; }
  std::string_view picture_name() const { return picture_name_; }

  // Written as two comparisons so that no sum can wrap.
  bool has(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }

  std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t length,
                                      std::string_view field) const {
    require(offset, length, field);
    return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
  }

  std::uint8_t u8(std::uint64_t offset, std::string_view field) const {
    return slice(offset, 1, field)[0];
  }
  std::uint16_t u16le(std::uint64_t offset, std::string_view field) const {
    const auto b = slice(offset, 2, field);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::uint32_t u32le(std::uint64_t offset, std::string_view field) const {
    const auto b = slice(offset, 4, field);
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
  }
  std::int32_t i32le(std::uint64_t offset, std::string_view field) const {
    return static_cast<std::int32_t>(u32le(offset, field));
  }
  std::uint32_t u32be(std::uint64_t offset, std::string_view field) const {
    const auto b = slice(offset, 4, field);
    return (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
           std::uint32_t{b[3]};
  }

  void require(std::uint64_t offset, std::uint64_t length, std::string_view field) const {
    if (!has(offset, length)) {
      fail("truncated: the " + std::string(field) + " needs " + std::to_string(length) +
           " bytes at offset " + std::to_string(offset) + ", but there are only " +
           std::to_string(bytes_.size()) + " bytes");
    }
  }

  [[noreturn]] void fail(std::string_view problem) const {
    if (context_.empty()) fail_decode(picture_name_, problem);
    fail_decode(picture_name_, context_ + ": " + std::string(problem));
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::string_view picture_name_;
  std::string context_;
};

}  // namespace tessivar::ui
