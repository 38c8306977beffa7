#include "ui/errors.h"

namespace tessivar::ui {

std::string_view error_kind_token(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Overflow: return "overflow";
    case ErrorKind::InvalidPropertyValue: return "invalid-property-value";
    case ErrorKind::FloatingPoint: return "floating-point";
    case ErrorKind::Launch: return "launch";
    case ErrorKind::Decode: return "decode";
    case ErrorKind::Platform: return "platform";
  }
  return "platform";
}

}  // namespace tessivar::ui
