// Fonts chosen ahead, with the system's font configuration let go afterwards: what is drawn is
// the same as from an engine that kept it, for the fonts prepared, for others, and for characters
// that only a fallback face has.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "font_test_support.h"

namespace tessivar::fonts {
namespace {

using test_support::shared_engine;

ui::Bitmap drawn(const ui::Font& font, std::string_view text) {
  ui::Bitmap surface(160, 40, ui::make_pixel(0, 0, 0));
  font.draw(surface.view(), surface.view().bounds(), {4, 30}, text, ui::make_pixel(255, 255, 255));
  return surface;
}

TEST(FontPreparation, DrawsAsAnEngineThatKeptItsConfigurationWouldPreparedOrNot) {
  const std::array<ui::FontSpec, 2> prepared_fonts = {
      ui::FontSpec{.face = "Segoe UI", .points = 18},
      ui::FontSpec{.face = "MS Sans Serif", .points = 8.25, .weight = 700}};
  FontEngine engine;
  engine.prepare(prepared_fonts);

  const struct {
    ui::FontSpec font;
    const char* text;
  } cases[] = {
      {prepared_fonts[0], "Tessivar"},
      {prepared_fonts[1], "Start 12:34"},
      {{.face = "Consolas", .points = 10}, "not prepared"},  // the configuration comes back
      {prepared_fonts[0], "\xD9\x85"},                       // Arabic: from a fallback face
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.font.face) + ": " + c.text);
    ASSERT_EQ(engine.choose(c.font)->location.file, shared_engine().choose(c.font)->location.file);
    EXPECT_EQ(drawn(*engine.open(c.font), c.text).pixels,
              drawn(*shared_engine().open(c.font), c.text).pixels);
  }
}

}  // namespace
}  // namespace tessivar::fonts
