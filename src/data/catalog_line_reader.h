// A cursor over one catalog or shop line, for reading its fields in order.
//
// The reader works on its own copy of the line with ";" appended, the mark
// that ends every line's entry list. No operation moves past the end of the
// line: a field that is missing reads as empty, and a number that is missing
// fails with the conversion message like any other text that is no number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class CatalogLineReader {
 public:
  // `line` is taken as it is; the reader appends the closing ";".
  explicit CatalogLineReader(std::string_view line);

  // The line as read, with its ";".
  const std::string& Line() const { return line_; }
  std::size_t Position() const { return pos_; }
  bool AtEnd() const { return pos_ >= line_.size(); }
  // True when the cursor is on byte C.
  bool At(char c) const { return !AtEnd() && line_[pos_] == c; }

  // The run of digits under the cursor, without moving to one first: the
  // first number of a weapon, armour or item line must start the line.
  // Throws ConversionError when the run is empty or beyond int32.
  int32_t LeadingNumber();

  // Moves to the next decimal digit, then reads the run of digits. Numbers
  // are never negative: a "-" before them is skipped like any separator.
  // Throws ConversionError when no digit is left or the run is beyond int32.
  int32_t Number();

  // Moves to the next double quote and takes the bytes up to the following
  // one; the cursor ends just past the closing quote. A text whose opening
  // or closing quote is missing is empty and leaves the cursor at the end of
  // the line, so nothing after it is read.
  std::string Text();

  // Moves onto the next decimal digit, or to the end.
  void SkipToDigit();

  // Moves just past the next ",", or to the end when there is none.
  void SkipPastComma();

  // The bytes from the cursor up to the next byte among STOPS (not
  // included); the cursor ends on that byte, or at the end of the line.
  std::string_view UpTo(std::string_view stops);

  // The bytes up to the next ","; when no "," is left on the line, up to the
  // next ";" instead (there is always one: the line's own end mark).
  std::string_view UpToComma();

  // The entry list: moves to the next "," or ";", then every "," that
  // follows opens one entry running up to the next "," or ";", until the ";".
  std::vector<std::string> Entries();

 private:
  std::string_view DigitRun();

  std::string line_;
  std::size_t pos_ = 0;
};

// The text without its leading and trailing blanks and control bytes.
std::string_view TrimBlanks(std::string_view text);

}  // namespace qv
