// The faces the window descriptions name, and the program's own stand-ins for those a machine
// lacks: Windows XP has no Segoe UI, Calibri or Consolas, and no Windows has Merienda. The
// stand-ins are the Linux program's (src/platform/fonts/substitutes.cpp), carried inside the
// executable and registered for this process only, never installed for the system.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/windows_headers.h"
#include "ui/font.h"

namespace tessivar::win32 {

// What GDI is asked for to draw a FontSpec.
struct GdiFace {
  std::wstring name;         // the LOGFONT's face name
  int weight = 0;            // its lfWeight
  // The lfWeight of the member whose design widths lay text out: the member's own weight, where
  // GDI thickens a lighter member for `weight`.
  int design_weight = 0;
  double width_scale = 1.0;  // of the face's average character width, for its lfWidth
  bool substitute = false;   // one of the program's stand-ins
};

// How the machine stood for one face when the program started.
struct FaceState {
  std::string_view windows_face;
  std::wstring_view substitute_family;
  bool installed = false;   // the machine has the face: it is used as it is
  bool registered = false;  // the stand-in was registered in its place
};

class SubstituteFaces {
 public:
  // Checks once which faces the machine has, then registers the stand-ins of the missing ones.
  SubstituteFaces();
  ~SubstituteFaces();
  SubstituteFaces(const SubstituteFaces&) = delete;
  SubstituteFaces& operator=(const SubstituteFaces&) = delete;

  GdiFace face_for(const ui::FontSpec& spec) const;
  std::span<const FaceState> states() const { return states_; }

 private:
  std::vector<FaceState> states_;
  std::vector<HANDLE> registrations_;
};

// Whether GDI has a font of the family `face` (compared ignoring case) among those installed
// and those this process registered.
bool face_is_installed(std::wstring_view face);

}  // namespace tessivar::win32
