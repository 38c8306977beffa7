// Runs an application on the headless backend for tests: inject input, move the virtual clock,
// read what happened.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "ui/application.h"

namespace tessivar::testing {

// Records what the engine reports, in order ("load frmA", "activate frmA", ...).
class EventLog : public ui::ApplicationObserver {
 public:
  void form_loaded(const ui::Form& f) override { lines.push_back("load " + std::string(f.name())); }
  void form_activated(const ui::Form& f) override {
    lines.push_back("activate " + std::string(f.name()));
  }
  void form_unloaded(const ui::Form& f) override {
    lines.push_back("unload " + std::string(f.name()));
  }
  void application_ended() override { lines.push_back("end"); }
  void handler_running(const ui::Form& f, const ui::Control* c, ui::Event e) override {
    handlers.push_back(std::string(f.name()) + "." + std::string(c ? c->name() : "Form") + "_" +
                       std::string(ui::event_name(e)));
  }
  // How many times a handler ran, by its name ("Pellomark.VScroll1_Change").
  int ran(std::string_view handler) const {
    int n = 0;
    for (const auto& h : handlers) n += h == handler;
    return n;
  }
  std::vector<std::string> lines;
  std::vector<std::string> handlers;
};

class HeadlessHarness {
 public:
  explicit HeadlessHarness(const ui::ApplicationSpec& spec) : app(platform, spec) {
    app.set_observer(&log);
  }

  // Starts the application and delivers what follows from it at the current time.
  void start() {
    app.start();
    settle();
  }
  // Delivers all queued input and every timer due by now.
  void settle() {
    platform.allow_time_until(platform.now());
    app.run();
  }
  // Advances the virtual clock, firing timers as they fall due.
  void wait(ui::Millis ms) {
    platform.allow_time_until(platform.now() + ms);
    app.run();
  }

  ui::Form& form(std::string_view name) {
    ui::Form* f = app.loaded_form(name);
    if (f == nullptr) throw std::runtime_error("not loaded: " + std::string(name));
    return *f;
  }
  ui::WindowHandle window(std::string_view name) { return form(name).window(); }

  void click(std::string_view form_name, ui::Point at) {
    const ui::WindowHandle w = window(form_name);
    platform.press(w, at);
    platform.release(w, at);
    settle();
  }
  void key(std::int16_t key_code, std::int16_t shift = 0, char32_t character = 0) {
    platform.key_down(key_code, shift);
    if (character != 0) platform.character(character);
    platform.key_up(key_code, shift);
    settle();
  }

  headless::HeadlessPlatform platform;
  ui::Application app;
  EventLog log;
};

}  // namespace tessivar::testing
