#include "tools/scrambled_tree.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr char kEndMark = 0x1A;

struct Job {
  fs::path From;
  fs::path To;
  std::string Bytes;  // what To receives
};

std::optional<std::string> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// The .qvl files directly inside dir, by name.
std::vector<fs::path> QvlFiles(const fs::path& dir) {
  std::vector<fs::path> files;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return files;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    if (entry.is_regular_file(ec) && entry.path().extension() == ".qvl") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string Relative(const fs::path& path, const fs::path& root) {
  return path.lexically_relative(root).generic_string();
}

// Writes every job, or reports why it could not.
void WriteJobs(const std::vector<Job>& jobs, const fs::path& root, TreeReport& report) {
  for (const Job& job : jobs) {
    std::error_code ec;
    fs::create_directories(job.To.parent_path(), ec);
    std::ofstream out(job.To, std::ios::binary | std::ios::trunc);
    out.write(job.Bytes.data(), static_cast<std::streamsize>(job.Bytes.size()));
    out.close();
    if (!out) {
      report.Errors.push_back(Relative(job.To, root) + ": cannot be written");
      continue;
    }
    report.Written.push_back(Relative(job.To, root));
  }
}

}  // namespace

TreeReport ScrambleTree(const fs::path& root, std::string_view check) {
  TreeReport report;
  std::vector<Job> jobs;
  const fs::path data = root / "data";
  auto add = [&](const fs::path& from, const fs::path& to) {
    const auto plain = ReadAll(from);
    if (!plain) {
      report.Errors.push_back(Relative(from, root) + ": cannot be read");
      return;
    }
    std::string body = *plain;
    if (const std::size_t end = body.find(kEndMark); end != std::string::npos) {
      body.resize(end);
      report.Notes.push_back(Relative(from, root) + ": read up to its byte 0x1A at offset " +
                             std::to_string(end) + ", as the engine reads it");
    }
    if (const std::size_t bad = body.find('\x12'); bad != std::string::npos) {
      report.Errors.push_back(Relative(from, root) + ": byte 0x12 at offset " + std::to_string(bad) +
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
  if (report.Errors.empty()) WriteJobs(jobs, root, report);
  return report;
}

TreeReport UnscrambleTree(const fs::path& root, std::string_view check) {
  TreeReport report;
  std::vector<Job> jobs;
  const fs::path data = root / "data";
  const fs::path scrambled = data / "zasifrovane";
  auto add = [&](const fs::path& from, const fs::path& to) {
    const auto stored = ReadAll(from);
    if (!stored) {
      report.Errors.push_back(Relative(from, root) + ": cannot be read");
      return;
    }
    auto body = UnscrambleBytes(check, *stored);
    if (!body) {
      report.Errors.push_back(Relative(from, root) +
                              ": its prefix is not the check string of data/inicializace.qvl");
      return;
    }
    jobs.push_back({from, to, std::move(*body)});
  };
  for (const fs::path& file : QvlFiles(scrambled)) add(file, data / file.filename());
  for (const fs::path& file : QvlFiles(scrambled / "knihovny"))
    add(file, data / "knihovny" / file.filename());
  if (jobs.empty() && report.Errors.empty())
    report.Errors.push_back("data/zasifrovane: no scrambled files");
  if (report.Errors.empty()) WriteJobs(jobs, root, report);
  return report;
}

}  // namespace qv
