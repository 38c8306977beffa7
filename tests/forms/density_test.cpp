// The three windows at the screen densities people use: the same twips, more pixels. Loading at
// a density and moving there later give the same window.
#include <gtest/gtest.h>

#include "app/application_description.h"
#include "support/headless_harness.h"
#include "support/reference_image.h"

namespace tessivar::testing {
namespace {

// Opens the start screen and the About window at `dpi`, the splash having handed over.
void open_all_windows(HeadlessHarness& h, int dpi) {
  h.platform.set_screen_dpi(dpi);
  h.start();
  h.wait(3000);
  h.app.show("frmAbout");
  h.settle();
}

struct ClientSizes {
  int dpi;
  ui::Size splash, start, about;
};

// Each edge of a window's client area is its twips at the density, rounded: at 144 dpi the
// start screen's 9705 twips of height are 970.5 pixels, which round up.
constexpr ClientSizes kClientSizes[] = {
    {96, {561, 300}, {1016, 647}, {453, 443}},
    {120, {701, 375}, {1270, 809}, {566, 554}},
    {144, {842, 450}, {1524, 971}, {680, 665}},
    {192, {1122, 600}, {2032, 1294}, {906, 886}},
};

TEST(Density, EachWindowsClientAreaIsItsTwipsAtTheScreensDensity) {
  for (const ClientSizes& sizes : kClientSizes) {
    HeadlessHarness h{app::tessivar_application()};
    h.platform.set_screen_dpi(sizes.dpi);
    h.start();
    const auto client = [&](std::string_view form) {
      return h.platform.window(h.window(form))->description.client_size;
    };
    EXPECT_EQ(client("frmSplash"), sizes.splash) << sizes.dpi;
    EXPECT_EQ(h.platform.surface(h.window("frmSplash")).width, sizes.splash.width);
    h.wait(3000);
    h.app.show("frmAbout");
    h.settle();
    EXPECT_EQ(client("Pellomark"), sizes.start) << sizes.dpi;
    EXPECT_EQ(client("frmAbout"), sizes.about) << sizes.dpi;
  }
}

// Text drawn by the font engine at the density, pictures resampled smoothly, lines and scroll
// bars at the system's scaled widths. At 125% every caption still stands on its lines of 100%.
TEST(Density, TheWindowsLookAsDescribedAtOneAndAQuarterAndTwiceTheStandardDensity) {
  for (const int dpi : {120, 192}) {
    const std::string suffix = "-" + std::to_string(dpi) + "dpi";
    HeadlessHarness splash{app::tessivar_application()};
    splash.platform.set_screen_dpi(dpi);
    splash.start();
    expect_matches_reference(splash.platform.surface(splash.window("frmSplash")),
                             "splash" + suffix);

    HeadlessHarness h{app::tessivar_application()};
    open_all_windows(h, dpi);
    expect_matches_reference(h.platform.surface(h.window("frmAbout")), "about" + suffix);
    if (dpi == 192) {
      expect_matches_reference(h.platform.surface(h.window("Pellomark")), "start-screen" + suffix);
    }
  }
}

TEST(Density, AWindowMovedToAMonitorOfAnotherDensityIsAsIfItHadOpenedThere) {
  HeadlessHarness h{app::tessivar_application()};
  open_all_windows(h, 96);
  ui::Form& start = h.form("Pellomark");
  const float canvas_top = start.picture_box("picPicture").top();
  const ui::WindowHandle window = h.window("Pellomark");

  h.platform.change_density(window, 192);
  h.settle();
  EXPECT_EQ(start.dpi(), 192);
  EXPECT_EQ(h.platform.window(window)->description.client_size, (ui::Size{2032, 1294}));
  EXPECT_EQ(start.picture_box("picPicture").top(), canvas_top);  // properties keep their twips
  EXPECT_EQ(h.log.ran("Pellomark.Form_Activate"), 1);           // and no event runs
  const auto as_opened_at = [](int dpi) {
    HeadlessHarness fresh{app::tessivar_application()};
    open_all_windows(fresh, dpi);
    return fresh.platform.surface(fresh.window("Pellomark")).pixels;
  };
  EXPECT_EQ(h.platform.surface(window).pixels, as_opened_at(192));

  // Back on the first monitor, the window is as it was.
  h.platform.change_density(window, 96);
  h.settle();
  EXPECT_EQ(h.platform.window(window)->description.client_size, (ui::Size{1016, 647}));
  EXPECT_EQ(h.platform.surface(window).pixels, as_opened_at(96));
}

}  // namespace
}  // namespace tessivar::testing
