// The shelf's commands: `quarvelin add PATH` copies a gamebook folder or
// archive onto the shelf; `quarvelin shelf --list` prints the shelf as JSON
// lines, one book a line, for scripts and tests (the desktop shows the same
// list in the shelf window).
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "data/shelf.h"

namespace qv {

// A folder added to the shelf is refused beyond these: no gamebook comes
// near them, and the copy stays bounded whatever the folder holds.
inline constexpr std::uintmax_t kMaxAddedBytes = 2ull * 1024 * 1024 * 1024;
inline constexpr std::size_t kMaxAddedEntries = 100000;
inline constexpr int kMaxAddedDepth = 16;

// add PATH: copies the book into `shelf` (made when missing). The book is
// copied into a hidden folder of the shelf first and renamed into place, so a
// failed copy leaves nothing behind and never replaces a book. Symbolic links
// and other special files inside a folder are not copied, and named; the
// path itself must not be a link. Exit status 0 when added, 1 otherwise.
int RunAddCommand(std::span<const std::string_view> args, const std::filesystem::path& shelf,
                  std::ostream& out, std::ostream& err);

// Where the player's books are: the shelf (ShelfFolder), the demo that
// comes with the program (found beside the running executable) and the
// folder the demo's saves go to, since it is installed read-only.
struct ShelfPlaces {
  std::filesystem::path Books;
  std::filesystem::path Demo;
  std::filesystem::path DemoWrites;
};
ShelfPlaces PlayerShelfPlaces();

std::vector<ShelfBook> ListShelf(const ShelfPlaces& places);

// shelf --list: one JSON object a line with "title", "author" (UTF-8),
// "path", "archive", "bundled", "cover" (the cover's file in the book, or
// null) and "problem" (why it cannot be played, or null).
int RunShelfListCommand(const ShelfPlaces& places, std::ostream& out);

}  // namespace qv
