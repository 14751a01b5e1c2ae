#include "data/constant_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "data/expansion_limit.h"
#include "data/game_files.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "parser/location_store.h"
#include "synthetic_gamebook.h"

namespace qv {
namespace {

// One full left-to-right replacement pass per constant, in list order.
std::string ReplaceOneByOne(std::string text, const std::vector<TMyPlugin>& constants) {
  for (const TMyPlugin& c : constants) {
    if (c.Name.empty()) continue;  // it would match between every two bytes
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

// One full pass per constant with the size limit: a pass that would take
// the text past kMaxExpandedText is left out.
std::string ReplaceOneByOneWithinLimit(std::string text, const std::vector<TMyPlugin>& constants,
                                       std::size_t limit) {
  for (const TMyPlugin& c : constants) {
    std::string out;
    std::size_t copied = 0;
    bool too_long = false;
    for (std::size_t at = text.find(c.Name); at != std::string::npos && !c.Name.empty();
         at = text.find(c.Name, copied)) {
      out.append(text, copied, at - copied);
      out += c.Text;
      copied = at + c.Name.size();
      if (out.size() + text.size() - copied > limit) {
        too_long = true;
        break;
      }
    }
    if (too_long || copied == 0) continue;
    out.append(text, copied);
    text = out;
  }
  return text;
}

// The table works on the stretches of bytes that names use; names and values
// here share few bytes, values bring in bytes no name uses, and some values
// make names of later constants, also across the edges of a stretch.
TEST(ConstantTable, RandomTextsGiveTheSameAsOnePassPerConstant) {
  std::mt19937 random(99);
  const auto word = [&](std::string_view alphabet, std::size_t length) {
    std::string w;
    for (std::size_t i = 0; i < length; ++i) w += alphabet[random() % alphabet.size()];
    return w;
  };
  for (int round = 0; round < 400; ++round) {
    const std::string text = word("abcab XY\n;", random() % 300);
    std::vector<TMyPlugin> constants;
    for (int i = 0, n = 1 + static_cast<int>(random() % 12); i < n; ++i) {
      constants.push_back({word("abcXY", 1 + random() % 3), word("abcXY \n", random() % 4)});
    }
    if (round % 3 == 0) constants.push_back(constants.front());  // a name again
    if (round % 5 == 0) constants.push_back({"", "never"});
    const ConstantTable table(constants);
    EXPECT_EQ(table.Apply(text), ReplaceOneByOne(text, constants)) << round << " " << text;
  }
}

TEST(ConstantTable, ManyConstantsWithSharedSuffixesGiveTheSameAsOnePassPerConstant) {
  // Names that end in one another (a, aa, aaa, ba, ...) and values that make
  // shorter names again: every rescan after a pass must still find the lowest
  // later name among those that end at the same place.
  std::vector<TMyPlugin> constants;
  for (int i = 1; i <= 40; ++i) {
    constants.push_back({std::string(static_cast<std::size_t>(i % 7 + 1), 'a'), i % 3 ? "ab" : "b"});
    constants.push_back({"b" + std::string(static_cast<std::size_t>(i % 4), 'a'), "aa"});
  }
  std::mt19937 random(5);
  for (int round = 0; round < 50; ++round) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "ab "[random() % 3];
    EXPECT_EQ(ConstantTable(constants).Apply(text), ReplaceOneByOne(text, constants)) << round;
  }
}

TEST(ConstantTable, GrowthPastTheLimitLeavesOutTheSameConstantsAsOnePassEach) {
  // Each x makes 2 KiB, each of their bytes 2 KiB more (8 MiB for the two);
  // seventeen times that would pass the limit and is left out; shrinking
  // and later constants still apply, in every stretch.
  const std::string block(2048, 'w');
  std::string seventeen;
  for (int i = 0; i < 17; ++i) seventeen += block;
  const std::vector<TMyPlugin> constants{{"x", std::string(2048, 'z')},
                                         {"z", block},
                                         {block, seventeen},
                                         {block, "y"},
                                         {"JMENO", "Karel"}};
  const std::string text = "x\nx JMENO;";
  const std::string got = ConstantTable(constants).Apply(text);
  EXPECT_TRUE(got == ReplaceOneByOneWithinLimit(text, constants, kMaxExpandedText));
  EXPECT_EQ(got, std::string(2048, 'y') + "\n" + std::string(2048, 'y') + " Karel;");
}

TEST(ConstantTable, OnePassThatWouldMakeGigabytesOfOneStretchIsLeftOutBeforeItIsMade) {
  // A stretch of a million names, each to become 1 KiB: a gigabyte made and
  // thrown away if the pass were made before its size was weighed against
  // the limit (a gamebook's constants can ask for much more).
  const std::string text(1 << 20, 'a');
  const std::vector<TMyPlugin> constants{{"a", std::string(1024, 'b')}, {"aa", "c"}};
  const std::string got = ConstantTable(constants).Apply(text);
  EXPECT_EQ(got.size(), std::size_t{1} << 19);
  EXPECT_TRUE(got == std::string(1 << 19, 'c'));
}

TEST(ConstantTable, EmptyTableAndTextWithoutNamesStayAsTheyAre) {
  EXPECT_EQ(ConstantTable().Apply("ZLATO"), "ZLATO");
  const ConstantTable table(std::vector<TMyPlugin>{{"ZLATO", "25"}});
  EXPECT_EQ(table.Apply(""), "");
  EXPECT_EQ(table.Apply("zlato ZLAT0 <1>"), "zlato ZLAT0 <1>");
  EXPECT_EQ(table.Apply("ZLATOZLATO"), "2525");
  EXPECT_EQ(table.List().size(), 1u);
}

// A name of a megabyte that nearly occurs everywhere: each search compared
// the name afresh at every position of the text.
TEST(ConstantTable, LongNameThatNearlyOccursIsFoundWithoutComparingItAtEveryByte) {
  const std::string name = std::string(1'000'000, 'a') + "b";
  const std::string text = std::string(2'000'000, 'a') + "b";
  std::vector<TMyPlugin> constants{{name, "N"}};
  EXPECT_EQ(ApplyConstantList(text, constants), std::string(1'000'000, 'a') + "N");
  EXPECT_EQ(ConstantTable(constants).Apply(text), std::string(1'000'000, 'a') + "N");
}

// Every used constant copied the whole line it stood on, so a line holding
// tens of thousands of constants cost their number times its length.
TEST(ConstantTable, OneLineHoldingTensOfThousandsOfConstantsIsReplacedStretchByStretch) {
  std::vector<TMyPlugin> constants;
  std::string text;
  std::string want;
  for (int i = 0; i < 40'000; ++i) {
    constants.push_back({"n" + std::to_string(i) + "_", "v" + std::to_string(i)});
    text += "n" + std::to_string(i) + "_ ";
    want += "v" + std::to_string(i) + " ";
  }
  EXPECT_EQ(ConstantTable(constants).Apply(text), want);
  EXPECT_EQ(ApplyConstantList(text, constants), want);
}

// Every state of the automaton held a copy of all the names ending there,
// shorter ones included: a thousand names ending in a thousand "a" after the
// names a, aa, aaa ... took gigabytes.
TEST(ConstantTable, ThousandsOfNamesEndingInOneAnotherKeepTheTableSmall) {
  std::vector<TMyPlugin> constants;
  for (std::size_t length = 1000; length >= 1; --length) constants.push_back({std::string(length, 'a'), "A"});
  for (int i = 0; i < 1000; ++i) {
    constants.push_back({"b" + std::to_string(i) + std::string(1000, 'a'), "B" + std::to_string(i)});
  }
  const ConstantTable table(constants);
  for (const std::string& text : {"b7" + std::string(1000, 'a'), std::string(2500, 'a') + " b999a"}) {
    EXPECT_EQ(table.Apply(text), ReplaceOneByOne(text, constants)) << text.substr(0, 10);
  }
}

// Thousands of constants turning "a" into "b" and back, over a text of a
// megabyte with no byte that names leave out: each pass is one over the
// whole text. The passes stop at the work budget instead of running for
// hours; the constants before that point are applied.
TEST(ConstantTable, PassesBackAndForthOverALongStretchStopAtTheWorkBudget) {
  std::vector<TMyPlugin> constants{{"MARK", "done"}};
  for (int i = 0; i < 5'000; ++i) {
    constants.push_back({"a", "b"});
    constants.push_back({"b", "a"});
  }
  constants.push_back({"b", "c"});
  const std::string text = "MARK " + std::string(1'000'000, 'a');
  const std::string got = ConstantTable(constants).Apply(text);
  ASSERT_EQ(got.size(), text.size());
  EXPECT_TRUE(got.starts_with("done "));
  const std::string_view rest = std::string_view(got).substr(5);
  EXPECT_EQ(rest.find_first_not_of(rest[0]), std::string_view::npos);
  EXPECT_NE(rest[0], 'c');  // the last constant lies past the budget
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

// The dense shape: 400 constants, most lines using them, values naming
// later constants, library texts that went through the constants already.
TEST(ConstantList, DenseGeneratedBookGivesTheSameAsOnePassPerConstant) {
  TempWorkDir dir;
  bench::WriteSyntheticGamebook(".", bench::SizeOfShape(bench::BookShape::kDenseConstants, 300));
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  store.LoadConstants();
  ASSERT_EQ(store.Constants().size(), 400u);
  const std::string text = store.ExpandLibraries(FileBytes("data/data.qvl"));
  const std::string applied = store.ApplyConstants(text);
  EXPECT_NE(applied, text);
  EXPECT_TRUE(applied == ReplaceOneByOne(text, store.Constants()));
}

}  // namespace
}  // namespace qv
