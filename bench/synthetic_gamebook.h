// A made-up gamebook for the benchmarks and the timing scripts: locations
// with texts, menus, condition blocks, variable commands, possessions and
// fights; constants and libraries (some nested); the five catalogs, a shop
// file and the initialization record, written as plain files the way an
// author leaves them beside the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv::bench {

// How the book is written.
//  - kPlain: a constant on one line in a dozen or so, 40 of the 200 in use,
//    a library reference on a fifth of the pages.
//  - kDenseConstants: most lines use one or more constants (also as numbers
//    in tags, and some values name later constants), 400 constants nearly
//    all in use, a fifth of them named in lower case so that most words of
//    the text are made of bytes names use; library references on most
//    pages, and constants in every library.
enum class BookShape { kPlain, kDenseConstants };

struct SyntheticGamebookSize {
  BookShape Shape = BookShape::kPlain;
  int Locations = 10000;
  int Constants = 200;
  int UsedConstants = 40;  // how many of them the texts actually use
  int Libraries = 50;
  int CatalogEntries = 100;  // per catalog
  int ShopOffers = 20;
  uint32_t Seed = 20240601;
};

struct SyntheticGamebook {
  std::vector<std::string> LibraryNames;
  std::size_t DataBytes = 0;     // data/data.qvl alone
  std::size_t AllDataBytes = 0;  // every file written
  // A location of exactly kTypicalTags tags (texts, a menu, conditions,
  // variables, money, possessions; no window opens): the same bytes for a
  // given seed whatever the number of locations.
  int32_t TypicalLocation = 0;
  // The locations whose first option leads on without a window opening:
  // every location is such, fights and shops stand behind a variable that
  // no location sets (kWindowGateVariable).
  static constexpr int kTypicalTags = 30;
  static constexpr int kWindowGateVariable = 999;
};

// Writes data/data.qvl, data/konstanty.qvl, data/knihovny/*.qvl, the
// catalogs, data/obchod.qvl and data/inicializace.qvl under dir. The same
// size and seed always give the same bytes.
SyntheticGamebook WriteSyntheticGamebook(const std::filesystem::path& dir,
                                         const SyntheticGamebookSize& size = {});

// The sizes of a shape: the plain one as above, the dense one with 400
// constants of which 360 are used and 200 libraries.
SyntheticGamebookSize SizeOfShape(BookShape shape, int locations);

// The text of the typical location's tags after its marker, as written.
std::string TypicalLocationBody(uint32_t seed);

}  // namespace qv::bench
