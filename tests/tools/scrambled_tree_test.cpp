#include "tools/scrambled_tree.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "tool_test_support.h"
#include "tools/tool_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(ScrambleBytes, LayoutIsPrefixFillerAndShiftedBody) {
  // Byte k of the prefix is C[k] + 10 + k; the body is shifted by 8, wrapping.
  EXPECT_EQ(ScrambleBytes("AB", std::string("x\xFA", 2)), std::string("L\x4E \x80\x02", 5));
  EXPECT_EQ(ScrambleBytes("", "a"), std::string(" i"));
  EXPECT_EQ(UnscrambleBytes("AB", std::string("L\x4E\x00\x80\x02", 5)), std::string("x\xFA", 2));
  // A stored 0x1A ends the body.
  EXPECT_EQ(UnscrambleBytes("", std::string(" i\x1Ai", 4)), std::string("a"));
  EXPECT_EQ(UnscrambleBytes("AB", std::string("L\x4F ", 3)), std::nullopt);
  EXPECT_EQ(UnscrambleBytes("AB", "L"), std::nullopt);
}

TEST(ScrambleTree, RefusesAByteItCannotStoreAndWritesNothing) {
  TempWorkDir dir;
  WriteBytes("data/data.qvl", "<1>");
  WriteBytes("data/konstanty.qvl", std::string("A \x12;", 4));
  const TreeReport report = ScrambleTree(".", "X");
  ASSERT_EQ(report.Errors.size(), 1u);
  EXPECT_EQ(report.Errors[0], "data/konstanty.qvl: byte 0x12 at offset 2 cannot be stored scrambled (it would end the file)");
  EXPECT_FALSE(fs::exists("data/zasifrovane"));
}

TEST(ScrambleTree, StopsWhereThePlainReaderStops) {
  TempWorkDir dir;
  WriteBytes("data/data.qvl", std::string("<1>\x1A\x12rest", 9));
  const TreeReport report = ScrambleTree(".", "");
  ASSERT_TRUE(report.Errors.empty());
  ASSERT_EQ(report.Notes.size(), 1u);
  EXPECT_EQ(report.Notes[0], "data/data.qvl: read up to its byte 0x1A at offset 3, as the engine reads it");
  EXPECT_EQ(ReadBytes("data/zasifrovane/data.qvl"), ScrambleBytes("", "<1>"));
}

TEST(ScrambleTree, LinksInTheBookAreNeitherReadNorWrittenThrough) {
  TempWorkDir outside;
  WriteBytes("secret.qvl", "mine");
  TempWorkDir dir;
  WriteBytes("data/data.qvl", "<1>");
  fs::create_symlink(outside.path() / "secret.qvl", "data/zbrane.qvl");
  fs::create_directory_symlink(outside.path(), "data/zasifrovane");
  const TreeReport report = ScrambleTree(".", "");
  ASSERT_EQ(report.Errors.size(), 1u);
  EXPECT_EQ(report.Errors[0], "data/zasifrovane/data.qvl: cannot be written");
  EXPECT_EQ(ReadBytes(outside.path() / "secret.qvl"), "mine");
  EXPECT_FALSE(fs::exists(outside.path() / "data.qvl"));
}

TEST(UnscrambleTree, AWrongCheckStringWritesNothing) {
  TempWorkDir dir;
  WriteBytes("data/zasifrovane/data.qvl", ScrambleBytes("JINY", "<1>"));
  const TreeReport report = UnscrambleTree(".", "HAJOVNA");
  ASSERT_EQ(report.Errors.size(), 1u);
  EXPECT_EQ(report.Errors[0], "data/zasifrovane/data.qvl: its prefix is not the check string of data/inicializace.qvl");
  EXPECT_FALSE(fs::exists("data/data.qvl"));
}

// The example scrambled with its check string plays from the scrambled copy
// alone, and unscrambling gives back the very bytes it started from.
TEST(ScrambleCommand, ScrambledExamplePlaysAndUnscramblesToTheOriginal) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "examples/minimal", "kniha");
  WriteBytes("kniha/data/knihovny/pozdrav.qvl", "<text obsah=\"Ahoj\">\r\n");
  const std::string original = ReadBytes("kniha/data/data.qvl");

  const ToolRun scrambled = RunTool(RunScrambleCommand, {"--dir", "kniha"});
  ASSERT_EQ(scrambled.Status, kToolOk) << scrambled.Err;
  EXPECT_EQ(scrambled.Out,
            "wrote data/zasifrovane/data.qvl\n"
            "wrote data/zasifrovane/knihovny/pozdrav.qvl\n");
  const std::string stored = ReadBytes("kniha/data/zasifrovane/data.qvl");
  EXPECT_EQ(stored.substr(0, 7), ScrambleBytes("HAJOVNA", "").substr(0, 7));

  // Only the scrambled copy is left to read.
  fs::remove("kniha/data/data.qvl");
  std::istringstream script("new-game\nchoose 2\ndump\n");
  std::ostringstream out;
  ScriptOptions options;
  options.Directory = "kniha";
  options.Seed = 1;
  const fs::path here = fs::current_path();
  EXPECT_EQ(RunScript(script, out, options), 0) << out.str();
  fs::current_path(here);
  EXPECT_NE(out.str().find("Potok je studen"), std::string::npos) << out.str();

  fs::remove("kniha/data/knihovny/pozdrav.qvl");
  const ToolRun back = RunTool(RunUnscrambleCommand, {"--dir", "kniha"});
  ASSERT_EQ(back.Status, kToolOk) << back.Err;
  EXPECT_EQ(ReadBytes("kniha/data/data.qvl"), original);
  EXPECT_EQ(ReadBytes("kniha/data/knihovny/pozdrav.qvl"), "<text obsah=\"Ahoj\">\r\n");
}

}  // namespace
}  // namespace qv
