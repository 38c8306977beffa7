// tessivar-drive: runs the real application on the headless backend and reads commands, one a
// line, from the file named as its argument or from standard input, writing what happens to
// standard output, one line each. See the README for the commands.
#include <charconv>
#include <clocale>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/application_description.h"
#include "platform/headless/headless_platform.h"
#include "platform/png/png_file.h"
#include "tools/drive/key_names.h"
#include "ui/application.h"
#include "ui/property_text.h"

namespace tessivar::drive {
namespace {

class BadCommand : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Printer : public ui::ApplicationObserver {
 public:
  void form_loaded(const ui::Form& f) override { std::cout << "load " << f.name() << "\n"; }
  void form_activated(const ui::Form& f) override { std::cout << "activate " << f.name() << "\n"; }
  void form_unloaded(const ui::Form& f) override { std::cout << "unload " << f.name() << "\n"; }
  void application_ended() override { std::cout << "end\n"; }
};

int whole_number(const std::string& word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size()) {
    throw BadCommand("not a whole number: " + word);
  }
  return value;
}

class Driver {
 public:
  Driver() : app_(platform_, app::tessivar_application()) {
    app_.set_observer(&printer_);
    platform_.on_launch([](const ui::LaunchRequest& r) {
      std::cout << "launch \"" << r.command_line << "\" " << static_cast<int>(r.window_style)
                << "\n";
    });
    platform_.on_error([](const ui::Error& e) {
      std::cout << "error " << ui::error_kind_token(e.kind()) << ": " << e.what() << "\n";
    });
  }

  // The application starts at the first command that is not `scale`, or at the end of a script
  // that has none.
  void start_if_not_started() {
    if (started_) return;
    started_ = true;
    app_.start();
    settle();
  }

  void execute(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    if (verb == "scale") {
      expect(w, 2);
      if (started_) throw BadCommand("scale comes before every other command");
      platform_.set_screen_dpi(dpi_of(w[1]));
      return;
    }
    start_if_not_started();
    if (verb == "wait") {
      expect(w, 2);
      const int ms = whole_number(w[1]);
      if (ms < 0) throw BadCommand("a negative wait");
      platform_.allow_time_until(platform_.now() + ms);
      run();
    } else if (verb == "click" || verb == "press" || verb == "release" || verb == "move") {
      expect(w, 4);
      const ui::WindowHandle window = window_of(w[1]);
      const ui::Point at{whole_number(w[2]), whole_number(w[3])};
      if (verb != "release" && verb != "move") platform_.press(window, at);
      if (verb == "move") platform_.move_pointer(window, at);
      if (verb != "press" && verb != "move") platform_.release(window, at);
      settle();
    } else if (verb == "key") {
      if (w.size() < 2) throw BadCommand("key needs a key name");
      const auto key = key_named(w[1]);
      if (!key) throw BadCommand("unknown key " + w[1]);
      std::int16_t shift = 0;
      for (std::size_t i = 2; i < w.size(); ++i) {
        if (w[i] == "shift") shift |= ui::kShiftMask;
        else if (w[i] == "ctrl") shift |= ui::kCtrlMask;
        else if (w[i] == "alt") shift |= ui::kAltMask;
        else throw BadCommand("unknown modifier " + w[i]);
      }
      platform_.key_down(key->key_code, shift);
      if (const char32_t c = character_for(*key, shift)) platform_.character(c);
      platform_.key_up(key->key_code, shift);
      settle();
    } else if (verb == "close") {
      expect(w, 2);
      platform_.request_close(window_of(w[1]));
      settle();
    } else if (verb == "activate") {
      expect(w, 2);
      platform_.activate_by_user(window_of(w[1]));
      settle();
    } else if (verb == "switch-away") {
      expect(w, 1);
      platform_.switch_away();
      settle();
    } else if (verb == "switch-back") {
      expect(w, 1);
      platform_.switch_back();
      settle();
    } else if (verb == "monitor") {
      expect(w, 3);
      platform_.change_density(window_of(w[1]), dpi_of(w[2]));
      settle();
    } else if (verb == "time") {
      expect(w, 2);
      platform_.set_local_time(parse_time(w[1]));
    } else if (verb == "launches") {
      expect(w, 2);
      if (w[1] != "fail" && w[1] != "succeed") throw BadCommand("launches fail or launches succeed");
      platform_.set_launches_fail(w[1] == "fail");
    } else if (verb == "get") {
      expect(w, 4);
      get(w[1], w[2], w[3]);
    } else if (verb == "shot") {
      expect(w, 3);
      const ui::Bitmap& surface = platform_.surface(window_of(w[1]));
      platform::write_png_file(w[2], surface.view());
      std::cout << "shot " << w[1] << " " << w[2] << "\n";
    } else {
      throw BadCommand("unknown command " + verb);
    }
  }

 private:
  static void expect(const std::vector<std::string>& w, std::size_t n) {
    if (w.size() != n) throw BadCommand(w[0] + " takes " + std::to_string(n - 1) + " argument(s)");
  }

  static int dpi_of(const std::string& word) {
    const int dpi = whole_number(word);
    if (dpi < ui::kLowestDpi || dpi > ui::kHighestDpi) {
      throw BadCommand("a density from " + std::to_string(ui::kLowestDpi) + " to " +
                       std::to_string(ui::kHighestDpi) + " dpi, not " + word);
    }
    return dpi;
  }

  static std::tm parse_time(const std::string& text) {
    std::tm t{};
    std::istringstream in(text);
    in >> std::get_time(&t, "%Y-%m-%dT%H:%M:%S");
    if (in.fail() || in.peek() != EOF) throw BadCommand("time wants YYYY-MM-DDTHH:MM:SS");
    // The parse takes each field within its own range only (30 February passes); a real date
    // and time comes back from the calendar unchanged.
    std::tm normalised = t;
    const std::time_t seconds = timegm(&normalised);
    std::tm back{};
    gmtime_r(&seconds, &back);
    if (back.tm_year != t.tm_year || back.tm_mon != t.tm_mon || back.tm_mday != t.tm_mday ||
        back.tm_hour != t.tm_hour || back.tm_min != t.tm_min || back.tm_sec != t.tm_sec) {
      throw BadCommand("no such date and time: " + text);
    }
    return t;
  }

  ui::WindowHandle window_of(const std::string& name) {
    const ui::Form* form = app_.loaded_form(name);
    if (form == nullptr || !form->shown()) throw BadCommand(name + " is not shown");
    return form->window();
  }

  // The answer is printed whole or not at all, so that a bad request's message stands on a
  // line of its own.
  void get(const std::string& window, const std::string& control, const std::string& property) {
    const std::string asked = window + "." + control + "." + property;
    const ui::Form* form = app_.loaded_form(window);
    if (form == nullptr) {
      std::cout << asked << " = (not loaded)\n";
      return;
    }
    const auto text = ui::property_text(*form, control, property);
    if (!text) throw BadCommand(window + " has no " + control + "." + property);
    std::cout << asked << " = " << *text << "\n";
  }

  void settle() {
    platform_.allow_time_until(platform_.now());
    run();
  }
  void run() {
    app_.run();
    std::cout.flush();
  }

  headless::HeadlessPlatform platform_;
  ui::Application app_;
  Printer printer_;
  bool started_ = false;
};

std::vector<std::string> words_of(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

int run_script(std::istream& script) {
  Driver driver;
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    const std::vector<std::string> words = words_of(line);
    if (words.empty() || words[0][0] == '#') continue;
    try {
      driver.execute(words);
    } catch (const BadCommand& bad) {
      std::cout << "bad command at line " << number << ": " << bad.what() << "\n";
      return 2;
    } catch (const ui::Error& error) {
      std::cout << "bad command at line " << number << ": " << error.what() << "\n";
      return 2;
    }
  }
  driver.start_if_not_started();
  return 0;
}

}  // namespace
}  // namespace tessivar::drive

int main(int argc, char** argv) {
  // The clock texts follow the regional settings of the environment, as in the program itself.
  std::setlocale(LC_ALL, "");
  if (argc > 2) {
    std::cerr << "usage: tessivar-drive [SCRIPT]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cerr << "tessivar-drive: cannot read " << argv[1] << "\n";
      return 2;
    }
    return tessivar::drive::run_script(script);
  }
  return tessivar::drive::run_script(std::cin);
}
