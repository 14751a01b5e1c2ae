#include "data/game_files.h"

#include "data/contained_files.h"
#include "data/disk_path.h"
#include "data/scrambled_format.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".qvl";
constexpr char kEndOfText = 0x1A;

// Names come from gamebook text; they must stay inside the gamebook folder.
bool IsSafeName(std::string_view name) {
  if (!name.empty() && name.front() == '/') return false;
  if (name.find_first_of(std::string_view("\\:\0", 3)) != std::string_view::npos) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string_view::npos) end = name.size();
    if (name.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

bool Exists(const std::string& cp1250_path) {
  return KindOfEntry(DiskPath(cp1250_path)) != EntryKind::Missing;
}

std::string CutAtEndOfText(std::string text) {
  const std::size_t end = text.find(kEndOfText);
  if (end != std::string::npos) text.resize(end);
  return text;
}

}  // namespace

GameFiles::GameFiles(Host& host, std::string check_string)
    : host_(host), check_string_(std::move(check_string)) {}

bool GameFiles::IsScrambled() const {
  return IsContainedDirectory(DiskPath(std::string(kBaseDir) + "zasifrovane"));
}

bool GameFiles::IsLibraryScrambled() const {
  return IsContainedDirectory(DiskPath(std::string(kBaseDir) + "zasifrovane/knihovny"));
}

bool GameFiles::OpenGameFile(std::string_view name) {
  base_dir_ = kBaseDir;
  subfolder_.clear();
  selected_.clear();
  unscrambled_.reset();
  if (!IsSafeName(name)) return false;
  const std::string filename = std::string(name) + std::string(kExtension);
  if (IsScrambled()) {
    return SelectScrambled(base_dir_ + "zasifrovane/" + filename,
                           "Chybn\xE9 soubory - " + filename + " !");
  }
  const std::string plain = base_dir_ + filename;
  if (!Exists(plain)) return false;
  selected_ = DiskPath(plain);
  return true;
}

bool GameFiles::OpenLibraryFile(std::string_view name) {
  base_dir_ = kBaseDir;
  subfolder_ = kLibrarySubfolder;
  selected_.clear();
  unscrambled_.reset();
  if (!IsSafeName(name)) return false;
  MakeContainedDirectory(DiskPath(base_dir_ + "knihovny"));
  const std::string filename = std::string(name) + std::string(kExtension);
  if (IsLibraryScrambled()) {
    return SelectScrambled(base_dir_ + "zasifrovane/" + subfolder_ + filename,
                           "Chybn\xE9 soubory v " + filename + " !");
  }
  selected_ = DiskPath(base_dir_ + subfolder_ + filename);
  return true;
}

bool GameFiles::SelectScrambled(const std::string& source, const std::string& failure) {
  // A missing scrambled file is not a broken one: the caller treats it as missing.
  if (!Exists(source)) return false;
  const std::optional<std::string> stored = ReadContainedFile(DiskPath(source), kMaxGameFileSize);
  if (stored) unscrambled_ = UnscrambleBytes(check_string_, *stored);
  if (unscrambled_) return true;
  host_.ShowMessage(failure);
  return false;
}

std::optional<std::string> GameFiles::ReadSelectedFile() const {
  if (unscrambled_) return CutAtEndOfText(*unscrambled_);
  if (selected_.empty()) return std::nullopt;
  std::optional<std::string> text = ReadContainedFile(selected_, kMaxGameFileSize);
  if (!text) return std::nullopt;
  return CutAtEndOfText(std::move(*text));
}

std::string GameFiles::ReadSelected() const { return ReadSelectedFile().value_or(std::string()); }

std::optional<std::string> GameFiles::ReadGameFile(std::string_view name) {
  if (!OpenGameFile(name)) return std::nullopt;
  std::optional<std::string> text = ReadSelectedFile();
  unscrambled_.reset();
  return text;
}

std::optional<std::string> GameFiles::ReadLibraryFile(std::string_view name) {
  std::optional<std::string> text;
  if (OpenLibraryFile(name)) text = ReadSelectedFile();
  unscrambled_.reset();
  return text;
}

}  // namespace qv
