// Where each location marker "<digits>" first occurs in a text.
//
// Every page looks up two markers in a text of several megabytes, so the text
// is walked once and the first position of every marker is kept. A lookup
// gives exactly what a first-occurrence substring search for "<" + digits +
// ">" gives: every "<" followed by a run of digits and a ">" is recorded,
// wherever it stands (also the inner "<1>" of "<<1>>"), and the digits are
// kept as written, so "<01>" is not the marker "<1>".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qv {

// Whether text holds a marker anywhere.
bool HoldsLocationMarker(std::string_view text);

class MarkerIndex {
 public:
  MarkerIndex() = default;
  // The index refers to `text`, which must outlive it unchanged.
  explicit MarkerIndex(std::string_view text);

  // Position (from 0) of the first "<" + digits + ">", or npos.
  std::size_t Find(std::string_view digits) const;

 private:
  std::unordered_map<std::string_view, std::size_t> first_;
};

}  // namespace qv
