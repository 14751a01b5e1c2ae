#include "script/visible_controls.h"

#include <cstdint>

#include "script/shown_text.h"

namespace qv {

namespace {

constexpr std::string_view kEscapePicture = "\xE2\x90\x9B";  // U+241B
constexpr std::string_view kDeletePicture = "\xE2\x90\xA1";  // U+2421
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";    // U+FFFD

// The control picture of a C0 control, U+2400 + c.
void AppendControlPicture(std::string& out, uint8_t c) {
  out += '\xE2';
  out += static_cast<char>(0x90 | (c >> 6));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(0);
  std::size_t length = 0;
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string VisibleControls(std::string_view utf8, LineLayout layout) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<uint8_t>(utf8[i]);
    if (c < 0x20) {
      if (layout == LineLayout::Keep && (c == '\n' || c == '\t')) {
        out += static_cast<char>(c);
      } else {
        AppendControlPicture(out, c);
      }
      ++i;
    } else if (c == 0x7F) {
      out += kDeletePicture;
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (const std::size_t length = SequenceLength(utf8.substr(i)); length == 0) {
      out += kReplacement;
      ++i;
    } else if (c == 0xC2 && static_cast<uint8_t>(utf8[i + 1]) <= 0x9F) {
      // C1: ESC followed by the character 0x40 lower.
      out += kEscapePicture;
      out += static_cast<char>(static_cast<uint8_t>(utf8[i + 1]) - 0x40);
      i += 2;
    } else {
      out.append(utf8.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string TerminalText(std::string_view cp1250) {
  return VisibleControls(ShownText(cp1250), LineLayout::Keep);
}

}  // namespace qv
