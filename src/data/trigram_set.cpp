#include "data/trigram_set.h"

namespace qv {

TrigramSet::TrigramSet() : bits_((std::size_t{1} << 24) / 64, 0) {}

void TrigramSet::Add(std::string_view text) {
  if (text.size() < 3) return;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  uint32_t code = Code(0, p[0], p[1]);
  for (std::size_t i = 2; i < text.size(); ++i) {
    code = ((code << 8) | p[i]) & 0xFFFFFFu;
    bits_[code >> 6] |= uint64_t{1} << (code & 63);
  }
}

bool TrigramSet::MayContain(std::string_view word) const {
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  for (std::size_t i = 2; i < word.size(); ++i) {
    const uint32_t code = Code(p[i - 2], p[i - 1], p[i]);
    if ((bits_[code >> 6] & (uint64_t{1} << (code & 63))) == 0) return false;
  }
  return true;
}

}  // namespace qv
