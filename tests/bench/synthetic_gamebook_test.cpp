// The generated gamebook the timing scripts rely on: the same bytes for the
// same seed, a typical location of exactly 30 tags, and a walk along the
// first options that never opens a window, fails or ends the game.
#include "synthetic_gamebook.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "interpreter/game_session.h"
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

}  // namespace
}  // namespace qv::bench
