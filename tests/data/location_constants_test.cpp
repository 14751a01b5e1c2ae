// Constants in the main text: applied to each location as it is fetched
// when they cannot change the location markers, else to the whole text at
// the first load; the location texts are the same either way.
#include <gtest/gtest.h>

#include <string>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "parser/location_store.h"
#include "synthetic_gamebook.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class LocationConstantsTest : public ::testing::Test {
 protected:
  LocationConstantsTest() { fs::create_directories("data"); }

  std::string Fetch(int32_t n) {
    tags_.Clear();
    EXPECT_TRUE(store_.FetchLocation(n, {}, tags_)) << "location " << n;
    return store_.LocationText();
  }

  TempWorkDir dir_;
  RecordingHost host_;
  GameFiles files_{host_};
  LocationStore store_{files_, host_};
  TagStore tags_;
};

// Location n of a text with its constants applied as a whole.
std::string CutOfWholeText(const std::string& whole, int32_t n) {
  const std::size_t p1 = whole.find("<" + std::to_string(n) + ">");
  const std::size_t p2 = whole.find("<" + std::to_string(n + 1) + ">");
  return whole.substr(p1, p2 == std::string::npos ? std::string::npos : p2 - p1);
}

TEST_F(LocationConstantsTest, EveryLocationOfTheDenseBookIsTheCutOfTheWholeAppliedText) {
  bench::WriteSyntheticGamebook(".", bench::SizeOfShape(bench::BookShape::kDenseConstants, 300));
  store_.LoadConstants();
  const std::string whole =
      store_.ApplyConstants(store_.ExpandLibraries(ReadBytes("data/data.qvl")));
  store_.StartGame();
  store_.LoadConstants();
  for (int32_t n = 1; n <= 300; ++n) {
    ASSERT_EQ(Fetch(n), CutOfWholeText(whole, n)) << n;
  }
  EXPECT_TRUE(store_.MainText() == whole);
  EXPECT_EQ(Fetch(150), CutOfWholeText(whole, 150));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(LocationConstantsTest, NamesWithDigitsThatOccurInNoMarkerLeaveTheMarkersAlone) {
  WriteBytes("data/konstanty.qvl", "X12 dvanact\nZLATO 25\n");
  WriteBytes("data/data.qvl", "<1>ZLATO X12<zpet><12>a<13>X12<2>[ZLATO]");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>25 dvanact<zpet><12>a<13>dvanact");
  EXPECT_EQ(Fetch(12), "<12>a");
  EXPECT_EQ(Fetch(13), "<13>dvanact<2>[25]");
  EXPECT_EQ(Fetch(2), "<2>[25]");
}

TEST_F(LocationConstantsTest, AConstantThatMakesAMarkerIsAppliedToTheWholeText) {
  WriteBytes("data/konstanty.qvl", "DVA 2\n");
  WriteBytes("data/data.qvl", "<1>a<DVA>b");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>a");
  EXPECT_EQ(Fetch(2), "<2>b");
}

TEST_F(LocationConstantsTest, AConstantInsideAMarkerIsAppliedToTheWholeText) {
  WriteBytes("data/konstanty.qvl", "2 5\n");
  WriteBytes("data/data.qvl", "<1>x<2>y");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(5), "<5>y");
  tags_.Clear();
  EXPECT_FALSE(store_.FetchLocation(2, {}, tags_));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0], "Nenalezeno lokace <2>");
}

TEST_F(LocationConstantsTest, AValueHoldingAMarkerIsAppliedToTheWholeText) {
  WriteBytes("data/konstanty.qvl", "ODSTAVEC a<3>b\n");
  WriteBytes("data/data.qvl", "<1>ODSTAVEC<2>c");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>a<3>b");
  EXPECT_EQ(Fetch(3), "<3>b<2>c");
}

// The main text is loaded once per run, with the constants of the game it
// was loaded in; a later game's constants do not reach it.
TEST_F(LocationConstantsTest, TheMainTextKeepsTheConstantsOfTheGameItWasLoadedIn) {
  WriteBytes("data/konstanty.qvl", "ZLATO 25\n");
  WriteBytes("data/data.qvl", "<1>ZLATO<2>");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>25");
  store_.StartGame();
  WriteBytes("data/konstanty.qvl", "ZLATO 99\n");
  store_.LoadConstants();
  EXPECT_EQ(Fetch(1), "<1>25");
  EXPECT_EQ(store_.ApplyConstants("ZLATO"), "99");
}

}  // namespace
}  // namespace qv
