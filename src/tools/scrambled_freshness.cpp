#include "tools/scrambled_freshness.h"

#include <map>
#include <variant>

#include "data/contained_files.h"
#include "data/scrambled_format.h"
#include "tools/init_record_disk.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

constexpr char kEndMark = 0x1A;

std::map<std::string, ContainedEntry> QvlEntries(const fs::path& dir) {
  std::map<std::string, ContainedEntry> files;
  for (ContainedEntry& entry : ListContainedDirectory(dir))
    if (entry.Kind == EntryKind::File && fs::path(entry.Name).extension() == ".qvl")
      files.emplace(entry.Name, std::move(entry));
  return files;
}

// What scrambling the plain file would store: its bytes up to the end mark.
bool SameText(const fs::path& plain, const fs::path& scrambled, std::string_view check) {
  std::optional<std::string> text = ReadContainedFile(plain, kMaxGameFileSize);
  const std::optional<std::string> stored = ReadContainedFile(scrambled, kMaxGameFileSize);
  if (!text || !stored) return false;
  if (const std::size_t end = text->find(kEndMark); end != std::string::npos) text->resize(end);
  const std::optional<std::string> body = UnscrambleBytes(check, *stored);
  return body && *body == *text;
}

void Compare(const fs::path& plain_dir, const fs::path& scrambled_dir,
             std::optional<std::string_view> check, std::vector<StalePlainFile>& out) {
  if (!IsContainedDirectory(scrambled_dir)) return;
  const auto scrambled = QvlEntries(scrambled_dir);
  for (const auto& [name, entry] : QvlEntries(plain_dir)) {
    if (name == "inicializace.qvl") continue;
    const fs::path plain = plain_dir / name;
    const fs::path copy = scrambled_dir / name;
    const auto it = scrambled.find(name);
    if (it == scrambled.end()) {
      out.push_back({plain.generic_string(), copy.generic_string(), true});
      continue;
    }
    if (entry.Modified <= it->second.Modified) continue;
    if (check && SameText(plain, copy, *check)) continue;
    out.push_back({plain.generic_string(), copy.generic_string(), false});
  }
}

}  // namespace

std::vector<StalePlainFile> FindStalePlainFiles(std::optional<std::string_view> check) {
  std::vector<StalePlainFile> stale;
  Compare("data", "data/zasifrovane", check, stale);
  Compare("data/knihovny", "data/zasifrovane/knihovny", check, stale);
  return stale;
}

std::string StaleWarning(const StalePlainFile& file) {
  if (file.CopyMissing)
    return "no scrambled copy in " + fs::path(file.Scrambled).parent_path().generic_string() +
           "/, which is all the game reads; run quarvelin scramble to include it";
  return "newer than its scrambled copy " + file.Scrambled +
         ", which is what the game reads, so the edits are not played; run quarvelin scramble "
         "(or delete data/zasifrovane to play the plain files)";
}

void WarnOfStalePlainFiles(const fs::path& dir, std::ostream& err) {
  std::error_code ec;
  const fs::path previous = fs::current_path(ec);
  if (ec) return;
  if (!dir.empty()) fs::current_path(dir, ec);
  if (!ec) {
    const auto check = ReadCheckString(".");
    std::optional<std::string_view> known;
    if (check.index() == 0) known = std::get<0>(check);
    for (const StalePlainFile& file : FindStalePlainFiles(known))
      err << "quarvelin: warning: " << file.Plain << ": " << StaleWarning(file) << '\n';
  }
  fs::current_path(previous, ec);
}

}  // namespace qv
