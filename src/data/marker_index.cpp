#include "data/marker_index.h"

#include <cstring>

#include "data/text_case.h"

namespace qv {

bool HoldsLocationMarker(std::string_view text) {
  for (std::size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
    std::size_t q = lt + 1;
    while (q < text.size() && IsAsciiDigit(text[q])) ++q;
    if (q > lt + 1 && q < text.size() && text[q] == '>') return true;
  }
  return false;
}

MarkerIndex::MarkerIndex(std::string_view text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* lt = std::memchr(p, '<', static_cast<std::size_t>(end - p));
    if (lt == nullptr) break;
    const char* const open = static_cast<const char*>(lt);
    const char* q = open + 1;
    while (q < end && IsAsciiDigit(*q)) ++q;
    if (q > open + 1 && q < end && *q == '>') {
      first_.try_emplace(std::string_view(open + 1, static_cast<std::size_t>(q - open - 1)),
                         static_cast<std::size_t>(open - begin));
    }
    // A "<" inside the digits cannot occur, so going on after the run is safe;
    // the run's ">" or whatever ended it may itself be a "<".
    p = q;
  }
}

std::size_t MarkerIndex::Find(std::string_view digits) const {
  const auto it = first_.find(digits);
  return it == first_.end() ? std::string_view::npos : it->second;
}

}  // namespace qv
