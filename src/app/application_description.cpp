#include "app/application_description.h"

#include <array>

#include "forms/about/about_form.h"
#include "forms/splash/splash_form.h"
#include "forms/start/start_form.h"

namespace tessivar::app {

const ui::ApplicationSpec& tessivar_application() {
  static const std::array forms = {forms::splash::splash_form(), forms::start::start_form(),
                                   forms::about::about_form()};
  static const ui::ApplicationSpec spec{.title = "Tessivar 1.0",
                                        .version = {.major = 1, .minor = 0, .revision = 0},
                                        .forms = forms,
                                        .startup_form = "frmSplash"};
  return spec;
}

}  // namespace tessivar::app
