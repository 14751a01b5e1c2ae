// Case mapping of Windows-1250 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// Maps a..z to A..Z and leaves every other byte alone. Script words (tag and
// attribute names, condition keys, $ names) are compared this way, so an
// accented letter never matches its capital.
inline char UpCaseAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

inline std::string UpCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpCaseAscii(c);
  return out;
}

inline char LowCaseAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

inline std::string LowCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowCaseAscii(c);
  return out;
}

inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Upper-cases Windows-1250 text including its accented letters (č -> Č).
std::string UpCase1250(std::string_view text);

}  // namespace qv
