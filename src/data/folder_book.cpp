#include "data/folder_book.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <string>
#include <utility>

namespace qv {

namespace {

EntryKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Directory;
  return EntryKind::Other;
}

}  // namespace

std::optional<FolderBook> FolderBook::Open(const std::filesystem::path& folder) {
  // The folder itself may not be a link either (a shelf entry never is one).
  FileDescriptor fd(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd) return std::nullopt;
  return FolderBook(std::move(fd));
}

EntryKind FolderBook::Kind(std::string_view path) const {
  // O_PATH opens a final link itself, which then reads as Other.
  const FileDescriptor fd = OpenBeneathFolder(folder_.Get(), std::string(path), O_PATH);
  struct stat info {};
  if (!fd || ::fstat(fd.Get(), &info) != 0) return EntryKind::Missing;
  return KindOfMode(info.st_mode);
}

FileDescriptor FolderBook::OpenFile(std::string_view path) const {
  FileDescriptor fd =
      OpenBeneathFolder(folder_.Get(), std::string(path), O_RDONLY | O_NONBLOCK | O_NOCTTY);
  struct stat info {};
  if (!fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

std::vector<ContainedEntry> FolderBook::List(std::string_view folder) const {
  std::vector<ContainedEntry> entries;
  FileDescriptor fd = folder.empty()
                          ? FileDescriptor(::openat(folder_.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
                          : OpenBeneathFolder(folder_.Get(), std::string(folder), O_RDONLY | O_DIRECTORY);
  if (!fd) return entries;
  DIR* listing = ::fdopendir(fd.Get());
  if (listing == nullptr) return entries;
  fd.Release();
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info {};
    if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    entries.push_back({std::string(name), KindOfMode(info.st_mode), {}});
  }
  ::closedir(listing);
  return entries;
}

std::vector<std::string> FolderBook::Folders() const {
  std::vector<std::string> folders;
  // Breadth first: every folder is listed after its parent.
  std::vector<std::pair<std::string, int>> pending{{"", 0}};
  for (std::size_t next = 0; next < pending.size() && folders.size() < kMaxBookFolders; ++next) {
    const auto [folder, depth] = pending[next];
    if (depth >= kMaxBookFolderDepth) continue;
    for (const ContainedEntry& entry : List(folder)) {
      if (entry.Kind != EntryKind::Directory) continue;
      std::string path = folder.empty() ? entry.Name : folder + "/" + entry.Name;
      folders.push_back(path);
      pending.emplace_back(std::move(path), depth + 1);
    }
  }
  return folders;
}

}  // namespace qv
