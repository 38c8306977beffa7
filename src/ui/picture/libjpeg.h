// libjpeg's headers, which use size_t and FILE without declaring them: this order keeps them
// compiling whatever includes come first elsewhere.
#pragma once

// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on
