// Finds in one pass over a text where any of many names end (a trie of the
// names with fall-back links), so that the constants of a text are looked
// for once together rather than with one search of the whole text each.
//
// Its size grows with the bytes of the names, never with their square: the
// moves are kept per state as a short sorted list (a full table of moves is
// added only while it stays small), and the names ending at a state are
// found along a chain of links rather than copied into every state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

class NameAutomaton {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;
  static constexpr int32_t kStart = 0;

  // Finds nothing.
  NameAutomaton() = default;
  // Names are numbered by their position; empty names are never found.
  explicit NameAutomaton(const std::vector<std::string_view>& names);

  // The state after one more byte. Scanning a text costs a constant per
  // byte on average, however the names are made.
  int32_t Step(int32_t state, unsigned char byte) const {
    const uint8_t cls = byte_class_[byte];
    if (cls == 0) return kStart;
    if (!table_.empty()) return table_[static_cast<std::size_t>(state) * width_ + cls];
    return SlowStep(state, cls);
  }
  // True for bytes that occur in no name: they always lead back to kStart.
  bool Outside(unsigned char byte) const { return byte_class_[byte] == 0; }
  // True for bytes that end a name: a stretch without one holds no name,
  // which is cheaper to see than to walk it (the table of moves of a few
  // hundred names does not stay in the cache).
  bool EndsName(unsigned char byte) const { return ends_name_[byte]; }
  // The lowest number of the names that end where this state was reached,
  // or kNone.
  uint32_t LowestEnding(int32_t state) const {
    return lowest_.empty() ? kNone : lowest_[static_cast<std::size_t>(state)];
  }

  // The lowest number not below `from` of the names that occur in text, or
  // kNone. `work` grows by the bytes and states looked at.
  uint32_t LowestOccurringFrom(std::string_view text, uint32_t from, std::size_t& work) const;

 private:
  int32_t SlowStep(int32_t state, uint8_t cls) const;
  // The state reached from `state` by a trie edge of class cls, or -1.
  int32_t Child(int32_t state, uint8_t cls) const;
  // The lowest number not below `from` of the names ending exactly at this
  // state (not counting shorter ones), or kNone.
  uint32_t OwnLowestFrom(int32_t state, uint32_t from) const;

  std::size_t width_ = 1;  // byte classes, 0 = in no name
  uint8_t byte_class_[256] = {};
  bool ends_name_[256] = {};

  // Trie edges of each state, sorted by class: edge_begin_[s] .. edge_begin_[s + 1].
  std::vector<uint32_t> edge_begin_;
  std::vector<uint8_t> edge_class_;
  std::vector<int32_t> edge_target_;
  std::vector<int32_t> root_moves_;  // per class: the move from kStart
  std::vector<int32_t> fallback_;    // the longest proper suffix that is a state
  std::vector<int32_t> table_;       // state * width_ + class -> state, while small

  std::vector<uint32_t> lowest_;      // per state, counting shorter names too
  std::vector<int32_t> next_owner_;   // the nearest shorter suffix state that ends names, or -1
  std::vector<uint32_t> own_begin_;   // per state, into own_ (one more at the end)
  std::vector<uint32_t> own_;         // the names ending exactly at each state, ascending
};

}  // namespace qv
