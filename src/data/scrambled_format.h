// The scrambled form of a gamebook file, in which books are published so
// that their text is not read at a glance:
//
//   check prefix   byte k (k = 1..L) holds C[k] + 10 + k, C the check string
//   filler         one byte, any value
//   body           every plain byte + 8; a stored 0x1A ends the body
//
// All arithmetic wraps modulo 256, so a plain body cannot hold the byte 0x12.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

inline constexpr char kScrambleFiller = 0x20;

std::string ScrambleBytes(std::string_view check, std::string_view plain,
                          char filler = kScrambleFiller);

// The plain body, or nullopt when the stored prefix is not `check` (a file
// shorter than its prefix included).
std::optional<std::string> UnscrambleBytes(std::string_view check, std::string_view stored);

}  // namespace qv
