// Constants and libraries that multiply a text stop growing at
// kMaxExpandedText instead of filling the memory.
#include "data/expansion_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/constant_list.h"
#include "data/file_bytes.h"
#include "data/game_files.h"
#include "data/temp_work_dir.h"
#include "host/recording_host.h"
#include "parser/location_store.h"

namespace qv {
namespace {

// Crashing input of the constants fuzz target, reduced: each line turns
// every "x" into sixteen, so ten lines would make a terabyte of one "x".
TEST(ExpansionLimit, ConstantsThatMultiplyTheTextStopAtTheLimit) {
  std::vector<TMyPlugin> constants;
  for (int i = 0; i < 10; ++i) constants.push_back({"x", std::string(16, 'x')});
  const std::string text = ApplyConstantList("<1>x;", constants);
  // Six lines fit (16^6 bytes); every later one would pass the limit.
  EXPECT_EQ(text.size(), 4 + (std::size_t{1} << 24));
  EXPECT_TRUE(text.starts_with("<1>xxxx"));
  EXPECT_TRUE(text.ends_with("x;"));
}

// A large text goes through the constants line by line; the limit and which
// constants it leaves out stay the same as for a short one.
TEST(ExpansionLimit, LargeTextThatMultipliesStopsAtTheSameLimit) {
  std::vector<TMyPlugin> constants;
  for (int i = 0; i < 10; ++i) constants.push_back({"x", std::string(16, 'x')});
  constants.push_back({"JMENO", "Karel"});
  const std::string filler(70 * 1024, 'a');
  const std::string text = ApplyConstantList(filler + "\n<1>x JMENO;", constants);
  EXPECT_EQ(text.size(), filler.size() + 1 + 3 + (std::size_t{1} << 24) + 7);
  EXPECT_TRUE(text.ends_with("x Karel;"));
  EXPECT_LE(text.size(), kMaxExpandedText);
}

// The input the constants fuzz target timed out on: a few lines that made a
// text of some gigabytes.
TEST(ExpansionLimit, FuzzedConstantsFileFinishesWithinTheLimit) {
  const std::string file(
      "\x3D\x0A\x00\x20\x00\x00\x00\x00\x00\x00\x00\x0A\x00\x20\x00\x00"
      "\x00\x00\x79\x11\x00\x00\x00\x00\x00\x00\x0A\x00\x20\x00\x00\x00"
      "\x00\x0A\x00\x20\x00\x00\x00\x00\x79\x11\x00\x00\x00\x00\x00\x00"
      "\x0A\x00\x20\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x0A\x00"
      "\x20\xB0\xB0\xB0\x00\x00\x79\x11\x00\x00\x00\x00\x00\x00\x00\x00"
      "\x00\x0A\x00\x20\xB0\xB0\xB0\x00\x00\x79\x11\x00\x00\x00\x00\x00"
      "\x00\x00\x0A\x00\x20\xB0\xB0\xB0\xB0\x00\x42\x0A\x0A",
      109);
  const std::string text(
      "\x60\x00\x00\x00\x0A\x00\x20\x27\x00\x42\x0A\x0A\x0A\x25\x25\x0A"
      "\x60\x00\x00\x00\x00\x00\x00\x00\x00\xD5\x00\x00",
      28);
  const std::vector<TMyPlugin> constants = ParseConstants(file);
  EXPECT_LE(ApplyConstantList(text, constants).size(), kMaxExpandedText);
}

TEST(ExpansionLimit, AConstantLeftOutDoesNotStopTheLaterOnes) {
  std::vector<TMyPlugin> constants = {{"x", std::string(kMaxExpandedText, 'x')},
                                      {"JMENO", "Karel"}};
  EXPECT_EQ(ApplyConstantList("x JMENO x", constants), "x Karel x");
}

TEST(ExpansionLimit, LibrariesThatMultiplyTheTextStopAtTheLimit) {
  TempWorkDir dir;
  // l0 is sixteen bytes; every further library holds sixteen references to
  // the one before, so l8 would be four gigabytes.
  WriteBytes("data/knihovny/l0.qvl", std::string(16, 'x'));
  for (int level = 1; level <= 8; ++level) {
    std::string text;
    for (int i = 0; i < 16; ++i) text += "#knihovna_l" + std::to_string(level - 1) + ";";
    WriteBytes("data/knihovny/l" + std::to_string(level) + ".qvl", text);
  }
  RecordingHost host;
  GameFiles files(host);
  LocationStore store(files, host);
  const std::string text = store.ExpandLibraries("<1>#knihovna_l8;");
  EXPECT_LE(text.size(), kMaxExpandedText + 3);
  // Libraries are put in as far as the limit allows, no further.
  std::size_t largest = 0;
  for (const TMyPlugin& library : store.Libraries()) {
    EXPECT_LE(library.Text.size(), kMaxExpandedText + 16 * 14) << library.Name;
    largest = std::max(largest, library.Text.size());
  }
  EXPECT_GE(largest, kMaxExpandedText / 2);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace qv
