// Gamebook folders for the growth checks: one per input size, written into
// the test's temporary directory, and entered while a reader runs in it (the
// engine reads ./data/ relative to the working directory).
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "data/file_bytes.h"

namespace qv::linear {

// Files by their path inside the folder ("data/zbrane.qvl").
using BookFiles = std::map<std::string, std::string>;

// The folder `name` in the working directory, holding `files`.
inline std::filesystem::path WriteBook(const std::string& name, const BookFiles& files) {
  const std::filesystem::path folder = std::filesystem::current_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "data");
  for (const auto& [path, bytes] : files) WriteBytes(folder / path, bytes);
  return folder;
}

class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace qv::linear
