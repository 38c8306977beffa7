// Checking that a decode fails the way users are told: a DecodeError whose message names the
// picture and says what is wrong, and never any other exception.
#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <string_view>

#include "ui/errors.h"

namespace tessivar::test {

template <typename Decode>
::testing::AssertionResult raises_decode_error(Decode&& decode, std::string_view picture_name,
                                               std::string_view detail = {}) {
  try {
    decode();
  } catch (const ui::DecodeError& error) {
    const std::string message = error.what();
    if (message.find("\"" + std::string(picture_name) + "\"") == std::string::npos) {
      return ::testing::AssertionFailure() << "message does not name the picture: " << message;
    }
    if (message.find(detail) == std::string::npos) {
      return ::testing::AssertionFailure()
             << "message does not say \"" << detail << "\": " << message;
    }
    return ::testing::AssertionSuccess();
  } catch (const std::exception& other) {
    return ::testing::AssertionFailure() << "raised another error: " << other.what();
  }
  return ::testing::AssertionFailure() << "decoded without an error";
}

}  // namespace tessivar::test
