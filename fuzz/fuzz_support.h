// Shared pieces of the fuzz targets: a private scratch directory that every
// target works in (the engine reads its files relative to the working
// directory), whole-file writing, and the splitting of one input into parts.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace qv::fuzz {

// Enters a fresh temporary directory once per process and empties it on
// every call, so one input never sees the files of the one before.
inline void FreshScratchDir() {
  static const std::filesystem::path dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    std::filesystem::current_path(pattern);
    return std::filesystem::path(pattern);
  }();
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    std::filesystem::remove_all(entry.path(), ec);
  }
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits the input at each "\n%%\n" line into at most MAX parts; the
// corpora use this to give a target several files or texts at once.
inline std::vector<std::string_view> SplitParts(std::string_view text, size_t max) {
  std::vector<std::string_view> parts;
  constexpr std::string_view kSeparator = "\n%%\n";
  while (parts.size() + 1 < max) {
    const size_t at = text.find(kSeparator);
    if (at == std::string_view::npos) break;
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + kSeparator.size());
  }
  parts.push_back(text);
  return parts;
}

}  // namespace qv::fuzz
