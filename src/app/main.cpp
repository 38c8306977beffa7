// The Linux program: the application's description run on the X11 backend.
#include <clocale>
#include <cstdio>

#include "app/application_description.h"
#include "platform/x11/x11_platform.h"
#include "ui/application.h"

int main() {
  // The clock texts follow the user's regional settings.
  std::setlocale(LC_ALL, "");
  try {
    tessivar::x11::X11Platform platform;
    tessivar::ui::Application app(platform, tessivar::app::tessivar_application());
    app.start();
    app.run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessivar: %s\n", error.what());
    return 1;
  }
  return 0;
}
