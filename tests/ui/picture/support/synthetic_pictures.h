// Pictures made from formulas, for tests and benchmarks.
#pragma once

#include <cmath>
#include <cstdint>

#include "ui/pixels.h"

namespace tessivar::test {

// Smooth gradients, soft curved shapes, hard edges and fine grain: about what a photograph or
// a rendered wallpaper costs a JPEG codec, so that timings mean something.
inline ui::Bitmap make_photo_like(int width, int height) {
  ui::Bitmap picture(width, height);
  std::uint32_t noise = 0x12345678u;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;  // a linear congruential generator: repeatable
      const double fx = static_cast<double>(x) / width;
      const double fy = static_cast<double>(y) / height;
      const double swirl =
          std::sin(fx * 23.0 + std::sin(fy * 9.0) * 3.0) * std::cos(fy * 17.0 - fx * 5.0);
      const double edge = ((x / 97 + y / 61) % 2 == 0) ? 18.0 : -18.0;
      const double grain = static_cast<double>(noise >> 27) - 16.0;
      const auto channel = [&](double base, double weight) {
        const double v = base + weight * swirl + edge + grain;
        return static_cast<std::uint8_t>(std::fmin(255.0, std::fmax(0.0, v)));
      };
      picture.pixels[static_cast<std::size_t>(y) * width + x] = ui::make_pixel(
          channel(60 + 80 * fx, 50), channel(70 + 60 * fy, 40), channel(90 + 50 * (1 - fx), 60));
    }
  }
  return picture;
}

// A rendered backdrop rather than a photograph: near-black with soft grey swirling shapes and
// faint dither, the kind of picture the start screen's wallpaper is. It compresses far better
// than a photograph, so less of its decode time goes to reading the compressed data.
inline ui::Bitmap make_dark_graphic(int width, int height) {
  ui::Bitmap picture(width, height);
  std::uint32_t noise = 0x9E3779B9u;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const double fx = static_cast<double>(x) / width;
      const double fy = static_cast<double>(y) / height;
      const double field = std::sin(fx * 14.0 + std::cos(fy * 6.0) * 2.5) +
                           std::sin(fy * 11.0 - std::sin(fx * 7.0) * 2.0);
      // A soft-edged silhouette wherever the field is high.
      const double shape = std::fmin(1.0, std::fmax(0.0, (field - 0.8) * 4.0));
      const double dither = static_cast<double>(noise >> 30) - 1.5;
      const auto grey = static_cast<std::uint8_t>(12.0 + 70.0 * shape + dither);
      picture.pixels[static_cast<std::size_t>(y) * width + x] =
          ui::make_pixel(grey, grey, static_cast<std::uint8_t>(grey + 4));
    }
  }
  return picture;
}

// A small pattern whose every pixel differs from its neighbours, so that a row or column read
// from the wrong place shows.
inline ui::Bitmap make_pattern(int width, int height) {
  ui::Bitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels[static_cast<std::size_t>(y) * width + x] = ui::make_pixel(
          static_cast<std::uint8_t>(x * 37 + y * 11), static_cast<std::uint8_t>(y * 53 + 7),
          static_cast<std::uint8_t>((x ^ y) * 29));
    }
  }
  return picture;
}

}  // namespace tessivar::test
