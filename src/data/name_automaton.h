// Finds in one pass over a text where any of many names end (a trie of the
// names with fall-back links, flattened into a table of moves), so that the
// constants of a large text are looked for once together rather than with
// one search of the whole text each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

class NameAutomaton {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // Names are numbered by their position; empty names are never found.
  explicit NameAutomaton(const std::vector<std::string_view>& names);

  static constexpr int32_t kStart = 0;
  // The state after one more byte.
  int32_t Step(int32_t state, unsigned char byte) const {
    return moves_[static_cast<std::size_t>(state) * width_ + byte_class_[byte]];
  }
  // True for bytes that occur in no name: they always lead back to kStart.
  bool Outside(unsigned char byte) const { return byte_class_[byte] == 0; }
  // The lowest number of the names that end where this state was reached,
  // or kNone.
  uint32_t LowestEnding(int32_t state) const { return lowest_[static_cast<std::size_t>(state)]; }
  // The lowest number not below `from` of those names, or kNone.
  uint32_t LowestEndingFrom(int32_t state, uint32_t from) const;

 private:
  std::size_t width_ = 1;                // byte classes, 0 = in no name
  uint8_t byte_class_[256] = {};
  std::vector<int32_t> moves_;           // state * width_ + class -> state
  std::vector<uint32_t> lowest_;         // per state
  std::vector<uint32_t> ending_begin_;   // per state, into ending_ (one more at the end)
  std::vector<uint32_t> ending_;         // the names ending per state, ascending
};

}  // namespace qv
