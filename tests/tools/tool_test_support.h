// Helpers of the tools tests: the repository's folders and running a
// subcommand with its output captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline std::filesystem::path SourceDir() {
  const char* dir = std::getenv("QUARVELIN_SOURCE_DIR");
  EXPECT_NE(dir, nullptr) << "QUARVELIN_SOURCE_DIR is not set";
  return dir ? std::filesystem::path(dir) : std::filesystem::path();
}

// A copy of a folder of the repository in the working directory.
inline void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to = ".") {
  std::filesystem::copy(from, to,
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

struct ToolRun {
  int Status = 0;
  std::string Out;
  std::string Err;
};

template <class Command>
ToolRun RunTool(Command command, std::initializer_list<std::string_view> args) {
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string_view> list(args);
  const int status = command(list, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace qv
