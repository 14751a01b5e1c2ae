// string[N]: the length-prefixed text field of the fixed records.
//
// On disk the field takes N + 1 bytes: one length byte, then up to N bytes of
// Windows-1250 text. Assigning a longer text keeps its first N bytes, exactly
// as the records have always behaved; bytes past the length are written as
// zeros and ignored when read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qv {

template <std::size_t N>
class ShortString {
  static_assert(N >= 1 && N <= 255, "the length byte holds at most 255");

 public:
  static constexpr std::size_t kCapacity = N;
  static constexpr std::size_t kFieldSize = N + 1;

  ShortString() = default;
  ShortString(std::string_view text) { Assign(text); }  // NOLINT: implicit by design
  ShortString(const char* text) { Assign(text); }       // NOLINT
  ShortString(const std::string& text) { Assign(text); }  // NOLINT

  ShortString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }
  ShortString& operator=(const char* text) { return *this = std::string_view(text); }
  ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }

  const std::string& str() const { return text_; }
  const char* c_str() const { return text_.c_str(); }
  std::size_t size() const { return text_.size(); }
  bool empty() const { return text_.empty(); }
  operator std::string_view() const { return text_; }  // NOLINT: reads like a string

  friend bool operator==(const ShortString& a, const ShortString& b) { return a.text_ == b.text_; }
  friend bool operator==(const ShortString& a, std::string_view b) { return a.text_ == b; }
  friend bool operator==(const ShortString& a, const char* b) { return a.text_ == b; }
  friend bool operator==(const ShortString& a, const std::string& b) { return a.text_ == b; }

  // Writes the N + 1 bytes of the field.
  void Encode(uint8_t* out) const {
    out[0] = static_cast<uint8_t>(text_.size());
    std::memset(out + 1, 0, N);
    std::memcpy(out + 1, text_.data(), text_.size());
  }

  // Reads the N + 1 bytes of the field. A length byte above N (a damaged
  // file) is taken as N, so the read never leaves the field.
  static ShortString Decode(const uint8_t* in) {
    ShortString s;
    const std::size_t length = std::min<std::size_t>(in[0], N);
    s.text_.assign(reinterpret_cast<const char*>(in + 1), length);
    return s;
  }

 private:
  void Assign(std::string_view text) { text_.assign(text.substr(0, std::min(text.size(), N))); }

  std::string text_;
};

}  // namespace qv
