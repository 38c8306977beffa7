// Build-time tool: writes each 32-bit image of the program's icon file as a PNG in the freedesktop
// icon theme layout, OUT/<N>x<N>/apps/NAME.png, so that menus and docks show the same icon as
// the start screen's window. Images of fewer bits are left out: their 1-bit masks make poorer
// pictures than the 32-bit image of the same size.
//
//   tessivar-hicolor-icons ICON.ico OUT_DIR NAME
//
// Exits with status 1 and a message on standard error when the icon cannot be read, two 32-bit
// images share a size, or a file cannot be written; nothing is reported as made that was not.
#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/png/png_file.h"
#include "ui/errors.h"
#include "ui/picture/picture_decoder.h"

namespace {

namespace fs = std::filesystem;
using tessivar::ui::Bitmap;

std::vector<std::uint8_t> read_whole_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open \"" + path.string() + "\"");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read \"" + path.string() + "\"");
  return bytes;
}

void write_theme_icons(const fs::path& icon_file, const fs::path& out_dir,
                       const std::string& name) {
  const std::vector<std::uint8_t> bytes = read_whole_file(icon_file);
  const std::string label = icon_file.filename().string();
  const auto images = tessivar::ui::read_icon_directory(bytes, label);
  std::set<int> sizes_done;
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (images[i].bits_per_pixel != 32) continue;
    const Bitmap image = tessivar::ui::decode_icon_image(bytes, label, i);
    if (image.width != image.height) {
      throw std::runtime_error(label + ": image " + std::to_string(i) + " is not square");
    }
    if (!sizes_done.insert(image.width).second) {
      throw std::runtime_error(label + ": two 32-bit images are " + std::to_string(image.width) +
                               " pixels wide");
    }
    const std::string side = std::to_string(image.width);
    const fs::path dir = out_dir / (side + "x" + side) / "apps";
    fs::create_directories(dir);
    // Icons keep their transparency.
    tessivar::platform::write_png_file(dir / (name + ".png"), image.view(),
                                       tessivar::platform::PngChannels::Rgba);
  }
  if (sizes_done.empty()) throw std::runtime_error(label + " holds no 32-bit image");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: tessivar-hicolor-icons ICON.ico OUT_DIR NAME\n", stderr);
    return 2;
  }
  try {
    write_theme_icons(argv[1], argv[2], argv[3]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessivar-hicolor-icons: %s\n", error.what());
    return 1;
  }
  return 0;
}
