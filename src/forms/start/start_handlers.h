// The start screen's handlers, bound by name in start_form.cpp.
#pragma once

#include <cstdint>

#include "forms/start/tile_slot.h"
#include "ui/form.h"

namespace tessivar::forms::start {

// Loading, activation, scrolling and paging.
void Form_Load(ui::Form& form);
void Form_Activate(ui::Form& form);
void HScroll1_Change(ui::Form& form);
void VScroll1_Change(ui::Form& form);
void picPicture_KeyDown(ui::Form& form, std::int16_t& key_code, std::int16_t& shift);
// The window's public method: pages the canvas for Page Up and Page Down.
void CheckKeyCode(ui::Form& form, const std::int16_t& key_code);

// The clock.
void Timer1_Timer(ui::Form& form);

// The tiles.
void Image2_Click(ui::Form& form);
void Image3_Click(ui::Form& form);
void Image4_Click(ui::Form& form);
void Image5_Click(ui::Form& form);
void Image6_Click(ui::Form& form);
void Image7_Click(ui::Form& form);
void Image8_Click(ui::Form& form);
void Image9_Click(ui::Form& form);
void Image11_Click(ui::Form& form);
void Image12_Click(ui::Form& form);
void Image13_Click(ui::Form& form);
void Image14_Click(ui::Form& form);
void Image15_Click(ui::Form& form);
void Image16_Click(ui::Form& form);
void Image17_Click(ui::Form& form);
void Image18_Click(ui::Form& form);
void Image19_Click(ui::Form& form);
void Image20_Click(ui::Form& form);
void Image21_Click(ui::Form& form);
void Image22_Click(ui::Form& form);
void Image23_Click(ui::Form& form);
void Image24_Click(ui::Form& form);
void Image25_Click(ui::Form& form);
void Image26_Click(ui::Form& form);
void Image27_Click(ui::Form& form);
void Image28_Click(ui::Form& form);
void Image29_Click(ui::Form& form);
void Image30_Click(ui::Form& form);
void Image31_Click(ui::Form& form);
void Image32_Click(ui::Form& form);
void Image33_Click(ui::Form& form);
void Image34_Click(ui::Form& form);
void Image35_Click(ui::Form& form);
void Image36_Click(ui::Form& form);
void Image37_Click(ui::Form& form);
void Image38_Click(ui::Form& form);
void Image39_Click(ui::Form& form);
void Image40_Click(ui::Form& form);
void Image41_Click(ui::Form& form);
void Image42_Click(ui::Form& form);
void Image43_Click(ui::Form& form);
void Image44_Click(ui::Form& form);
void Image45_Click(ui::Form& form);
void Image46_Click(ui::Form& form);
void Image47_Click(ui::Form& form);
void Image48_Click(ui::Form& form);
void Image49_Click(ui::Form& form);
void Image50_Click(ui::Form& form);

}  // namespace tessivar::forms::start
