// A libjpeg data source over bytes in memory that can leave out what is never shown of a
// progressive picture.
//
// A progressive picture is sent as several scans, each covering the whole picture top to
// bottom, and libjpeg reads every scan in full before it gives out the first row. When only the
// top of the picture can be visible, each scan is read only down to the rows that matter; the
// source then jumps to the scan's end, found by looking for the next marker instead of
// decoding the data in between. libjpeg takes the early marker for missing data, warns, and
// leaves the hidden rows' coefficients incomplete, which nothing ever shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "ui/picture/libjpeg.h"

namespace tessivar::ui {

struct JpegSpanSource {
  jpeg_source_mgr manager;  // first: libjpeg hands back a pointer to it
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  bool past_end = false;  // all of the data is handed out; only an inserted end marker is left
  // iMCU rows (the strips of whole blocks libjpeg counts in) from this one down are hidden.
  JDIMENSION hidden_from_row = std::numeric_limits<JDIMENSION>::max();
  // The scan whose hidden rows were left out last (libjpeg's input_scan_number), 0 for none.
  int cut_scan = 0;
};

// Makes `source` the data source of `info`, reading all of `bytes`.
void attach_span_source(j_decompress_ptr info, JpegSpanSource& source,
                        std::span<const std::uint8_t> bytes);

// From now on, leaves the iMCU rows from `row` down out of every scan.
void hide_rows_from(j_decompress_ptr info, JDIMENSION row);

// Called between iMCU rows while libjpeg reads the scans of a progressive picture (from its
// progress monitor): at the first hidden row of a scan, jumps to the scan's end.
void leave_out_hidden_rows(j_decompress_ptr info);

// Whether the warning libjpeg is giving comes from decoding the hidden rows of a scan that was
// cut short, which decode garbage and then meet the scan's end early. Damage to the rows that
// are shown still raises its warning; so does a truncated file.
bool is_warning_of_cut_scan(j_decompress_ptr info);

}  // namespace tessivar::ui
