#include "data/marker_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace qv {
namespace {

TEST(MarkerIndex, FirstPositionOfEachMarker) {
  const std::string text = "<1>a<2>b<1>c<10>d";
  const MarkerIndex index(text);
  EXPECT_EQ(index.Find("1"), 0u);
  EXPECT_EQ(index.Find("2"), 4u);
  EXPECT_EQ(index.Find("10"), 12u);
  EXPECT_EQ(index.Find("3"), std::string::npos);
}

TEST(MarkerIndex, DigitsAreKeptAsWritten) {
  const std::string text = "<01><<1>><>< 2><2 ><2";
  const MarkerIndex index(text);
  EXPECT_EQ(index.Find("01"), 0u);
  EXPECT_EQ(index.Find("1"), 5u);
  EXPECT_EQ(index.Find(""), std::string::npos);
  EXPECT_EQ(index.Find("2"), std::string::npos);
}

// Every lookup must give what a first-occurrence substring search gives.
TEST(MarkerIndex, AgreesWithSubstringSearch) {
  std::mt19937 random(12345);
  const std::string alphabet = "<<>>0123a";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 200);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    const MarkerIndex index(text);
    for (const char* digits : {"0", "1", "2", "3", "00", "01", "10", "12", "123", "0123"}) {
      EXPECT_EQ(index.Find(digits), text.find("<" + std::string(digits) + ">"))
          << text << " " << digits;
    }
  }
}

}  // namespace
}  // namespace qv
