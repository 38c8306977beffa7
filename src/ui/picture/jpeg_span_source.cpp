#include "ui/picture/jpeg_span_source.h"

namespace tessivar::ui {
namespace {

void init_source(j_decompress_ptr) {}

// Called only once everything has been handed out.
boolean fill_input_buffer(j_decompress_ptr info) {
  // As libjpeg's own memory source does: warn (which ends our decode), and insert an end of
  // image marker so that libjpeg never reads past the data.
  static const JOCTET end_of_image[2] = {0xFF, JPEG_EOI};
  WARNMS(info, JWRN_JPEG_EOF);
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

}  // namespace tessivar::ui
