#include "platform/win32/key_translation.h"

#include "platform/win32/windows_headers.h"
#include "ui/platform.h"

namespace tessivar::win32 {

std::int16_t current_shift_state() {
  const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  std::int16_t shift = 0;
  if (down(VK_SHIFT)) shift |= ui::kShiftMask;
  if (down(VK_CONTROL)) shift |= ui::kCtrlMask;
  if (down(VK_MENU)) shift |= ui::kAltMask;
  return shift;
}

}  // namespace tessivar::win32
