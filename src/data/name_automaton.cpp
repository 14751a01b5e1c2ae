#include "data/name_automaton.h"

#include <algorithm>
#include <deque>

namespace qv {

NameAutomaton::NameAutomaton(const std::vector<std::string_view>& names) {
  for (const std::string_view name : names) {
    for (const char c : name) {
      uint8_t& cls = byte_class_[static_cast<unsigned char>(c)];
      if (cls == 0) cls = static_cast<uint8_t>(width_++);
    }
  }
  // The trie: -1 for a missing move while it is built.
  std::vector<int32_t> moves(width_, -1);
  std::vector<std::vector<uint32_t>> own(1);
  for (uint32_t n = 0; n < names.size(); ++n) {
    if (names[n].empty()) continue;
    std::size_t state = 0;
    for (const char c : names[n]) {
      const std::size_t slot = state * width_ + byte_class_[static_cast<unsigned char>(c)];
      if (moves[slot] < 0) {
        moves[slot] = static_cast<int32_t>(own.size());
        own.emplace_back();
        moves.resize(own.size() * width_, -1);
      }
      state = static_cast<std::size_t>(moves[slot]);
    }
    own[state].push_back(n);
  }

  // Breadth first: every state's fall-back is shallower, so its moves and
  // its names are complete when the state is reached.
  const std::size_t states = own.size();
  std::vector<int32_t> fallback(states, 0);
  std::vector<std::vector<uint32_t>> ending(states);
  std::deque<int32_t> queue;
  for (std::size_t cls = 0; cls < width_; ++cls) {
    if (moves[cls] < 0) {
      moves[cls] = 0;
    } else {
      fallback[static_cast<std::size_t>(moves[cls])] = 0;
      queue.push_back(moves[cls]);
    }
  }
  ending[0] = own[0];
  while (!queue.empty()) {
    const auto state = static_cast<std::size_t>(queue.front());
    queue.pop_front();
    std::vector<uint32_t>& mine = ending[state];
    mine = own[state];
    const std::vector<uint32_t>& inherited = ending[static_cast<std::size_t>(fallback[state])];
    mine.insert(mine.end(), inherited.begin(), inherited.end());
    std::sort(mine.begin(), mine.end());
    for (std::size_t cls = 0; cls < width_; ++cls) {
      const std::size_t slot = state * width_ + cls;
      const int32_t through_fallback =
          moves[static_cast<std::size_t>(fallback[state]) * width_ + cls];
      if (moves[slot] < 0) {
        moves[slot] = through_fallback;
      } else {
        fallback[static_cast<std::size_t>(moves[slot])] = through_fallback;
        queue.push_back(moves[slot]);
      }
    }
  }

  moves_ = std::move(moves);
  lowest_.resize(states, kNone);
  ending_begin_.reserve(states + 1);
  for (std::size_t s = 0; s < states; ++s) {
    ending_begin_.push_back(static_cast<uint32_t>(ending_.size()));
    if (!ending[s].empty()) lowest_[s] = ending[s].front();
    ending_.insert(ending_.end(), ending[s].begin(), ending[s].end());
  }
  ending_begin_.push_back(static_cast<uint32_t>(ending_.size()));
}

uint32_t NameAutomaton::LowestEndingFrom(int32_t state, uint32_t from) const {
  const auto s = static_cast<std::size_t>(state);
  const auto begin = ending_.begin() + ending_begin_[s];
  const auto end = ending_.begin() + ending_begin_[s + 1];
  const auto it = std::lower_bound(begin, end, from);
  return it == end ? kNone : *it;
}

}  // namespace qv
