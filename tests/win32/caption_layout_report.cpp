#include "caption_layout_report.h"

#include <cstdio>
#include <variant>

#include "ui/geometry.h"
#include "ui/paint/text_layout.h"

namespace tessivar::tests {

namespace {

constexpr int kDpi = 96;

std::string points_text(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", points);
  return text;
}

}  // namespace

std::string caption_layout_report(const ui::ApplicationSpec& application, const FontOpener& open) {
  std::string report;
  for (const ui::FormModule& form : application.forms) {
    for (const ui::ControlSpec& control : form.spec->controls) {
      const auto* label = std::get_if<ui::LabelSpec>(&control.kind);
      if (!label || label->caption.empty()) continue;
      const std::unique_ptr<ui::Font> font = open(label->font);
      const int height = ui::twips_to_pixels(control.height, kDpi);
      std::string line = std::string(form.spec->name) + "." + std::string(control.name) + " \"" +
                         std::string(label->font.face) + "\" " + points_text(label->font.points) +
                         "pt " + std::to_string(label->font.weight);
      if (label->auto_size) {
        const ui::Size extent = ui::single_line_extent(*font, label->caption);
        line += " autosized to " + std::to_string(extent.width) + "x" +
                std::to_string(extent.height) + ": " + std::string(label->caption);
      } else {
        const int width = ui::twips_to_pixels(control.width, kDpi);
        const auto lines = ui::break_into_lines(*font, label->caption, width);
        const int step = ui::line_step(*font);
        const std::size_t whole = step > 0 ? static_cast<std::size_t>(height / step) : 0;
        line += " in " + std::to_string(width) + "x" + std::to_string(height) + ": " +
                std::to_string(lines.size()) + (lines.size() == 1 ? " line, " : " lines, ") +
                std::to_string(std::min(whole, lines.size())) + " whole: ";
        for (std::size_t i = 0; i < lines.size(); ++i) {
          line += (i > 0 ? "|" : "") + std::string(lines[i].text);
        }
      }
      report += line + "\n";
    }
  }
  return report;
}

}  // namespace tessivar::tests
