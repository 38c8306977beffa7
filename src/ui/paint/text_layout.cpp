#include "ui/paint/text_layout.h"

namespace tessivar::ui {
namespace {

std::string_view trim_trailing_spaces(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool is_break(char c) { return c == '\n' || c == '\r'; }

// Whether a line fits by its design width, so that every backend breaks it at the same word.
bool fits(const Font& font, std::string_view line, int max_width) {
  return font.design_width(line) <= std::int64_t{max_width} * 64;
}

}  // namespace

int line_step(const Font& font) {
  const FontMetrics m = font.metrics();
  return m.ascent + m.descent;
}

Size single_line_extent(const Font& font, std::string_view text) {
  return {font.measure(text), line_step(font)};
}

std::vector<TextLine> break_into_lines(const Font& font, std::string_view text, int max_width) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  bool first_line = true;
  while (start <= text.size()) {
    if (!first_line) {
      while (start < text.size() && text[start] == ' ') ++start;  // spaces at a break go
    }
    // Extend word by word while the line still fits.
    std::size_t fitted_end = start;  // end of the last word that fits
    std::size_t pos = start;
    bool hard_break = false;
    while (pos < text.size()) {
      std::size_t word_end = pos;
      while (word_end < text.size() && text[word_end] == ' ') ++word_end;
      while (word_end < text.size() && text[word_end] != ' ' && !is_break(text[word_end])) {
        ++word_end;
      }
      const std::string_view candidate = text.substr(start, word_end - start);
      if (fitted_end != start && !fits(font, trim_trailing_spaces(candidate), max_width)) break;
      fitted_end = word_end;
      pos = word_end;
      if (pos < text.size() && is_break(text[pos])) {
        hard_break = true;
        break;
      }
    }
    const std::string_view line = trim_trailing_spaces(text.substr(start, fitted_end - start));
    lines.push_back({line, font.measure(line)});
    first_line = false;
    start = fitted_end;
    if (hard_break) {
      if (text[start] == '\r' && start + 1 < text.size() && text[start + 1] == '\n') ++start;
      ++start;
      first_line = true;  // a line after an explicit break keeps its leading spaces
      if (start == text.size()) {
        lines.push_back({});
        break;
      }
      continue;
    }
    if (start >= text.size()) break;
  }
  return lines;
}

void draw_text_block(PixelView target, Rect box, Rect clip, const Font& font, std::string_view text,
                     Alignment alignment, Pixel colour) {
  clip = clip.intersect(box);
  if (clip.empty() || text.empty()) return;
  const int step = line_step(font);
  const int ascent = font.metrics().ascent;
  int top = box.y;
  for (const TextLine& line : break_into_lines(font, text, box.width)) {
    if (top >= clip.bottom()) break;  // cut off at the bottom edge
    if (top + step > clip.y && !line.text.empty()) {
      int x = box.x;
      if (alignment == Alignment::Right) x = box.right() - line.width;
      if (alignment == Alignment::Centre) x = box.x + (box.width - line.width) / 2;
      font.draw(target, clip, {x, top + ascent}, line.text, colour);
    }
    top += step;
  }
}

}  // namespace tessivar::ui
