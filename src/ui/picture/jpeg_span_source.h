// A libjpeg data source over bytes in memory, bounds-checked: reading past the end gives libjpeg
// a warning and an end marker, never bytes outside the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/picture/libjpeg.h"

namespace tessivar::ui {

struct JpegSpanSource {
  jpeg_source_mgr manager;  // first: libjpeg hands back a pointer to it
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

// Makes `source` the data source of `info`, reading all of `bytes`.
void attach_span_source(j_decompress_ptr info, JpegSpanSource& source,
                        std::span<const std::uint8_t> bytes);

}  // namespace tessivar::ui
