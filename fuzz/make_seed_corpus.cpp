// Writes the small seed files in fuzz/corpus/: one of each variant every reader knows, so the
// fuzzer starts from inputs that reach deep into each reader. Run by hand after changing a
// reader: make_seed_corpus fuzz/corpus

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/ui/picture/support/jpeg_encoder.h"
#include "tests/ui/picture/support/synthetic_pictures.h"
#include "tests/ui/picture/support/windows_picture_builders.h"

using namespace tessivar;
using test::Bytes;

namespace {

void write(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// Pixels with transparent holes (alpha 0, colour 0), for icons.
ui::Bitmap with_holes(ui::Bitmap picture) {
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if ((x + 2 * y) % 5 == 0) picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = 0;
  return picture;
}

// Few colours, so that palette images can hold them.
ui::Bitmap few_colours(int size, int colours) {
  const ui::Pixel palette[] = {0xFFE02020u, 0xFF20C040u, 0xFF2040E0u, 0xFFF0D020u};
  ui::Bitmap picture(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      picture.pixels[static_cast<std::size_t>(y) * size + x] = palette[(x + y) % colours];
  return with_holes(picture);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  try {
    const ui::Bitmap photo = test::make_photo_like(24, 17);
    write(root / "jpeg/baseline_420.jpg", test::encode_jpeg(photo, {.quality = 50}));
    write(root / "jpeg/baseline_444.jpg",
          test::encode_jpeg(photo, {.quality = 50, .luma_h = 1, .luma_v = 1}));
    write(root / "jpeg/progressive.jpg",
          test::encode_jpeg(photo, {.quality = 50, .progressive = true}));
    write(root / "jpeg/grey.jpg", test::encode_jpeg(photo, {.quality = 50, .grey = true}));
    // Taller than the fuzz target's small region by more than the strips a progressive decode
    // keeps below it, so that region decodes leave rows out of the scans.
    const ui::Bitmap tall = test::make_photo_like(24, 128);
    write(root / "jpeg/restarts.jpg", test::encode_jpeg(tall, {.quality = 50, .restart_rows = 1}));
    write(root / "jpeg/progressive_restarts.jpg",
          test::encode_jpeg(tall, {.quality = 50, .progressive = true, .restart_rows = 1}));
    write(root / "jpeg/progressive_partial.jpg",
          test::encode_jpeg(tall, {.quality = 50, .scan_script = test::ScanScript::Partial}));
    write(
        root / "jpeg/progressive_back_to_back.jpg",
        test::encode_jpeg(
            tall, {.quality = 50, .restart_rows = 1, .scan_script = test::ScanScript::BackToBack}));

    const ui::Bitmap pattern = test::make_pattern(5, 3);
    write(root / "bmp/bottom_up.bmp", test::build_bmp(pattern));
    write(root / "bmp/top_down.bmp", test::build_bmp(pattern, {.top_down = true}));
    write(root / "bmp/core_header.bmp", test::build_bmp(pattern, {.info_header_size = 12}));
    write(root / "bmp/v5_header.bmp", test::build_bmp(pattern, {.info_header_size = 124}));

    const ui::Bitmap translucent = with_holes(test::make_pattern(8, 8));
    write(
        root / "ico/palettes.ico",
        test::build_ico({{few_colours(8, 2), 1}, {few_colours(8, 4), 4}, {few_colours(9, 4), 8}}));
    write(root / "ico/true_colour.ico",
          test::build_ico({{translucent, 32},
                           {.picture = translucent, .bits_per_pixel = 32, .empty_alpha = true},
                           {few_colours(7, 4), 24}}));
    write(root / "ico/png.ico",
          test::build_ico({{.picture = translucent, .png = true}, {few_colours(4, 4), 4}}));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_seed_corpus: %s\n", error.what());
    return 1;
  }
  return 0;
}
