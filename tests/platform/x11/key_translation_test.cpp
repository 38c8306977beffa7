// The X11 translation of key presses, held to the shared table of key presses. What Xlib would
// report for each press is made from the real keyboard layouts (us, de, fr) and their compose
// table by libxkbcommon, which reads the same XKB data the X server does.
#include "platform/x11/key_translation.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <map>
#include <memory>
#include <string>

#include "support/key_cases.h"
// The X headers come last: their macros (None) would clash with names above.
#include <X11/X.h>

namespace tessivar::x11 {
namespace {

using testing::KeyCase;

// One XKB layout, compiled as the X server compiles it under the evdev rules.
class Layout {
 public:
  explicit Layout(std::string_view name) : name_(name) {
    const std::string layout(name);
    const xkb_rule_names names{
        .rules = "evdev", .model = "pc105", .layout = layout.c_str(), .variant = "", .options = ""};
    keymap_ = xkb_keymap_new_from_names(context(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
  }
  ~Layout() { xkb_keymap_unref(keymap_); }
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  bool loaded() const { return keymap_ != nullptr; }

  // The key that carries `keysym`, at the lowest level that has it.
  xkb_keycode_t key_with(xkb_keysym_t keysym) const {
    for (xkb_level_index_t level = 0; level < 4; ++level) {
      for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap_);
           key <= xkb_keymap_max_keycode(keymap_); ++key) {
        const xkb_keysym_t* syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(keymap_, key, 0, level, &syms);
        for (int i = 0; i < n; ++i) {
          if (syms[i] == keysym) return key;
        }
      }
    }
    return XKB_KEYCODE_INVALID;
  }

  // What Xlib reports for pressing `key` with `modifiers` held.
  KeyLookup lookup(xkb_keycode_t key, unsigned modifiers) const {
    KeyLookup lookup;
    lookup.alt_graph_mask = Mod5Mask;  // ISO_Level3_Shift's modifier under the evdev rules
    if (modifiers & testing::kShift) lookup.state |= ShiftMask;
    if (modifiers & testing::kCtrl) lookup.state |= ControlMask;
    if (modifiers & testing::kAlt) lookup.state |= Mod1Mask;
    if (modifiers & testing::kAltGr) lookup.state |= Mod5Mask;
    if (modifiers & testing::kNumLock) lookup.state |= Mod2Mask;
    for (xkb_level_index_t level = 0; level < 4; ++level) {
      const xkb_keysym_t* syms = nullptr;
      if (xkb_keymap_key_get_syms_by_level(keymap_, key, 0, level, &syms) > 0) {
        lookup.level_keysyms[level] = syms[0];
      }
    }
    // The backend looks the key up with Ctrl and Alt up.
    xkb_state* state = xkb_state_new(keymap_);
    const auto mask = [&](const char* name) {
      return xkb_mod_mask_t{1} << xkb_keymap_mod_get_index(keymap_, name);
    };
    xkb_mod_mask_t depressed = 0;
    if (modifiers & testing::kShift) depressed |= mask(XKB_MOD_NAME_SHIFT);
    if (modifiers & testing::kAltGr) depressed |= mask("Mod5");
    const xkb_mod_mask_t locked = (modifiers & testing::kNumLock) ? mask(XKB_MOD_NAME_NUM) : 0;
    xkb_state_update_mask(state, depressed, 0, locked, 0, 0, 0);
    lookup.keysym = xkb_state_key_get_one_sym(state, key);
    char text[16] = {};
    xkb_state_key_get_utf8(state, key, text, sizeof text);
    lookup.text = text;
    xkb_state_unref(state);
    return lookup;
  }

  // What the compose table makes of `dead` followed by the key that carries `keysym`, pressed
  // with `modifiers`, as the input method hands it.
  KeyLookup composed(xkb_keysym_t dead, xkb_keysym_t keysym, unsigned modifiers) const {
    const xkb_keysym_t second = lookup(key_with(keysym), modifiers).keysym;
    KeyLookup lookup{.composed = true};
    xkb_compose_table* table =
        xkb_compose_table_new_from_locale(context(), "en_US.UTF-8", XKB_COMPOSE_COMPILE_NO_FLAGS);
    if (table == nullptr) return lookup;
    xkb_compose_state* state = xkb_compose_state_new(table, XKB_COMPOSE_STATE_NO_FLAGS);
    xkb_compose_state_feed(state, dead);
    xkb_compose_state_feed(state, second);
    if (xkb_compose_state_get_status(state) == XKB_COMPOSE_COMPOSED) {
      char text[16] = {};
      xkb_compose_state_get_utf8(state, text, sizeof text);
      lookup.text = text;
    }
    xkb_compose_state_unref(state);
    xkb_compose_table_unref(table);
    return lookup;
  }

 private:
  static xkb_context* context() {
    static xkb_context* shared = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    return shared;
  }
  std::string_view name_;
  xkb_keymap* keymap_ = nullptr;
};

const Layout& layout(std::string_view name) {
  static std::map<std::string_view, std::unique_ptr<Layout>> layouts;
  auto& slot = layouts[name];
  if (!slot) slot = std::make_unique<Layout>(name);
  return *slot;
}

TEST(X11KeyTranslation, EveryRowOfTheSharedTable) {
  for (const KeyCase& k : testing::kKeyCases) {
    const Layout& l = layout(k.layout);
    ASSERT_TRUE(l.loaded()) << "the " << k.layout << " layout could not be compiled";
    const xkb_keycode_t key = l.key_with(k.keysym);
    ASSERT_NE(key, XKB_KEYCODE_INVALID) << k.layout << " has no key for " << k.what;
    const TranslatedKey got = translate_key(l.lookup(key, k.modifiers));
    EXPECT_EQ(got.character.value_or(0), k.character) << k.layout << " " << k.what;
    if (k.key_code != testing::kAnyKeyCode) {
      EXPECT_EQ(got.key_code.value_or(0), k.key_code) << k.layout << " " << k.what;
    }
  }
}

TEST(X11KeyTranslation, ADeadKeyMakesNothingAndTheNextKeyTheComposedCharacter) {
  for (const testing::DeadKeyCase& k : testing::kDeadKeyCases) {
    const Layout& l = layout(k.layout);
    const xkb_keycode_t dead_key = l.key_with(k.dead_keysym);
    ASSERT_NE(dead_key, XKB_KEYCODE_INVALID) << k.layout << " " << k.what;
    // Read without an input method, the dead key prints nothing.
    EXPECT_FALSE(translate_key(l.lookup(dead_key, k.dead_modifiers)).character) << k.what;
    // With one, the composed character comes in an event of its own, with no key down.
    const TranslatedKey composed = translate_key(l.composed(k.dead_keysym, k.keysym, k.modifiers));
    EXPECT_EQ(composed.character.value_or(0), k.character) << k.layout << " " << k.what;
    EXPECT_FALSE(composed.key_code) << k.what;
  }
}

TEST(X11KeyTranslation, AltGrIsReportedAsCtrlAndAltAsOnWindows) {
  const Layout& de = layout("de");
  const TranslatedKey at = translate_key(de.lookup(de.key_with('q'), testing::kAltGr));
  EXPECT_EQ(at.shift, 6);
  EXPECT_EQ(at.character, U'@');
}

}  // namespace
}  // namespace tessivar::x11
