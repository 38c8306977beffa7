// The Linux program: the application's description run on the X11 backend.
#include <clocale>
#include <cstdio>

#include "app/application_description.h"
#include "platform/x11/unused_memory.h"
#include "platform/x11/x11_platform.h"
#include "ui/application.h"
#include "ui/application_fonts.h"

int main() {
  tessivar::x11::keep_freed_memory_for_reuse();
  // The clock texts follow the user's regional settings.
  std::setlocale(LC_ALL, "");
  try {
    const tessivar::ui::ApplicationSpec& application = tessivar::app::tessivar_application();
    tessivar::x11::X11Platform platform;
    platform.prepare_fonts_when_idle(tessivar::ui::fonts_named_in(application));
    tessivar::ui::Application app(platform, application);
    app.start();
    app.run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessivar: %s\n", error.what());
    return 1;
  }
  return 0;
}
