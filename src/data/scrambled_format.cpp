#include "data/scrambled_format.h"

#include <cstdint>

namespace qv {

namespace {

constexpr uint8_t kPrefixShift = 10;
constexpr uint8_t kBodyShift = 8;
constexpr char kEndOfText = 0x1A;

}  // namespace

std::string ScrambleBytes(std::string_view check, std::string_view plain, char filler) {
  std::string out;
  out.reserve(check.size() + 1 + plain.size());
  for (std::size_t k = 1; k <= check.size(); ++k) {
    out += static_cast<char>(static_cast<uint8_t>(check[k - 1]) + kPrefixShift + k);
  }
  out += filler;
  for (char c : plain) out += static_cast<char>(static_cast<uint8_t>(c) + kBodyShift);
  return out;
}

std::optional<std::string> UnscrambleBytes(std::string_view check, std::string_view stored) {
  if (stored.size() < check.size()) return std::nullopt;
  for (std::size_t k = 1; k <= check.size(); ++k) {
    const auto b = static_cast<uint8_t>(stored[k - 1]);
    if (static_cast<uint8_t>(b - kPrefixShift - k) != static_cast<uint8_t>(check[k - 1])) {
      return std::nullopt;
    }
  }
  // The filler follows the prefix; a file that ends before it has no body.
  std::string_view body = stored.substr(std::min(stored.size(), check.size() + 1));
  body = body.substr(0, body.find(kEndOfText));
  std::string plain(body);
  for (char& c : plain) c = static_cast<char>(static_cast<uint8_t>(c) - kBodyShift);
  return plain;
}

}  // namespace qv
