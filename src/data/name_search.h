// Searching a text for one name, left to right without overlaps, as one
// replacement pass of a constant does.
#pragma once

#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Finds the occurrences of one name that a pass replaces, in time in
// proportion to the text and the name however they are made: a plain search
// compares the name afresh at every byte, so "aaa...ab" in "aaa...a" costs
// their product (and so did the C library's memmem under AddressSanitizer,
// which checks the whole rest of the text on every call).
class NameSearch {
 public:
  explicit NameSearch(std::string_view name) : name_(name), border_(name.size() + 1, 0) {
    // border_[q]: the longest proper prefix of name[0, q) that also ends it.
    for (std::size_t q = 1, k = 0; q < name_.size(); ++q) {
      while (k > 0 && name_[q] != name_[k]) k = border_[k];
      if (name_[q] == name_[k]) ++k;
      border_[q + 1] = k;
    }
  }

  // The first occurrence at or after `from`, or npos.
  std::size_t Find(std::string_view text, std::size_t from) const {
    std::size_t matched = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
      if (matched == 0) {
        // Nothing matched yet: on to the next byte that can begin the name.
        const void* first = std::memchr(text.data() + i, name_[0], text.size() - i);
        if (first == nullptr) return std::string_view::npos;
        i = static_cast<std::size_t>(static_cast<const char*>(first) - text.data());
      }
      while (matched > 0 && text[i] != name_[matched]) matched = border_[matched];
      if (text[i] == name_[matched]) ++matched;
      if (matched == name_.size()) return i + 1 - matched;
    }
    return std::string_view::npos;
  }

  // Occurrences left to right, each search going on past the one before.
  std::size_t Count(std::string_view text) const {
    std::size_t count = 0;
    for (std::size_t at = Find(text, 0); at != std::string_view::npos; at = Find(text, at + name_.size())) {
      ++count;
    }
    return count;
  }

  // Every occurrence from `first` on (the first one, found by the caller)
  // replaced into `out`, without looking into what was inserted; the number
  // of occurrences. `out` keeps its capacity from one call to the next.
  // None, and `out` left part made, as soon as the result would be longer
  // than `max_size`: a long text of names with a long value would otherwise
  // be made whole, gigabytes of it, before anyone could weigh it.
  std::optional<std::size_t> ReplaceInto(std::string_view text, std::size_t first,
                                         std::string_view value, std::string& out,
                                         std::size_t max_size) const {
    out.clear();
    std::size_t count = 0;
    std::size_t copied = 0;
    for (std::size_t at = first; at != std::string_view::npos; at = Find(text, copied)) {
      if (out.size() + (at - copied) + value.size() > max_size) return std::nullopt;
      out.append(text, copied, at - copied);
      out.append(value);
      copied = at + name_.size();
      ++count;
    }
    if (out.size() + (text.size() - copied) > max_size) return std::nullopt;
    out.append(text, copied, std::string_view::npos);
    return count;
  }

  // The same into a new string.
  std::string ReplaceFrom(std::string_view text, std::size_t first, std::string_view value) const {
    std::string out;
    out.reserve(text.size() + (value.size() > name_.size() ? (value.size() - name_.size()) * 8 : 0));
    std::size_t copied = 0;
    for (std::size_t at = first; at != std::string_view::npos; at = Find(text, copied)) {
      out.append(text, copied, at - copied);
      out.append(value);
      copied = at + name_.size();
    }
    out.append(text, copied, std::string_view::npos);
    return out;
  }

 private:
  std::string name_;  // its own copy: a table of searches may be copied and moved
  std::vector<std::size_t> border_;
};

}  // namespace qv
