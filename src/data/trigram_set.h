// The set of three-byte sequences that occur in a text, to rule out cheaply
// that a word occurs in it: a word of three or more bytes occurs only if all
// its three-byte sequences are in the set. Used to skip the constants that a
// large text cannot hold without searching the whole text for each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qv {

class TrigramSet {
 public:
  TrigramSet();

  // Adds every three-byte sequence of text.
  void Add(std::string_view text);

  // False when word (three bytes or longer) certainly does not occur in any
  // text added; true for shorter words.
  bool MayContain(std::string_view word) const;

 private:
  static uint32_t Code(unsigned char a, unsigned char b, unsigned char c) {
    return (uint32_t{a} << 16) | (uint32_t{b} << 8) | c;
  }

  std::vector<uint64_t> bits_;  // one bit for each of the 2^24 sequences
};

}  // namespace qv
