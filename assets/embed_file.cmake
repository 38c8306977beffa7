# Writes one picture file as a C++ source file of constant bytes, seen through a span.
#   cmake -DINPUT=<picture> -DOUTPUT=<source.cpp> -DSYMBOL=<name> -P embed_file.cmake
# The bytes sit in read-only data and the span points straight at them: nothing is copied
# when the program starts.

foreach(var INPUT OUTPUT SYMBOL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed_file.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${INPUT}")
  message(FATAL_ERROR "embed_file.cmake: ${INPUT} does not exist")
endif()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "embed_file.cmake: ${INPUT} is empty")
endif()
# Thirty-two bytes to a line, each as 0xNN; plain integer lists compile quickly with gcc and
# clang alike and need no compiler-specific embedding.
string(REPEAT "[0-9a-f]" 64 line_of_hex)
string(REGEX REPLACE "(${line_of_hex})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(file_name "${INPUT}" NAME)

# Written beside the target and renamed, so an interrupted build leaves no half file.
file(WRITE "${OUTPUT}.partial"
"// ${file_name}, embedded by assets/embed_file.cmake. Generated; do not edit.
#include \"assets/embedded_assets.h\"

namespace tessivar::assets {
namespace {
constexpr std::uint8_t bytes[] = {
${bytes}
};
}  // namespace

constinit const std::span<const std::uint8_t> ${SYMBOL}{bytes};

}  // namespace tessivar::assets
")
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
