// The Linux program's layout of every label caption (caption_layout_report.h) at each density
// the layouts are held to, for the Windows program's to be held to: tests/win32/wine_faces_test.sh
// compares the two.
#include <cstdio>
#include <exception>

#include "app/application_description.h"
#include "caption_layout_report.h"
#include "platform/fonts/font_engine.h"

int main() {
  try {
    tessivar::fonts::FontEngine engine;
    const std::string reports = tessivar::tests::caption_layout_reports(
        tessivar::app::tessivar_application(),
        [&](const tessivar::ui::FontSpec& spec, int dpi) { return engine.open(spec, dpi); });
    std::fputs(reports.c_str(), stdout);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "caption_layout_linux: %s\n", failure.what());
    return 2;
  }
  return 0;
}
