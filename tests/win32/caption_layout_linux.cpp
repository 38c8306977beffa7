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
    for (const int dpi : tessivar::tests::kReportDensities) {
      const std::string report = tessivar::tests::caption_layout_report(
          tessivar::app::tessivar_application(),
          [&](const tessivar::ui::FontSpec& spec, int at) { return engine.open(spec, at); }, dpi);
      std::fputs(report.c_str(), stdout);
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "caption_layout_linux: %s\n", failure.what());
    return 2;
  }
  return 0;
}
