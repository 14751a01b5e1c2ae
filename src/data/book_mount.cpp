#include "data/book_mount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "data/folder_book.h"
#include "data/zip_book.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Makes the writes folder (its parents too) and changes into it; a link at
// its own name is not followed.
std::string EnterWritesFolder(const fs::path& writes) {
  std::error_code error;
  if (writes.has_parent_path()) fs::create_directories(writes.parent_path(), error);
  if (::mkdir(writes.c_str(), 0777) != 0 && errno != EEXIST) {
    return "cannot make the folder " + Quoted(writes) + ": " + std::strerror(errno);
  }
  const FileDescriptor folder(::open(writes.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!folder) {
    return "cannot use the folder " + Quoted(writes) + " for saved positions: " +
           std::strerror(errno);
  }
  if (::fchdir(folder.Get()) != 0) {
    return "cannot change to " + Quoted(writes) + ": " + std::strerror(errno);
  }
  return {};
}

}  // namespace

fs::path WritesFolderBeside(const fs::path& archive) {
  fs::path folder = archive;
  folder += ".saves";
  return folder;
}

BookMount::BookMount(BookMount&&) noexcept = default;
BookMount& BookMount::operator=(BookMount&&) noexcept = default;
BookMount::~BookMount() {
  // The book stops being read through before it is closed.
  through_.reset();
}

std::variant<BookMount, std::string> BookMount::Enter(const fs::path& book, const fs::path& writes) {
  BookMount mount;
  struct stat info {};
  const bool archive = ::stat(book.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  if (!archive && writes.empty()) {
    std::error_code error;
    fs::current_path(book, error);
    if (error) return "cannot change to the gamebook folder " + Quoted(book) + ": " + error.message();
    return mount;
  }
  if (archive) {
    auto opened = ZipBook::Open(book);
    if (auto* message = std::get_if<std::string>(&opened)) return *message;
    mount.book_ = std::make_unique<ZipBook>(std::move(std::get<ZipBook>(opened)));
  } else {
    auto opened = FolderBook::Open(book);
    if (!opened) return "cannot open the gamebook folder " + Quoted(book) + ": " + std::strerror(errno);
    mount.book_ = std::make_unique<FolderBook>(std::move(*opened));
  }
  // The book is opened before the working directory changes, so a relative
  // path names what the player meant.
  const fs::path writes_folder = writes.empty() ? WritesFolderBeside(book) : writes;
  if (std::string message = EnterWritesFolder(writes_folder); !message.empty()) return message;
  for (const std::string& folder : mount.book_->Folders()) MakeContainedDirectory(folder);
  mount.through_ = std::make_unique<ReadThroughBook>(*mount.book_);
  return mount;
}

std::variant<std::optional<BookMount>, std::string> EnterGamebook(const fs::path& book,
                                                                  const fs::path& writes,
                                                                  std::string_view command) {
  std::optional<BookMount> mount;
  if (!book.empty()) {
    auto entered = BookMount::Enter(book, writes);
    if (auto* message = std::get_if<std::string>(&entered)) return std::move(*message);
    mount.emplace(std::move(std::get<BookMount>(entered)));
  }
  std::error_code missing;
  if (!fs::is_directory("data", missing)) {
    return "no gamebook here: " + fs::current_path(missing).string() +
           " has no data/ folder (quarvelin " + std::string(command) +
           " DIR plays the gamebook in DIR)";
  }
  return mount;
}

}  // namespace qv
