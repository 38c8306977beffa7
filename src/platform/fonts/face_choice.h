// Which installed face draws a requested font, and what it still has to fake.
#pragma once

#include <string>

namespace tessivar::fonts {

// What is asked of fontconfig: a family with a weight and slant in fontconfig's own units.
struct FaceRequest {
  std::string family;
  int weight = 0;  // FC_WEIGHT_*
  int slant = 0;   // FC_SLANT_*

  friend auto operator<=>(const FaceRequest&, const FaceRequest&) = default;
};

// One face in one font file.
struct FaceLocation {
  std::string file;
  int index = 0;  // face (and named instance) within the file
  int weight = 0;
  int slant = 0;
  // The system's configuration may already have decided to fake a style for this face, and then
  // reports the faked weight or slant above; these keep its decision.
  bool configured_bold = false;
  bool configured_oblique = false;

  friend bool operator==(const FaceLocation& a, const FaceLocation& b) {
    return a.file == b.file && a.index == b.index;
  }
};

struct FaceChoice {
  FaceRequest request;    // what was finally asked for (the stand-in's family, if one was used)
  FaceLocation location;  // what fontconfig answered
  std::string family;     // the answer's own family name, as the user would know it
  std::string style;      // and its style name ("Regular", "Semibold", ...)
  bool synthetic_bold = false;     // bold asked, no bold member: thicken the outlines
  bool synthetic_oblique = false;  // italic asked, no italic member: slant the outlines
};

}  // namespace tessivar::fonts
