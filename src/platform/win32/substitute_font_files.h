// The stand-in font files the program carries inside itself, cut down from Debian's fonts and
// renamed to families of the program's own by tools/subset_windows_fonts.py at build time.
#pragma once

#include <span>
#include <string_view>

namespace tessivar::win32 {

struct SubstituteFontFile {
  std::wstring_view family;  // the family name inside the file, which GDI is asked for
  int weight;                // its OpenType weight class
  bool bold;                 // the family's bold member, else its regular one
  std::span<const unsigned char> bytes;
};

// Every member of every family, the members of one family next to each other.
std::span<const SubstituteFontFile> substitute_font_files();

}  // namespace tessivar::win32
