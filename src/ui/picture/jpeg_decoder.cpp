// JPEG pictures, baseline and progressive, through libjpeg-turbo.
//
// libjpeg reports errors by calling a function that must not return. Ours longjmps back to the
// one guarded call that was running, and the C++ side then raises DecodeError. The guarded
// calls hold no C++ object with a destructor between setjmp and the library's calls, so the
// jump skips nothing that needs cleaning up; the session's destructor frees the library state.

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ui/picture/byte_reader.h"
#include "ui/picture/jpeg_info.h"
#include "ui/picture/jpeg_span_source.h"
#include "ui/picture/libjpeg.h"
#include "ui/picture/picture_decoder.h"
#include "ui/picture/picture_limits.h"
#include "ui/picture/picture_region.h"

namespace tessivar::ui {
namespace {

// A real progressive file has about ten scans; a corrupt one can claim thousands, each of which
// walks the whole coefficient buffer.
constexpr int kMaxScans = 500;

// The working memory libjpeg may take: a progressive picture keeps all its coefficients, two
// bytes for each sample. Generous for any picture we hold; beyond it libjpeg gives up cleanly.
constexpr long kMaxWorkingMemory = 256L * 1024 * 1024;

// ui::Pixel is 0xAARRGGBB in a 32-bit word, so in memory its bytes run B, G, R, A on a
// little-endian machine. libjpeg writes that layout directly and sets alpha to 0xFF.
constexpr J_COLOR_SPACE kPixelColorSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// libjpeg hands our callbacks a pointer to `manager`, which must come first.
struct ErrorTrap {
  jpeg_error_mgr manager;
  jpeg_progress_mgr progress;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool rows_cut;  // the picture was declared shorter than it is (cut_rows_after)
};

ErrorTrap& trap_of(j_common_ptr info) {
  return *reinterpret_cast<ErrorTrap*>(info->err);
}

[[noreturn]] void leave_with_message(j_common_ptr info) {
  ErrorTrap& trap = trap_of(info);
  if (info->err->msg_code == JERR_NO_BACKING_STORE) {
    std::snprintf(trap.message, sizeof trap.message, "it needs more than %ld MiB of working memory",
                  kMaxWorkingMemory >> 20);
  } else {
    (*info->err->format_message)(info, trap.message);
  }
  std::longjmp(trap.jump, 1);
}

// Warnings are libjpeg's word for corrupt or missing data (a premature end of file, a bad
// Huffman code), which it would otherwise paper over with grey. A picture in our build is
// either whole or a fault, so a warning ends the decode, except one: once the picture has been
// declared shorter than it is, every scan's data for the rows below the cut is skipped as
// "extraneous" on the way to the next marker.
void emit_message(j_common_ptr info, int level) {
  if (level >= 0) return;
  if (trap_of(info).rows_cut && info->err->msg_code == JWRN_EXTRANEOUS_DATA) return;
  leave_with_message(info);
}

void ignore_output(j_common_ptr) {}

// Called by libjpeg before each strip of rows it reads while taking in a progressive picture.
void watch_progress(j_common_ptr info) {
  const auto decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) {
    ErrorTrap& trap = trap_of(info);
    std::snprintf(trap.message, sizeof trap.message, "more than %d scans", kMaxScans);
    std::longjmp(trap.jump, 1);
  }
}

// One decompression of one span of bytes. Each public step returns false when libjpeg failed;
// message() then says why.
class JpegSession {
 public:
  explicit JpegSession(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    std::memset(&info_, 0, sizeof info_);
    std::memset(&trap_, 0, sizeof trap_);
    info_.err = jpeg_std_error(&trap_.manager);
    trap_.manager.error_exit = leave_with_message;
    trap_.manager.emit_message = emit_message;
    trap_.manager.output_message = ignore_output;
    trap_.progress.progress_monitor = watch_progress;
  }
  JpegSession(const JpegSession&) = delete;
  JpegSession& operator=(const JpegSession&) = delete;
  ~JpegSession() { jpeg_destroy_decompress(&info_); }

  const char* message() const { return trap_.message; }
  jpeg_decompress_struct& info() { return info_; }

  bool read_header() {
    if (setjmp(trap_.jump)) return false;
    jpeg_create_decompress(&info_);
    info_.mem->max_memory_to_use = kMaxWorkingMemory;
    info_.progress = &trap_.progress;
    attach_span_source(&info_, source_, bytes_);
    jpeg_read_header(&info_, TRUE);
    return true;
  }

  // Starts decompression and narrows each output row to its first `width` pixels, so that the
  // columns beyond them are never transformed.
  bool start(JDIMENSION width) {
    if (setjmp(trap_.jump)) return false;
    jpeg_start_decompress(&info_);
    if (width < info_.output_width) {
      JDIMENSION x_offset = 0;
      jpeg_crop_scanline(&info_, &x_offset, &width);
    }
    return true;
  }

  // Decodes the first `count` rows into `rows`, which must each hold output_width pixels.
  bool read_rows(JSAMPROW* rows, JDIMENSION count) {
    if (setjmp(trap_.jump)) return false;
    while (info_.output_scanline < count) {
      if (jpeg_read_scanlines(&info_, rows + info_.output_scanline,
                              count - info_.output_scanline) == 0) {
        // Memory sources never suspend; a stall would loop for ever.
        std::snprintf(trap_.message, sizeof trap_.message, "the decoder stopped making progress");
        return false;
      }
    }
    return true;
  }

  // After the last row, reads on to the end of the image so that damage there is caught too.
  bool finish() {
    if (setjmp(trap_.jump)) return false;
    jpeg_finish_decompress(&info_);
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  jpeg_decompress_struct info_;
  ErrorTrap trap_;
  JpegSpanSource source_{};
};

void read_checked_header(JpegSession& session, std::string_view name) {
  if (!session.read_header()) fail_decode(name, std::string("bad JPEG: ") + session.message());
  const jpeg_decompress_struct& info = session.info();
  if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) {
    fail_decode(name, "JPEG size " + std::to_string(info.image_width) + "x" +
                          std::to_string(info.image_height) + " is larger than " +
                          std::to_string(kMaxPictureSide) + "x" + std::to_string(kMaxPictureSide));
  }
  if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
    fail_decode(name, "CMYK JPEG pictures are not supported; only colour and grey ones are");
  }
}

}  // namespace

PictureInfo read_jpeg_info(std::span<const std::uint8_t> bytes, std::string_view name) {
  JpegSession session(bytes);
  read_checked_header(session, name);
  const jpeg_decompress_struct& info = session.info();
  return {PictureFormat::Jpeg, static_cast<int>(info.image_width),
          static_cast<int>(info.image_height), 8 * info.num_components,
          info.progressive_mode != FALSE};
}

// A progressive picture is read in full before its first row comes out, into a buffer of the
// whole picture's coefficients. Declaring it only `strips` iMCU rows (libjpeg's strips of whole
// blocks) tall keeps that buffer, and every scan's decoding, to the rows that are kept.
void cut_rows_after(jpeg_decompress_struct& info, JDIMENSION strips) {
  if (strips >= info.total_iMCU_rows) return;
  const auto strip = static_cast<JDIMENSION>(info.max_v_samp_factor * DCTSIZE);
  info.image_height = strips * strip;
  info.total_iMCU_rows = strips;
  for (int c = 0; c < info.num_components; ++c) {
    jpeg_component_info& component = info.comp_info[c];
    const auto v = static_cast<JDIMENSION>(component.v_samp_factor);
    component.height_in_blocks = strips * v;
    component.downsampled_height =
        (info.image_height * v + static_cast<JDIMENSION>(info.max_v_samp_factor) - 1) /
        static_cast<JDIMENSION>(info.max_v_samp_factor);
  }
  trap_of(reinterpret_cast<j_common_ptr>(&info)).rows_cut = true;
}

namespace {

// A decode under way: the rows it will write and how wide libjpeg makes them.
struct JpegRows {
  Size out;       // the part kept: the visible part of the (scaled) picture
  int row_width;  // pixels libjpeg writes to each row, out.width or a little more
};

// Reads the header and starts decompressing the top-left `visible` part at `eighths` / 8 of
// the picture's size into `colour_space`. An empty `out` means nothing is visible.
JpegRows start_visible_part(JpegSession& session, std::string_view name, Size visible,
                            int eighths, J_COLOR_SPACE colour_space) {
  read_checked_header(session, name);
  jpeg_decompress_struct& info = session.info();
  // The inverse transform itself makes the picture `eighths` / 8 of its size: each block comes
  // out min_DCT_scaled_size pixels on a side.
  info.scale_num = static_cast<unsigned>(std::clamp(eighths, 1, 16));
  info.scale_denom = 8;
  jpeg_calc_output_dimensions(&info);
  const Size out = visible_region(static_cast<int>(info.output_width),
                                  static_cast<int>(info.output_height), visible);
  if (out.width == 0 || out.height == 0) return {};
  const auto block = static_cast<JDIMENSION>(info.min_DCT_scaled_size);

  // Smoothing subsampled colour (fancy upsampling) blends each pixel with the colour sample to
  // its right. Cropping exactly at the visible edge would make the last visible column an image
  // edge and change its colour, so one more block column is decoded and dropped.
  const auto decode_width = std::min<JDIMENSION>(
      info.output_width,
      static_cast<JDIMENSION>(out.width) + static_cast<JDIMENSION>(info.max_h_samp_factor) * block);
  // Of a progressive picture only the visible rows and three more strips are kept: smoothing
  // subsampled colour reads one strip ahead, and a picture whose scans stop short of full
  // detail has its blocks smoothed with neighbours up to two block rows away.
  if (info.progressive_mode) {
    const auto strip = static_cast<JDIMENSION>(info.max_v_samp_factor) * block;
    cut_rows_after(info, (static_cast<JDIMENSION>(out.height) + strip - 1) / strip + 3);
  }
  info.out_color_space = colour_space;
  if (!session.start(decode_width)) {
    fail_decode(name, std::string("bad JPEG: ") + session.message());
  }
  // Cropping may round the decoded width up to whole blocks: output_width says what it chose.
  return {out, static_cast<int>(info.output_width)};
}

// Decodes the rows into memory starting at `first`, each `pitch` bytes after the last.
void read_visible_rows(JpegSession& session, std::string_view name, const JpegRows& rows,
                       std::uint8_t* first, std::size_t pitch) {
  std::vector<JSAMPROW> starts(static_cast<std::size_t>(rows.out.height));
  for (std::size_t y = 0; y < starts.size(); ++y) starts[y] = first + y * pitch;
  if (!session.read_rows(starts.data(), static_cast<JDIMENSION>(rows.out.height))) {
    fail_decode(name, std::string("bad JPEG: ") + session.message());
  }
  // Rows below the visible part are never decoded; jpeg_destroy in the session's destructor
  // drops the rest of the image.
  const jpeg_decompress_struct& info = session.info();
  if (info.output_scanline == info.output_height && !session.finish()) {
    fail_decode(name, std::string("bad JPEG: ") + session.message());
  }
}

}  // namespace

Bitmap decode_jpeg(std::span<const std::uint8_t> bytes, std::string_view name, Size visible,
                   int eighths) {
  JpegSession session(bytes);
  const JpegRows rows = start_visible_part(session, name, visible, eighths, kPixelColorSpace);
  if (rows.out.width == 0 || rows.out.height == 0) return {};
  Bitmap decoded(rows.row_width, rows.out.height);
  read_visible_rows(session, name, rows, reinterpret_cast<std::uint8_t*>(decoded.pixels.data()),
                    static_cast<std::size_t>(rows.row_width) * sizeof(Pixel));
  return keep_left_columns(std::move(decoded), rows.out.width);
}

OpaqueBitmap decode_jpeg_opaque(std::span<const std::uint8_t> bytes, std::string_view name,
                                Size visible, int eighths) {
  JpegSession session(bytes);
  const JpegRows rows = start_visible_part(session, name, visible, eighths, JCS_EXT_BGR);
  if (rows.out.width == 0 || rows.out.height == 0) return {};
  // The few columns beyond the visible part stay in each row, unused: keeping them costs a few
  // per cent of the picture, where moving the rows together would cost a pass over all of it.
  OpaqueBitmap decoded(rows.out.width, rows.out.height, rows.row_width);
  read_visible_rows(session, name, rows, decoded.owned.get(),
                    static_cast<std::size_t>(decoded.pitch));
  return decoded;
}

}  // namespace tessivar::ui
