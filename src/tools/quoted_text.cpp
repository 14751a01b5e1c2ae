#include "tools/quoted_text.h"

#include <cstdint>
#include <cstdio>

#include "data/cp1250.h"

namespace qv {
namespace {

bool Unassigned(uint8_t b) { return b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98; }

std::string HexEscape(uint8_t b) {
  char buffer[5];
  std::snprintf(buffer, sizeof buffer, "\\x%02X", b);
  return buffer;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of the UTF-8 sequence its lead byte starts (1 for anything odd, so
// the conversion reports it).
std::size_t SequenceLength(uint8_t lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string QuoteCp1250(std::string_view cp1250) {
  std::string out = "\"";
  for (char c : cp1250) {
    const auto b = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20 || b == 0x7F || Unassigned(b)) {
      out += HexEscape(b);
    } else {
      out += Cp1250ToUtf8(std::string_view(&c, 1));
    }
  }
  return out + "\"";
}

std::variant<std::string, UnquoteError> UnquoteToCp1250(std::string_view written) {
  if (written.size() < 2 || written.front() != '"' || written.back() != '"')
    return UnquoteError{"a text must stand in double quotes"};
  const std::string_view body = written.substr(1, written.size() - 2);
  std::string out;
  for (std::size_t i = 0; i < body.size();) {
    const char c = body[i];
    if (c == '"') return UnquoteError{"a double quote inside a text must be written \\\""};
    if (c == '\\') {
      if (i + 1 >= body.size()) return UnquoteError{"a text ends in a lone backslash"};
      const char e = body[i + 1];
      if (e == '"' || e == '\\') {
        out += e;
        i += 2;
        continue;
      }
      if (e == 'x' && i + 3 < body.size() && HexDigit(body[i + 2]) >= 0 &&
          HexDigit(body[i + 3]) >= 0) {
        out += static_cast<char>(HexDigit(body[i + 2]) * 16 + HexDigit(body[i + 3]));
        i += 4;
        continue;
      }
      return UnquoteError{"unknown escape '\\" + std::string(1, e) +
                          "' (use \\\", \\\\ or \\xHH)"};
    }
    const std::size_t length = std::min(SequenceLength(static_cast<uint8_t>(c)), body.size() - i);
    const std::string_view character = body.substr(i, length);
    const std::string byte = Utf8ToCp1250(character);
    if (byte.size() != 1 || (byte == "?" && character != "?"))
      return UnquoteError{"'" + std::string(character) + "' has no Windows-1250 form"};
    out += byte;
    i += length;
  }
  return out;
}

}  // namespace qv
