#include "platform/fonts/substitutes.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tessivar::fonts {

namespace {

// Each stand-in is free, packaged by Debian, and chosen to keep the original's proportions:
// metric-compatible clones where one exists, so captions wrap and autosize as they do on
// Windows. "Segoe UI Semilight" has no bold member of its own; Windows thickens the semilight
// strokes, which lands close to a semibold, so that is what a bold request gets.
// Open Sans is about nine per cent wider than Segoe UI on average, enough to push "Please wait
// Loading......" off the splash window's label; it is drawn narrowed to Segoe UI's width.
// clang-format off
constexpr std::array kSubstitutes{
    //        Windows face          family             regular  bold   width    Debian package
    Substitute{"Segoe UI",           "Open Sans",       400,     700,   0.91},  // fonts-open-sans
    Substitute{"Segoe UI Semilight", "Open Sans",       300,     600,   0.91},  // fonts-open-sans
    Substitute{"MS Sans Serif",      "Liberation Sans", 400,     700},  // fonts-liberation2
    Substitute{"Arial",              "Liberation Sans", 400,     700},  // fonts-liberation2
    Substitute{"Merienda",           "Dancing Script",  400,     700},  // fonts-dancingscript
    Substitute{"Consolas",           "Inconsolata",     400,     700},  // fonts-inconsolata
    Substitute{"Calibri",            "Carlito",         400,     700},  // fonts-crosextra-carlito
};
// clang-format on

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// Windows draws weights from 600 up with its bold member.
constexpr int kFirstBoldWeight = 600;

}  // namespace

std::span<const Substitute> substitutes() {
  return kSubstitutes;
}

const Substitute* find_substitute(std::string_view face) {
  for (const Substitute& row : kSubstitutes) {
    if (equal_ignoring_case(row.windows_face, face)) return &row;
  }
  return nullptr;
}

int requested_weight(int weight) {
  return weight <= 0 ? 400 : std::min(weight, 1000);
}

int substitute_weight(const Substitute& substitute, int weight) {
  return requested_weight(weight) >= kFirstBoldWeight ? substitute.bold_weight
                                                      : substitute.regular_weight;
}

}  // namespace tessivar::fonts
