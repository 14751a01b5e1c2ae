// The generated gamebook the timing scripts rely on: the same bytes for the
// same seed, a typical location of exactly 30 tags, and a walk along the
// first options that never opens a window, fails or ends the game.
#include "synthetic_gamebook.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "interpreter/game_session.h"
#include "parser/location_store.h"
#include "parser/random_source.h"

namespace qv::bench {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SyntheticGamebook, SameSeedSameBytesOtherSeedOtherBytes) {
  TempWorkDir dir;
  WriteSyntheticGamebook("a", {.Locations = 200, .Seed = 5});
  WriteSyntheticGamebook("b", {.Locations = 200, .Seed = 5});
  WriteSyntheticGamebook("c", {.Locations = 200, .Seed = 6});
  for (const char* file :
       {"data/data.qvl", "data/konstanty.qvl", "data/zbrane.qvl", "data/utoky.qvl",
        "data/obchod.qvl", "data/inicializace.qvl", "data/knihovny/lib0.qvl"}) {
    EXPECT_EQ(Bytes(fs::path("a") / file), Bytes(fs::path("b") / file)) << file;
  }
  EXPECT_NE(Bytes("a/data/data.qvl"), Bytes("c/data/data.qvl"));
}

TEST(SyntheticGamebook, FullCatalogsAndAboutEightMegabytesByDefault) {
  TempWorkDir dir;
  const SyntheticGamebook book = WriteSyntheticGamebook(".");
  EXPECT_GT(book.DataBytes, 7'000'000u);
  EXPECT_LT(book.DataBytes, 9'000'000u);
  EXPECT_EQ(book.LibraryNames.size(), 50u);
  EXPECT_EQ(book.TypicalLocation, 5000);

  RecordingHost host;
  SeededRandomSource random{1};
  GameSession session(host, random);
  ASSERT_TRUE(session.LoadInitRecord());
  session.StartNewGame();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  const GameState& s = *session.State;
  EXPECT_EQ(s.Weapons.Count, 100);
  EXPECT_EQ(s.Armours.Count, 100);
  EXPECT_EQ(s.Items.Count, 100);
  EXPECT_EQ(s.Spells.Count, 100);
  EXPECT_EQ(s.Attacks.Count, 100);
  EXPECT_EQ(session.Store.Constants().size(), 200u);
}

TEST(SyntheticGamebook, TypicalLocationHasThirtyTagsWhateverTheBookSize) {
  for (const int locations : {100, 1000}) {
    TempWorkDir dir;
    const SyntheticGamebook book = WriteSyntheticGamebook(".", {.Locations = locations});
    RecordingHost host;
    GameFiles files(host);
    LocationStore store(files, host);
    store.LoadConstants();
    auto tags = std::make_unique<TagStore>();
    ASSERT_TRUE(store.FetchLocation(book.TypicalLocation, {}, *tags));
    EXPECT_EQ(tags->Count(), SyntheticGamebook::kTypicalTags);
    EXPECT_EQ(store.LocationText(),
              "<" + std::to_string(book.TypicalLocation) + ">\r\n" + TypicalLocationBody(20240601));
  }
}

TEST(SyntheticGamebook, WalkAlongFirstOptionsOpensNoWindow) {
  TempWorkDir dir;
  WriteSyntheticGamebook(".", {.Locations = 300});
  RecordingHost host;
  SeededRandomSource random{3};
  GameSession session(host, random);
  session.LoadInitRecord();
  session.StartNewGame();
  for (int page = 0; page < 500; ++page) {
    session.Form.HoverOption(1);
    session.Form.OptionClick();
  }
  EXPECT_FALSE(host.ProgramEnded());
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(host.modal_windows.empty());
  EXPECT_GT(session.State->Character.ZIVOTY, 0);
}

// The dense shape: a constant on most lines (the walk still meets no
// message, so every constant used as a number is one), and library
// references on most pages.
TEST(SyntheticGamebook, DenseShapeUsesConstantsOnMostLinesAndWalksWithoutMessages) {
  TempWorkDir dir;
  const SyntheticGamebookSize size = SizeOfShape(BookShape::kDenseConstants, 300);
  WriteSyntheticGamebook(".", size);
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  store.LoadConstants();
  EXPECT_EQ(store.Constants().size(), 400u);
  const std::string data = Bytes("data/data.qvl");
  int lines = 0;
  int with_constant = 0;
  int pages_with_library = 0;
  bool page_has_library = false;
  for (std::size_t start = 0; start < data.size();) {
    const std::size_t end = data.find('\n', start);
    const std::string line = data.substr(start, end - start);
    start = end == std::string::npos ? data.size() : end + 1;
    if (line.starts_with("<") && line.size() > 1 && std::isdigit(static_cast<unsigned char>(line[1]))) {
      page_has_library = false;
      continue;
    }
    if (line.starts_with("#knihovna_")) {
      if (!page_has_library) ++pages_with_library;
      page_has_library = true;
      continue;
    }
    ++lines;
    if (store.ApplyConstants(line) != line) ++with_constant;
  }
  EXPECT_GT(with_constant * 10, lines * 7) << with_constant << " of " << lines;
  EXPECT_GT(pages_with_library * 10, 300 * 7) << pages_with_library;

  SeededRandomSource random{3};
  GameSession session(host, random);
  session.LoadInitRecord();
  session.StartNewGame();
  for (int page = 0; page < 300; ++page) {
    session.Form.HoverOption(1);
    session.Form.OptionClick();
  }
  EXPECT_FALSE(host.ProgramEnded());
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(host.modal_windows.empty());
}

}  // namespace
}  // namespace qv::bench
