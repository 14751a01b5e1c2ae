#include "tools/scrambled_tree.h"

#include "data/contained_files.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <utility>

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr char kEndMark = 0x1A;

// Paths are relative to the gamebook folder, which is the working directory
// while a tree is converted, so that every file goes through the contained
// layer: a link the book ships is neither read nor written through.
struct Job {
  fs::path From;
  fs::path To;
  std::string Bytes;  // what To receives
};

class InGamebookFolder {
 public:
  explicit InGamebookFolder(const fs::path& root) : previous_(fs::current_path(error_)) {
    fs::current_path(root, error_);
  }
  ~InGamebookFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
  }
  InGamebookFolder(const InGamebookFolder&) = delete;
  InGamebookFolder& operator=(const InGamebookFolder&) = delete;
  bool Entered() const { return !error_; }

 private:
  std::error_code error_;
  fs::path previous_;
};

std::optional<std::string> ReadAll(const fs::path& path) {
  return ReadContainedFile(path, kMaxGameFileSize);
}

// The .qvl files directly inside dir, by name.
std::vector<fs::path> QvlFiles(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const ContainedEntry& entry : ListContainedDirectory(dir)) {
    const fs::path name(entry.Name);
    if (entry.Kind == EntryKind::File && name.extension() == ".qvl") files.push_back(dir / name);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Relative(const fs::path& path) { return path.lexically_normal().generic_string(); }

bool MakeFolders(const fs::path& folder) {
  fs::path made;
  for (const fs::path& part : folder) {
    made /= part;
    if (!MakeContainedDirectory(made)) return false;
  }
  return true;
}

// Writes every job, or reports why it could not.
void WriteJobs(const std::vector<Job>& jobs, TreeReport& report) {
  for (const Job& job : jobs) {
    if (!MakeFolders(job.To.parent_path()) ||
        !ReplaceContainedFile(job.To, job.Bytes, Durability::Plain)) {
      report.Errors.push_back(Relative(job.To) + ": cannot be written");
      continue;
    }
    report.Written.push_back(Relative(job.To));
  }
}

}  // namespace

TreeReport ScrambleTree(const fs::path& root, std::string_view check) {
  TreeReport report;
  const InGamebookFolder folder(root);
  if (!folder.Entered()) {
    report.Errors.push_back(root.generic_string() + ": no such folder");
    return report;
  }
  std::vector<Job> jobs;
  const fs::path data = "data";
  auto add = [&](const fs::path& from, const fs::path& to) {
    const auto plain = ReadAll(from);
    if (!plain) {
      report.Errors.push_back(Relative(from) + ": cannot be read");
      return;
    }
    std::string body = *plain;
    if (const std::size_t end = body.find(kEndMark); end != std::string::npos) {
      body.resize(end);
      report.Notes.push_back(Relative(from) + ": read up to its byte 0x1A at offset " +
                             std::to_string(end) + ", as the engine reads it");
    }
    if (const std::size_t bad = body.find('\x12'); bad != std::string::npos) {
      report.Errors.push_back(Relative(from) + ": byte 0x12 at offset " + std::to_string(bad) +
                              " cannot be stored scrambled (it would end the file)");
      return;
    }
    jobs.push_back({from, to, ScrambleBytes(check, body)});
  };
  for (const fs::path& file : QvlFiles(data)) {
    if (file.filename() == "inicializace.qvl") continue;
    add(file, data / "zasifrovane" / file.filename());
  }
  for (const fs::path& file : QvlFiles(data / "knihovny"))
    add(file, data / "zasifrovane" / "knihovny" / file.filename());
  if (jobs.empty() && report.Errors.empty()) report.Errors.push_back("data: no .qvl files to scramble");
  if (report.Errors.empty()) WriteJobs(jobs, report);
  return report;
}

TreeReport UnscrambleTree(const fs::path& root, std::string_view check, bool replace_edited) {
  TreeReport report;
  const InGamebookFolder folder(root);
  if (!folder.Entered()) {
    report.Errors.push_back(root.generic_string() + ": no such folder");
    return report;
  }
  std::vector<Job> jobs;
  const fs::path data = "data";
  const fs::path scrambled = data / "zasifrovane";
  auto add = [&](const fs::path& from, const fs::path& to) {
    const auto stored = ReadAll(from);
    if (!stored) {
      report.Errors.push_back(Relative(from) + ": cannot be read");
      return;
    }
    auto body = UnscrambleBytes(check, *stored);
    if (!body) {
      report.Errors.push_back(Relative(from) +
                              ": its prefix is not the check string of data/inicializace.qvl");
      return;
    }
    if (!replace_edited && KindOfEntry(to) != EntryKind::Missing) {
      const auto present = ReadAll(to);
      if (!present || *present != *body) {
        report.Errors.push_back(Relative(to) + ": differs from " + Relative(from) +
                                " and would be overwritten; scramble to keep these edits, or "
                                "unscramble --force to replace them");
        return;
      }
    }
    jobs.push_back({from, to, std::move(*body)});
  };
  for (const fs::path& file : QvlFiles(scrambled)) add(file, data / file.filename());
  for (const fs::path& file : QvlFiles(scrambled / "knihovny"))
    add(file, data / "knihovny" / file.filename());
  if (jobs.empty() && report.Errors.empty())
    report.Errors.push_back("data/zasifrovane: no scrambled files");
  if (report.Errors.empty()) WriteJobs(jobs, report);
  return report;
}

}  // namespace qv
