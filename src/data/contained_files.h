// Every file of a gamebook, opened without ever leaving the gamebook folder.
//
// Gamebooks come from strangers, often as archives, and archives carry
// symbolic links. The player runs with the gamebook folder as its working
// directory, and everything it reads or writes there goes through this layer:
//  - A path is relative to the gamebook folder and is resolved without
//    following any symbolic link, in any of its components: a link is neither
//    read nor written through; it counts as something that is not there.
//  - A path never climbs out of the folder it names first: "obrazky/../x"
//    and "audio/../../x" are refused, "data/knihovny/../a.qvl" stays in data/.
//    A path of one component (setup.ini) may not climb at all. Absolute paths
//    and paths holding a NUL byte are refused. Since no link is followed,
//    what the text of a path says is where it leads.
//  - Only regular files are read (a FIFO or a device would block or never
//    end), and no file is read beyond the size the caller allows.
//  - A file is written by creating a new, uniquely named file beside it
//    (exclusively, so nothing that already exists is opened) and renaming it
//    over the name: a link at that name is replaced, never followed, and the
//    earlier file stays whole until the new one is complete.
// Resolution uses openat2 with RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS where the
// kernel has it, otherwise one openat with O_NOFOLLOW per component.
//
// Paths are given in their disk spelling (UTF-8; see DiskPath for the
// engine's Windows-1250 names). Nothing here throws; failures are results.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/file_descriptor.h"

namespace qv {

// No gamebook file comes near this size; a larger one is taken as unreadable
// rather than read into memory whole.
inline constexpr std::uintmax_t kMaxGameFileSize = 256u * 1024 * 1024;

// The path in its checked form: components joined by "/", without ".", ".."
// or empty components; nullopt when it would leave its first folder or the
// gamebook folder, is absolute, empty, or holds a NUL byte.
std::optional<std::string> ContainedPath(const std::filesystem::path& path);

enum class EntryKind { Missing, File, Directory, Other };

// What stands at the path, without following a link there (a link is Other)
// or on the way (then Missing). A refused path is Missing.
EntryKind KindOfEntry(const std::filesystem::path& path);
inline bool IsContainedFile(const std::filesystem::path& path) {
  return KindOfEntry(path) == EntryKind::File;
}
inline bool IsContainedDirectory(const std::filesystem::path& path) {
  return KindOfEntry(path) == EntryKind::Directory;
}

// A regular file opened for reading; invalid when the path is refused, is not
// a regular file, or cannot be opened.
FileDescriptor OpenContainedFile(const std::filesystem::path& path);

// Reads from an open file until `size` bytes are in `into` or the file ends:
// the number of bytes read, or nullopt when reading fails.
std::optional<std::size_t> ReadUpTo(int fd, void* into, std::size_t size);

// The whole file, or nullopt when it cannot be opened or read, or is larger
// than max_size bytes (it is then not read at all).
std::optional<std::string> ReadContainedFile(const std::filesystem::path& path,
                                             std::uintmax_t max_size);

// Creates the directory (its parent must exist). True when a directory stands
// there afterwards, also when it was there before.
bool MakeContainedDirectory(const std::filesystem::path& path);

// Deletes a file (or a link, which is only unlinked). True when nothing stands
// at the path afterwards.
bool RemoveContainedFile(const std::filesystem::path& path);

// Removes the directory when it is empty; silent otherwise.
void RemoveContainedDirectoryIfEmpty(const std::filesystem::path& path);

enum class Durability {
  Plain,   // written and renamed
  Synced,  // flushed to the disk before the rename, so a power cut leaves
           // the earlier file or the new one, never a torn one
};

// Writes `bytes` through a fresh file in the same folder renamed over the
// path. False, with the earlier file untouched and no temporary file left,
// when any step fails (a missing folder included: nothing is created here).
bool ReplaceContainedFile(const std::filesystem::path& path, std::string_view bytes,
                          Durability durability);

// The same for the file `name` in the folder open as `folder` (a descriptor
// the caller opened and keeps), for the player's own files outside any
// gamebook.
bool ReplaceFileInFolder(int folder, const std::string& name, std::string_view bytes,
                         Durability durability);

// The file `name` in the folder open as `folder`, opened for appending (and
// made when it is missing), for the player's own files outside any
// gamebook. Invalid, with errno set, when it cannot be: ELOOP when the name
// is a symbolic link, which is never followed, and EINVAL when it is no
// regular file (a FIFO would hold the player up until someone read it).
FileDescriptor AppendToFileInFolder(int folder, const std::string& name);

struct ContainedEntry {
  std::string Name;  // the disk name (UTF-8)
  EntryKind Kind = EntryKind::Other;
  std::filesystem::file_time_type Modified{};
};

// The entries of a directory (not "." and ".."), in the order the system
// lists them; empty when the directory cannot be opened.
std::vector<ContainedEntry> ListContainedDirectory(const std::filesystem::path& path);
// Only the working directory's entries, without the book read through.
struct FolderOnly {};
std::vector<ContainedEntry> ListContainedDirectory(const std::filesystem::path& path, FolderOnly);

// A gamebook whose files stay where they were found (an archive, a folder
// installed read-only) while what the player writes goes to the working
// directory. While one is read through (ReadThroughBook), a path missing in
// the working directory is looked up in it: KindOfEntry, OpenContainedFile
// and ReadContainedFile fall back to it, and ListContainedDirectory lists
// both. Paths are given in ContainedPath's checked form.
class ReadOnlyBook {
 public:
  virtual ~ReadOnlyBook() = default;
  virtual EntryKind Kind(std::string_view path) const = 0;
  virtual FileDescriptor OpenFile(std::string_view path) const = 0;
  virtual std::vector<ContainedEntry> List(std::string_view folder) const = 0;
  // Every folder of the book, parents before their children, so that the
  // working directory can be given the same folders to write into.
  virtual std::vector<std::string> Folders() const = 0;
};

// Like the working directory, the book read through is the whole process's:
// it is set once a gamebook is entered, and taken away when the object ends.
class ReadThroughBook {
 public:
  explicit ReadThroughBook(const ReadOnlyBook& book);
  ~ReadThroughBook();
  ReadThroughBook(const ReadThroughBook&) = delete;
  ReadThroughBook& operator=(const ReadThroughBook&) = delete;

 private:
  const ReadOnlyBook* previous_;
};

// Opens a checked path beneath an open folder, never following a link, like
// every path of this layer beneath the working directory.
FileDescriptor OpenBeneathFolder(int folder, const std::string& checked_path, int flags);

namespace contained_detail {
// The per-component resolution used where openat2 is missing; tests call it
// directly so that both ways are checked on every kernel.
// `base`: the open folder to start from; -1, the working directory.
int OpenByWalking(const std::string& checked_path, int flags, unsigned mode, int base = -1);
}  // namespace contained_detail

}  // namespace qv
