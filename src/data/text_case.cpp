#include "data/text_case.h"

#include <array>
#include <cstdint>

namespace qv {
namespace {

// Capital of every Windows-1250 byte. Besides a..z the code page pairs its
// accented small letters with capitals in three places: 0xE0..0xFE (less the
// division sign 0xF7) sit 0x20 above their capitals, š ś ť ž ź 0x10 above
// theirs, and five Polish/Slovak letters are scattered. ß and µ have no
// capital in the code page and stay as they are.
constexpr auto kUpper = [] {
  std::array<uint8_t, 256> table{};
  for (std::size_t b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(b);
  for (std::size_t b = 'a'; b <= 'z'; ++b) table[b] = static_cast<uint8_t>(b - 0x20);
  for (std::size_t b = 0xE0; b <= 0xFE; ++b) {
    if (b != 0xF7) table[b] = static_cast<uint8_t>(b - 0x20);
  }
  table[0x9A] = 0x8A;  // š Š
  table[0x9C] = 0x8C;  // ś Ś
  table[0x9D] = 0x8D;  // ť Ť
  table[0x9E] = 0x8E;  // ž Ž
  table[0x9F] = 0x8F;  // ź Ź
  table[0xB3] = 0xA3;  // ł Ł
  table[0xB9] = 0xA5;  // ą Ą
  table[0xBA] = 0xAA;  // ş Ş
  table[0xBE] = 0xBC;  // ľ Ľ
  table[0xBF] = 0xAF;  // ż Ż
  return table;
}();

}  // namespace

std::string UpCase1250(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kUpper[static_cast<uint8_t>(c)]);
  return out;
}

}  // namespace qv
