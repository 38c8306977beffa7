// Memory handed back while the program waits: the pages of the program's read-only data are
// dropped, and what they held reads back unchanged, the pictures decoded from it among them;
// what the program wrote is never touched.
#include "platform/x11/unused_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>

#include "assets/embedded_assets.h"
#include "ui/picture/picture_decoder.h"

namespace tessivar::x11 {
namespace {

// Many pages of read-only data, made by the compiler, each byte telling where it lies.
constexpr std::array<std::uint8_t, 64 * 1024> kTable = [] {
  std::array<std::uint8_t, 64 * 1024> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(i * 31 + 7);
  return table;
}();

// Pages the program writes: dropping these would lose what was written.
std::array<std::uint8_t, 64 * 1024> written;

std::uint64_t checksum(std::span<const std::uint8_t> bytes) {
  return std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0},
                         [](std::uint64_t sum, std::uint8_t b) { return sum * 131 + b; });
}

TEST(UnusedMemory, TheProgramsReadOnlyDataIsDroppedAndReadsBackUnchangedWrittenDataStays) {
  std::iota(written.begin(), written.end(), std::uint8_t{1});
  const std::uint64_t written_before = checksum(written);
  const std::uint64_t table_before = checksum(kTable);
  const ui::Bitmap wallpaper_before =
      ui::decode_jpeg(assets::start_wallpaper, "start-wallpaper.jpg", {300, 200});

  EXPECT_GE(return_unused_memory(), kTable.size() - 2 * 4096) << "nothing was let go";
  EXPECT_EQ(checksum(kTable), table_before);
  EXPECT_EQ(checksum(written), written_before);
  EXPECT_EQ(ui::decode_jpeg(assets::start_wallpaper, "start-wallpaper.jpg", {300, 200}).pixels,
            wallpaper_before.pixels);
  // Twice in a row is as safe.
  return_unused_memory();
  EXPECT_EQ(checksum(kTable), table_before);
}

}  // namespace
}  // namespace tessivar::x11
