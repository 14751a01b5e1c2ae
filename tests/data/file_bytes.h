// Writing and reading whole files byte for byte, and the scrambled form of a
// gamebook file, for the file-layer tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace qv {

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Check prefix (byte k = C[k] + 10 + k), one filler byte, body bytes + 8.
inline std::string Scramble(std::string_view check, std::string_view body, char filler = '\x77') {
  std::string out;
  for (std::size_t k = 1; k <= check.size(); ++k) {
    out += static_cast<char>(static_cast<uint8_t>(check[k - 1]) + 10 + k);
  }
  out += filler;
  for (char c : body) out += static_cast<char>(static_cast<uint8_t>(c) + 8);
  return out;
}

}  // namespace qv
