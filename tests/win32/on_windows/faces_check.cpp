// Holds the Windows backend's faces to the Linux program's. Run under Wine by
// tests/win32/wine_faces_test.sh:
//   faces_check.exe [INSTALLED_FACE...]
// - every face the Linux program has a stand-in for is either installed, and then drawn as it
//   is, or drawn with the program's own stand-in, registered with a member for each weight the
//   Linux program draws it at;
// - each INSTALLED_FACE (one the test put into the prefix's Fonts folder) is the machine's own;
//   every other face the test knows Wine lacks is a stand-in;
// - then prints the layout of every label caption (caption_layout_report.h) at each density the
//   layouts are held to, for the test to compare with the Linux program's.
// Prints a line for every check that fails and ends with status 1 when one does.
#include <cstdio>
#include <set>
#include <string>

#include "app/application_description.h"
#include "caption_layout_report.h"
#include "platform/fonts/substitutes.h"
#include "platform/win32/gdi_font.h"
#include "platform/win32/utf16.h"
#include "platform/win32/win32_platform.h"

namespace {

namespace ui = tessivar::ui;
namespace win32 = tessivar::win32;

int failures = 0;

void fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  ++failures;
}

// No Wine prefix has these unless the test installs them.
const std::set<std::string> kMissingUnderWine{"Segoe UI", "Segoe UI Semilight", "Calibri",
                                              "Consolas", "Merienda"};

std::string drawn_face(win32::Win32Platform& platform, std::string_view face, int weight) {
  const auto font = platform.open_font(
      {.face = face, .points = 12, .weight = static_cast<std::int16_t>(weight)}, 96);
  return win32::to_utf8(dynamic_cast<const win32::GdiFont&>(*font).selected_face());
}

void check_face(win32::Win32Platform& platform, const win32::FaceState& state,
                const std::set<std::string>& installed_by_test) {
  const std::string face(state.windows_face);
  const std::string family = win32::to_utf8(state.substitute_family);
  const tessivar::fonts::Substitute* row = tessivar::fonts::find_substitute(face);
  if (!row) return fail(face + ": the Linux program has no stand-in for it");
  for (const int weight : {400, 700}) {
    const std::string drawn = drawn_face(platform, face, weight);
    std::printf("%s %d: %s, drawn with \"%s\"\n", face.c_str(), weight,
                state.installed    ? "installed"
                : state.registered ? ("stand-in \"" + family + "\"").c_str()
                                   : "missing, no stand-in registered",
                drawn.c_str());
    if (state.installed && drawn != face) fail(face + " is installed but drawn with " + drawn);
    if (!state.installed && drawn != family) {
      fail(face + " is missing but drawn with \"" + drawn + "\", not its stand-in");
    }
  }
  if (installed_by_test.contains(face) && !state.installed) {
    fail(face + " was installed in the prefix, yet taken for missing");
  }
  if (!installed_by_test.contains(face) && kMissingUnderWine.contains(face) && state.installed) {
    fail(face + " is taken for installed, which Wine does not have");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::set<std::string> installed_by_test(argv + 1, argv + argc);
  try {
    win32::Win32Platform platform;
    std::set<std::string> seen;
    for (const win32::FaceState& state : platform.face_states()) {
      seen.insert(std::string(state.windows_face));
      check_face(platform, state, installed_by_test);
    }
    for (const tessivar::fonts::Substitute& row : tessivar::fonts::substitutes()) {
      if (!seen.contains(std::string(row.windows_face))) {
        fail(std::string(row.windows_face) + ": the Windows program has no stand-in for it");
      }
    }
    std::printf("--- layout\n%s", tessivar::tests::caption_layout_reports(
                                     tessivar::app::tessivar_application(),
                                     [&](const ui::FontSpec& spec, int dpi) {
                                       return platform.open_font(spec, dpi);
                                     })
                                     .c_str());
    std::printf("--- end\n");
  } catch (const std::exception& failure) {
    std::printf("the faces check failed: %s\n", failure.what());
    return 2;
  }
  std::printf("%s\n", failures == 0 ? "all face checks pass" : "some face checks fail");
  return failures == 0 ? 0 : 1;
}
