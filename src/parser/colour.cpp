#include "parser/colour.h"

#include <array>

#include "data/conversion.h"
#include "data/text_case.h"

namespace qv {
namespace {

struct NamedColour {
  std::string_view Name;  // with its "cl" prefix, as authors' names are looked up
  Colour Value;
};

constexpr std::array<NamedColour, 20> kNamedColours = {{
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},   {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},   {"clMedGray", 0xA4A0A0},
}};

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal digits, at least one, whose value fits in 32 bits.
bool ReadHex(std::string_view digits, Colour& out) {
  if (digits.empty()) return false;
  uint64_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return false;
    value = value * 16 + static_cast<uint64_t>(d);
    if (value > UINT32_MAX) return false;
  }
  out = static_cast<Colour>(value);
  return true;
}

}  // namespace

Colour ParseColour(std::string_view text) {
  std::string work(Trim(text));
  for (char& c : work) {
    if (c == '*') c = '$';
  }
  if (!work.empty() && work.front() == '$') {
    Colour value = 0;
    if (ReadHex(std::string_view(work).substr(1), value)) return value;
    throw ConversionError(text);
  }
  const std::string wanted = UpCaseAscii("cl" + work);
  for (const NamedColour& named : kNamedColours) {
    if (UpCaseAscii(named.Name) == wanted) return named.Value;
  }
  throw ConversionError(text);
}

std::string ColourToHtml(Colour colour) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "#";
  for (int shift : {0, 8, 16}) {  // red, green, blue
    const unsigned byte = (colour >> shift) & 0xFF;
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

}  // namespace qv
