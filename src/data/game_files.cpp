#include "data/game_files.h"

#include "data/disk_path.h"

#include <fstream>
#include <system_error>

#include "data/cp1250.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".qvl";
constexpr char kEndOfText = 0x1A;
constexpr uint8_t kPrefixShift = 10;
constexpr uint8_t kBodyShift = 8;

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

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

void RemoveIfEmptyDirectory(const fs::path& dir) {
  std::error_code ec;
  if (fs::is_directory(dir, ec) && fs::is_empty(dir, ec) && !ec) fs::remove(dir, ec);
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in.is_open()) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxGameFileSize) return std::nullopt;
  in.seekg(0);
  std::string data(static_cast<std::size_t>(size), '\0');
  in.read(data.data(), size);
  if (in.bad()) return std::nullopt;
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

bool WriteWholeFile(const fs::path& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return false;
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  return !out.fail();
}

}  // namespace

GameFiles::GameFiles(Host& host, std::string check_string)
    : host_(host), check_string_(std::move(check_string)) {}

bool GameFiles::IsScrambled() const {
  std::error_code ec;
  return fs::is_directory(DiskPath(std::string(kBaseDir) + "zasifrovane"), ec);
}

bool GameFiles::IsLibraryScrambled() const {
  std::error_code ec;
  return fs::is_directory(DiskPath(std::string(kBaseDir) + "zasifrovane/knihovny"), ec);
}

bool GameFiles::OpenGameFile(std::string_view name) {
  base_dir_ = kBaseDir;
  subfolder_.clear();
  selected_.clear();
  if (!IsSafeName(name)) return false;
  const std::string filename = std::string(name) + std::string(kExtension);
  if (IsScrambled()) {
    if (!Exists(DiskPath(base_dir_ + "zasifrovane/" + filename))) return false;
    if (UnscrambleFile(filename, check_string_)) {
      const fs::path copy = DiskPath(base_dir_ + "temp/" + filename);
      if (!Exists(copy)) return false;
      selected_ = copy;
      return true;
    }
    host_.ShowMessage("Chybn\xE9 soubory - " + filename + " !");
    return false;
  }
  const fs::path plain = DiskPath(base_dir_ + filename);
  if (!Exists(plain)) return false;
  selected_ = plain;
  return true;
}

bool GameFiles::OpenLibraryFile(std::string_view name) {
  base_dir_ = kBaseDir;
  subfolder_ = kLibrarySubfolder;
  selected_.clear();
  if (!IsSafeName(name)) return false;
  std::error_code ec;
  const fs::path library_dir = DiskPath(base_dir_ + "knihovny");
  if (!fs::exists(library_dir, ec)) fs::create_directory(library_dir, ec);
  const std::string filename = std::string(name) + std::string(kExtension);
  if (IsLibraryScrambled()) {
    // A missing library is not a broken one: the caller reports it as missing.
    if (!Exists(DiskPath(base_dir_ + "zasifrovane/" + subfolder_ + filename))) return false;
    if (UnscrambleFile(filename, check_string_)) {
      selected_ = DiskPath(base_dir_ + subfolder_ + "temp/" + filename);
      return true;
    }
    host_.ShowMessage("Chybn\xE9 soubory v " + filename + " !");
    return false;
  }
  selected_ = DiskPath(base_dir_ + subfolder_ + filename);
  return true;
}

bool GameFiles::UnscrambleFile(std::string_view filename, std::string_view check) {
  if (!IsSafeName(filename)) return false;
  // An unreadable source leaves nothing behind: no folders, no copy.
  const std::optional<std::string> source =
      ReadWholeFile(DiskPath(base_dir_ + "zasifrovane/" + subfolder_ + std::string(filename)));
  if (!source) return false;

  std::error_code ec;
  // The main temporary directory is made for libraries too.
  fs::create_directory(DiskPath(base_dir_ + "temp"), ec);
  const fs::path temp_dir = DiskPath(base_dir_ + subfolder_ + "temp");
  fs::create_directory(temp_dir, ec);
  const fs::path copy = temp_dir / DiskPath(filename);

  std::size_t pos = 0;
  std::string prefix;
  prefix.reserve(check.size());
  for (std::size_t k = 1; k <= check.size() && pos < source->size(); ++k) {
    const auto b = static_cast<uint8_t>((*source)[pos++]);
    prefix += static_cast<char>(static_cast<uint8_t>(b - kPrefixShift) - static_cast<uint8_t>(k));
  }
  if (pos < source->size()) ++pos;  // the filler byte

  std::string body;
  body.reserve(source->size() - pos);
  for (; pos < source->size() && (*source)[pos] != kEndOfText; ++pos) {
    body += static_cast<char>(static_cast<uint8_t>((*source)[pos]) - kBodyShift);
  }

  // The whole body is written before the prefix is compared.
  const bool written = WriteWholeFile(copy, body);
  if (written && prefix == check) return true;
  fs::remove(copy, ec);
  RemoveIfEmptyDirectory(temp_dir);
  return false;
}

void GameFiles::DeleteTempCopy(std::string_view name) {
  const fs::path temp_dir = DiskPath(base_dir_ + subfolder_ + "temp");
  if (IsSafeName(name)) {
    std::error_code ec;
    fs::remove(temp_dir / DiskPath(std::string(name) + std::string(kExtension)), ec);
  }
  RemoveIfEmptyDirectory(temp_dir);
}

std::optional<std::string> GameFiles::ReadSelectedFile() const {
  if (selected_.empty()) return std::nullopt;
  std::optional<std::string> text = ReadWholeFile(selected_);
  if (!text) return std::nullopt;
  const std::size_t end = text->find(kEndOfText);
  if (end != std::string::npos) text->resize(end);
  return text;
}

std::string GameFiles::ReadSelected() const { return ReadSelectedFile().value_or(std::string()); }

std::optional<std::string> GameFiles::ReadGameFile(std::string_view name) {
  if (!OpenGameFile(name)) return std::nullopt;
  std::optional<std::string> text = ReadSelectedFile();
  // The location file's plain copy is never a temporary one.
  if (name != "data" || IsScrambled()) DeleteTempCopy(name);
  return text;
}

std::optional<std::string> GameFiles::ReadLibraryFile(std::string_view name) {
  std::optional<std::string> text;
  if (OpenLibraryFile(name) && Exists(selected_)) text = ReadSelectedFile();
  DeleteTempCopy(name);
  return text;
}

}  // namespace qv
