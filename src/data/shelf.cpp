#include "data/shelf.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <variant>

#include "data/book_mount.h"
#include "data/cp1250.h"
#include "data/folder_book.h"
#include "data/init_record.h"
#include "data/user_preferences.h"
#include "data/zip_book.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRecordFile = "data/inicializace.qvl";
constexpr const char* kCoverNames[] = {"grafika/titulek.png", "grafika/titulek.jpg",
                                       "grafika/titulek.gif"};

std::optional<std::string> ReadAll(const ReadOnlyBook& book, std::string_view path,
                                   std::size_t max_size) {
  const FileDescriptor fd = book.OpenFile(path);
  if (!fd) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || info.st_size < 0 ||
      static_cast<std::uintmax_t>(info.st_size) > max_size) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  const std::optional<std::size_t> got = ReadUpTo(fd.Get(), bytes.data(), bytes.size());
  if (!got) return std::nullopt;
  bytes.resize(*got);
  return bytes;
}

bool EndsWithZip(const std::string& name) {
  if (name.size() < 5) return false;
  std::string end = name.substr(name.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(),
                 [](unsigned char c) { return static_cast<char>(c | 0x20); });
  return end == ".zip";
}

void ReadFromBook(const ReadOnlyBook& book, ShelfBook& shelf) {
  const std::optional<std::string> record = ReadAll(book, kRecordFile, InitRecord::kSize * 64);
  if (!record || record->size() < InitRecord::kSize) {
    shelf.Problem = shelf.Path.string() + " has no readable data/inicializace.qvl";
    return;
  }
  const InitRecord decoded = InitRecord::Decode(reinterpret_cast<const uint8_t*>(record->data()));
  if (!decoded.Title.empty()) shelf.Title = decoded.Title.str();
  shelf.Author = decoded.AuthorLine.str();
  for (const char* name : kCoverNames) {
    if (book.Kind(name) != EntryKind::File) continue;
    if (std::optional<std::string> cover = ReadAll(book, name, kMaxCoverSize)) {
      shelf.Cover = std::move(*cover);
      shelf.CoverFile = name;
    }
    break;
  }
}

}  // namespace

fs::path ShelfFolder() {
  const fs::path data = UserDataDirectory();
  return data.empty() ? fs::path() : data / "books";
}

fs::path BundledDemoFolder(const fs::path& executable) {
  const fs::path bin = executable.parent_path();
  for (const fs::path& candidate :
       {bin.parent_path() / "share" / "quarvelin" / "demo", bin.parent_path() / "examples" / "demo"}) {
    std::error_code error;
    if (fs::is_regular_file(candidate / kRecordFile, error)) return candidate;
  }
  return {};
}

ShelfBook ReadShelfBook(const fs::path& path) {
  ShelfBook shelf;
  shelf.Path = path;
  shelf.Title = Utf8ToCp1250(path.filename().string());
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    shelf.Problem = path.string() + " cannot be read";
    return shelf;
  }
  if (S_ISREG(info.st_mode)) {
    shelf.Archive = true;
    auto opened = ZipBook::Open(path);
    if (const auto* message = std::get_if<std::string>(&opened)) {
      shelf.Problem = *message;
      return shelf;
    }
    ReadFromBook(std::get<ZipBook>(opened), shelf);
  } else if (S_ISDIR(info.st_mode)) {
    const std::optional<FolderBook> book = FolderBook::Open(path);
    if (!book) {
      shelf.Problem = path.string() + " cannot be read";
      return shelf;
    }
    ReadFromBook(*book, shelf);
  } else {
    shelf.Problem = path.string() + " is neither a folder nor an archive";
  }
  return shelf;
}

std::vector<ShelfBook> ListShelf(const fs::path& books, const fs::path& demo,
                                 const fs::path& demo_writes) {
  std::vector<ShelfBook> shelf;
  if (!demo.empty()) {
    ShelfBook book = ReadShelfBook(demo);
    book.Bundled = true;
    book.WritesFolder = demo_writes;
    shelf.push_back(std::move(book));
  }
  std::vector<ShelfBook> found;
  if (!books.empty()) {
    std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(books.c_str()), ::closedir);
    while (listing && found.size() < kMaxShelfBooks) {
      const dirent* entry = ::readdir(listing.get());
      if (entry == nullptr) break;
      const std::string name = entry->d_name;
      if (name.empty() || name.front() == '.') continue;
      struct stat info {};
      if (::fstatat(::dirfd(listing.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
      if (S_ISREG(info.st_mode) && EndsWithZip(name)) {
        found.push_back(ReadShelfBook(books / name));
      } else if (S_ISDIR(info.st_mode)) {
        ShelfBook book = ReadShelfBook(books / name);
        // A folder without a record is no gamebook: the writes beside an
        // archive, or something the player keeps there.
        if (book.Problem.empty()) found.push_back(std::move(book));
      }
    }
  }
  std::sort(found.begin(), found.end(), [](const ShelfBook& a, const ShelfBook& b) {
    return a.Title != b.Title ? a.Title < b.Title : a.Path < b.Path;
  });
  for (ShelfBook& book : found) {
    if (book.Archive) book.WritesFolder = WritesFolderBeside(book.Path);
    shelf.push_back(std::move(book));
  }
  return shelf;
}

}  // namespace qv
