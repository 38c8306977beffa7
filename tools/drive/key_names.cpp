#include "tools/drive/key_names.h"

#include <array>
#include <cctype>

#include "ui/key_character.h"
#include "ui/platform.h"

namespace tessivar::drive {
namespace {

struct KeyRow {
  std::string_view name;
  NamedKey key;
};

// name          code  char  shifted
constexpr std::array kKeys = {
    KeyRow{"Space",     {0x20, U' ', U' '}},
    KeyRow{"Enter",     {0x0D, U'\r', U'\r'}},
    KeyRow{"Escape",    {0x1B, 0x1B, 0x1B}},
    KeyRow{"Backspace", {0x08, 0x08, 0x08}},
    KeyRow{"Tab",       {0x09, U'\t', U'\t'}},
    KeyRow{"Left",      {0x25, 0, 0}},
    KeyRow{"Up",        {0x26, 0, 0}},
    KeyRow{"Right",     {0x27, 0, 0}},
    KeyRow{"Down",      {0x28, 0, 0}},
    KeyRow{"PageUp",    {0x21, 0, 0}},
    KeyRow{"PageDown",  {0x22, 0, 0}},
    KeyRow{"Home",      {0x24, 0, 0}},
    KeyRow{"End",       {0x23, 0, 0}},
    KeyRow{"Insert",    {0x2D, 0, 0}},
    KeyRow{"Delete",    {0x2E, 0, 0}},
    KeyRow{"Shift",     {0x10, 0, 0}},
    KeyRow{"Ctrl",      {0x11, 0, 0}},
    KeyRow{"Alt",       {0x12, 0, 0}},
};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

}  // namespace

std::optional<NamedKey> key_named(std::string_view name) {
  for (const KeyRow& row : kKeys) {
    if (row.name == name) return row.key;
  }
  if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return NamedKey{upper, static_cast<char32_t>(std::tolower(upper)), static_cast<char32_t>(upper)};
  }
  if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0]))) {
    return NamedKey{name[0], static_cast<char32_t>(name[0]),
                    static_cast<char32_t>(kShiftedDigits[static_cast<std::size_t>(name[0] - '0')])};
  }
  if (name.size() >= 2 && name[0] == 'F') {
    int n = 0;
    for (char c : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= 12) return NamedKey{static_cast<std::int16_t>(0x70 + n - 1), 0, 0};
  }
  return std::nullopt;
}

char32_t character_for(const NamedKey& key, std::int16_t shift) {
  const char32_t printed = (shift & ui::kShiftMask) != 0 ? key.shifted_character : key.character;
  return ui::character_for({.key_code = key.key_code, .shift = shift, .layout_character = printed})
      .value_or(0);
}

}  // namespace tessivar::drive
