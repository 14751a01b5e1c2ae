// The player's shelf of gamebooks: the folders and zip archives in
// $XDG_DATA_HOME/quarvelin/books/ and the demo that comes with the program,
// each with its title and author from its initialization record and its
// cover, the title picture of its skin (grafika/titulek.png, .jpg or .gif).
//
// Books come from strangers: nothing on the shelf is followed through a
// symbolic link, a book that cannot be read is listed with the reason and
// cannot be played, and a folder that is no gamebook (no
// data/inicializace.qvl; the writes folder beside an archive) is left out.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// A cover larger than this is not shown.
inline constexpr std::size_t kMaxCoverSize = 4u * 1024 * 1024;
// The shelf reads the first this many books, in the order listed below.
inline constexpr std::size_t kMaxShelfBooks = 1000;

struct ShelfBook {
  std::string Title;   // Windows-1250, as the record holds it; the file name
                       // (UTF-8 turned into Windows-1250) when it has none
  std::string Author;  // Windows-1250: the record's author line
  std::filesystem::path Path;          // the folder or archive to play
  std::filesystem::path WritesFolder;  // where playing writes when not in Path
  bool Archive = false;
  bool Bundled = false;  // the demo that comes with the program
  std::string Cover;     // the cover picture's bytes; empty: none
  std::string CoverFile; // its name in the book, e.g. "grafika/titulek.png"
  std::string Problem;   // why it cannot be played (UTF-8); empty when it can
};

// The shelf's folder: UserDataDirectory()/"books"; empty when there is none.
std::filesystem::path ShelfFolder();

// The demo that comes with the program, found beside the executable:
// ../share/quarvelin/demo when installed, ../examples/demo in a build tree
// of the sources. Empty when neither is there.
std::filesystem::path BundledDemoFolder(const std::filesystem::path& executable);

// The book at one path, read for the shelf.
ShelfBook ReadShelfBook(const std::filesystem::path& path);

// The bundled demo first (its writes go to `demo_writes`), then the books of
// the folder sorted by title and then by name.
std::vector<ShelfBook> ListShelf(const std::filesystem::path& books,
                                 const std::filesystem::path& demo,
                                 const std::filesystem::path& demo_writes);

}  // namespace qv
