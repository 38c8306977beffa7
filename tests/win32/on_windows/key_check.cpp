// Holds the Windows backend's keyboard translation to the one table of key presses. Each row of
// the US layout is sent to a real window of the backend as Windows sends a key press: the key's
// message, with the keyboard state of its modifiers and Num Lock, through the backend's own
// message loop (TranslateMessage makes the characters). The key and character inputs that come
// out must be the table's. Run under Wine by tests/win32/wine_keys_test.sh; prints a line for
// every row that differs, and ends with status 1 when any does.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_headers.h"
#include "support/key_cases.h"

namespace {

using tessivar::testing::KeyCase;
namespace keys = tessivar::testing;
namespace ui = tessivar::ui;

constexpr wchar_t kTitle[] = L"Tessivar key check";

struct Outcome {
  std::int16_t key_code = -1;
  std::int16_t shift = -1;
  char32_t character = 0;
  int characters = 0;
};

// The keyboard as it is while the row's modifiers are held and its Num Lock is set.
void set_keyboard_for(const KeyCase& row) {
  BYTE state[256] = {};
  const auto hold = [&](int key) { state[key] = 0x80; };
  if (row.modifiers & keys::kShift) hold(VK_SHIFT), hold(VK_LSHIFT);
  if (row.modifiers & (keys::kCtrl | keys::kAltGr)) hold(VK_CONTROL), hold(VK_LCONTROL);
  if (row.modifiers & keys::kAlt) hold(VK_MENU), hold(VK_LMENU);
  if (row.modifiers & keys::kAltGr) hold(VK_MENU), hold(VK_RMENU);
  if (row.modifiers & keys::kNumLock) state[VK_NUMLOCK] = 0x01;  // toggled on
  SetKeyboardState(state);
}

// A press and release of the row's key, as the keyboard driver posts them: Alt without Ctrl
// makes them system keys.
void post_key(HWND window, const KeyCase& row) {
  const UINT vk = static_cast<UINT>(row.key_code);
  const bool system_key = (row.modifiers & keys::kAlt) && !(row.modifiers & keys::kCtrl);
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, 0 /* MAPVK_VK_TO_VSC */)) << 16;
  const LPARAM alt_held = system_key ? LPARAM{1} << 29 : 0;
  PostMessageW(window, system_key ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1 | scan | alt_held);
  PostMessageW(window, system_key ? WM_SYSKEYUP : WM_KEYUP, vk,
               1 | scan | alt_held | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}

Outcome press(tessivar::win32::Win32Platform& platform, HWND window, const KeyCase& row) {
  set_keyboard_for(row);
  post_key(window, row);
  Outcome outcome;
  ui::Input input;
  while (platform.wait_input(platform.now() + 150, input) == ui::WaitStatus::Input) {
    if (input.kind == ui::InputKind::KeyDown && outcome.key_code < 0) {
      outcome.key_code = input.key_code;
      outcome.shift = input.shift;
    } else if (input.kind == ui::InputKind::Character) {
      outcome.character = input.character;
      ++outcome.characters;
    }
  }
  return outcome;
}

// Where Wine's keyboard makes another character than Windows's. Ctrl+Backspace makes DEL (0x7F)
// on Windows and Backspace (0x08) under Wine; both are characters, so what the engine does with
// them is the same. Such a row is reported under Wine and must match on Windows.
struct WineDifference {
  std::string_view what;
  char32_t wine_character;
};
constexpr WineDifference kWineDifferences[] = {{"ctrl+backspace", 0x08}};

bool running_under_wine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool is_wine_difference(const KeyCase& row, const Outcome& got) {
  for (const WineDifference& difference : kWineDifferences) {
    if (row.what == difference.what && got.character == difference.wine_character) return true;
  }
  return false;
}

std::int16_t shift_state_of(const KeyCase& row) {
  std::int16_t shift = 0;
  if (row.modifiers & keys::kShift) shift |= ui::kShiftMask;
  if (row.modifiers & (keys::kCtrl | keys::kAltGr)) shift |= ui::kCtrlMask;
  if (row.modifiers & (keys::kAlt | keys::kAltGr)) shift |= ui::kAltMask;
  return shift;
}

}  // namespace

int main() {
  try {
    tessivar::win32::Win32Platform platform;
    const std::string title = "Tessivar key check";
    const ui::WindowHandle handle = platform.create_window(
        {.kind = ui::WindowKind::FixedDialog, .title = title, .client_size = {200, 100}});
    platform.show_window(handle);
    HWND window = FindWindowW(nullptr, kTitle);
    if (!window) {
      std::printf("the check's window cannot be found\n");
      return 2;
    }
    const bool under_wine = running_under_wine();
    int checked = 0, differing = 0, as_wine_makes = 0;
    for (const KeyCase& row : keys::kKeyCases) {
      if (row.layout != "us") continue;
      ++checked;
      const Outcome got = press(platform, window, row);
      const bool same = got.key_code == row.key_code && got.shift == shift_state_of(row) &&
                        got.character == row.character && got.characters == (row.character ? 1 : 0);
      if (!same && under_wine && is_wine_difference(row, got)) {
        ++as_wine_makes;
        std::printf("%.*s: U+%04X, as Wine makes it (Windows makes U+%04X)\n",
                    static_cast<int>(row.what.size()), row.what.data(),
                    static_cast<unsigned>(got.character), static_cast<unsigned>(row.character));
      } else if (!same) {
        ++differing;
        std::printf("%.*s: key %d shift %d character U+%04X (%d made); the table says key %d "
                    "shift %d character U+%04X\n",
                    static_cast<int>(row.what.size()), row.what.data(), got.key_code, got.shift,
                    static_cast<unsigned>(got.character), got.characters, row.key_code,
                    shift_state_of(row), static_cast<unsigned>(row.character));
      }
    }
    std::printf("%d of %d key presses as the table says, %d as Wine makes it, %d otherwise\n",
                checked - differing - as_wine_makes, checked, as_wine_makes, differing);
    platform.destroy_window(handle);
    return differing == 0 ? 0 : 1;
  } catch (const std::exception& failure) {
    std::printf("the key check failed: %s\n", failure.what());
    return 2;
  }
}
