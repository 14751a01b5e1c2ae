// Where a gamebook is played from. The player runs with the gamebook folder
// as its working directory; entering a book makes it so:
//  - a folder is entered as it is, and the player reads and writes there;
//  - an archive (a regular file, such as NAME.zip) is opened and checked
//    (zip_book.h); the working directory becomes a folder for the player's
//    writes beside it, NAME.zip.saves, and every gamebook file missing there
//    is read from the archive, which is never written;
//  - a folder with a separate folder for the writes (the bundled demo, which
//    is installed read-only) is read through the same way.
// The writes folder gets the book's folders, so that what the player
// creates inside them (save/, data/temp/) has somewhere to go. It is made
// when missing; a symbolic link standing at its name is refused.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "data/contained_files.h"

namespace qv {

// The folder an archive's writes go to: the archive's name + ".saves".
std::filesystem::path WritesFolderBeside(const std::filesystem::path& archive);

class BookMount {
 public:
  // Enters the book; `writes`, when not empty, is where the player's writes
  // go for a folder read through (an archive's default is beside it). The
  // message says what failed; the working directory is then unchanged.
  static std::variant<BookMount, std::string> Enter(const std::filesystem::path& book,
                                                    const std::filesystem::path& writes = {});

  BookMount(BookMount&&) noexcept;
  BookMount& operator=(BookMount&&) noexcept;
  ~BookMount();

  // True when the book's files are read from elsewhere than the working
  // directory.
  bool ReadThrough() const { return book_ != nullptr; }

 private:
  BookMount() = default;
  std::unique_ptr<ReadOnlyBook> book_;
  std::unique_ptr<ReadThroughBook> through_;
};

// Enters `book` when it is not empty (else stays in the working directory)
// and checks that a gamebook is there: a data/ folder. The message says what
// failed; for a folder without a gamebook it also says how `command` is
// given one ("... (quarvelin play DIR plays the gamebook in DIR)").
std::variant<std::optional<BookMount>, std::string> EnterGamebook(
    const std::filesystem::path& book, const std::filesystem::path& writes,
    std::string_view command);

}  // namespace qv
