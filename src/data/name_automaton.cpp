#include "data/name_automaton.h"

#include <algorithm>
#include <unordered_set>

namespace qv {

namespace {

// A full table of moves costs states x byte classes; beyond this many
// entries (16 MiB) the sorted lists alone serve.
constexpr std::size_t kTableLimit = std::size_t{1} << 22;

}  // namespace

NameAutomaton::NameAutomaton(const std::vector<std::string_view>& names) {
  // Classes follow the byte order, so names sorted by their bytes create the
  // children of every state in class order.
  bool used[256] = {};
  for (const std::string_view name : names) {
    for (const char c : name) used[static_cast<unsigned char>(c)] = true;
    if (!name.empty()) ends_name_[static_cast<unsigned char>(name.back())] = true;
  }
  for (int b = 0; b < 256; ++b) {
    if (used[b]) byte_class_[b] = static_cast<uint8_t>(width_++);
  }

  std::vector<uint32_t> order;
  for (uint32_t n = 0; n < names.size(); ++n) {
    if (!names[n].empty()) order.push_back(n);
  }
  // Stable: equal names keep their numbers ascending.
  std::stable_sort(order.begin(), order.end(),
                   [&names](uint32_t a, uint32_t b) { return names[a] < names[b]; });

  // The trie, state by state in the order the sorted names create them: a
  // name shares the path of the one before it as far as they agree, and no
  // earlier name can share more of it.
  std::vector<int32_t> parent{-1};
  std::vector<uint8_t> class_of{0};
  std::vector<int32_t> path{kStart};
  std::vector<std::pair<int32_t, uint32_t>> ends;  // (state, name)
  std::string_view previous;
  for (const uint32_t n : order) {
    const std::string_view name = names[n];
    std::size_t common = 0;
    const std::size_t most = std::min(previous.size(), name.size());
    while (common < most && previous[common] == name[common]) ++common;
    path.resize(common + 1);
    for (std::size_t d = common; d < name.size(); ++d) {
      parent.push_back(path.back());
      class_of.push_back(byte_class_[static_cast<unsigned char>(name[d])]);
      path.push_back(static_cast<int32_t>(parent.size() - 1));
    }
    ends.emplace_back(path.back(), n);
    previous = name;
  }
  const std::size_t states = parent.size();

  edge_begin_.assign(states + 1, 0);
  for (std::size_t v = 1; v < states; ++v) ++edge_begin_[static_cast<std::size_t>(parent[v]) + 1];
  for (std::size_t s = 0; s < states; ++s) edge_begin_[s + 1] += edge_begin_[s];
  edge_class_.resize(states - 1);
  edge_target_.resize(states - 1);
  {
    std::vector<uint32_t> next_slot(edge_begin_.begin(), edge_begin_.end() - 1);
    for (std::size_t v = 1; v < states; ++v) {
      const uint32_t slot = next_slot[static_cast<std::size_t>(parent[v])]++;
      edge_class_[slot] = class_of[v];
      edge_target_[slot] = static_cast<int32_t>(v);
    }
  }
  parent = {};
  class_of = {};

  own_begin_.assign(states + 1, 0);
  for (const auto& [state, n] : ends) ++own_begin_[static_cast<std::size_t>(state) + 1];
  for (std::size_t s = 0; s < states; ++s) own_begin_[s + 1] += own_begin_[s];
  own_.resize(ends.size());
  {
    std::vector<uint32_t> next_slot(own_begin_.begin(), own_begin_.end() - 1);
    for (const auto& [state, n] : ends) own_[next_slot[static_cast<std::size_t>(state)]++] = n;
  }

  root_moves_.assign(width_, kStart);
  for (uint32_t e = edge_begin_[0]; e < edge_begin_[1]; ++e) root_moves_[edge_class_[e]] = edge_target_[e];

  // Breadth first: a state's fall-back is shallower, so it is complete when
  // the state is reached.
  fallback_.assign(states, kStart);
  lowest_.assign(states, kNone);
  next_owner_.assign(states, -1);
  std::vector<int32_t> queue;
  queue.reserve(states);
  for (uint32_t e = edge_begin_[0]; e < edge_begin_[1]; ++e) queue.push_back(edge_target_[e]);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int32_t u = queue[head];
    const auto su = static_cast<std::size_t>(u);
    const auto f = static_cast<std::size_t>(fallback_[su]);
    const uint32_t own_lowest = own_begin_[su] < own_begin_[su + 1] ? own_[own_begin_[su]] : kNone;
    lowest_[su] = std::min(own_lowest, lowest_[f]);
    next_owner_[su] = own_begin_[f] < own_begin_[f + 1] ? static_cast<int32_t>(f) : next_owner_[f];
    for (uint32_t e = edge_begin_[su]; e < edge_begin_[su + 1]; ++e) {
      const uint8_t cls = edge_class_[e];
      int32_t g = fallback_[su];
      int32_t target = Child(g, cls);
      while (target < 0 && g != kStart) {
        g = fallback_[static_cast<std::size_t>(g)];
        target = Child(g, cls);
      }
      fallback_[static_cast<std::size_t>(edge_target_[e])] = target < 0 ? kStart : target;
      queue.push_back(edge_target_[e]);
    }
  }

  if (states * width_ <= kTableLimit) {
    table_.assign(states * width_, kStart);
    std::copy(root_moves_.begin(), root_moves_.end(), table_.begin());
    for (const int32_t u : queue) {
      const auto su = static_cast<std::size_t>(u);
      int32_t* row = table_.data() + su * width_;
      const int32_t* inherited = table_.data() + static_cast<std::size_t>(fallback_[su]) * width_;
      std::copy(inherited, inherited + width_, row);
      for (uint32_t e = edge_begin_[su]; e < edge_begin_[su + 1]; ++e) row[edge_class_[e]] = edge_target_[e];
      row[0] = kStart;
    }
  }
}

int32_t NameAutomaton::Child(int32_t state, uint8_t cls) const {
  const auto s = static_cast<std::size_t>(state);
  const auto begin = edge_class_.begin() + edge_begin_[s];
  const auto end = edge_class_.begin() + edge_begin_[s + 1];
  const auto it = std::lower_bound(begin, end, cls);
  if (it == end || *it != cls) return -1;
  return edge_target_[static_cast<std::size_t>(it - edge_class_.begin())];
}

int32_t NameAutomaton::SlowStep(int32_t state, uint8_t cls) const {
  // Each byte deepens the state by one at most, and every fall-back made
  // here takes one of those levels away again.
  while (state != kStart) {
    const int32_t target = Child(state, cls);
    if (target >= 0) return target;
    state = fallback_[static_cast<std::size_t>(state)];
  }
  return root_moves_[cls];
}

uint32_t NameAutomaton::OwnLowestFrom(int32_t state, uint32_t from) const {
  const auto s = static_cast<std::size_t>(state);
  const auto begin = own_.begin() + own_begin_[s];
  const auto end = own_.begin() + own_begin_[s + 1];
  const auto it = std::lower_bound(begin, end, from);
  return it == end ? kNone : *it;
}

uint32_t NameAutomaton::LowestOccurringFrom(std::string_view text, uint32_t from,
                                            std::size_t& work) const {
  if (lowest_.empty()) return kNone;
  uint32_t best = kNone;
  // Owners whose chain has been looked along: the chain below one is the
  // same from every state that reaches it, so it is walked once per text.
  // Most texts meet a few; a set is made only for more.
  constexpr std::size_t kFew = 16;
  int32_t few[kFew];
  std::size_t few_count = 0;
  std::unordered_set<int32_t> many;
  const auto first_visit = [&](int32_t owner) {
    if (std::find(few, few + few_count, owner) != few + few_count) return false;
    if (few_count < kFew) {
      few[few_count++] = owner;
      return true;
    }
    return many.insert(owner).second;
  };
  int32_t state = kStart;
  for (const char c : text) {
    state = Step(state, static_cast<unsigned char>(c));
    const uint32_t lowest = lowest_[static_cast<std::size_t>(state)];
    if (lowest == kNone) continue;
    if (lowest >= from) {
      best = std::min(best, lowest);
      continue;
    }
    // A name below `from` ends here; the others are along the chain.
    const auto s = static_cast<std::size_t>(state);
    int32_t owner = own_begin_[s] < own_begin_[s + 1] ? state : next_owner_[s];
    while (owner >= 0) {
      const auto so = static_cast<std::size_t>(owner);
      if (lowest_[so] >= from) {
        best = std::min(best, lowest_[so]);
        break;
      }
      if (!first_visit(owner)) break;
      ++work;
      best = std::min(best, OwnLowestFrom(owner, from));
      owner = next_owner_[so];
    }
  }
  work += text.size();
  return best;
}

}  // namespace qv
