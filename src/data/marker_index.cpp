#include "data/marker_index.h"

#include <cstring>

#include "data/text_case.h"

namespace qv {

namespace {

// Calls visit(position of the "<", digits) for every "<" + digits + ">" of
// the text in order, as long as it returns true.
template <typename Visit>
void ForEachMarker(std::string_view text, Visit visit) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* lt = std::memchr(p, '<', static_cast<std::size_t>(end - p));
    if (lt == nullptr) break;
    const char* const open = static_cast<const char*>(lt);
    const char* q = open + 1;
    while (q < end && IsAsciiDigit(*q)) ++q;
    if (q > open + 1 && q < end && *q == '>' &&
        !visit(static_cast<std::size_t>(open - begin),
               std::string_view(open + 1, static_cast<std::size_t>(q - open - 1)))) {
      return;
    }
    // A "<" inside the digits cannot occur, so going on after the run is safe;
    // the run's ">" or whatever ended it may itself be a "<".
    p = q;
  }
}

}  // namespace

bool HoldsLocationMarker(std::string_view text) {
  bool found = false;
  ForEachMarker(text, [&found](std::size_t, std::string_view) {
    found = true;
    return false;  // one is enough
  });
  return found;
}

MarkerIndex::MarkerIndex(std::string_view text) {
  ForEachMarker(text, [this](std::size_t at, std::string_view digits) {
    first_.try_emplace(digits, at);
    return true;
  });
}

std::size_t MarkerIndex::Find(std::string_view digits) const {
  const auto it = first_.find(digits);
  return it == first_.end() ? std::string_view::npos : it->second;
}

}  // namespace qv
