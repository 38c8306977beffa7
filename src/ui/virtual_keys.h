// The virtual-key codes the engine and handlers look at.
#pragma once

#include <cstdint>

namespace tessivar::ui::vk {

inline constexpr std::int16_t kBack = 0x08;
inline constexpr std::int16_t kTab = 0x09;
inline constexpr std::int16_t kReturn = 0x0D;
inline constexpr std::int16_t kShift = 0x10;
inline constexpr std::int16_t kControl = 0x11;
inline constexpr std::int16_t kMenu = 0x12;  // Alt
inline constexpr std::int16_t kEscape = 0x1B;
inline constexpr std::int16_t kSpace = 0x20;
inline constexpr std::int16_t kPageUp = 0x21;    // 33
inline constexpr std::int16_t kPageDown = 0x22;  // 34
inline constexpr std::int16_t kEnd = 0x23;
inline constexpr std::int16_t kHome = 0x24;
inline constexpr std::int16_t kLeft = 0x25;
inline constexpr std::int16_t kUp = 0x26;
inline constexpr std::int16_t kRight = 0x27;
inline constexpr std::int16_t kDown = 0x28;
inline constexpr std::int16_t kDelete = 0x2E;
inline constexpr std::int16_t kF1 = 0x70;

}  // namespace tessivar::ui::vk
