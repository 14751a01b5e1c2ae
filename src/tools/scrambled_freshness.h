// Plain files an author edited after scrambling. While data/zasifrovane/
// exists the engine reads only the scrambled copies, so edits to the plain
// files are silently not played; `play`, `text`, `script` and `check` say so.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct StalePlainFile {
  std::string Plain;      // e.g. data/data.qvl
  std::string Scrambled;  // e.g. data/zasifrovane/data.qvl
  bool CopyMissing = false;  // no scrambled copy at all
};

// In the gamebook in the working directory: every plain .qvl file (the
// initialization record aside) that is newer than its scrambled copy and
// differs from it, or has none while the scrambled folder it belongs to
// exists. Without a check string the contents are not compared.
std::vector<StalePlainFile> FindStalePlainFiles(std::optional<std::string_view> check);

// What is wrong with one such file, to follow its name.
std::string StaleWarning(const StalePlainFile& file);

// The warnings for the gamebook in `dir` (empty: the working directory),
// one "quarvelin: warning: ..." line each, on `err`. Reads only; a folder
// that cannot be entered is left to the command that plays it.
void WarnOfStalePlainFiles(const std::filesystem::path& dir, std::ostream& err);

}  // namespace qv
