// The one family of raised errors. Handlers never catch; the event dispatcher does, at the event
// boundary, and hands the error to the platform's report.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessivar::ui {

enum class ErrorKind {
  Overflow,              // a conversion to 16 bits out of range
  InvalidPropertyValue,  // a scroll bar's Value outside its range, and the like
  FloatingPoint,         // an invalid or overflowing floating-point computation
  Launch,                // a command line could not be started
  Decode,                // a picture's bytes are not a picture we can read
  Platform,              // anything else the platform raises
};

// A short stable token for each kind, as the driver prints it ("overflow", "launch", ...).
std::string_view error_kind_token(ErrorKind kind);

class Error : public std::runtime_error {
 public:
  Error(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const { return kind_; }

 private:
  ErrorKind kind_;
};

class OverflowError : public Error {
 public:
  explicit OverflowError(const std::string& message) : Error(ErrorKind::Overflow, message) {}
};

class InvalidPropertyValueError : public Error {
 public:
  explicit InvalidPropertyValueError(const std::string& message)
      : Error(ErrorKind::InvalidPropertyValue, message) {}
};

class FloatingPointError : public Error {
 public:
  explicit FloatingPointError(const std::string& message)
      : Error(ErrorKind::FloatingPoint, message) {}
};

class LaunchError : public Error {
 public:
  explicit LaunchError(const std::string& message) : Error(ErrorKind::Launch, message) {}
};

class DecodeError : public Error {
 public:
  explicit DecodeError(const std::string& message) : Error(ErrorKind::Decode, message) {}
};

class PlatformError : public Error {
 public:
  explicit PlatformError(const std::string& message) : Error(ErrorKind::Platform, message) {}
};

}  // namespace tessivar::ui
