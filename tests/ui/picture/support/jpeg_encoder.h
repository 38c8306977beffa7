// Encoding pictures to JPEG in memory with libjpeg, so that tests and benchmarks make the files
// they decode instead of depending on committed assets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "ui/picture/libjpeg.h"
#include "ui/pixels.h"

namespace tessivar::test {

enum class ScanScript {
  Simple,      // libjpeg's usual progression, when `progressive` is set
  Partial,     // stops short of full detail, as a file cut off after its first scans would:
               // the decoder then smooths blocks with their neighbours
  BackToBack,  // the colour DC is refined in a scan that follows the first with no marker
               // between them
};

struct JpegEncoding {
  int quality = 90;
  bool progressive = false;
  bool grey = false;
  bool cmyk = false;  // four components, which the decoder refuses
  // Luma sampling factors: 2x2 is 4:2:0, 1x1 is 4:4:4.
  int luma_h = 2;
  int luma_v = 2;
  unsigned restart_rows = 0;  // restart markers every N MCU rows, 0 for none
  // The order of scans of a progressive picture (progressive is implied by any but Simple).
  ScanScript scan_script = ScanScript::Simple;
};

// Encodes `picture` (alpha ignored). Encoding valid pixels cannot fail short of memory, which
// libjpeg's default error handler reports before it exits.
inline std::vector<std::uint8_t> encode_jpeg(const ui::Bitmap& picture,
                                             const JpegEncoding& encoding = {}) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);

  const int components = encoding.grey ? 1 : encoding.cmyk ? 4 : 3;
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = components;
  info.in_color_space = encoding.grey ? JCS_GRAYSCALE : encoding.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, encoding.quality, TRUE);
  if (!encoding.grey && !encoding.cmyk) {
    info.comp_info[0].h_samp_factor = encoding.luma_h;
    info.comp_info[0].v_samp_factor = encoding.luma_v;
  }
  info.restart_in_rows = static_cast<int>(encoding.restart_rows);
  if (encoding.progressive) jpeg_simple_progression(&info);
  // Colour DC at reduced precision, some luma detail, all of one colour channel's detail.
  static const jpeg_scan_info kPartial[] = {
      {3, {0, 1, 2}, 0, 0, 0, 1},
      {1, {0}, 1, 5, 0, 2},
      {1, {2}, 1, 63, 0, 1},
  };
  // A DC refinement scan needs no tables and keeps the restart interval, so nothing stands
  // between it and the scan before.
  static const jpeg_scan_info kBackToBack[] = {
      {3, {0, 1, 2}, 0, 0, 0, 1}, {3, {0, 1, 2}, 0, 0, 1, 0}, {1, {0}, 1, 63, 0, 0},
      {1, {1}, 1, 63, 0, 0},      {1, {2}, 1, 63, 0, 0},
  };
  if (encoding.scan_script == ScanScript::Partial) {
    info.scan_info = kPartial;
    info.num_scans = 3;
  } else if (encoding.scan_script == ScanScript::BackToBack) {
    info.scan_info = kBackToBack;
    info.num_scans = 5;
  }
  jpeg_start_compress(&info, TRUE);

  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width) * components);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < picture.width; ++x) {
      const ui::Pixel p = picture.at(x, y);
      JSAMPLE* out = &row[static_cast<std::size_t>(x) * components];
      if (encoding.grey) {
        out[0] = ui::pixel_green(p);
      } else if (encoding.cmyk) {
        out[0] = static_cast<JSAMPLE>(255 - ui::pixel_red(p));
        out[1] = static_cast<JSAMPLE>(255 - ui::pixel_green(p));
        out[2] = static_cast<JSAMPLE>(255 - ui::pixel_blue(p));
        out[3] = 0;
      } else {
        out[0] = ui::pixel_red(p);
        out[1] = ui::pixel_green(p);
        out[2] = ui::pixel_blue(p);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace tessivar::test
