#include "platform/win32/substitute_faces.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cwchar>

#include "platform/fonts/substitutes.h"
#include "platform/win32/substitute_font_files.h"
#include "platform/win32/utf16.h"

namespace tessivar::win32 {

namespace {

// Each stand-in is registered under a family name of the program's own, and the backend asks
// for that name where the Windows face is missing, rather than registering it under the Windows
// name itself. The backend has to know a stand-in is drawn anyway, to narrow it to the original's
// width and to choose its member by the Linux program's weights; a name of our own can never be
// confused with a face the user installs, nor depend on the order of the check and the
// registration; and three of the fonts reserve their own names under the SIL Open Font License,
// so the cut-down copies could carry neither theirs nor, fairly, Microsoft's.
struct FaceRow {
  std::string_view windows_face;
  std::wstring_view family;
};
// clang-format off
constexpr FaceRow kFaces[] = {
    // Windows face           registered in its place
    {"Segoe UI",              L"Tessivar UI"},            // Open Sans
    {"Segoe UI Semilight",    L"Tessivar UI Semilight"},  // Open Sans Light and Semibold
    {"MS Sans Serif",         L"Tessivar Sans"},          // Liberation Sans
    {"Arial",                 L"Tessivar Sans"},          // Liberation Sans
    {"Merienda",              L"Tessivar Script"},        // Dancing Script
    {"Consolas",              L"Tessivar Mono"},          // Inconsolata
    {"Calibri",               L"Tessivar Humanist"},      // Carlito
};
// clang-format on

// Windows draws weights from 600 up with a bold member, and thickens a lighter one for them.
constexpr int kFirstBoldWeight = 600;

bool same_face(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

struct FaceSearch {
  std::wstring_view face;
  bool found;
};

// A named function: a lambda does not convert to the stdcall callback of 32-bit Windows.
int CALLBACK note_face(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM data) {
  auto* search = reinterpret_cast<FaceSearch*>(data);
  if (_wcsicmp(font->lfFaceName, std::wstring(search->face).c_str()) != 0) return 1;
  search->found = true;
  return 0;  // one is enough
}

const SubstituteFontFile* nearest_member(std::wstring_view family, int weight) {
  const SubstituteFontFile* best = nullptr;
  for (const SubstituteFontFile& file : substitute_font_files()) {
    if (file.family != family) continue;
    if (!best || std::abs(file.weight - weight) < std::abs(best->weight - weight)) best = &file;
  }
  return best;
}

}  // namespace

bool face_is_installed(std::wstring_view face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  // GDI enumerates the fonts of the family named, whatever their script; a face name it only
  // substitutes (FontSubstitutes) is not a font the machine has. Wine may enumerate such a one
  // under its substitute's name, which the comparison below turns away.
  FaceSearch search{face, false};
  EnumFontFamiliesExW(dc, &wanted, note_face, reinterpret_cast<LPARAM>(&search), 0);
  DeleteDC(dc);
  return search.found;
}

SubstituteFaces::SubstituteFaces() {
  // Every face is looked at before any stand-in is registered.
  for (const FaceRow& row : kFaces) {
    states_.push_back({.windows_face = row.windows_face,
                       .substitute_family = row.family,
                       .installed = face_is_installed(to_utf16(row.windows_face))});
  }
  std::vector<std::wstring_view> registered_families;
  for (FaceState& state : states_) {
    if (state.installed) continue;
    if (std::ranges::find(registered_families, state.substitute_family) !=
        registered_families.end()) {
      state.registered = true;
      continue;
    }
    bool every_member = false;
    for (const SubstituteFontFile& file : substitute_font_files()) {
      if (file.family != state.substitute_family) continue;
      DWORD fonts = 0;
      // GDI copies the bytes; the file's memory need not outlive the call.
      HANDLE handle = AddFontMemResourceEx(const_cast<unsigned char*>(file.bytes.data()),
                                           static_cast<DWORD>(file.bytes.size()), nullptr, &fonts);
      every_member = handle != nullptr && fonts > 0;
      if (!handle) break;
      registrations_.push_back(handle);
    }
    // A family that did not register whole is not used: GDI's nearest font stands in, as it
    // did before the program carried its own.
    state.registered = every_member;
    if (every_member) registered_families.push_back(state.substitute_family);
  }
}

SubstituteFaces::~SubstituteFaces() {
  for (HANDLE handle : registrations_) RemoveFontMemResourceEx(handle);
}

GdiFace SubstituteFaces::face_for(const ui::FontSpec& spec) const {
  GdiFace as_named{to_utf16(spec.face), spec.weight, spec.weight, 1.0, false};
  const auto state = std::ranges::find_if(
      states_, [&](const FaceState& s) { return same_face(s.windows_face, spec.face); });
  const fonts::Substitute* row = fonts::find_substitute(spec.face);
  if (state == states_.end() || state->installed || !state->registered || !row) return as_named;

  const int wanted = fonts::substitute_weight(*row, spec.weight);
  const SubstituteFontFile* member = nearest_member(state->substitute_family, wanted);
  if (!member) return as_named;
  // The member's own weight, so that GDI takes it as it is; a family without a bold member is
  // thickened by GDI, as FreeType thickens it on Linux.
  const int weight = wanted >= kFirstBoldWeight && !member->bold ? FW_BOLD : member->weight;
  return {std::wstring(state->substitute_family), weight, member->weight, row->width_scale, true};
}

}  // namespace tessivar::win32
