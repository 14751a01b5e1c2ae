// Strict text-to-integer conversion.
//
// Wherever a gamebook gives text that must be a number, the engine converts it
// here; text that is not a number raises ConversionError, whose message is the
// one the player sees, and the operation that needed the number is abandoned.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);

  // The text that failed, exactly as it was given.
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Accepts leading spaces, an optional "+" or "-" and at least one decimal
// digit, and nothing else: no trailing blanks, no "$" hexadecimal form (numbers
// in gamebook text are decimal). A value outside int32 fails like any other
// text that is not a number.
std::optional<int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt; throws ConversionError carrying TEXT when it fails.
int32_t StrToInt(std::string_view text);

}  // namespace qv
