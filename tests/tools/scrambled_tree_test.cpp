#include "tools/scrambled_tree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "data/file_bytes.h"
#include "data/temp_work_dir.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "tool_test_support.h"
#include "tools/scrambled_freshness.h"
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

// Edits made to the plain files after scrambling are neither lost by
// unscramble nor silently left out of play.
TEST(ScrambleCommand, TheAuthorsEditsSurviveTheRoundTrips) {
  TempWorkDir dir;
  CopyTree(SourceDir() / "examples/minimal", "kniha");
  ASSERT_EQ(RunTool(RunScrambleCommand, {"--dir", "kniha"}).Status, kToolOk);
  const auto scrambled_at = fs::last_write_time("kniha/data/zasifrovane/data.qvl");
  std::ostringstream quiet;
  WarnOfStalePlainFiles("kniha", quiet);
  EXPECT_EQ(quiet.str(), "");

  // An edit after scrambling: play and check say that it is not played.
  const std::string edited = ReadBytes("kniha/data/data.qvl") + "<5>\r\n<text obsah=\"Nove\">\r\n";
  WriteBytes("kniha/data/data.qvl", edited);
  fs::last_write_time("kniha/data/data.qvl", scrambled_at + std::chrono::seconds(5));
  WriteBytes("kniha/data/knihovny/nova.qvl", "<text obsah=\"x\">");
  std::ostringstream warned;
  WarnOfStalePlainFiles("kniha", warned);
  EXPECT_EQ(warned.str(),
            "quarvelin: warning: data/data.qvl: newer than its scrambled copy data/zasifrovane/data.qvl, "
            "which is what the game reads, so the edits are not played; run quarvelin scramble (or delete "
            "data/zasifrovane to play the plain files)\n");
  fs::create_directories("kniha/data/zasifrovane/knihovny");
  std::ostringstream library;
  WarnOfStalePlainFiles("kniha", library);
  EXPECT_NE(library.str().find("quarvelin: warning: data/knihovny/nova.qvl: no scrambled copy in "
                               "data/zasifrovane/knihovny/, which is all the game reads; run quarvelin "
                               "scramble to include it\n"),
            std::string::npos)
      << library.str();
  fs::remove_all("kniha/data/knihovny");
  fs::remove("kniha/data/zasifrovane/knihovny");
  const ToolRun check = RunTool(RunCheckCommand, {"kniha"});
  EXPECT_NE(check.Out.find("data/data.qvl: warning: newer than its scrambled copy"), std::string::npos)
      << check.Out;

  // Unscrambling would overwrite the edit: refused, nothing written.
  const ToolRun refused = RunTool(RunUnscrambleCommand, {"--dir", "kniha"});
  EXPECT_EQ(refused.Status, kToolFailed);
  EXPECT_EQ(refused.Err,
            "data/data.qvl: differs from data/zasifrovane/data.qvl and would be overwritten; scramble to keep "
            "these edits, or unscramble --force to replace them\n"
            "quarvelin unscramble: nothing written\n");
  EXPECT_EQ(ReadBytes("kniha/data/data.qvl"), edited);

  // Scrambling again takes the edit in; then unscrambling changes nothing.
  ASSERT_EQ(RunTool(RunScrambleCommand, {"--dir", "kniha"}).Status, kToolOk);
  EXPECT_EQ(RunTool(RunUnscrambleCommand, {"--dir", "kniha"}).Status, kToolOk);
  EXPECT_EQ(ReadBytes("kniha/data/data.qvl"), edited);
  std::ostringstream after;
  WarnOfStalePlainFiles("kniha", after);
  EXPECT_EQ(after.str(), "");

  // --force replaces an edit on purpose.
  WriteBytes("kniha/data/data.qvl", "<1>");
  EXPECT_EQ(RunTool(RunUnscrambleCommand, {"--dir", "kniha", "--force"}).Status, kToolOk);
  EXPECT_EQ(ReadBytes("kniha/data/data.qvl"), edited);
}

}  // namespace
}  // namespace qv
