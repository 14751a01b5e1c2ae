// A gamebook packed in one zip archive, read without unpacking it.
//
// The archive is checked whole when it is opened, and refused with a message
// naming the first entry at fault when any entry is a symbolic link or
// another non-regular file, is encrypted, names an absolute path, holds ".",
// ".." or an empty component or a backslash, appears twice, or declares more
// bytes than one gamebook file may have. So what the gamebook reads from an
// archive obeys the same rules as a gamebook folder (contained_files.h).
//
// The book is the archive's top, or its one top-level folder when everything
// lies in one (as archiving a folder makes it) and data/ stands in it.
// Entries are read on demand, each into memory and handed out as a file
// descriptor of its own (a memfd), so readers of gamebook files see an
// ordinary file. A read stops at the size the entry declared: an entry that
// expands beyond it is an unreadable file, never a larger one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/contained_files.h"
#include "data/file_descriptor.h"

namespace qv {

// More entries than any gamebook has: the index is refused beyond this.
inline constexpr std::size_t kMaxZipEntries = 100000;

class ZipBook final : public ReadOnlyBook {
 public:
  // Opens the archive at `archive` (no symbolic link is followed to it) and
  // checks every entry: the book, or the message that says why it is refused.
  static std::variant<ZipBook, std::string> Open(const std::filesystem::path& archive);

  ZipBook(ZipBook&&) noexcept;
  ZipBook& operator=(ZipBook&&) noexcept;
  ~ZipBook() override;

  // Paths are in ContainedPath's checked form, relative to the book.
  EntryKind Kind(std::string_view path) const override;
  // The entry's bytes in a file of their own, positioned at the start;
  // invalid when the path is not a file of the book or cannot be read.
  FileDescriptor OpenFile(std::string_view path) const override;
  // The entry's bytes; nullopt when it is not a file, is larger than
  // max_size, or does not expand to the size it declares.
  std::optional<std::string> Read(std::string_view path, std::uintmax_t max_size) const;
  // The files and folders directly in the folder (empty path: the top).
  std::vector<ContainedEntry> List(std::string_view folder) const override;
  // Every folder of the book, parents before their children.
  std::vector<std::string> Folders() const override;

 private:
  struct Entry {
    std::uint64_t Index = 0;
    std::uint64_t Size = 0;
  };
  struct Archive;
  ZipBook() = default;

  std::unique_ptr<Archive> archive_;
  std::map<std::string, Entry, std::less<>> files_;
  std::set<std::string, std::less<>> folders_;
};

}  // namespace qv
