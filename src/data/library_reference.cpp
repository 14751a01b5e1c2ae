#include "data/library_reference.h"

#include <cstring>

#include "data/text_case.h"

namespace qv {

std::size_t FindReferenceIgnoringCase(std::string_view text, std::size_t from) {
  // The word is ASCII, and case folding never maps another byte onto an ASCII
  // letter, so an ASCII comparison is exact.
  const std::size_t n = kLibraryReference.size();
  while (from < text.size()) {
    const void* hash = std::memchr(text.data() + from, '#', text.size() - from);
    if (hash == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hash) - text.data());
    if (text.size() - at < n) break;
    bool same = true;
    for (std::size_t k = 1; k < n && same; ++k) {
      same = LowCaseAscii(text[at + k]) == kLibraryReference[k];
    }
    if (same) return at;
    from = at + 1;
  }
  return std::string_view::npos;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpCase1250(a) == UpCase1250(b);
}

std::string ReferenceName(std::string_view reference) {
  std::string name;
  std::size_t from = 0;
  for (std::size_t at = FindReferenceIgnoringCase(reference, 0); at != std::string_view::npos;
       at = FindReferenceIgnoringCase(reference, from)) {
    name.append(reference.substr(from, at - from));
    from = at + kLibraryReference.size();
  }
  name.append(reference.substr(from));
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t begin = 0;
  std::size_t end = name.size();
  while (begin < end && blank(name[begin])) ++begin;
  while (end > begin && blank(name[end - 1])) --end;
  return name.substr(begin, end - begin);
}

std::string MissingLibraryNotice(std::string_view name) {
  return "<text obsah=\"Nenalezena knihovna " + std::string(name) + " !!!!\">";
}

}  // namespace qv
