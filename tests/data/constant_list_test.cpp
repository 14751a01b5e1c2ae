#include "data/constant_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "data/game_files.h"
#include "data/location_store.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "synthetic_gamebook.h"

namespace qv {
namespace {

// One full left-to-right replacement pass per constant, in list order.
std::string ReplaceOneByOne(std::string text, const std::vector<TMyPlugin>& constants) {
  for (const TMyPlugin& c : constants) {
    std::string out;
    std::size_t copied = 0;
    for (std::size_t at = text.find(c.Name); at != std::string::npos;
         at = text.find(c.Name, copied)) {
      out.append(text, copied, at - copied);
      out += c.Text;
      copied = at + c.Name.size();
    }
    out.append(text, copied);
    text = out;
  }
  return text;
}

TEST(ConstantList, LineIsNameSpacesValueUpToSemicolon) {
  const auto c = ParseConstantLine("SILA  12;  poznamka;x");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->Name, "SILA");
  EXPECT_EQ(c->Text, "12");
  EXPECT_FALSE(ParseConstantLine("ab"));    // "ab;" is 3 bytes
  EXPECT_FALSE(ParseConstantLine("abc"));   // no space
  EXPECT_FALSE(ParseConstantLine(" abc"));  // no name
  const auto short_line = ParseConstantLine("a b");
  ASSERT_TRUE(short_line);
  EXPECT_EQ(short_line->Text, "b");
}

TEST(ConstantList, ReplacedTextIsNotSearchedAgainByTheSameConstant) {
  const std::vector<TMyPlugin> constants{{"AA", "AAA"}, {"aa", "a"}};
  EXPECT_EQ(ApplyConstantList("AAAAA aaaa", constants), "AAAAAAA aa");
}

// Large texts take the path that skips constants which cannot occur; the
// result must not differ from replacing one constant after another.
TEST(ConstantList, LargeTextGivesTheSameAsOnePassPerConstant) {
  std::mt19937 random(4711);
  const std::string alphabet = "abcdeXYZ <>;";
  const auto word = [&](std::size_t length) {
    std::string w;
    for (std::size_t i = 0; i < length; ++i) w += alphabet[random() % alphabet.size()];
    return w;
  };
  for (int round = 0; round < 6; ++round) {
    const std::string text = word(70 * 1024);
    std::vector<TMyPlugin> constants;
    for (int i = 0; i < 40; ++i) {
      constants.push_back({word(1 + random() % 6), word(random() % 5)});
    }
    // Chains: a value that makes a later name, across the value's edges too.
    constants.push_back({"abc", "QQ"});
    constants.push_back({"QQQ", "W"});
    constants.push_back({"eWd", "chain"});
    EXPECT_EQ(ApplyConstantList(text, constants), ReplaceOneByOne(text, constants)) << round;
  }
}

// Large texts are worked through line by line; names never hold a line feed,
// values may, and a name with one makes the whole text go one pass per
// constant again.
TEST(ConstantList, LargeTextWithLinesGivesTheSameAsOnePassPerConstant) {
  std::mt19937 random(815);
  const std::string text_bytes = "abcXY \n\r";
  const std::string name_bytes = "abcXY \r";
  const auto word = [&](const std::string& alphabet, std::size_t length) {
    std::string w;
    for (std::size_t i = 0; i < length; ++i) w += alphabet[random() % alphabet.size()];
    return w;
  };
  for (int round = 0; round < 8; ++round) {
    const std::string text = word(text_bytes, 80 * 1024);
    std::vector<TMyPlugin> constants;
    for (int i = 0; i < 30; ++i) {
      constants.push_back({word(name_bytes, 1 + random() % 4), word(text_bytes, random() % 4)});
    }
    constants.push_back({"ab", "X\nY"});  // a value that splits a line
    constants.push_back({"XY", "ab"});    // ... and a later name across it
    constants.push_back(constants[3]);    // the same name twice
    if (round % 4 == 3) constants.push_back({"c\na", "Z"});
    EXPECT_EQ(ApplyConstantList(text, constants), ReplaceOneByOne(text, constants)) << round;
  }
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The whole generated book of 10,000 locations with its 200 constants, the
// libraries expanded first as at the first load.
TEST(ConstantList, GeneratedBookGivesTheSameAsOnePassPerConstant) {
  TempWorkDir dir;
  bench::WriteSyntheticGamebook(".");
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  store.LoadConstants();
  ASSERT_EQ(store.Constants().size(), 200u);
  const std::string text = store.ExpandLibraries(FileBytes("data/data.qvl"));
  const std::string applied = ApplyConstantList(text, store.Constants());
  EXPECT_NE(applied, text);
  EXPECT_TRUE(applied == ReplaceOneByOne(text, store.Constants()));
}

}  // namespace
}  // namespace qv
