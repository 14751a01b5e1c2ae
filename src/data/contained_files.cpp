#include "data/contained_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <utility>

namespace qv {
namespace fs = std::filesystem;

namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW;
constexpr int kDirectoryFlags = O_PATH | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW;

std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The book read through, when a gamebook is played from one: see
// ReadThroughBook. Process-wide like the working directory it completes.
const ReadOnlyBook* g_read_through = nullptr;

int OpenWithOpenat2(int base, const std::string& checked, int flags, unsigned mode) {
  open_how how{};
  how.flags = static_cast<uint64_t>(flags);
  how.mode = (flags & O_CREAT) != 0 ? mode : 0;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
  // The kernel asks for a retry when a rename raced with the lookup.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const long fd = ::syscall(SYS_openat2, base, checked.c_str(), &how, sizeof how);
    if (fd >= 0 || errno != EAGAIN) return static_cast<int>(fd);
  }
  return -1;
}

// Opens a checked path beneath the working directory (or the open folder
// `base`) without following links.
int OpenBeneath(const std::string& checked, int flags, unsigned mode = 0, int base = AT_FDCWD) {
  flags |= kOpenFlags;
  const int fd = OpenWithOpenat2(base, checked, flags, mode);
  // Older kernels and some sandboxes have no openat2; walking is as safe.
  if (fd < 0 && (errno == ENOSYS || errno == EPERM || errno == EAGAIN)) {
    return contained_detail::OpenByWalking(checked, flags, mode, base == AT_FDCWD ? -1 : base);
  }
  return fd;
}

// The folder holding a checked path, and the path's last component.
struct Parent {
  FileDescriptor Folder;
  std::string Name;
};

std::optional<Parent> OpenParent(const fs::path& path) {
  const std::optional<std::string> checked = ContainedPath(path);
  if (!checked) return std::nullopt;
  Parent parent;
  const std::size_t slash = checked->rfind('/');
  if (slash == std::string::npos) {
    parent.Folder = FileDescriptor(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    parent.Name = *checked;
  } else {
    parent.Folder = FileDescriptor(OpenBeneath(checked->substr(0, slash), kDirectoryFlags));
    parent.Name = checked->substr(slash + 1);
  }
  if (!parent.Folder) return std::nullopt;
  return parent;
}

EntryKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Directory;
  return EntryKind::Other;
}

fs::file_time_type ModificationTime(const struct stat& info) {
  const auto since_epoch = std::chrono::seconds(info.st_mtim.tv_sec) +
                           std::chrono::nanoseconds(info.st_mtim.tv_nsec);
  return std::chrono::file_clock::from_sys(
      std::chrono::system_clock::time_point(
          std::chrono::duration_cast<std::chrono::system_clock::duration>(since_epoch)));
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// A hidden name of its own beside `name`, which no listing of the folder
// takes for a file of the gamebook.
std::string TemporaryName(const std::string& name) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char random[8] = {};
  if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    for (std::size_t k = 0; k < sizeof random; ++k) {
      random[k] = static_cast<unsigned char>((now >> (8 * k)) ^ (::getpid() >> k));
    }
  }
  // Short enough that the longest name still gets a temporary beside it.
  std::string result = "." + name.substr(0, 200) + ".";
  for (unsigned char byte : random) result += kLetters[byte % (sizeof kLetters - 1)];
  return result + ".tmp";
}

}  // namespace

std::optional<std::string> ContainedPath(const fs::path& path) {
  const std::string& text = path.native();
  if (text.empty() || text.front() == '/' || text.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  std::vector<std::string_view> kept;
  for (std::string_view part : Components(text)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      // Climbing out of the first folder is climbing out of what the engine
      // asked for.
      if (kept.size() <= 1) return std::nullopt;
      kept.pop_back();
      continue;
    }
    kept.push_back(part);
  }
  if (kept.empty()) return std::nullopt;
  std::string checked;
  for (std::string_view part : kept) {
    if (!checked.empty()) checked += '/';
    checked += part;
  }
  return checked;
}

EntryKind KindOfEntry(const fs::path& path) {
  const std::optional<Parent> parent = OpenParent(path);
  struct stat info {};
  if (parent &&
      ::fstatat(parent->Folder.Get(), parent->Name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
    return KindOfMode(info.st_mode);
  }
  const std::optional<std::string> checked = ContainedPath(path);
  if (g_read_through != nullptr && checked) return g_read_through->Kind(*checked);
  return EntryKind::Missing;
}

FileDescriptor OpenContainedFile(const fs::path& path) {
  const std::optional<std::string> checked = ContainedPath(path);
  if (!checked) return {};
  // Non-blocking, so that a FIFO in the gamebook cannot hold the player.
  FileDescriptor fd(OpenBeneath(*checked, O_RDONLY | O_NONBLOCK | O_NOCTTY));
  if (!fd && errno == ENOENT && g_read_through != nullptr) {
    return g_read_through->OpenFile(*checked);
  }
  if (!fd) return {};
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

std::optional<std::size_t> ReadUpTo(int fd, void* into, std::size_t size) {
  auto* bytes = static_cast<char*>(into);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, bytes + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

std::optional<std::string> ReadContainedFile(const fs::path& path, std::uintmax_t max_size) {
  const FileDescriptor fd = OpenContainedFile(path);
  if (!fd) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || info.st_size < 0 ||
      static_cast<std::uintmax_t>(info.st_size) > max_size) {
    return std::nullopt;
  }
  std::string data(static_cast<std::size_t>(info.st_size), '\0');
  // A file that shrank while it was read gives what it still held.
  const std::optional<std::size_t> got = ReadUpTo(fd.Get(), data.data(), data.size());
  if (!got) return std::nullopt;
  data.resize(*got);
  return data;
}

bool MakeContainedDirectory(const fs::path& path) {
  const std::optional<Parent> parent = OpenParent(path);
  if (!parent) return false;
  if (::mkdirat(parent->Folder.Get(), parent->Name.c_str(), 0777) == 0) return true;
  struct stat info {};
  return errno == EEXIST &&
         ::fstatat(parent->Folder.Get(), parent->Name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISDIR(info.st_mode);
}

bool RemoveContainedFile(const fs::path& path) {
  const std::optional<Parent> parent = OpenParent(path);
  if (!parent) return false;
  return ::unlinkat(parent->Folder.Get(), parent->Name.c_str(), 0) == 0 || errno == ENOENT;
}

void RemoveContainedDirectoryIfEmpty(const fs::path& path) {
  const std::optional<Parent> parent = OpenParent(path);
  // rmdir removes only an empty directory and never follows a link.
  if (parent) ::unlinkat(parent->Folder.Get(), parent->Name.c_str(), AT_REMOVEDIR);
}

bool ReplaceContainedFile(const fs::path& path, std::string_view bytes, Durability durability) {
  const std::optional<Parent> parent = OpenParent(path);
  if (!parent) return false;
  return ReplaceFileInFolder(parent->Folder.Get(), parent->Name, bytes, durability);
}

bool ReplaceFileInFolder(int folder, const std::string& name, std::string_view bytes,
                         Durability durability) {
  std::string temporary;
  FileDescriptor file;
  for (int attempt = 0; attempt < 16 && !file; ++attempt) {
    temporary = TemporaryName(name);
    file = FileDescriptor(::openat(folder, temporary.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file && errno != EEXIST) return false;
  }
  if (!file) return false;

  bool written = WriteAll(file.Get(), bytes);
  if (written && durability == Durability::Synced) written = ::fsync(file.Get()) == 0;
  written = ::close(file.Release()) == 0 && written;
  if (written && ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0) {
    if (durability == Durability::Synced) {
      // The rename is durable once the folder is synced; its O_PATH
      // descriptor cannot be, so the folder is opened again for that.
      const FileDescriptor listing(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      if (listing) ::fsync(listing.Get());
    }
    return true;
  }
  ::unlinkat(folder, temporary.c_str(), 0);
  return false;
}

FileDescriptor AppendToFileInFolder(int folder, const std::string& name) {
  FileDescriptor file(::openat(folder, name.c_str(),
                               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                               0666));
  if (!file) {
    // A FIFO nobody reads refuses a writer that will not wait.
    if (errno == ENXIO) errno = EINVAL;
    return file;
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return FileDescriptor();
  if (!S_ISREG(status.st_mode)) {
    errno = EINVAL;
    return FileDescriptor();
  }
  const int flags = ::fcntl(file.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return FileDescriptor();
  return file;
}

std::vector<ContainedEntry> ListContainedDirectory(const fs::path& path) {
  std::vector<ContainedEntry> entries;
  const std::optional<std::string> checked = ContainedPath(path);
  if (!checked) return entries;
  if (g_read_through != nullptr) {
    // What the player wrote first; the book's own entries of other names.
    std::vector<ContainedEntry> written = ListContainedDirectory(path, FolderOnly{});
    std::vector<ContainedEntry> book = g_read_through->List(*checked);
    std::sort(written.begin(), written.end(),
              [](const ContainedEntry& a, const ContainedEntry& b) { return a.Name < b.Name; });
    for (ContainedEntry& entry : book) {
      const auto at = std::lower_bound(
          written.begin(), written.end(), entry.Name,
          [](const ContainedEntry& a, const std::string& name) { return a.Name < name; });
      if (at == written.end() || at->Name != entry.Name) entries.push_back(std::move(entry));
    }
    entries.insert(entries.begin(), written.begin(), written.end());
    return entries;
  }
  return ListContainedDirectory(path, FolderOnly{});
}

std::vector<ContainedEntry> ListContainedDirectory(const fs::path& path, FolderOnly) {
  std::vector<ContainedEntry> entries;
  const std::optional<std::string> checked = ContainedPath(path);
  if (!checked) return entries;
  const int fd = OpenBeneath(*checked, O_RDONLY | O_DIRECTORY);
  if (fd < 0) return entries;
  DIR* listing = ::fdopendir(fd);
  if (listing == nullptr) {
    ::close(fd);
    return entries;
  }
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    entries.push_back({std::string(name), KindOfMode(info.st_mode), ModificationTime(info)});
  }
  ::closedir(listing);
  return entries;
}

ReadThroughBook::ReadThroughBook(const ReadOnlyBook& book) : previous_(g_read_through) {
  g_read_through = &book;
}

ReadThroughBook::~ReadThroughBook() { g_read_through = previous_; }

FileDescriptor OpenBeneathFolder(int folder, const std::string& checked_path, int flags) {
  return FileDescriptor(OpenBeneath(checked_path, flags, 0, folder));
}

namespace contained_detail {

int OpenByWalking(const std::string& checked, int flags, unsigned mode, int base) {
  const std::vector<std::string_view> parts = Components(checked);
  FileDescriptor folder(base < 0 ? ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)
                                 : ::openat(base, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  for (std::size_t k = 0; folder && k + 1 < parts.size(); ++k) {
    const std::string part(parts[k]);
    if (part.empty() || part == "." || part == "..") return -1;
    // O_DIRECTORY refuses a link even where O_PATH would open the link itself.
    folder = FileDescriptor(::openat(folder.Get(), part.c_str(), kDirectoryFlags));
  }
  if (!folder) return -1;
  const std::string last(parts.back());
  if (last.empty() || last == "." || last == "..") return -1;
  return ::openat(folder.Get(), last.c_str(), flags | kOpenFlags, mode);
}

}  // namespace contained_detail

}  // namespace qv
