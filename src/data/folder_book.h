// A gamebook folder read where it is installed (the bundled demo under
// /usr/share), which the player cannot write into: read through while the
// player's writes go elsewhere (book_mount.h). Inside the folder no link is
// followed, as in every gamebook folder.
#pragma once

#include <filesystem>
#include <optional>

#include "data/contained_files.h"
#include "data/file_descriptor.h"

namespace qv {

// Folders nested deeper than this, or more of them than kMaxBookFolders, are
// not mirrored: no gamebook needs them.
inline constexpr int kMaxBookFolderDepth = 8;
inline constexpr std::size_t kMaxBookFolders = 1000;

class FolderBook final : public ReadOnlyBook {
 public:
  // nullopt when the folder cannot be opened.
  static std::optional<FolderBook> Open(const std::filesystem::path& folder);

  EntryKind Kind(std::string_view path) const override;
  FileDescriptor OpenFile(std::string_view path) const override;
  std::vector<ContainedEntry> List(std::string_view folder) const override;
  std::vector<std::string> Folders() const override;

 private:
  explicit FolderBook(FileDescriptor folder) : folder_(std::move(folder)) {}
  FileDescriptor folder_;
};

}  // namespace qv
