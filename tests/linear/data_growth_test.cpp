// The gamebook's file readers on megabytes of adversarial files: catalogs,
// shop offers, constants and libraries.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "book_folder.h"
#include "data/game_files.h"
#include "data/temp_work_dir.h"
#include "growth.h"
#include "host/recording_host.h"
#include "parser/location_store.h"
#include "possessions/shop.h"
#include "state/catalog_loader.h"
#include "state/game_state.h"
#include "support/czech_text.h"

namespace qv::linear {
namespace {

namespace fs = std::filesystem;

// The five catalogs, each read from a file of one shape.
class CatalogGrowth : public ::testing::Test {
 protected:
  using Loader = void (*)(GameFiles&, GameState&, Host&);

  // Runs every catalog reader on its file made by body(size).
  template <class Body>
  void Check(const std::string& what, Body body) {
    static constexpr struct {
      const char* File;
      Loader Load;
    } kCatalogs[] = {{"zbrane", LoadWeapons}, {"zbroje", LoadArmour}, {"predmety", LoadItems},
                     {"kouzla", LoadSpells},  {"utoky", LoadAttacks}};
    for (const auto& catalog : kCatalogs) {
      const auto make = [&](std::size_t size) {
        return WriteBook(std::string(catalog.File) + std::to_string(size),
                         {{"data/" + std::string(catalog.File) + ".qvl", body(size)}});
      };
      const auto read = [&](const fs::path& folder) {
        InFolder in(folder);
        RecordingHost host;
        GameFiles files(host);
        state_->Weapons.Count = state_->Armours.Count = state_->Items.Count = 0;
        state_->Spells.Count = state_->Attacks.Count = 0;
        catalog.Load(files, *state_, host);
      };
      ExpectLinearGrowth(std::string(catalog.File) + ": " + what, make, read);
    }
  }

  TempWorkDir dir_;
  std::unique_ptr<GameState> state_ = std::make_unique<GameState>();
};

TEST_F(CatalogGrowth, OneLineOfEntries) {
  Check("one line of a million effect and condition entries", [](std::size_t size) {
    return "1 \"a\" \"b\" 1k6, 1, 1, 1, 1, 1" + Repeat(", sila+1, [SILA 0 > \"4\"]", size) + ";";
  });
}

TEST_F(CatalogGrowth, UnclosedQuote) {
  Check("a quote never closed", [](std::size_t size) { return "1 \"a," + Repeat("x", size); });
}

TEST_F(CatalogGrowth, LinesOfOneByte) {
  Check("lines of one byte", [](std::size_t size) { return Repeat("a\n", size); });
}

TEST_F(CatalogGrowth, LongNumbersAndReferences) {
  // Spell and attack lines go through $ substitution first.
  Check("numbers of a million digits, $ references", [](std::size_t size) {
    return Repeat("1", size / 4) + " \"" + Repeat("$retezec1$5", size / 16) + "\" \"b\" 1k" +
           Repeat("6", size / 4) + ", 1, " + Repeat("9", size / 4);
  });
}

class ShopGrowth : public ::testing::Test {
 protected:
  ShopGrowth() {
    Weapon sword;
    sword.Number = 1;
    sword.Name = Cz("Meč");
    sword.Description = std::string(200, 'd');
    state_->Weapons.Append(sword);
    Item potion;
    potion.Name = "Lektvar";
    potion.Description = std::string(200, 'p');
    state_->Items.Append(potion);
  }

  template <class Body>
  void Check(const std::string& what, Body body) {
    const auto make = [&](std::size_t size) {
      return WriteBook("obchod" + std::to_string(size), {{"data/obchod.qvl", body(size)}});
    };
    const auto read = [&](const fs::path& folder) {
      InFolder in(folder);
      RecordingHost host;
      GameFiles files(host);
      LoadShop(files, *state_, 1);
    };
    ExpectLinearGrowth("obchod: " + what, make, read);
  }

  TempWorkDir dir_;
  std::unique_ptr<GameState> state_ = std::make_unique<GameState>();
};

TEST_F(ShopGrowth, Readers) {
  Check("one offer of many rows", [](std::size_t size) { return "1" + Repeat(",zbran1,predmet1", size / 8); });
  Check("many lines of other offers", [](std::size_t size) { return Repeat("2,zbran1\n", size) + "\n1,zbran1"; });
  Check("lines of one byte", [](std::size_t size) { return Repeat("\n", size) + "1,zbran1"; });
  Check("one long kind", [](std::size_t size) { return "1," + Repeat("z", size); });
  Check("long digit runs", [](std::size_t size) { return Repeat("9", size) + "\n1," + Repeat("9", size); });
}

// Constants: the file read, then applied to a text.
class ConstantGrowth : public ::testing::Test {
 protected:
  // konstanty(size) and text(size) are the two inputs.
  // Shapes that run into the work budget cost the same whatever the runs:
  // one run each is enough for them.
  template <class Constants, class Text>
  void Check(const std::string& what, Constants konstanty, Text text, int runs = 2) {
    const auto make = [&](std::size_t size) {
      return std::pair(WriteBook("konstanty" + std::to_string(size), {{"data/konstanty.qvl", konstanty(size)}}),
                       text(size));
    };
    const auto read = [&](const std::pair<fs::path, std::string>& input) {
      InFolder in(input.first);
      RecordingHost host;
      GameFiles files(host);
      LocationStore store(files, host);
      store.LoadConstants();
      store.ApplyConstants(input.second);
    };
    ExpectLinearGrowth("konstanty: " + what, make, read, runs);
  }

  TempWorkDir dir_;
};

std::string NumberedConstants(std::size_t count, std::string_view value) {
  std::string file;
  for (std::size_t i = 0; i < count; ++i) file += "K" + std::to_string(i) + "_ " + std::string(value) + "\n";
  return file;
}

std::string NumberedNames(std::size_t count, std::string_view between) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += "K" + std::to_string(i) + "_" + std::string(between);
  return text;
}

TEST_F(ConstantGrowth, HundredsOfConstantsOverALongText) {
  Check("300 constants, names all over the text",
        [](std::size_t) { return NumberedConstants(300, "hodnota"); },
        [](std::size_t size) { return Repeat(NumberedNames(300, " a "), size); });
}

TEST_F(ConstantGrowth, ConstantsGrowingWithTheText) {
  Check("a constant per 20 bytes, each used once in its own word",
        [](std::size_t size) { return NumberedConstants(size / 20, "v"); },
        [](std::size_t size) { return NumberedNames(size / 20, " "); });
  Check("a constant per 20 bytes, all used in one run of name bytes",
        [](std::size_t size) { return NumberedConstants(size / 20, "v"); },
        [](std::size_t size) { return NumberedNames(size / 20, ""); }, 1);
  Check("a constant per 20 bytes, none used",
        [](std::size_t size) { return NumberedConstants(size / 20, "v"); },
        [](std::size_t size) { return Repeat("x ", size); });
}

TEST_F(ConstantGrowth, NamesEndingInEachOther) {
  // a, aa, aaa, ... longest first, over a run of "a": every name ends at
  // every byte, and each pass leaves the shorter ones to find again.
  Check("names a, aa, aaa ... over a run of a",
        [](std::size_t size) {
          std::size_t longest = 1;
          while (longest * longest < size) ++longest;
          std::string file;
          for (std::size_t length = longest; length >= 1; --length) file += std::string(length, 'a') + " b\n";
          return file;
        },
        [](std::size_t size) { return Repeat("a", size); });
}

TEST_F(ConstantGrowth, SameNameAgainAndAgain) {
  Check("one name repeated as every constant, value the name itself",
        [](std::size_t size) { return Repeat("ab ab\n", size / 2); },
        [](std::size_t size) { return Repeat("ab ", size / 2); }, 1);
  Check("constants turning a into b and back",
        [](std::size_t size) { return Repeat("a b\nb a\n", size / 4); },
        [](std::size_t size) { return Repeat("a", size); }, 1);
}

TEST_F(ConstantGrowth, LinesOfOneByte) {
  Check("a file of empty lines", [](std::size_t size) { return Repeat("\n", size); },
        [](std::size_t size) { return Repeat("ab ", size); });
}

TEST_F(ConstantGrowth, LongNameNearlyEverywhere) {
  Check("one long name that nearly occurs",
        [](std::size_t size) { return Repeat("a", size / 2) + "b x\nc d\nd e\ne f\nf g\ng h\nh i\ni j\n"; },
        [](std::size_t size) { return Repeat("a", size); });
}

// Libraries: references in a text expanded, libraries read from files.
class LibraryGrowth : public ::testing::Test {
 protected:
  // files(size) are the folder's files, text(size) the text expanded.
  template <class Files, class Text>
  void Check(const std::string& what, Files files, Text text) {
    const auto make = [&](std::size_t size) {
      return std::pair(WriteBook("knihovny" + std::to_string(size), files(size)), text(size));
    };
    const auto read = [&](const std::pair<fs::path, std::string>& input) {
      InFolder in(input.first);
      RecordingHost host;
      GameFiles game_files(host);
      LocationStore store(game_files, host);
      store.ExpandLibraries(input.second);
    };
    ExpectLinearGrowth("knihovny: " + what, make, read);
  }

  TempWorkDir dir_;
};

TEST_F(LibraryGrowth, References) {
  Check("one library referred to everywhere",
        [](std::size_t) { return BookFiles{{"data/knihovny/a.qvl", "xyz"}}; },
        [](std::size_t size) { return Repeat("#knihovna_a;", size); });
  Check("references in capitals beside one in lower case",
        [](std::size_t) { return BookFiles{{"data/knihovny/a.qvl", "xyz"}}; },
        [](std::size_t size) { return "#knihovna_a;" + Repeat("#KNIHOVNA_A;", size); });
  Check("one long name among references without their ;",
        [](std::size_t) { return BookFiles{}; },
        [](std::size_t size) { return "#knihovna_" + Repeat("n", size / 2) + ";" + Repeat("#knihovna_", size / 2); });
  Check("references without their ;", [](std::size_t) { return BookFiles{}; },
        [](std::size_t size) { return Repeat("#knihovna_a", size); });
}

TEST_F(LibraryGrowth, ManyDistinctLibraries) {
  // Each distinct name asks the disk once; a sixteenth of the usual sizes
  // keeps the number of file look-ups reasonable.
  const auto text = [](std::size_t size) {
    std::string out;
    for (std::size_t i = 0; out.size() < size / 16; ++i) out += "#knihovna_k" + std::to_string(i) + ";";
    return out;
  };
  Check("distinct missing libraries", [](std::size_t) { return BookFiles{}; }, text);
}

TEST_F(LibraryGrowth, LibraryFiles) {
  Check("a library of one-byte lines",
        [](std::size_t size) { return BookFiles{{"data/knihovny/a.qvl", Repeat("y\n", size)}}; },
        [](std::size_t) { return std::string("#knihovna_a;"); });
  Check("a library referring to another everywhere",
        [](std::size_t size) {
          return BookFiles{{"data/knihovny/a.qvl", Repeat("#knihovna_b;\n", size)}, {"data/knihovny/b.qvl", "z"}};
        },
        [](std::size_t) { return std::string("#knihovna_a;"); });
  Check("libraries nested as deep as they may go, each long",
        [](std::size_t size) {
          BookFiles files;
          for (std::size_t n = 1; n <= kMaxLibraryNesting + 1; ++n) {
            files["data/knihovny/l" + std::to_string(n) + ".qvl"] =
                Repeat("x", size / kMaxLibraryNesting) + "#knihovna_l" + std::to_string(n + 1) + ";";
          }
          return files;
        },
        [](std::size_t) { return std::string("#knihovna_l1;"); });
}

}  // namespace
}  // namespace qv::linear
