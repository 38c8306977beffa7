#include "ui/picture/jpeg_span_source.h"

namespace tessivar::ui {
namespace {

JpegSpanSource& source_of(j_decompress_ptr info) {
  return *reinterpret_cast<JpegSpanSource*>(info->src);
}

bool is_restart_marker(int code) {
  return code >= JPEG_RST0 && code <= JPEG_RST0 + 7;
}

// The 0xFF that starts the next marker at or after `from`, or `size`. Inside compressed data a
// 0xFF byte is followed by a stuffed 0x00, by fill bytes 0xFF, or by a restart marker, none of
// which ends a scan.
std::size_t find_next_marker(const std::uint8_t* data, std::size_t from, std::size_t size) {
  for (std::size_t i = from; i + 1 < size; ++i) {
    if (data[i] != 0xFF) continue;
    const std::uint8_t code = data[i + 1];
    if (code != 0x00 && code != 0xFF && !is_restart_marker(code)) return i;
  }
  return size;
}

// Between scans libjpeg leaves input_iMCU_row at total_iMCU_rows, and before the first it is
// 0, so this holds only while the compressed data of a scan is being read.
bool reading_hidden_rows(j_decompress_ptr info) {
  return info->input_iMCU_row >= source_of(info).hidden_from_row &&
         info->input_iMCU_row < info->total_iMCU_rows;
}

void init_source(j_decompress_ptr) {}

// Called only once everything has been handed out.
boolean fill_input_buffer(j_decompress_ptr info) {
  // As libjpeg's own memory source does: warn (which ends our decode), and insert an end of
  // image marker so that libjpeg never reads past the data.
  static const JOCTET end_of_image[2] = {0xFF, JPEG_EOI};
  WARNMS(info, JWRN_JPEG_EOF);
  source_of(info).past_end = true;
  info->src->next_input_byte = end_of_image;
  info->src->bytes_in_buffer = sizeof end_of_image;
  return TRUE;
}

void skip_input_data(j_decompress_ptr info, long count) {
  // libjpeg skips the bodies of markers it does not use this way.
  if (count <= 0) return;
  const auto wanted = static_cast<unsigned long>(count);
  if (wanted > info->src->bytes_in_buffer) {
    info->src->bytes_in_buffer = 0;
    fill_input_buffer(info);
    return;
  }
  info->src->next_input_byte += wanted;
  info->src->bytes_in_buffer -= wanted;
}

void term_source(j_decompress_ptr) {}

}  // namespace

void attach_span_source(j_decompress_ptr info, JpegSpanSource& source,
                        std::span<const std::uint8_t> bytes) {
  source.manager.init_source = init_source;
  source.manager.fill_input_buffer = fill_input_buffer;
  source.manager.skip_input_data = skip_input_data;
  source.manager.resync_to_restart = jpeg_resync_to_restart;
  source.manager.term_source = term_source;
  source.manager.next_input_byte = bytes.data();
  source.manager.bytes_in_buffer = bytes.size();
  source.data = bytes.data();
  source.size = bytes.size();
  info->src = &source.manager;
}

void hide_rows_from(j_decompress_ptr info, JDIMENSION row) {
  source_of(info).hidden_from_row = row;
}

void leave_out_hidden_rows(j_decompress_ptr info) {
  JpegSpanSource& source = source_of(info);
  if (!reading_hidden_rows(info) || source.cut_scan == info->input_scan_number) return;
  source.cut_scan = info->input_scan_number;
  // A decoder that already met a marker other than a restart marker stands at the scan's end.
  if (info->unread_marker != 0 && !is_restart_marker(info->unread_marker)) return;
  // After the data's end, libjpeg is reading the inserted end marker; there is nothing to skip.
  if (source.past_end) return;
  const auto from = static_cast<std::size_t>(source.manager.next_input_byte - source.data);
  const std::size_t marker = find_next_marker(source.data, from, source.size);
  // With no marker left the data is truncated: the jump runs to the end, where the source
  // reports the premature end as for any other truncated picture.
  source.manager.next_input_byte = source.data + marker;
  source.manager.bytes_in_buffer = source.size - marker;
}

bool is_warning_of_cut_scan(j_decompress_ptr info) {
  const JpegSpanSource& source = source_of(info);
  const int code = info->err->msg_code;
  // At a restart, libjpeg drops the unread rest of the bits it took for a hidden block and
  // reports them as extraneous bytes only when it next looks for a marker itself, which may
  // fall in a later scan. Such bytes never change a pixel.
  if (code == JWRN_EXTRANEOUS_DATA) return source.cut_scan != 0;
  // The early marker, and codes misread from the bits of a partly read hidden block.
  const bool from_hidden_data = code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE ||
                                code == JWRN_ARITH_BAD_CODE || code == JWRN_MUST_RESYNC;
  return from_hidden_data && source.cut_scan == info->input_scan_number &&
         reading_hidden_rows(info);
}

}  // namespace tessivar::ui
