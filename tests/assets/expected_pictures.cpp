#include "expected_pictures.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "assets/embedded_assets.h"

namespace tessivar::assets::testing {
namespace {

using ui::PictureFormat;

// One row per picture, so that each can be checked against its source.
// clang-format off
constexpr ExpectedTile kTiles[] = {
    // file                            background
    {"tile-cmd.jpg",                   0x121212},
    {"tile-bluth.jpg",                 0x2445E8},
    {"tile-magni.jpg",                 0x03A6E8},
    {"tile-dskcln.jpg",                0x946F13},
    {"tile-regedit.jpg",               0x008A8D},
    {"tile-tskmgr.jpg",                0x03A5EA},
    {"tile-wmplay.jpg",                0xF58835},
    {"tile-remote.jpg",                0xD5B100},
    {"wide-clock.bmp",                 0x0080C0},
    {"tile-my-version.jpg",            0x009D3C},
    {"tile-wordpad.jpg",               0x01A9E7},
    {"tile-info.jpg",                  0x1857B8},
    {"tile-rec.jpg",                   0x474747},
    {"tile-paint.jpg",                 0x00A7EB},
    {"tile-control.jpg",               0x6A6A6A},
    {"tile-calc.jpg",                  0x56A5E0},
    {"tile-event.jpg",                 0x1958B9},
    {"tile-acess-wiz.jpg",             0x476DD0},
    {"tile-out-look.jpg",              0xF3C019},
    {"tile-keyboard.jpg",              0x1970F0},
    {"tile-backup.jpg",                0x01AAEC},
    {"tile-perform.jpg",               0x56A5E0},
    {"tile-documents.jpg",             0x03AEDA},
    {"tile-vol-control.jpg",           0x2163A0},
    {"tile-mouse.jpg",                 0x6B6B6B},
    {"tile-mve-maker.jpg",             0x00A9EC},
    {"tile-msg.jpg",                   0x03ADDB},
    {"tile-adress.jpg",                0x08ABD9},
    {"tile-ie.jpg",                    0x00AADB},
    {"tile-int-tutor.jpg",             0x7113A9},
    {"tile-network.jpg",               0x03AEDA},
    {"tile-games.jpg",                 0x1BA0E1},
    {"tile-share.jpg",                 0x5B9139},
    {"tile-dsk-part.jpg",              0x03AEDA},
    {"tile-add-remve.jpg",             0x59564F},
    {"wide-regeional-language.bmp",    0x808080},
    {"tile-time-setting.jpg",          0x6B6B6B},
    {"tile-net-con.jpg",               0x5B9139},
    {"tile-firewall.jpg",              0xDC0221},
    {"tile-user.jpg",                  0x0E5D30},
    {"tile-update.jpg",                0x0081B5},
    {"tile-security.jpg",              0x2876CC},
    {"tile-power.jpg",                 0xEC9D01},
    {"wide-dispalay-properties.bmp",   0x008080},
    {"tile-hardware.jpg",              0x009E3D},
    {"tile-net-pro.jpg",               0xFDD147},
    {"tile-sys-proprty.jpg",           0x16408A},
    {"tile-font.jpg",                  0x01007F},
};

constexpr ExpectedPicture kOtherPictures[] = {
    // file                           format                width height bpp progressive
    {"start-window-logo.jpg",         PictureFormat::Jpeg,  98,   92,   24, false},
    {"start-about-symbol.jpg",        PictureFormat::Jpeg,  48,   48,   24, false},
    {"start-wallpaper.jpg",           PictureFormat::Jpeg,  2560, 1600, 24, false},
    {"start-canvas.jpg",              PictureFormat::Jpeg,  1680, 1050, 24, true},
    {"app-icon.ico",                  PictureFormat::Ico,   128,  128,  32, false},
    {"splash-picture.bmp",            PictureFormat::Bmp,   570,  301,  24, false},
    {"splash-emblem.jpg",             PictureFormat::Jpeg,  96,   96,   24, false},
    {"splash-placeholder-logo.ico",   PictureFormat::Ico,   32,   32,   4,  false},
    {"about-emblem.jpg",              PictureFormat::Jpeg,  84,   84,   24, false},
    {"about-banner.jpg",              PictureFormat::Jpeg,  500,  100,  24, false},
};
// clang-format on

ExpectedPicture tile_picture(const ExpectedTile& tile) {
  if (tile.file.ends_with(".bmp")) return {tile.file, PictureFormat::Bmp, 161, 71, 24, false};
  return {tile.file, PictureFormat::Jpeg, 72, 72, 24, false};
}

}  // namespace

std::span<const ExpectedTile> expected_tiles() {
  return kTiles;
}

std::span<const ExpectedPicture> expected_pictures() {
  static const std::vector<ExpectedPicture> all = [] {
    std::vector<ExpectedPicture> rows;
    for (const auto& tile : kTiles) rows.push_back(tile_picture(tile));
    rows.insert(rows.end(), std::begin(kOtherPictures), std::end(kOtherPictures));
    return rows;
  }();
  return all;
}

std::span<const std::uint8_t> asset_bytes(std::string_view file) {
  for (const auto& asset : all()) {
    if (asset.file_name == file) return asset.bytes;
  }
  throw std::runtime_error("no embedded asset named " + std::string(file));
}

}  // namespace tessivar::assets::testing
