#include "caption_layout_report.h"

#include <algorithm>
#include <cstdio>
#include <variant>

#include "ui/geometry.h"
#include "ui/paint/text_layout.h"

namespace tessivar::tests {

namespace {

std::string points_text(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", points);
  return text;
}

std::string size_text(ui::Size size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

}  // namespace

std::string caption_layout_report(const ui::ApplicationSpec& application, const FontOpener& open,
                                  int dpi) {
  std::string report;
  for (const ui::FormModule& form : application.forms) {
    for (const ui::ControlSpec& control : form.spec->controls) {
      const auto* label = std::get_if<ui::LabelSpec>(&control.kind);
      if (!label || label->caption.empty()) continue;
      const std::unique_ptr<ui::Font> font = open(label->font, dpi);
      const ui::Size box{ui::twips_to_pixels(control.width, dpi),
                         ui::twips_to_pixels(control.height, dpi)};
      std::string line = std::string(form.spec->name) + "." + std::string(control.name) + "@" +
                         std::to_string(dpi) + " \"" + std::string(label->font.face) + "\" " +
                         points_text(label->font.points) + "pt " +
                         std::to_string(label->font.weight);
      if (label->auto_size) {
        const ui::Size extent = ui::single_line_extent(*font, label->caption);
        line += " autosized to " + size_text(extent) + ": " + std::string(label->caption);
      } else {
        const auto lines = ui::break_into_lines(*font, label->caption, box.width);
        const int step = ui::line_step(*font);
        const std::size_t whole = step > 0 ? static_cast<std::size_t>(box.height / step) : 0;
        int drawn = 0;
        std::int64_t design = 0;
        for (const ui::TextLine& text_line : lines) {
          drawn = std::max(drawn, text_line.width);
          design = std::max(design, font->design_width(text_line.text));
        }
        line += " in " + size_text(box) + ": " + std::to_string(lines.size()) +
                (lines.size() == 1 ? " line, " : " lines, ") +
                std::to_string(std::min(whole, lines.size())) + " whole: ";
        for (std::size_t i = 0; i < lines.size(); ++i) {
          line += (i > 0 ? "|" : "") + std::string(lines[i].text);
        }
        const bool fits = design <= std::int64_t{box.width} * 64 && lines.size() <= whole;
        char widths[64];
        std::snprintf(widths, sizeof widths, " [design %.1f, drawn %d, %s]", design / 64.0, drawn,
                      fits ? "fits" : "overruns");
        line += widths;
      }
      report += line + "\n";
    }
  }
  return report;
}

std::string caption_layout_reports(const ui::ApplicationSpec& application, const FontOpener& open) {
  std::string reports;
  for (const int dpi : kReportDensities) reports += caption_layout_report(application, open, dpi);
  return reports;
}

}  // namespace tessivar::tests
