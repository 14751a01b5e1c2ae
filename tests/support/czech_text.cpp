#include "support/czech_text.h"

#include <stdexcept>

#include "data/cp1250.h"

namespace qv {

std::string Cz(std::string_view utf8) {
  std::string bytes = Utf8ToCp1250(utf8);
  // Every character the code page holds comes back unchanged; one that
  // became '?' does not.
  if (Cp1250ToUtf8(bytes) != utf8) {
    throw std::invalid_argument("Cz: Windows-1250 has no byte for a character of \"" +
                                std::string(utf8) + "\"");
  }
  return bytes;
}

}  // namespace qv
