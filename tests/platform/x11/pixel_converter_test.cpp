// The conversion of the engine's pixels into the servers' formats, value by value against
// figures worked out by hand, and byte by byte in an image's rows.
#include "platform/x11/pixel_converter.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace tessivar::x11 {
namespace {

constexpr auto kLsb = ByteOrder::LeastSignificantFirst;
constexpr auto kMsb = ByteOrder::MostSignificantFirst;

struct Masks {
  std::uint32_t red, green, blue;
  int bits_per_pixel;
};

// clang-format off
//                              red         green       blue      bits
constexpr Masks kRgb565        {0xF800,     0x07E0,     0x001F,   16};
constexpr Masks kRgb555        {0x7C00,     0x03E0,     0x001F,   16};
constexpr Masks kRgb888        {0xFF0000,   0x00FF00,   0x0000FF, 32};
constexpr Masks kRgb888Packed  {0xFF0000,   0x00FF00,   0x0000FF, 24};
constexpr Masks kRgb101010     {0x3FF00000, 0x000FFC00, 0x0003FF, 32};
constexpr Masks kBgr888        {0x0000FF,   0x00FF00,   0xFF0000, 32};
constexpr Masks kBgr565        {0x001F,     0x07E0,     0xF800,   16};
constexpr Masks kBgr233        {0x07,       0x38,       0xC0,      8};
// clang-format on

ServerPixelFormat format(const Masks& m, ByteOrder order = kLsb) {
  const std::optional<ServerPixelFormat> made =
      server_pixel_format(m.red, m.green, m.blue, m.bits_per_pixel, order);
  EXPECT_TRUE(made.has_value());
  return made.value_or(ServerPixelFormat{});
}

// The colours each layout is checked at: the extremes, a mid grey (where truncation and
// rounding part), a colour with every channel different (where a swapped channel shows) and
// one of uneven values.
constexpr std::array<ui::Pixel, 5> kColours = {0xFFFFFFFF, 0xFF000000, 0xFF808080, 0xFFFF8000,
                                               0xFF123456};

struct LayoutCase {
  const char* name;
  Masks masks;
  std::array<std::uint32_t, 5> expected;  // the server's values of kColours, in order
};

// Each channel is round(c * (2^width - 1) / 255); e.g. 565 of 0x123456: red 18 * 31 / 255 =
// 2.19 -> 2, green 52 * 63 / 255 = 12.85 -> 13, blue 86 * 31 / 255 = 10.45 -> 10.
// clang-format off
const LayoutCase kLayouts[] = {
    // name        masks        white        black  grey         orange       uneven
    {"rgb565",     kRgb565,    {0xFFFF,      0x0,   0x8410,      0xFC00,      0x11AA}},
    {"rgb555",     kRgb555,    {0x7FFF,      0x0,   0x4210,      0x7E00,      0x08CA}},
    {"rgb888",     kRgb888,    {0xFFFFFF,    0x0,   0x808080,    0xFF8000,    0x123456}},
    {"rgb101010",  kRgb101010, {0x3FFFFFFF,  0x0,   0x20280A02,  0x3FF80800,  0x04834559}},
    {"bgr888",     kBgr888,    {0xFFFFFF,    0x0,   0x808080,    0x0080FF,    0x563412}},
    {"bgr565",     kBgr565,    {0xFFFF,      0x0,   0x8410,      0x041F,      0x51A2}},
    {"bgr233",     kBgr233,    {0xFF,        0x0,   0xA4,        0x27,        0x48}},
};
// clang-format on

void PrintTo(const LayoutCase& c, std::ostream* out) {
  *out << c.name;
}

class LayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, EachColourTakesTheNearestLevelOfEveryChannel) {
  const LayoutCase& c = GetParam();
  const PixelConverter converter(format(c.masks));
  for (std::size_t i = 0; i < kColours.size(); ++i) {
    EXPECT_EQ(converter.value_of(kColours[i]), c.expected[i]) << std::hex << kColours[i];
    // Window surfaces keep alpha opaque, but it never reaches the server's bits.
    EXPECT_EQ(converter.value_of(kColours[i] & 0x00FFFFFF), c.expected[i])
        << std::hex << kColours[i];
  }
}

INSTANTIATE_TEST_SUITE_P(Masks, LayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// An image of 4 by 3 pixels, each row padded to `pitch` bytes, filled with a marker that the
// conversion must leave alone outside the rectangle it was given.
struct ImageFixture {
  static constexpr std::byte kMarker{0xAA};
  ui::Bitmap source{4, 3};
  int pitch;
  std::vector<std::byte> image;

  explicit ImageFixture(int pitch_bytes)
      : pitch(pitch_bytes), image(static_cast<std::size_t>(pitch_bytes) * 3, kMarker) {
    for (std::size_t i = 0; i < source.pixels.size(); ++i) source.pixels[i] = kColours[i % 4];
    source.pixels[1 * 4 + 1] = source.pixels[2 * 4 + 2] = kColours[4];
  }
  std::byte at(int byte_x, int y) const {
    return image[static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(byte_x)];
  }
};

struct ByteLayoutCase {
  const char* name;
  Masks masks;
  ByteOrder order;
  std::vector<std::uint8_t> uneven_bytes;  // 0xFF123456 in the image
};

// clang-format off
const ByteLayoutCase kByteLayouts[] = {
    // name                   masks          order  bytes of 0x123456
    {"rgb565_lsb",            kRgb565,       kLsb, {0xAA, 0x11}},
    {"rgb565_msb",            kRgb565,       kMsb, {0x11, 0xAA}},
    {"rgb888_packed_lsb",     kRgb888Packed, kLsb, {0x56, 0x34, 0x12}},
    {"rgb888_packed_msb",     kRgb888Packed, kMsb, {0x12, 0x34, 0x56}},
    {"rgb101010_lsb",         kRgb101010,    kLsb, {0x59, 0x45, 0x83, 0x04}},
    {"rgb101010_msb",         kRgb101010,    kMsb, {0x04, 0x83, 0x45, 0x59}},
    {"bgr233",                kBgr233,       kLsb, {0x48}},
};
// clang-format on

void PrintTo(const ByteLayoutCase& c, std::ostream* out) {
  *out << c.name;
}

class ByteLayoutTest : public testing::TestWithParam<ByteLayoutCase> {};

TEST_P(ByteLayoutTest, OnlyTheRectangleIsWrittenInTheImagesByteOrder) {
  const ByteLayoutCase& c = GetParam();
  const int bytes = c.masks.bits_per_pixel / 8;
  ImageFixture fixture(4 * bytes + 3);  // rows padded past their pixels
  // The rectangle is the middle two columns of the lower two rows; 0xFF123456 falls at its
  // first corner, (1, 1), and its last, (2, 2).
  PixelConverter(format(c.masks, c.order))
      .convert(std::as_const(fixture.source).view(), {1, 1, 2, 2}, fixture.image.data(),
               fixture.pitch);
  for (int byte = 0; byte < bytes; ++byte) {
    const std::byte expected{c.uneven_bytes[static_cast<std::size_t>(byte)]};
    EXPECT_EQ(fixture.at(bytes + byte, 1), expected) << "first pixel, byte " << byte;
    EXPECT_EQ(fixture.at(2 * bytes + byte, 2), expected) << "last pixel, byte " << byte;
  }
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < fixture.pitch; ++x) {
      const bool inside = y >= 1 && x >= bytes && x < 3 * bytes;
      if (!inside) {
        EXPECT_EQ(fixture.at(x, y), ImageFixture::kMarker) << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Orders, ByteLayoutTest, testing::ValuesIn(kByteLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ServerPixelFormat, MasksThatCannotBeWrittenAreRefused) {
  const Masks refused[] = {
      {0xF800, 0x07E0, 0x0000, 16},      // a channel with no bits
      {0xF800, 0x07E0, 0x001D, 16},      // a channel split in two runs
      {0xF800, 0x0FE0, 0x001F, 16},      // red and green overlap
      {0xFF0000, 0xFF00, 0xFF, 16},      // masks beyond the pixel
      {0xF800, 0x07E0, 0x001F, 4},       // a pixel size the images do not use here
      {0xFFFFF000, 0x000F00, 0xFF, 32},  // a channel of 20 bits, wider than any display's
  };
  for (const Masks& m : refused) {
    EXPECT_FALSE(server_pixel_format(m.red, m.green, m.blue, m.bits_per_pixel, kLsb))
        << std::hex << m.red << " " << m.green << " " << m.blue << " " << std::dec
        << m.bits_per_pixel;
  }
}

TEST(ServerPixelFormat, OnlyRgb888In32BitsOfThisMachinesOrderIsTheEnginesLayout) {
  const ByteOrder host = host_byte_order();
  const ByteOrder other = host == kLsb ? kMsb : kLsb;
  EXPECT_TRUE(is_engine_layout(format(kRgb888, host)));
  EXPECT_FALSE(is_engine_layout(format(kRgb888, other)));
  EXPECT_FALSE(is_engine_layout(format(kRgb888Packed, host)));
  EXPECT_FALSE(is_engine_layout(format(kBgr888, host)));
  EXPECT_FALSE(is_engine_layout(format(kRgb101010, host)));
}

}  // namespace
}  // namespace tessivar::x11
