// What the application hands the platform at start: its windows with their bindings, its title
// and version numbers, and the window to show first.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/events.h"
#include "ui/form_spec.h"

namespace tessivar::ui {

struct FormModule {
  const FormSpec* spec = nullptr;
  std::span<const Binding> bindings;
};

struct AppVersion {
  std::int16_t major = 0;
  std::int16_t minor = 0;
  std::int16_t revision = 0;
};

struct ApplicationSpec {
  std::string_view title;
  AppVersion version;
  std::span<const FormModule> forms;
  std::string_view startup_form;
};

}  // namespace tessivar::ui
