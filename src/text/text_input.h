// The lines a person types into the terminal player. A line end may be LF or
// CR LF; the end of the input is remembered so every reader after it stops.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace qv {

class TextInput {
 public:
  explicit TextInput(std::istream& in) : in_(in) {}

  // The next line without its line end (UTF-8 as typed), or nullopt once
  // the input has ended.
  std::optional<std::string> ReadLine();
  bool Ended() const { return ended_; }

 private:
  std::istream& in_;
  bool ended_ = false;
};

}  // namespace qv
